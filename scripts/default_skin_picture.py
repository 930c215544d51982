"""Pictures with one-bit masks and the image-list payload writer for
scripts/make-default-skin.py. Plain integer arithmetic only, so the output is the same
byte for byte wherever the same icon files are installed."""

import struct

FUCHSIA = (0xFF, 0x00, 0xFF)
WHITE = (0xFF, 0xFF, 0xFF)

IL_VERSION = 0x0101
IL_GROW = 4
IL_BACKGROUND_NONE = 0xFFFFFFFF
IL_FLAGS = 0x10FF
IL_NO_OVERLAY = -1
CELLS_PER_ROW = 4
BMP_FILE_HEADER = 14
BMP_INFO_HEADER = 40
COLOUR_BMP_HEADERS = BMP_FILE_HEADER + BMP_INFO_HEADER
MASK_BMP_HEADERS = COLOUR_BMP_HEADERS + 8  # plus the two-entry colour table
TRAILER_BYTES = 22

# ---------------------------------------------------------------------------------------------
# Images: a list of rows of (r, g, b) tuples, plus a parallel list of rows of mask bits.


class Picture:
    """A width x height picture with a one-bit transparency mask (1 = transparent)."""

    def __init__(self, width, height, fill=FUCHSIA):
        self.width = width
        self.height = height
        self.pixels = [[fill] * width for _ in range(height)]
        self.mask = [[0] * width for _ in range(height)]

    def set(self, x, y, colour):
        if 0 <= x < self.width and 0 <= y < self.height:
            self.pixels[y][x] = colour

    def get(self, x, y):
        return self.pixels[y][x]

    def fill_rect(self, x, y, w, h, colour):
        for yy in range(y, y + h):
            for xx in range(x, x + w):
                self.set(xx, yy, colour)

    def frame_rect(self, x, y, w, h, colour):
        for xx in range(x, x + w):
            self.set(xx, y, colour)
            self.set(xx, y + h - 1, colour)
        for yy in range(y, y + h):
            self.set(x, yy, colour)
            self.set(x + w - 1, yy, colour)

    def line(self, x0, y0, x1, y1, colour):
        """Integer Bresenham line, both ends included."""
        dx, dy = abs(x1 - x0), -abs(y1 - y0)
        sx, sy = (1 if x0 < x1 else -1), (1 if y0 < y1 else -1)
        err = dx + dy
        while True:
            self.set(x0, y0, colour)
            if x0 == x1 and y0 == y1:
                return
            e2 = 2 * err
            if e2 >= dy:
                err += dy
                x0 += sx
            if e2 <= dx:
                err += dx
                y0 += sy

    def blit(self, other, ox, oy, keyed=None):
        """Copies another picture onto this one; pixels equal to `keyed` are skipped."""
        for y in range(other.height):
            for x in range(other.width):
                c = other.get(x, y)
                if c != keyed:
                    self.set(ox + x, oy + y, c)

    def key_colour(self, colour):
        """Marks every pixel of this colour transparent and stores it black."""
        for y in range(self.height):
            for x in range(self.width):
                if self.pixels[y][x] == colour:
                    self.pixels[y][x] = (0, 0, 0)
                    self.mask[y][x] = 1


def blend(c, a, under):
    """Colour c at coverage a (0 to 255) over the colour under it, rounded."""
    return tuple((c[i] * a + under[i] * (255 - a) + 127) // 255 for i in range(3))


# ---------------------------------------------------------------------------------------------
# The image-list payload.

def u16(v):
    return struct.pack("<H", v)


def i16(v):
    return struct.pack("<h", v)


def u32(v):
    return struct.pack("<I", v)


def i32(v):
    return struct.pack("<i", v)


def image_list_payload(images, capacity, cx, cy):
    count = len(images)
    if count > capacity:
        raise SystemExit("%d images do not fit a capacity of %d" % (count, capacity))
    for image in images:
        if (image.width, image.height) != (cx, cy):
            raise SystemExit("image of %d x %d in a %d x %d list" % (image.width, image.height, cx, cy))
    width = CELLS_PER_ROW * cx
    height = -(-capacity // CELLS_PER_ROW) * cy
    stride = (width + 31) // 32 * 4

    # Whole picture, top-down; unused cells are black and opaque (zero in both bitmaps).
    colour = [[(0, 0, 0)] * width for _ in range(height)]
    mask = [[0] * width for _ in range(height)]
    for i, image in enumerate(images):
        left, top = (i % CELLS_PER_ROW) * cx, (i // CELLS_PER_ROW) * cy
        for y in range(cy):
            for x in range(cx):
                transparent = image.mask[y][x]
                colour[top + y][left + x] = (0, 0, 0) if transparent else image.pixels[y][x]
                mask[top + y][left + x] = transparent

    out = bytearray()
    out += b"IL" + u16(IL_VERSION) + u16(count) + u16(capacity) + u16(IL_GROW) + u16(cx) + u16(cy)
    out += u32(IL_BACKGROUND_NONE) + u16(IL_FLAGS) + i16(IL_NO_OVERLAY) * 4

    out += b"BM" + u32(COLOUR_BMP_HEADERS) + u16(0) + u16(0) + u32(COLOUR_BMP_HEADERS)
    out += u32(BMP_INFO_HEADER) + i32(width) + i32(height) + u16(1) + u16(32) + u32(0)
    out += u32(4 * width * height) + i32(0) + i32(0) + u32(0) + u32(0)
    for row in reversed(colour):
        for r, g, b in row:
            out += bytes((b, g, r, 0))

    out += b"BM" + u32(MASK_BMP_HEADERS) + u16(0) + u16(0) + u32(MASK_BMP_HEADERS)
    out += u32(BMP_INFO_HEADER) + i32(width) + i32(height) + u16(1) + u16(1) + u32(0)
    out += u32(stride * height) + i32(0) + i32(0) + u32(0) + u32(0)
    out += bytes((0, 0, 0, 0, 255, 255, 255, 0))
    for row in reversed(mask):
        bits = bytearray(stride)
        for x, transparent in enumerate(row):
            if transparent:
                bits[x // 8] |= 0x80 >> (x % 8)
        out += bits

    out += bytes(TRAILER_BYTES)
    return bytes(out)
