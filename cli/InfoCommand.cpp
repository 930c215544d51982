// tessary-skin info FILE [--json]: what a skin file holds, read without applying it to
// anything: the header, the record layout, and the image lists and pictures the records
// carry (read over components at their class defaults, so a list stored without images
// shows 0 images and the size its record gives).
#include <iomanip>

#include "cli/Arguments.h"
#include "cli/CliError.h"
#include "cli/Command.h"
#include "cli/Json.h"
#include "cli/SkinFiles.h"
#include "skinfile/TextEncoding.h"

namespace tessary::cli {
namespace {

constexpr std::string_view kJsonFlag = "--json";

struct LoadedSkin {
  SkinFileFormat format;
  std::size_t fileSize = 0;
  SkinFileInfo info;
  Skin skin = ClassDefaultSkin();
  std::size_t listCount = 0;
};

// Header texts and record names are one byte per character.
JsonValue Latin1(const std::string& text) { return JsonValue(Latin1ToUtf8(text)); }

JsonValue ToJson(const std::string& path, const LoadedSkin& loaded) {
  const SkinHeader& header = loaded.info.header;
  JsonValue root = JsonValue::Object();
  root.Set("file", path);
  root.Set("format", loaded.format == SkinFileFormat::kCrs ? "crs" : "skn");
  root.Set("size", static_cast<std::int64_t>(loaded.fileSize));
  root.Set("topStretch", header.topStretch != 0);
  root.Set("bottomStretch", header.bottomStretch != 0);
  if (loaded.format == SkinFileFormat::kSkn) {
    root.Set("marker", header.marker);
    root.Set("textColor", Latin1(header.textColorName));
    root.Set("gaugeColor", Latin1(header.gaugeColorName));
    root.Set("theme", Latin1(header.themeName));
  }

  JsonValue records = JsonValue::Array();
  for (const RecordInfo& record : loaded.info.records) {
    JsonValue properties = JsonValue::Array();
    for (const std::string& property : record.properties) properties.Append(Latin1(property));
    records.Append(JsonValue::Object()
                       .Set("class", Latin1(record.className))
                       .Set("name", Latin1(record.name))
                       .Set("offset", static_cast<std::int64_t>(record.offset))
                       .Set("length", static_cast<std::int64_t>(record.length))
                       .Set("properties", std::move(properties)));
  }
  root.Set("records", std::move(records));

  JsonValue lists = JsonValue::Object();
  const auto all = loaded.skin.ImageLists();
  for (std::size_t i = 0; i < loaded.listCount; ++i) {
    const ImageList& list = *all[i];
    lists.Set(list.name, JsonValue::Object()
                             .Set("count", list.ImageCount())
                             .Set("capacity", list.Capacity())
                             .Set("width", list.Width())
                             .Set("height", list.Height()));
  }
  root.Set("imageLists", std::move(lists));

  JsonValue backgrounds = JsonValue::Object();
  for (const TTBBackground* background : {&loaded.skin.bgTop, &loaded.skin.bgBottom}) {
    const Bitmap& picture = background->GetBitmap();
    backgrounds.Set(background->name, JsonValue::Object()
                                          .Set("width", picture.Width())
                                          .Set("height", picture.Height())
                                          .Set("bitsPerPixel", picture.IsEmpty() ? 0 : picture.Format().bitsPerPixel));
  }
  root.Set("backgrounds", std::move(backgrounds));
  return root;
}

void PrintText(const std::string& path, const LoadedSkin& loaded, std::ostream& out) {
  const SkinHeader& header = loaded.info.header;
  const bool skn = loaded.format == SkinFileFormat::kSkn;
  out << "File:          " << EscapeControls(path) << "\n"
      << "Format:        " << (skn ? "skin file (.skn)" : "old skin file (.crs)") << ", " << loaded.fileSize
      << " bytes\n";
  if (skn) {
    // The header's texts are Latin-1; the terminal gets UTF-8, its control characters escaped.
    out << "Marker:        " << header.marker << "\n"
        << "Text colour:   " << EscapeControls(Latin1ToUtf8(header.textColorName)) << "\n"
        << "Gauge colour:  " << EscapeControls(Latin1ToUtf8(header.gaugeColorName)) << "\n"
        << "Theme:         " << EscapeControls(Latin1ToUtf8(header.themeName)) << "\n";
  }

  out << "Backgrounds:\n";
  for (const TTBBackground* background : {&loaded.skin.bgTop, &loaded.skin.bgBottom}) {
    const Bitmap& picture = background->GetBitmap();
    out << "  " << std::left << std::setw(12) << background->name
        << (background->StretchBitmap() ? "stretched" : "tiled") << ", ";
    if (picture.IsEmpty()) {
      out << "no picture\n";
    } else {
      out << picture.Width() << " x " << picture.Height() << ", " << picture.Format().bitsPerPixel
          << " bits per pixel\n";
    }
  }

  out << "Image lists:\n";
  const auto all = loaded.skin.ImageLists();
  for (std::size_t i = 0; i < loaded.listCount; ++i) {
    const ImageList& list = *all[i];
    out << "  " << std::left << std::setw(12) << list.name << list.ImageCount()
        << (list.ImageCount() == 1 ? " image of " : " images of ") << list.Width() << " x " << list.Height()
        << ", capacity " << list.Capacity() << "\n";
  }

  out << "Records:\n"
      << "  " << std::right << std::setw(8) << "offset" << std::setw(8) << "length"
      << "  " << std::left << std::setw(15) << "class" << std::setw(12) << "name"
      << "properties\n";
  for (const RecordInfo& record : loaded.info.records) {
    out << "  " << std::right << std::setw(8) << record.offset << std::setw(8) << record.length << "  " << std::left
        << std::setw(15) << EscapeControls(record.className) << std::setw(12) << EscapeControls(record.name);
    for (std::size_t i = 0; i < record.properties.size(); ++i) {
      out << (i == 0 ? "" : ", ") << EscapeControls(record.properties[i]);
    }
    out << "\n";
  }
}

}  // namespace

int RunInfo(const Invocation& invocation) {
  static constexpr std::string_view kFlags[] = {kJsonFlag};
  const Arguments arguments = ParseArguments(invocation.args, kFlags, 1, 1);
  const std::string& path = arguments.positional[0];

  LoadedSkin loaded;
  loaded.format = FormatForPath(path);
  loaded.listCount = StoredImageListCount(loaded.format);
  // Reading first gives a damaged file the message the editor's Open shows.
  const SharedBytes bytes = ReadSkinOver(path, loaded.skin);
  loaded.fileSize = bytes.size();
  loaded.info = ForFile(path, [&] { return InspectSkinFile(bytes.Span(), loaded.format); });

  if (arguments.Has(kJsonFlag)) {
    invocation.out << ToJson(path, loaded).ToText();
  } else {
    PrintText(path, loaded, invocation.out);
  }
  return kExitOk;
}

}  // namespace tessary::cli
