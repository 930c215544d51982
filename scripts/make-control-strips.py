#!/usr/bin/python3
"""Builds resources/control_strips.bin, the pictures the control panel's own push buttons,
radio boxes and drop-down arrows are painted from.

Run from anywhere:  /usr/bin/python3 scripts/make-control-strips.py [--output BIN] [--preview PNG]
(--output writes somewhere else than the committed resource; the tests use it to check that
the committed resource is what the script draws.)

Every picture is drawn here: rounded shapes are anti-aliased by counting 8 x 8 sample points
per pixel, and only integer arithmetic touches the pixels, so the output is the same byte for
byte on every machine. PIL is used only to save the optional (enlarged) preview.

Pictures, in this order:
  XPBUTTON                90 x 21  five push-button looks of 18 x 21 side by side:
                                   normal, pressed, disabled, hot, focused
  XPRADIOBOX              78 x 13  six radio marks of 13 x 13 side by side: unchecked,
                                   checked, disabled unchecked, disabled checked,
                                   hot unchecked, hot checked
  DFS_ARROW_BMP            7 x 4   the drop-down arrow
  DFS_ARROW_DISABLED_BMP   8 x 5   the drop-down arrow, engraved (disabled)
Every pixel carries its own opacity, so rounded edges blend with whatever lies beneath.

Resource layout, all integers little-endian:
  4 bytes   "TXCS"
  2 bytes   number of pictures
  for each picture:
    1 byte    length L of its name, then L bytes of ASCII name
    2 bytes   width W, 2 bytes height H
    4*W*H     pixels, rows top-down, each pixel 32 bits 0xAARRGGBB (not premultiplied)
"""

import argparse
import os
import struct
import sys

REPO = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
OUTPUT = os.path.join(REPO, "resources", "control_strips.bin")

SUB = 8          # sample points per pixel along each axis
SCALE = 2 * SUB  # coordinates are kept in 1/16 pixel so sample centres are integers

# ---------------------------------------------------------------------------------------------
# Coverage: how many of the SUB * SUB sample points of a pixel lie inside a shape.


def samples(x, y):
    for j in range(SUB):
        for i in range(SUB):
            yield SCALE * x + 2 * i + 1, SCALE * y + 2 * j + 1


def inside_round_rect(sx, sy, left, top, right, bottom, radius):
    """Rounded rectangle with edges and radius in pixels (right/bottom exclusive)."""
    l, t, r, b, rad = (v * SCALE for v in (left, top, right, bottom, radius))
    if not (l <= sx < r and t <= sy < b):
        return False
    cx = l + rad if sx < l + rad else (r - rad if sx > r - rad else sx)
    cy = t + rad if sy < t + rad else (b - rad if sy > b - rad else sy)
    return (sx - cx) ** 2 + (sy - cy) ** 2 <= rad * rad


def round_rect(left, top, right, bottom, radius):
    return lambda sx, sy: inside_round_rect(sx, sy, left, top, right, bottom, radius)


def circle(cx2, cy2, r2):
    """A disc whose centre and radius are given in half pixels."""
    c_x, c_y, rad = cx2 * SUB, cy2 * SUB, r2 * SUB
    return lambda sx, sy: (sx - c_x) ** 2 + (sy - c_y) ** 2 <= rad * rad


def coverage(shape, x, y):
    return sum(1 for sx, sy in samples(x, y) if shape(sx, sy))


# ---------------------------------------------------------------------------------------------
# Layers are painted back to front, each shape with a colour per row; a pixel keeps
# premultiplied channels scaled by FULL so blending stays exact.



def gradient(top, bottom, height):
    """Row colours running from `top` (row 0) to `bottom` (last row), rounded."""
    rows = []
    for y in range(height):
        rows.append(tuple((a * (height - 1 - y) + b * y + (height - 1) // 2) // (height - 1)
                          for a, b in zip(top, bottom)))
    return lambda y: rows[y]


def flat(colour):
    return lambda y: colour


def paint(width, height, layers):
    """Returns rows of (a, r, g, b) after painting each (shape, row colour) layer over the last."""
    pixels = []
    for y in range(height):
        row = []
        for x in range(width):
            a, r, g, b = 0, 0, 0, 0  # premultiplied, alpha in 0..SUB*SUB
            for shape, colour_of in layers:
                c = coverage(shape, x, y)
                if c == 0:
                    continue
                cr, cg, cb = colour_of(y)
                keep = SUB * SUB - c
                a = (a * keep) // (SUB * SUB) + c if keep else SUB * SUB
                r = (r * keep + cr * c * SUB * SUB) // (SUB * SUB)
                g = (g * keep + cg * c * SUB * SUB) // (SUB * SUB)
                b = (b * keep + cb * c * SUB * SUB) // (SUB * SUB)
            if a == 0:
                row.append((0, 0, 0, 0))
            else:
                row.append(((a * 255 + SUB * SUB // 2) // (SUB * SUB),
                            min(255, (r + a // 2) // a), min(255, (g + a // 2) // a),
                            min(255, (b + a // 2) // a)))
        pixels.append(row)
    return pixels


# ---------------------------------------------------------------------------------------------
# Push buttons: 18 x 21, a one-pixel border with corners of radius 3, a soft vertical
# gradient, and a two-pixel coloured ring for the hot and focused looks. The middle column
# (9) and middle row (10) are plain so that stretching them keeps the look.

BUTTON_W, BUTTON_H = 18, 21
RADIUS = 3

BORDER = (0x70, 0x7A, 0x86)
BORDER_ACCENT = (0x3A, 0x79, 0xB8)
BORDER_PRESSED = (0x2E, 0x5E, 0x8E)
BORDER_DISABLED = (0xB4, 0xB8, 0xBE)

FACE_TOP, FACE_BOTTOM = (0xFF, 0xFF, 0xFF), (0xE3, 0xE6, 0xEA)
HOT_TOP, HOT_BOTTOM = (0xF7, 0xFB, 0xFF), (0xD9, 0xE8, 0xF7)
PRESSED_TOP, PRESSED_BOTTOM = (0xC6, 0xD9, 0xEC), (0xDE, 0xEA, 0xF6)
DISABLED_FACE = (0xF3, 0xF4, 0xF5)
HOT_RING = (0xF5, 0xBE, 0x5C)      # warm glow under the mouse
FOCUS_RING = (0x8D, 0xBD, 0xEA)    # cool ring while the button has the keyboard focus
TOP_SHINE = (0xFF, 0xFF, 0xFF)
PRESSED_SHADE = (0xA8, 0xC0, 0xD8)


def button(border, face, ring=None, ring_width=1, shade=None):
    w, h = BUTTON_W, BUTTON_H
    layers = [(round_rect(0, 0, w, h, RADIUS), flat(border)),
              (round_rect(1, 1, w - 1, h - 1, RADIUS - 1), face)]
    if ring is not None:
        layers.append((round_rect(1, 1, w - 1, h - 1, RADIUS - 1), flat(ring)))
        inset = 1 + ring_width
        layers.append((round_rect(inset, inset, w - inset, h - inset, RADIUS - ring_width), face))
    if shade is not None:  # a pressed button's inner top edge lies in shadow
        layers.append((round_rect(1, 1, w - 1, 3, RADIUS - 1), flat(shade)))
        layers.append((round_rect(1, 2, w - 1, h - 1, RADIUS - 1), face))
    return paint(w, h, layers)


def button_strip():
    normal = gradient(FACE_TOP, FACE_BOTTOM, BUTTON_H)
    looks = [
        button(BORDER, normal),
        button(BORDER_PRESSED, gradient(PRESSED_TOP, PRESSED_BOTTOM, BUTTON_H),
               shade=PRESSED_SHADE),
        button(BORDER_DISABLED, flat(DISABLED_FACE)),
        button(BORDER, gradient(HOT_TOP, HOT_BOTTOM, BUTTON_H), ring=HOT_RING),
        button(BORDER_ACCENT, normal, ring=FOCUS_RING, ring_width=2),
    ]
    return side_by_side(looks)


# ---------------------------------------------------------------------------------------------
# Radio marks: 13 x 13 discs (centre 6.5, 6.5), the checked dot 5 pixels across.

MARK = 13
MARK_BORDER = (0x5E, 0x6E, 0x80)
MARK_BORDER_DISABLED = (0xB4, 0xB8, 0xBE)
MARK_FACE_TOP, MARK_FACE_BOTTOM = (0xE6, 0xEA, 0xEF), (0xFF, 0xFF, 0xFF)
MARK_FACE_DISABLED = (0xF3, 0xF4, 0xF5)
DOT_TOP, DOT_BOTTOM = (0x4F, 0x9A, 0xE0), (0x1E, 0x5C, 0x9E)
DOT_DISABLED = (0xA8, 0xAE, 0xB5)


def mark(checked, disabled=False, hot=False):
    border = MARK_BORDER_DISABLED if disabled else (BORDER_ACCENT if hot else MARK_BORDER)
    face = flat(MARK_FACE_DISABLED) if disabled else gradient(MARK_FACE_TOP, MARK_FACE_BOTTOM, MARK)
    layers = [(circle(13, 13, 13), flat(border)), (circle(13, 13, 11), face)]
    if hot:
        layers.append((circle(13, 13, 11), flat(HOT_RING)))
        layers.append((circle(13, 13, 9), face))
    if checked:
        dot = flat(DOT_DISABLED) if disabled else gradient(DOT_TOP, DOT_BOTTOM, MARK)
        layers.append((circle(13, 13, 5), dot))
    return paint(MARK, MARK, layers)


def radio_strip():
    return side_by_side([mark(False), mark(True), mark(False, disabled=True),
                         mark(True, disabled=True), mark(False, hot=True), mark(True, hot=True)])


# ---------------------------------------------------------------------------------------------
# Drop-down arrows: a solid triangle 7 wide and 4 high; the disabled one engraved (a white
# copy one pixel down and right under a grey one).

ARROW = (0x3C, 0x44, 0x4E)
ARROW_DISABLED = (0xA0, 0xA6, 0xAC)
ENGRAVE = (0xFF, 0xFF, 0xFF)


def triangle_rows(dx, dy, colour, width, height):
    pixels = [[(0, 0, 0, 0)] * width for _ in range(height)]
    for row in range(4):
        for x in range(row, 7 - row):
            pixels[row + dy][x + dx] = (255,) + colour
    return pixels


def arrow():
    return triangle_rows(0, 0, ARROW, 7, 4)


def arrow_disabled():
    shadow = triangle_rows(1, 1, ENGRAVE, 8, 5)
    face = triangle_rows(0, 0, ARROW_DISABLED, 8, 5)
    return [[f if f[0] else s for f, s in zip(frow, srow)] for frow, srow in zip(face, shadow)]


# ---------------------------------------------------------------------------------------------


def side_by_side(pictures):
    return [sum((p[y] for p in pictures), []) for y in range(len(pictures[0]))]


def pictures():
    return [("XPBUTTON", button_strip()), ("XPRADIOBOX", radio_strip()),
            ("DFS_ARROW_BMP", arrow()), ("DFS_ARROW_DISABLED_BMP", arrow_disabled())]


def resource(items):
    out = bytearray(b"TXCS")
    out += struct.pack("<H", len(items))
    for name, rows in items:
        out += struct.pack("<B", len(name)) + name.encode("ascii")
        out += struct.pack("<HH", len(rows[0]), len(rows))
        for row in rows:
            for a, r, g, b in row:
                out += struct.pack("<I", (a << 24) | (r << 16) | (g << 8) | b)
    return bytes(out)


def save_preview(items, path, zoom=8, backdrop=(0xEC, 0xE9, 0xD8)):
    from PIL import Image  # only the preview needs it
    width = max(len(rows[0]) for _, rows in items) * zoom
    height = sum(len(rows) * zoom + 4 for _, rows in items)
    sheet = Image.new("RGB", (width, height), backdrop)
    top = 0
    for _, rows in items:
        for y, row in enumerate(rows):
            for x, (a, r, g, b) in enumerate(row):
                mixed = tuple((c * a + k * (255 - a) + 127) // 255 for c, k in zip((r, g, b), backdrop))
                for yy in range(zoom):
                    for xx in range(zoom):
                        sheet.putpixel((x * zoom + xx, top + y * zoom + yy), mixed)
        top += len(rows) * zoom + 4
    sheet.save(path)


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    parser.add_argument("--output", default=OUTPUT, help="where to write the resource")
    parser.add_argument("--preview", help="also write an enlarged PNG of every picture")
    args = parser.parse_args()
    items = pictures()
    with open(args.output, "wb") as f:
        f.write(resource(items))
    if args.preview:
        save_preview(items, args.preview)


if __name__ == "__main__":
    sys.exit(main())
