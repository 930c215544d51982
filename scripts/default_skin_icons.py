"""Tango icons turned into pictures with a one-bit mask for scripts/make-default-skin.py.

An image list draws each pixel either fully or not at all, over whatever face the theme or a
background picture puts under it. So an icon's soft pixels cannot be blended over any one
face colour: flattened over a light face they leave a light oval (the drop shadow) and a light
fringe (the anti-aliased edge) on every other face. Instead:

- Mostly transparent pixels are cut out: they become the list's transparent colour, unless
  they are tinted glass enclosed by the icon (see `cut_out`).
- The partly transparent pixels that stay are blended over a neutral of the icon's own edge,
  the mean of the solid icon pixels around them darkened a little, so the edge keeps the
  icon's colours and reads as a slightly softened outline on light and dark faces alike.

Plain integer arithmetic only, so the output is the same byte for byte wherever the same icon
files are installed."""

import os

from PIL import Image

from default_skin_picture import FUCHSIA, WHITE, Picture, blend

TANGO = "/usr/share/icons/Tango"

# A pixel less than half covered is cut out. 128 is where coverage rounds to "drawn", so the
# one-bit outline is the nearest one to the icon's real shape; every drop-shadow pixel of the
# icons used lies below it (the darkest reach alpha 127 at 24 x 24, none is kept); and it is
# the rule the editor applies to pictures with alpha that the user brings in, so a default
# icon and the same icon imported by hand are cut alike.
CUT_ALPHA = 128
# A run of mostly transparent pixels enclosed by the icon is a hole (the eye of the scissors,
# the counter of a letter) when some pixel of it is at most this covered; otherwise it is
# tinted glass (the magnifier's lens, the information sign's bulb) and stays part of the icon.
# 32 is above the faint antialiasing at a hole's rim and below the thinnest glass used (58).
CLEAR_ALPHA = 32
# Neighbours at least this covered show the icon's own colour and give an edge its neutral.
SOLID_ALPHA = 224
# The neutral is the neighbours' mean darkened by this fraction, so edges read as outline.
NEUTRAL_SHADE = (7, 8)

# A pixel that would come out exactly in the transparent colour is moved to this neighbour so
# that only the cut-out pixels are transparent.
NEAR = {FUCHSIA: (0xFE, 0x00, 0xFF), WHITE: (0xFE, 0xFE, 0xFE)}


def load_tango(path, size):
    """The icon's pixels as rows of (r, g, b, a), at its native size."""
    image = Image.open(os.path.join(TANGO, "%dx%d" % (size, size), path + ".png")).convert("RGBA")
    if image.size != (size, size):
        raise SystemExit("%s is %s, expected %d x %d" % (path, image.size, size, size))
    return [[image.getpixel((x, y)) for x in range(size)] for y in range(size)]


def regions(inside, neighbours):
    """The connected runs of pixels for which inside(x, y) holds, as lists of (x, y)."""
    height, width = len(inside), len(inside[0])
    seen = [[False] * width for _ in range(height)]
    runs = []
    for y0 in range(height):
        for x0 in range(width):
            if seen[y0][x0] or not inside[y0][x0]:
                continue
            run, stack = [], [(x0, y0)]
            seen[y0][x0] = True
            while stack:
                x, y = stack.pop()
                run.append((x, y))
                for dx, dy in neighbours:
                    nx, ny = x + dx, y + dy
                    if 0 <= nx < width and 0 <= ny < height and inside[ny][nx] and not seen[ny][nx]:
                        seen[ny][nx] = True
                        stack.append((nx, ny))
            runs.append(run)
    return runs


SIDES = ((1, 0), (-1, 0), (0, 1), (0, -1))
SIDES_AND_CORNERS = SIDES + ((1, 1), (1, -1), (-1, 1), (-1, -1))


def cut_out(alpha):
    """Which pixels become the transparent colour: the four-connected runs of pixels below
    CUT_ALPHA that touch the border (background, drop shadow) or hold a pixel below
    CLEAR_ALPHA (a hole); then any group of remaining pixels without a solid one among them,
    which is a glint in a shadow or a wisp of glow that no crisp pixel can show."""
    height, width = len(alpha), len(alpha[0])
    cut = [[a < CUT_ALPHA for a in row] for row in alpha]
    for run in regions(cut, SIDES):
        outside = any(x in (0, width - 1) or y in (0, height - 1) for x, y in run)
        if not outside and all(alpha[y][x] >= CLEAR_ALPHA for x, y in run):
            for x, y in run:
                cut[y][x] = False  # tinted glass
    kept = [[not c for c in row] for row in cut]
    for run in regions(kept, SIDES_AND_CORNERS):
        if all(alpha[y][x] < SOLID_ALPHA for x, y in run):
            for x, y in run:
                cut[y][x] = True
    return cut


def edge_neutral(pixels, x, y):
    """The darkened mean colour of the solid pixels around (x, y): the nearest ring that has
    any (3 x 3, then 5 x 5), or None when the pixel stands alone."""
    height, width = len(pixels), len(pixels[0])
    for reach in (1, 2):
        total, count = [0, 0, 0], 0
        for ny in range(max(0, y - reach), min(height, y + reach + 1)):
            for nx in range(max(0, x - reach), min(width, x + reach + 1)):
                r, g, b, a = pixels[ny][nx]
                if (nx, ny) != (x, y) and a >= SOLID_ALPHA:
                    total[0] += r
                    total[1] += g
                    total[2] += b
                    count += 1
        if count:
            num, den = NEUTRAL_SHADE
            return tuple((t * num + count * den // 2) // (count * den) for t in total)
    return None


def tango(path, size, background=FUCHSIA, base=None, faded=None):
    """A Tango icon at its native size as a picture on `background` (see `masked_icon`)."""
    return masked_icon(load_tango(path, size), background, base, faded)


def masked_icon(source, background=FUCHSIA, base=None, faded=None):
    """An icon given as rows of (r, g, b, a) as a picture on `background`, the list's
    transparent colour. With a `base` picture the icon is laid over it: where the base is not
    fuchsia it is opaque, and the icon blends over the base's own pixels there. An icon that
    draws a part of itself faded (Copy's page behind) names the least alpha of that part in
    `faded`: a one-bit mask can show the part only solid, so it is drawn as it looks over
    white, pale beside the rest."""
    pixels = [list(row) for row in source]
    height, width = len(pixels), len(pixels[0])
    for y in range(height):
        for x in range(width):
            r, g, b, a = pixels[y][x]
            under = base.get(x, y) if base is not None else FUCHSIA
            if under != FUCHSIA:
                # Over an opaque base pixel the icon is composited exactly: the result is solid.
                pixels[y][x] = blend((r, g, b), a, under) + (255,)
            elif faded is not None and faded <= a < CUT_ALPHA:
                pixels[y][x] = blend((r, g, b), a, WHITE) + (255,)
    cut = cut_out([[p[3] for p in row] for row in pixels])
    picture = Picture(width, height, background)
    for y in range(height):
        for x in range(width):
            r, g, b, a = pixels[y][x]
            if cut[y][x]:
                continue
            colour = (r, g, b)
            if a < 255:
                neutral = edge_neutral(pixels, x, y)
                if neutral is not None:
                    colour = blend(colour, a, neutral)
            picture.set(x, y, NEAR.get(background, colour) if colour == background else colour)
    return picture
