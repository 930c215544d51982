"""The default-skin generator's rules for an icon's soft pixels, on small made-up icons."""

import os
import sys
import unittest

sys.dont_write_bytecode = True  # keep the generator's folder free of caches
sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "scripts"))

from default_skin_icons import CLEAR_ALPHA, CUT_ALPHA, SOLID_ALPHA, cut_out, masked_icon  # noqa: E402
from default_skin_picture import FUCHSIA, WHITE, Picture  # noqa: E402

# Alpha by letter: solid, edge, kept and cut just either side of the threshold, glass
# (enclosed, never clear), clear, none.
ALPHA = {"#": 255, "e": SOLID_ALPHA - 64, "k": CUT_ALPHA, "j": CUT_ALPHA - 1, "g": CLEAR_ALPHA + 40,
         "c": CLEAR_ALPHA - 1, ".": 0}

# (what, icon, cut: x = becomes the transparent colour)
CUT_CASES = [
    ("a shadow reaching the border goes, an edge at the threshold stays",
     ["....", ".#k.", ".##.", "jjjj"], ["xxxx", "x--x", "x--x", "xxxx"]),
    ("a hole with a clear pixel goes", ["####", "#gc#", "####"], ["----", "-xx-", "----"]),
    ("tinted glass enclosed by the icon stays", ["####", "#gg#", "####"], ["----", "----", "----"]),
    ("a glint with no solid pixel goes; an edge touching a corner stays",
     [".....", ".ee..", ".....", "..#..", "...e."], ["xxxxx", "xxxxx", "xxxxx", "xx-xx", "xxx-x"]),
]


def icon(rows, colour=(0x50, 0x50, 0x50)):
    return [[colour + (ALPHA[c],) for c in row] for row in rows]


EDGE = icon(["##.", "#e.", "..."])
EDGE[1][1] = (200, 100, 0, 153)
HALF = icon(["#j"], (136, 138, 133))
YELLOW = (0xFF, 0xE8, 0x40)
BASE = Picture(2, 1)
BASE.set(1, 0, YELLOW)

# (what, icon, options, pixel, colour)
COLOUR_CASES = [
    # Neighbours (0x50) darkened by an eighth to 70, under 60% of the pixel's own colour.
    ("an edge blends over its darkened solid neighbours", EDGE, {}, (1, 1), (148, 88, 28)),
    ("whatever the transparent colour", EDGE, {"background": WHITE}, (1, 1), (148, 88, 28)),
    ("a solid pixel keeps its colour", EDGE, {}, (0, 0), (0x50, 0x50, 0x50)),
    ("a cut pixel takes the transparent colour", EDGE, {"background": WHITE}, (2, 2), WHITE),
    ("no other pixel has it", icon(["#"], FUCHSIA), {}, (0, 0), (0xFE, 0x00, 0xFF)),
    ("no other pixel has it, white", icon(["#"], WHITE), {"background": WHITE}, (0, 0), (0xFE, 0xFE, 0xFE)),
    ("a half-opaque part is cut", HALF, {}, (1, 0), FUCHSIA),
    ("unless named faded: then solid, as over white", HALF, {"faded": 64}, (1, 0), (196, 197, 194)),
    ("over an opaque base the icon is composited", icon(["#."]), {"base": BASE}, (1, 0), YELLOW),
]


class MaskedIconTest(unittest.TestCase):
    def test_cut_out(self):
        for what, rows, expected in CUT_CASES:
            cut = cut_out([[ALPHA[c] for c in row] for row in rows])
            self.assertEqual(["".join("x" if c else "-" for c in row) for row in cut], expected, what)

    def test_colours(self):
        for what, source, options, (x, y), expected in COLOUR_CASES:
            self.assertEqual(masked_icon(source, **options).get(x, y), expected, what)


if __name__ == "__main__":
    unittest.main()
