#!/usr/bin/env python3
"""Draws Tessary's application icon: a browser window whose body is a mosaic of four
coloured tiles, on a slate rounded square. One table of shapes gives both the scalable
icon (SVG) and the PNGs of the icon theme's fixed sizes, so that they look the same.

    /usr/bin/python3 scripts/make-icon.py [--output DIR]

writes resources/icons/tessary.svg and resources/icons/tessary-<size>.png (or the same
names in DIR), byte for byte the same on every run. Needs Pillow (Debian python3-pil).
"""
import argparse
from pathlib import Path

from PIL import Image, ImageDraw

CANVAS = 256  # the design's units
SIZES = (16, 22, 24, 32, 48, 64, 128, 256)
SUPERSAMPLE = 8  # drawn this much larger, then scaled down for smooth edges

# (kind, box (left, top, right, bottom), corner radius, colour), painted in order.
SHAPES = (
    ("rect", (12, 12, 244, 244), 44, "#2b3a55"),     # the slate square
    ("rect", (36, 50, 220, 210), 18, "#f5f7fa"),     # the window
    ("rect", (36, 50, 220, 92), 18, "#3f7ce0"),      # its title bar, rounded at the top...
    ("rect", (36, 74, 220, 92), 0, "#3f7ce0"),       # ...and square where the body begins
    ("circle", (52, 64, 66, 78), 0, "#ffffff"),      # the window's buttons
    ("circle", (74, 64, 88, 78), 0, "#cfe0fb"),
    ("circle", (96, 64, 110, 78), 0, "#cfe0fb"),
    ("rect", (50, 104, 124, 150), 10, "#f2a93b"),    # the four tiles of the skin
    ("rect", (132, 104, 206, 150), 10, "#e0457b"),
    ("rect", (50, 158, 124, 196), 10, "#45b36b"),
    ("rect", (132, 158, 206, 196), 10, "#8e5bd8"),
)

OUT = Path(__file__).resolve().parent.parent / "resources" / "icons"


def svg():
    parts = [f'<svg xmlns="http://www.w3.org/2000/svg" width="{CANVAS}" height="{CANVAS}" '
             f'viewBox="0 0 {CANVAS} {CANVAS}">']
    for kind, (left, top, right, bottom), radius, colour in SHAPES:
        if kind == "circle":
            parts.append(f'  <circle cx="{(left + right) / 2:g}" cy="{(top + bottom) / 2:g}" '
                         f'r="{(right - left) / 2:g}" fill="{colour}"/>')
        else:
            parts.append(f'  <rect x="{left}" y="{top}" width="{right - left}" height="{bottom - top}" '
                         f'rx="{radius}" fill="{colour}"/>')
    parts.append("</svg>")
    return "\n".join(parts) + "\n"


def png(size):
    scale = size * SUPERSAMPLE / CANVAS
    big = Image.new("RGBA", (size * SUPERSAMPLE, size * SUPERSAMPLE), (0, 0, 0, 0))
    draw = ImageDraw.Draw(big)
    for kind, box, radius, colour in SHAPES:
        scaled = [round(v * scale) for v in box]
        scaled[2] -= 1  # Pillow's boxes include their right and bottom edges
        scaled[3] -= 1
        if kind == "circle":
            draw.ellipse(scaled, fill=colour)
        else:
            draw.rounded_rectangle(scaled, radius=round(radius * scale), fill=colour)
    return big.resize((size, size), Image.LANCZOS)


def main():
    parser = argparse.ArgumentParser(description="Draws the application icon.")
    parser.add_argument("--output", type=Path, default=OUT, help="the folder to write the icons into")
    out = parser.parse_args().output
    out.mkdir(parents=True, exist_ok=True)
    (out / "tessary.svg").write_text(svg())
    for size in SIZES:
        png(size).save(out / f"tessary-{size}.png", optimize=True)


if __name__ == "__main__":
    main()
