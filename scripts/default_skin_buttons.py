"""The window-control (system) buttons of the default skin, drawn pixel by pixel at
21 x 21, and the small drawing helpers the menu images share with them."""

from default_skin_picture import FUCHSIA, Picture


# ---------------------------------------------------------------------------------------------
# System buttons (21 x 21): ilImages Normal, ilHot Hot, ilDown Down, ilDisable Disabled.
# The preview keys each image by its bottom-left pixel, so every image gets a one-pixel
# fuchsia frame; the button body inside it has a rounded border.

SYSTEM_SIZE = 21


class ButtonLook:
    def __init__(self, ring, border, face, light, shade, ink, offset):
        self.ring = ring        # the outermost pixel frame (the keyed colour)
        self.border = border
        self.face = face
        self.light = light      # inner edge, top and left
        self.shade = shade      # inner edge, bottom and right
        self.ink = ink          # the glyph
        self.offset = offset    # glyph shift: a pressed button moves its glyph 1 pixel


NORMAL = ButtonLook(FUCHSIA, (0xA5, 0xA1, 0x92), (0xF4, 0xF2, 0xE8), (0xFF, 0xFF, 0xFF),
                    (0xD6, 0xD2, 0xC2), (0x1E, 0x1E, 0x28), 0)
HOT = ButtonLook(FUCHSIA, (0x3C, 0x7F, 0xB1), (0xDD, 0xEB, 0xFB), (0xFF, 0xFF, 0xFF),
                 (0xAE, 0xCB, 0xEC), (0x0A, 0x24, 0x6A), 0)
DOWN = ButtonLook(FUCHSIA, (0x2B, 0x5F, 0x8C), (0xB4, 0xCC, 0xEB), (0x86, 0xA8, 0xD2),
                  (0xC8, 0xDA, 0xF2), (0x08, 0x18, 0x40), 1)
DISABLED = ButtonLook(FUCHSIA, (0xC8, 0xC5, 0xB8), (0xF4, 0xF2, 0xE8), (0xFF, 0xFF, 0xFF),
                      (0xE4, 0xE1, 0xD5), (0xA8, 0xA6, 0x9C), 0)
# The second set of Down images (slots 11 to 21) is shown nowhere; it is a darker pressed
# look with a solid frame, so these images carry no transparent pixels.
DOWN_SOLID = ButtonLook((0x5A, 0x7E, 0xA8), (0x1F, 0x47, 0x6E), (0x8F, 0xB0, 0xDA),
                        (0x6F, 0x92, 0xC0), (0xA6, 0xC2, 0xE6), (0xFF, 0xFF, 0xFF), 1)


def draw_window(pic, x, y, w, h, look):
    """A small window: face-filled body, ink outline and a two-pixel title bar."""
    pic.fill_rect(x + 1, y + 1, w - 2, h - 2, look.face)
    pic.frame_rect(x, y, w, h, look.ink)
    pic.fill_rect(x, y + 1, w, 1, look.ink)


def draw_x(pic, x, y, size, look, bold):
    """A diagonal cross of size x size pixels; bold crosses are three pixels wide."""
    for k in range(size):
        pic.set(x + k, y + k, look.ink)
        pic.set(x + size - 1 - k, y + k, look.ink)
        if bold and k < size - 1:
            pic.set(x + k + 1, y + k, look.ink)
            pic.set(x + k, y + k + 1, look.ink)
            pic.set(x + size - 2 - k, y + k, look.ink)
            pic.set(x + size - 1 - k, y + k + 1, look.ink)


def draw_triangle(pic, tip_x, y_mid, half, direction, look):
    """A filled arrow head pointing left (-1) or right (+1)."""
    for d in range(half + 1):
        x = tip_x - direction * d
        for yy in range(y_mid - d, y_mid + d + 1):
            pic.set(x, yy, look.ink)


def glyph_close(pic, o, look):
    draw_x(pic, 6 + o, 6 + o, 9, look, True)


def glyph_restore(pic, o, look):
    draw_window(pic, 8 + o, 4 + o, 9, 8, look)
    draw_window(pic, 4 + o, 8 + o, 9, 8, look)


def glyph_minimize(pic, o, look):
    pic.fill_rect(6 + o, 13 + o, 8, 2, look.ink)


def glyph_close_all(pic, o, look):
    draw_x(pic, 4 + o, 4 + o, 7, look, True)
    draw_x(pic, 10 + o, 10 + o, 7, look, True)


def glyph_tile_vertically(pic, o, look):
    draw_window(pic, 4 + o, 5 + o, 6, 11, look)
    draw_window(pic, 11 + o, 5 + o, 6, 11, look)


def glyph_tile_horizontally(pic, o, look):
    draw_window(pic, 4 + o, 4 + o, 13, 6, look)
    draw_window(pic, 4 + o, 11 + o, 13, 6, look)


def glyph_cascade(pic, o, look):
    for step in range(3):
        draw_window(pic, 4 + 2 * step + o, 4 + 2 * step + o, 9, 8, look)


def glyph_next(pic, o, look):
    draw_triangle(pic, 13 + o, 10 + o, 5, +1, look)


def glyph_previous(pic, o, look):
    draw_triangle(pic, 7 + o, 10 + o, 5, -1, look)


def glyph_close_all_but_current(pic, o, look):
    draw_window(pic, 4 + o, 7 + o, 10, 9, look)
    draw_x(pic, 12 + o, 3 + o, 5, look, False)


def glyph_maximize_all(pic, o, look):
    pic.fill_rect(7 + o, 3 + o, 11, 1, look.ink)
    pic.fill_rect(17 + o, 3 + o, 1, 11, look.ink)
    draw_window(pic, 4 + o, 6 + o, 11, 11, look)


SYSTEM_GLYPHS = [
    ("Close", glyph_close),
    ("Restore", glyph_restore),
    ("Minimize", glyph_minimize),
    ("Close All Windows", glyph_close_all),
    ("Tile All Windows Vertically", glyph_tile_vertically),
    ("Tile All Windows Horizontally", glyph_tile_horizontally),
    ("Cascade All Windows", glyph_cascade),
    ("Next Window", glyph_next),
    ("Previous Window", glyph_previous),
    ("Close All Except the Current", glyph_close_all_but_current),
    ("Maximize All", glyph_maximize_all),
]


def system_button(glyph, look):
    n = SYSTEM_SIZE
    pic = Picture(n, n, look.ring)
    pic.fill_rect(2, 2, n - 4, n - 4, look.face)
    # Rounded border: the corner pixels stay in the ring colour.
    pic.fill_rect(2, 1, n - 4, 1, look.border)
    pic.fill_rect(2, n - 2, n - 4, 1, look.border)
    pic.fill_rect(1, 2, 1, n - 4, look.border)
    pic.fill_rect(n - 2, 2, 1, n - 4, look.border)
    pic.fill_rect(2, 2, n - 5, 1, look.light)
    pic.fill_rect(2, 3, 1, n - 6, look.light)
    pic.fill_rect(3, n - 3, n - 5, 1, look.shade)
    pic.fill_rect(n - 3, 2, 1, n - 4, look.shade)
    glyph(pic, look.offset, look)
    return pic


def system_buttons(look):
    return [system_button(glyph, look) for _, glyph in SYSTEM_GLYPHS]


def down_buttons():
    pressed = system_buttons(DOWN)
    for image in pressed:
        image.key_colour(FUCHSIA)
    return pressed + system_buttons(DOWN_SOLID)
