// The table of subcommands: dispatch and every help text come from here. It is compiled
// into both programs of the tool: in tessary-skin the commands of the render part have
// their rows (for the overview, help and usage) but no code, and are run by starting
// tessary-skin-render (RenderPart.h); in that program (TESSARY_RENDER_PART) they have it.
#include <array>

#include "cli/Command.h"

#ifdef TESSARY_RENDER_PART
#define IN_RENDER_PART(run) Part::kRender, run
#else
#define IN_RENDER_PART(run) Part::kRender, nullptr
#endif

namespace tessary::cli {
namespace {

constexpr std::string_view kNewDetails =
    "Writes the skin the editor starts with (default images, no background pictures,\n"
    "text colour clWindowText, progress-bar colour $00996633, theme MonaiXP) exactly as\n"
    "the editor's Save writes it before any change. An existing OUT is replaced; a\n"
    "link is written through, a device or pipe written straight.\n";

constexpr std::string_view kInfoDetails =
    "Prints the header, the image lists and pictures the file holds, and the layout of\n"
    "its component records (offset, length, class, name, properties in file order).\n"
    "A list stored without images shows 0 images.\n"
    "\n"
    "  --json   print one JSON object instead: format (\"skn\" or \"crs\"), size,\n"
    "           topStretch, bottomStretch, for a .skn also marker, textColor, gaugeColor\n"
    "           and theme (the header texts as stored), records [{class, name, offset,\n"
    "           length, properties}], imageLists {name: {count, capacity, width, height}},\n"
    "           backgrounds {name: {width, height, bitsPerPixel}} (all 0 without picture).\n"
    "\n"
    "FILE is read as an old skin file when its name ends in .crs, else as a skin file.\n";

constexpr std::string_view kCheckDetails =
    "Reads every FILE as the editor's Open (.skn) or Import Old Skins (.crs) would and\n"
    "prints one line per file on standard output: \"FILE: ok\", or \"FILE: \" followed by\n"
    "the editor's error message. Exits with 0 when every file was read, 1 otherwise.\n";

constexpr std::string_view kConvertDetails =
    "Imports IN over the start-up skin, as the editor's Import Old Skins does (so the\n"
    "other images, the colours and the theme are the start-up ones), and saves OUT as a\n"
    "skin file. An IN not ending in .crs is opened as a skin file instead. OUT must\n"
    "not be an old skin file (.crs).\n";

constexpr std::string_view kExportDetails =
    "Unpacks what FILE holds into DIR, which must be empty or not exist yet. The files\n"
    "are written into a temporary folder beside DIR that takes its place only when\n"
    "complete, so a failed or interrupted export leaves no half-written DIR:\n"
    "\n"
    "  skin.ini        [Skin] TopStretch, BottomStretch (0 tiled, 1 stretched),\n"
    "                  TextColor, GaugeColor, Theme; [bgTop] and [bgBottom] BkColor,\n"
    "                  Transparent; one section per image list with Count and Capacity\n"
    "  bgTop.bmp       the top background's picture, byte for byte as the file stores it\n"
    "  bgBottom.bmp    the same for the bottom background (both absent without picture)\n"
    "  ilXxx/NN.png    image NN of each image list, RGBA, alpha 0 where transparent\n"
    "\n"
    "A component's other stored properties (Tag, Left, Top, Width, Height, Masked,\n"
    "ShareImages, ...) are written to its section when they differ from the start-up\n"
    "skin's, so that pack gives them back.\n"
    "\n"
    "An old skin file (.crs) holds no colours, no theme and no ilMain or ilPage lists,\n"
    "so none of these are written for it.\n";

constexpr std::string_view kPackDetails =
    "Starts from the start-up skin, applies what DIR holds (the layout that export\n"
    "writes; every key and every file is optional) and saves OUT as a skin file.\n"
    "Packing an export of a skin file gives that file again, byte for byte.\n"
    "\n"
    "Images: ilXxx/NN.png takes its transparency from alpha (below 128 transparent);\n"
    "ilXxx/NN.bmp from the list's colour as in the editor: clFuchsia for ilLButtons,\n"
    "ilSButtons and ilMain, clWhite for ilPage, none for ilImages, ilHot, ilDisable and\n"
    "ilDown. Each must have the list's image size. A slot past the end of the list\n"
    "appends; added slots must follow on without a gap.\n"
    "\n"
    "A section may also set the component's stored properties by name (Tag, Left,\n"
    "Top, BkColor, Width, Height, Masked, DrawingStyle, ...); a new Width or Height\n"
    "empties the list, so its images must then all be given.\n"
    "\n"
    "Count cuts the list to that many images (every slot file must lie below it) or\n"
    "requires the added slots up to it. Capacity sets the room the list saves with;\n"
    "without it the start-up room is kept. Either grows in steps of 4 when the list\n"
    "holds more images.\n"
    "\n"
    "Theme, TextColor and GaugeColor are UTF-8 in skin.ini and Latin-1 in the skin\n"
    "file: a text with other characters, or longer than 64, is refused. Flags are 0 or 1.\n"
    "\n"
    "Leftovers are passed over: hidden files, names ending in ~, Thumbs.db,\n"
    "desktop.ini and skin files (.skn, .crs). Anything else in DIR, and any section or\n"
    "key of skin.ini that pack does not know, is an error, so a misspelt name is never\n"
    "ignored. OUT must not be an old skin file (.crs), and inside DIR it must be a\n"
    "skin file (.skn), so that it replaces none of the files it is packed from.\n";

constexpr std::string_view kRenderDetails =
    "Draws the editor window with FILE opened (or, for a .crs, imported) exactly as the\n"
    "editor shows it at that size, and saves the picture as OUT.png. No display is needed.\n"
    "\n"
    "  --theme NAME   draw in this theme instead of the one FILE names (Default, MonaiXP,\n"
    "                 Nexos4, Office11Adaptive, OfficeXP, Roma, Tristan2 or Xito)\n"
    "  --size WxH     the window's size in pixels (default 1280x1024); a size below the\n"
    "                 smallest the window can take is refused\n"
    "\n"
    "A FILE that does not open gives the editor's message and writes no picture.\n"
    "OUT must not be FILE itself.\n";

constexpr std::string_view kThumbnailDetails =
    "Draws the browser as render does, without the editor's control panel: the top bars\n"
    "(menu bar, toolbars, address and search bars) with the status bar right below them,\n"
    "scaled smoothly to N pixels wide, and saves it as OUT.png, opaque everywhere. File\n"
    "managers show it for skin files (share/thumbnailers/tessary.thumbnailer).\n"
    "\n"
    "  --size N   the picture's width in pixels, 1 to 4096 (default 256)\n"
    "\n"
    "A FILE that does not open gives the editor's message and writes no picture, so a file\n"
    "manager shows its plain icon. OUT must not be FILE itself.\n";

constexpr std::array<Command, 8> kCommands{{
    {"new", "Write the start-up skin to a new skin file", "OUT.skn", kNewDetails, Part::kCore, RunNew},
    {"info", "Describe a skin file", "FILE [--json]", kInfoDetails, Part::kCore, RunInfo},
    {"check", "Check that skin files read as the editor reads them", "FILE...", kCheckDetails, Part::kCore, RunCheck},
    {"convert", "Turn an old skin file into a skin file", "IN.crs OUT.skn", kConvertDetails, Part::kCore, RunConvert},
    {"export", "Unpack a skin file into a folder of INI, BMP and PNG files", "FILE DIR", kExportDetails, Part::kCore,
     RunExport},
    {"pack", "Build a skin file from a folder written by export", "DIR OUT.skn", kPackDetails, Part::kCore, RunPack},
    {"render", "Draw the editor window with a skin as a PNG picture", "FILE OUT.png [--theme NAME] [--size WxH]",
     kRenderDetails, IN_RENDER_PART(RunRender)},
    {"thumbnail", "Draw a small picture of a skin for file managers", "FILE OUT.png [--size N]", kThumbnailDetails,
     IN_RENDER_PART(RunThumbnail)},
}};

}  // namespace

std::span<const Command> Commands() { return kCommands; }

const Command* FindCommand(std::string_view name) {
  for (const Command& command : kCommands) {
    if (command.name == name) return &command;
  }
  return nullptr;
}

}  // namespace tessary::cli
