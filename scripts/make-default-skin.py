#!/usr/bin/python3
"""Builds resources/default_skin.bin, the images the editor starts with.

Run from anywhere:  /usr/bin/python3 scripts/make-default-skin.py [--preview PNG]
It also writes resources/README.md, the list of which picture fills which slot.

The toolbar, menu and tab images come from the public-domain Tango icon set as installed by
Debian's tango-icon-theme (/usr/share/icons/Tango, native 16x16 and 24x24 PNGs: nothing is
rescaled) and given one-bit masks that suit every theme (default_skin_icons.py). The
window-control images are drawn pixel by pixel (default_skin_buttons.py). Only plain integer
arithmetic touches the pixels, so the output is the same byte for byte on every machine with
the same icon files; PIL is used only to decode the PNGs and to save the optional preview.

Resource layout, all integers little-endian:
  for each of the eight lists in skin-file order
  (ilLButtons, ilSButtons, ilImages, ilHot, ilDisable, ilDown, ilMain, ilPage):
    4 bytes   N, the byte length of the payload that follows
    N bytes   the list's image-list payload, current layout:
      28 bytes  header: "IL", version 0x0101, count, capacity, grow 4, cx, cy (16-bit each),
                background 0xFFFFFFFF (32-bit), flags 0x10FF (16-bit), overlays -1 x 4 (16-bit)
      54 + 4*W*H  colour BMP, four cells per row (W = 4*cx, H = ceil(capacity/4)*cy):
                "BM", total-size field 54, 0, 0, offset 54; info header 40, W, H (bottom-up),
                planes 1, 32 bits, compression 0, image size 4*W*H, 0, 0, 0, 0;
                pixels blue, green, red, 0; transparent pixels black; unused cells zero
      62 + S*H  mask BMP (S = ((W+31)/32)*4): "BM", total-size field 62, 0, 0, offset 62;
                info header 40, W, H, planes 1, 1 bit, compression 0, image size S*H, 0, 0, 0, 0;
                colour table black, white; rows bottom-up, most significant bit first,
                set bit = transparent; unused cells and row padding zero
      22 bytes  zero
"""

import argparse
import os
import sys

sys.dont_write_bytecode = True  # keep the helper modules from leaving caches in scripts/

from PIL import Image  # noqa: E402

from default_skin_buttons import (DISABLED, HOT, NORMAL, SYSTEM_GLYPHS, ButtonLook,  # noqa: E402
                                  down_buttons, draw_window, draw_x, system_buttons)
from default_skin_icons import tango  # noqa: E402
from default_skin_picture import FUCHSIA, WHITE, Picture, image_list_payload, u32  # noqa: E402

REPO = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
OUTPUT = os.path.join(REPO, "resources", "default_skin.bin")
README = os.path.join(REPO, "resources", "README.md")

# ---------------------------------------------------------------------------------------------
# Toolbar buttons: the same 21 slots in ilLButtons (24 x 24) and ilSButtons (16 x 16).

BUTTON_ICONS = [
    ("Back", "actions/go-previous"),
    ("Forward", "actions/go-next"),
    ("Up", "actions/go-up"),
    ("Stop", "actions/process-stop"),
    ("Refresh", "actions/view-refresh"),
    ("Home", "actions/go-home"),
    ("Search", "actions/system-search"),
    ("Favorites", "emblems/emblem-favorite"),
    ("History", "actions/appointment-new"),
    ("Full Screen", "actions/view-fullscreen"),
    ("Text Size", "apps/preferences-desktop-font"),
    ("Encoding Language", "apps/preferences-desktop-locale"),
    ("HTML Editor", "apps/accessories-text-editor"),
    ("Print", "actions/document-print"),
    ("Mail", "apps/internet-mail"),
    ("Proxy", "apps/preferences-system-network-proxy"),
    ("Clear Records", "actions/edit-clear"),
    ("Allow Pictures", "mimetypes/image-x-generic"),
    ("Block", "status/dialog-error"),
    ("New", "actions/window-new"),
    ("Flash", "status/weather-storm"),
]


def button_images(size):
    images = [tango(path, size) for _, path in BUTTON_ICONS]
    for image in images:
        image.key_colour(FUCHSIA)
    return images


# ---------------------------------------------------------------------------------------------
# Other images (ilMain, 16 x 16). The slots the browser shows in its menus and bars get the
# icon of their command; the rest are browser-ish icons, each slot a different one.

def tango16(path, faded=None):
    make = lambda: tango(path, 16, faded=faded)
    make.source = "Tango `%s`" % path  # listed in the README
    return make


HEART = ["0110110", "1111111", "1111111", "0111110", "0011100", "0001000"]
NO_ENTRY = ["00111100", "01111110", "11111111", "10000001", "10000001", "11111111",
            "01111110", "00111100"]


def stamp(pic, pattern, x, y, colour, outline=None):
    """Paints a small bitmap pattern ('1' = colour); an outline rings it if given."""
    if outline is not None:
        for row, bits in enumerate(pattern):
            for col, bit in enumerate(bits):
                if bit == "1":
                    for dx, dy in ((-1, 0), (1, 0), (0, -1), (0, 1)):
                        pic.set(x + col + dx, y + row + dy, outline)
    for row, bits in enumerate(pattern):
        for col, bit in enumerate(bits):
            if bit == "1":
                pic.set(x + col, y + row, colour)


def organize_favorites():
    pic = tango("places/folder", 16)
    stamp(pic, HEART, 8, 9, (0xCC, 0x00, 0x00), (0x6E, 0x00, 0x00))
    return pic


organize_favorites.source = "Tango `places/folder` with a drawn heart"


def popup_blocker():
    pic = tango("actions/window-new", 16)
    stamp(pic, NO_ENTRY, 8, 8, (0xCC, 0x00, 0x00), (0x70, 0x00, 0x00))
    for yy in (11, 12):
        for xx in range(9, 15):
            pic.set(xx, yy, (0xFF, 0xFF, 0xFF))
    return pic


popup_blocker.source = "Tango `actions/window-new` with a drawn no-entry sign"


def highlight():
    """A letter over a yellow marker stroke."""
    band = Picture(16, 16)
    band.fill_rect(0, 11, 16, 5, (0xFF, 0xE8, 0x40))
    band.fill_rect(0, 15, 16, 1, (0xE0, 0xB8, 0x10))
    return tango("actions/format-text-bold", 16, base=band)


highlight.source = "Tango `actions/format-text-bold` over a drawn marker stroke"


MENU_WINDOW = ButtonLook(FUCHSIA, None, (0xFF, 0xFF, 0xFF), None, None, (0x1C, 0x4A, 0x94), 0)
MENU_TITLE = (0x5C, 0x8E, 0xD6)


def menu_window(pic, x, y, w, h):
    """A window for the 16 x 16 window-arrangement icons: blue title, white body, shadow."""
    pic.fill_rect(x + 1, y + h, w, 1, (0x9A, 0x9A, 0x9A))
    pic.fill_rect(x + w, y + 1, 1, h, (0x9A, 0x9A, 0x9A))
    draw_window(pic, x, y, w, h, MENU_WINDOW)
    pic.fill_rect(x + 1, y + 1, w - 2, 2, MENU_TITLE)


def cascade():
    pic = Picture(16, 16)
    for step in range(3):
        menu_window(pic, 1 + 3 * step, 1 + 3 * step, 8, 7)
    return pic


def tile_horizontally():
    pic = Picture(16, 16)
    menu_window(pic, 1, 1, 13, 6)
    menu_window(pic, 1, 8, 13, 6)
    return pic


def tile_vertically():
    pic = Picture(16, 16)
    menu_window(pic, 1, 1, 6, 13)
    menu_window(pic, 8, 1, 6, 13)
    return pic


def band_close():
    """The small close button of the side band: a cross on a flat rounded button."""
    pic = Picture(16, 16)
    pic.fill_rect(3, 2, 10, 12, (0x9A, 0x95, 0x84))
    pic.fill_rect(2, 3, 12, 10, (0x9A, 0x95, 0x84))
    pic.fill_rect(3, 3, 10, 10, (0xF4, 0xF2, 0xE8))
    pic.fill_rect(3, 3, 9, 1, (0xFF, 0xFF, 0xFF))
    pic.fill_rect(3, 4, 1, 8, (0xFF, 0xFF, 0xFF))
    look = ButtonLook(None, None, None, None, None, (0x33, 0x33, 0x33), 0)
    draw_x(pic, 5, 5, 6, look, True)
    return pic


MAIN_IMAGES = [
    ("Open", tango16("actions/document-open")),
    ("Save As", tango16("actions/document-save-as")),
    ("Print Preview", tango16("actions/document-print-preview")),
    ("Organize Groups", tango16("apps/system-file-manager")),
    ("Create New Group", tango16("actions/folder-new")),
    ("Properties", tango16("actions/document-properties")),
    ("Search Web", tango16("actions/system-search")),
    ("Search Site / Find", tango16("actions/edit-find")),
    ("Cut", tango16("actions/edit-cut")),
    ("Copy", tango16("actions/edit-copy", faded=0x40)),  # its page behind is half opaque
    ("Paste", tango16("actions/edit-paste")),
    ("Select All", tango16("actions/edit-select-all")),
    ("Undo", tango16("actions/edit-undo")),
    ("Redo", tango16("actions/edit-redo")),
    ("Previous Window", tango16("actions/go-first")),
    ("Next Window", tango16("actions/go-last")),
    ("Go", tango16("actions/go-jump")),
    ("New Tab", tango16("actions/tab-new")),
    ("Add to Favorites", tango16("actions/bookmark-new")),
    ("Organize Favorites", organize_favorites),
    ("Corvane Options", tango16("categories/preferences-system")),
    ("Downloads", tango16("actions/go-bottom")),
    ("Save", tango16("actions/document-save")),
    ("Send Page", tango16("actions/mail-forward")),
    ("Reply", tango16("actions/mail-reply-sender")),
    ("Address Book", tango16("mimetypes/x-office-address-book")),
    ("Calendar", tango16("apps/office-calendar")),
    ("Connection", tango16("status/network-transmit-receive")),
    ("Exit", tango16("actions/system-log-out")),
    ("Work Offline", tango16("status/network-offline")),
    ("Zoom In", tango16("actions/list-add")),
    ("Zoom Out", tango16("actions/list-remove")),
    ("View Source", tango16("mimetypes/text-html")),
    ("Console", tango16("apps/utilities-terminal")),
    ("Full Screen", tango16("actions/view-fullscreen")),
    ("Lock", tango16("actions/system-lock-screen")),
    ("Certificates", tango16("mimetypes/application-certificate")),
    ("Delete", tango16("actions/edit-delete")),
    ("Trash", tango16("places/user-trash")),
    ("About", tango16("status/dialog-information")),
    ("Allow Sounds", tango16("status/audio-volume-high")),
    ("Internet Options", tango16("apps/internet-web-browser")),
    ("Allow Videos", tango16("devices/camera-video")),
    ("Help", tango16("apps/help-browser")),
    ("Send Comments", tango16("actions/mail-message-new")),
    ("Folder", tango16("places/folder")),
    ("News", tango16("apps/internet-news-reader")),
    ("Highlight", highlight),
    ("Cascade", cascade),
    ("Tile Horizontally", tile_horizontally),
    ("Tile Vertically", tile_vertically),
    ("Play", tango16("actions/media-playback-start")),
    ("Left Side Band Close Button", band_close),
    ("Popup Blocker", popup_blocker),
    ("Refresh All", tango16("actions/view-refresh")),
    ("Computer", tango16("devices/computer")),
    ("Network", tango16("places/network-workgroup")),
    ("Save Pictures", tango16("devices/camera-photo")),
    ("Keyboard Shortcuts", tango16("apps/preferences-desktop-keyboard-shortcuts")),
]


def main_images():
    images = [make() for _, make in MAIN_IMAGES]
    for image in images:
        image.key_colour(FUCHSIA)
    return images


# ---------------------------------------------------------------------------------------------
# Tab images (ilPage, 18 x 18, opaque): 16 x 16 icons centred on white.

PAGE_ICONS = [
    ("Page", "mimetypes/text-html"),
    ("Loading", "status/image-loading"),
    ("Secure", "actions/system-lock-screen"),
    ("Close Tab", "emblems/emblem-unreadable"),
    ("New Tab", "actions/tab-new"),
    ("Error", "status/dialog-warning"),
    ("Blank", "mimetypes/text-x-generic"),
    ("Favorite", "emblems/emblem-favorite"),
    ("Offline", "status/network-offline"),
    ("Picture", "mimetypes/image-x-generic"),
]
PAGE_SIZE = 18


def page_images():
    images = []
    for _, path in PAGE_ICONS:
        pic = Picture(PAGE_SIZE, PAGE_SIZE, WHITE)
        pic.blit(tango(path, 16, WHITE), 1, 1)
        images.append(pic)
    return images


# The lists in skin-file order, with their capacities and image sizes.
def skin_lists():
    return [
        ("ilLButtons", button_images(24), 24, 24, 24),
        ("ilSButtons", button_images(16), 24, 16, 16),
        ("ilImages", system_buttons(NORMAL), 14, 21, 21),
        ("ilHot", system_buttons(HOT), 14, 21, 21),
        ("ilDisable", system_buttons(DISABLED), 14, 21, 21),
        ("ilDown", down_buttons(), 24, 21, 21),
        ("ilMain", main_images(), 64, 16, 16),
        ("ilPage", page_images(), 14, 18, 18),
    ]


# ---------------------------------------------------------------------------------------------
# Contact sheet: each list on its own rows, enlarged 4x, over grey. The system-button lists
# are keyed by their bottom-left pixel the way the preview draws them.

PREVIEW_SCALE = 4
PREVIEW_PER_ROW = 16
PREVIEW_GAP = 6
PREVIEW_GREY = (0x80, 0x80, 0x80)
KEYED_BY_CORNER = {"ilImages", "ilHot", "ilDisable", "ilDown"}


def write_preview(lists, path):
    rows = []
    for name, images, _, cx, cy in lists:
        for start in range(0, len(images), PREVIEW_PER_ROW):
            rows.append((name, images[start:start + PREVIEW_PER_ROW], cx, cy))
    cell = 24 * PREVIEW_SCALE + PREVIEW_GAP
    sheet = Image.new("RGB", (PREVIEW_PER_ROW * cell + PREVIEW_GAP, len(rows) * cell + PREVIEW_GAP),
                      PREVIEW_GREY)
    for r, (name, images, cx, cy) in enumerate(rows):
        for c, image in enumerate(images):
            tile = Image.new("RGB", (cx, cy), PREVIEW_GREY)
            corner = image.get(0, cy - 1)
            for y in range(cy):
                for x in range(cx):
                    keyed = name in KEYED_BY_CORNER and image.get(x, y) == corner
                    if not image.mask[y][x] and not keyed:
                        tile.putpixel((x, y), image.get(x, y))
            big = tile.resize((cx * PREVIEW_SCALE, cy * PREVIEW_SCALE), Image.NEAREST)
            sheet.paste(big, (PREVIEW_GAP + c * cell, PREVIEW_GAP + r * cell))
    sheet.save(path)


README_HEAD = """# Default skin resource

`default_skin.bin` holds the images the editor starts with: the eight image-list payloads
in skin-file order, each preceded by its 32-bit little-endian length (the layout is
documented at the top of `scripts/make-default-skin.py` and `skinfile/StartupSkin.cpp`).
Both this file and the resource are written by

    /usr/bin/python3 scripts/make-default-skin.py [--preview /tmp/sheet.png]

which regenerates them byte for byte from Debian's `tango-icon-theme`.

The toolbar, menu and tab pictures are Tango icons (https://tango.freedesktop.org), which
their authors released into the public domain. An image list draws a pixel fully or not at
all, over whatever face the theme or a background picture shows, so the icons' soft pixels
are decided once, for every face alike (`scripts/default_skin_icons.py`):

- A pixel less than half covered (alpha below 128) becomes the transparent colour when it
  belongs to the surround, a drop shadow (glints in it too) or a hole: fuchsia in the
  large, small and other images, white in the tab images (stored opaque on white, white
  being the colour a replaced tab image is keyed by). Tinted glass enclosed by an icon (a
  lens, a bulb) stays, and so does Copy's half-opaque page behind, drawn solid as it
  looks over white.
- A partly transparent pixel that stays is blended over the mean colour of the solid icon
  pixels around it, darkened by an eighth, never over a face colour: the edge keeps the
  icon's own colours and reads as a slightly softened outline on light and dark faces.
- No other pixel has the transparent colour (one that would is moved by one step).

The window-control buttons and the images marked "drawn" are drawn by the script.
"""


def write_readme(path):
    lines = [README_HEAD]
    lines.append("## ilLButtons (24 x 24) and ilSButtons (16 x 16)\n")
    lines.append("| Slot | Name | Tango icon (24x24 and 16x16) |")
    lines.append("|---|---|---|")
    for slot, (name, icon) in enumerate(BUTTON_ICONS):
        lines.append("| %d | %s | `%s` |" % (slot, name, icon))
    lines.append("\n## ilImages, ilHot, ilDisable, ilDown (21 x 21, drawn)\n")
    lines.append("Normal, Hot, Disabled and Down looks of the same glyphs, each inside a one-pixel")
    lines.append("fuchsia frame (the preview keys a system button by its bottom-left pixel). In ilDown")
    lines.append("the frame of images 0-10 is masked transparent; images 11-21 repeat the glyphs in a")
    lines.append("darker, fully opaque pressed look.\n")
    lines.append("| Slot | Name |")
    lines.append("|---|---|")
    for slot, (name, _) in enumerate(SYSTEM_GLYPHS):
        lines.append("| %d | %s |" % (slot, name))
    lines.append("\n## ilMain (16 x 16)\n")
    lines.append("| Slot | Use | Source |")
    lines.append("|---|---|---|")
    for slot, (name, make) in enumerate(MAIN_IMAGES):
        lines.append("| %d | %s | %s |" % (slot, name, getattr(make, "source", "drawn")))
    lines.append("\n## ilPage (18 x 18, 16 x 16 icons centred on white)\n")
    lines.append("| Slot | Use | Tango icon |")
    lines.append("|---|---|---|")
    for slot, (name, icon) in enumerate(PAGE_ICONS):
        lines.append("| %d | %s | `%s` |" % (slot, name, icon))
    with open(path, "w") as f:
        f.write("\n".join(lines) + "\n")


def main():
    parser = argparse.ArgumentParser(description="Regenerates resources/default_skin.bin.")
    parser.add_argument("--output", default=OUTPUT, help="where to write the resource")
    parser.add_argument("--readme", default=README, help="where to write the slot list")
    parser.add_argument("--preview", metavar="PNG", help="also write a contact sheet")
    args = parser.parse_args()

    lists = skin_lists()
    resource = bytearray()
    for name, images, capacity, cx, cy in lists:
        payload = image_list_payload(images, capacity, cx, cy)
        resource += u32(len(payload)) + payload
        print("%-10s %2d images, capacity %2d, %2d x %2d: %6d bytes" %
              (name, len(images), capacity, cx, cy, len(payload)))
    with open(args.output, "wb") as f:
        f.write(resource)
    print("wrote %s (%d bytes)" % (args.output, len(resource)))
    write_readme(args.readme)
    print("wrote %s" % args.readme)
    if args.preview:
        write_preview(lists, args.preview)
        print("wrote %s" % args.preview)
    return 0


if __name__ == "__main__":
    sys.exit(main())
