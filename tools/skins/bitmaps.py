"""Small RGB canvases for the skin generator: flat fills, 1-px lines and
outlines, a few glyphs, and 24-bit BMP output. Pure Python, no dependencies."""
import struct


def rgb(hex_text):
    value = int(hex_text.lstrip('#'), 16)
    return ((value >> 16) & 255, (value >> 8) & 255, value & 255)


def tcolor(color):
    """The skin's colour integer (0x00BBGGRR) of an RGB triple."""
    r, g, b = color
    return r | (g << 8) | (b << 16)


def luminance(color):
    def channel(c):
        c /= 255.0
        return c / 12.92 if c <= 0.03928 else ((c + 0.055) / 1.055) ** 2.4
    r, g, b = (channel(c) for c in color)
    return 0.2126 * r + 0.7152 * g + 0.0722 * b


def contrast(a, b):
    la, lb = sorted((luminance(a), luminance(b)), reverse=True)
    return (la + 0.05) / (lb + 0.05)


class Canvas:
    def __init__(self, width, height, color=(255, 255, 255)):
        self.width, self.height = width, height
        self.rows = [bytearray(bytes(color) * width) for _ in range(height)]

    def pixel(self, x, y, color):
        if 0 <= x < self.width and 0 <= y < self.height:
            self.rows[y][3 * x:3 * x + 3] = bytes(color)

    def get(self, x, y):
        return tuple(self.rows[y][3 * x:3 * x + 3])

    def fill(self, left, top, right, bottom, color):
        left, right = max(left, 0), min(right, self.width)
        top, bottom = max(top, 0), min(bottom, self.height)
        if left >= right:
            return
        span = bytes(color) * (right - left)
        for y in range(top, bottom):
            self.rows[y][3 * left:3 * right] = span

    def hline(self, left, right, y, color):
        self.fill(left, y, right, y + 1, color)

    def vline(self, x, top, bottom, color):
        self.fill(x, top, x + 1, bottom, color)

    def outline(self, left, top, right, bottom, color, rounded=False):
        """A 1-px frame inside the rectangle; rounded cuts the corner pixels."""
        inset = 1 if rounded else 0
        self.hline(left + inset, right - inset, top, color)
        self.hline(left + inset, right - inset, bottom - 1, color)
        self.vline(left, top + inset, bottom - inset, color)
        self.vline(right - 1, top + inset, bottom - inset, color)

    def box(self, rect, fill, border=None, rounded=True, behind=None):
        """A filled rectangle with an optional border; `behind` paints the cut corners."""
        left, top, right, bottom = rect
        self.fill(left, top, right, bottom, fill)
        if border:
            self.outline(left, top, right, bottom, border, rounded)
            if rounded and behind:
                for x, y in ((left, top), (right - 1, top), (left, bottom - 1), (right - 1, bottom - 1)):
                    self.pixel(x, y, behind)

    def blit(self, source, x, y):
        for row in range(source.height):
            if 0 <= y + row < self.height:
                self.rows[y + row][3 * x:3 * (x + source.width)] = source.rows[row]

    # ---- glyphs, centred in a rectangle ----

    def glyph(self, rect, pattern, color):
        """Draws a pattern of strings ('#' set) centred in the rectangle."""
        left, top, right, bottom = rect
        h, w = len(pattern), len(pattern[0])
        x0 = left + (right - left - w) // 2
        y0 = top + (bottom - top - h) // 2
        for dy, line in enumerate(pattern):
            for dx, c in enumerate(line):
                if c == '#':
                    self.pixel(x0 + dx, y0 + dy, color)

    def save_bmp(self, path):
        stride = (3 * self.width + 3) & ~3
        pad = bytes(stride - 3 * self.width)
        size = 54 + stride * self.height
        with open(path, 'wb') as out:
            out.write(struct.pack('<2sIHHI', b'BM', size, 0, 0, 54))
            out.write(struct.pack('<IiiHHIIiiII', 40, self.width, self.height, 1, 24, 0, stride * self.height,
                                  2835, 2835, 0, 0))
            for y in range(self.height - 1, -1, -1):
                row = self.rows[y]
                bgr = bytearray(len(row))
                bgr[0::3], bgr[1::3], bgr[2::3] = row[2::3], row[1::3], row[0::3]
                out.write(bgr)
                out.write(pad)


class Atlas:
    """Pieces packed into rows of one picture; `add` answers the piece's rectangle."""

    def __init__(self, width, background):
        self.width, self.background = width, background
        self.pieces = []
        self.x = self.y = self.row_height = 0

    def add(self, canvas):
        if self.x + canvas.width > self.width:
            self.x, self.y, self.row_height = 0, self.y + self.row_height + 1, 0
        rect = (self.x, self.y, self.x + canvas.width, self.y + canvas.height)
        self.pieces.append((rect, canvas))
        self.x += canvas.width + 1
        self.row_height = max(self.row_height, canvas.height)
        return rect

    def picture(self):
        height = self.y + self.row_height
        picture = Canvas(self.width, max(height, 1), self.background)
        for (left, top, _, _), canvas in self.pieces:
            picture.blit(canvas, left, top)
        return picture


GLYPHS = {
    'close': ['#.......#', '.#.....#.', '..#...#..', '...#.#...', '....#....', '...#.#...', '..#...#..',
              '.#.....#.', '#.......#'],
    'max': ['#########', '#.......#', '#.......#', '#.......#', '#.......#', '#.......#', '#.......#',
            '#.......#', '#########'],
    'restore': ['..#######', '..#.....#', '#######.#', '#.....#.#', '#.....#.#', '#.....###', '#.....#..',
                '#######..'],
    'min': ['#########'],
    'rollup': ['....#....', '...#.#...', '..#...#..', '.#.....#.', '#.......#'],
    'left': ['...#', '..##', '.###', '####', '.###', '..##', '...#'],
    'right': ['#...', '##..', '###.', '####', '###.', '##..', '#...'],
    'up': ['...#...', '..###..', '.#####.', '#######'],
    'down': ['#######', '.#####.', '..###..', '...#...'],
    'check': ['.......#', '......##', '#....##.', '##..##..', '.####...', '..##....'],
    'dot': ['.##.', '####', '####', '.##.'],
    'dash': ['######', '######'],
    'arrow': ['#...', '##..', '###.', '##..', '#...'],
}
