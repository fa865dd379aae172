#!/usr/bin/env python3
"""Draws the bitmaps the skinned controls load by name and writes the resource
script that compiles them: the style pickers' pictures (gradient directions,
brush hatches, pen dashes and widths, shadow placements), the slider's built-in
thumbs and rulers, the buttons bar's scroll arrows and the month calendar's
month and year steps. Flat pictures in the
default skin's palette, 4 bits (the gradients 8 bits).

    control_bitmaps.py <output folder>
"""
import os
import struct
import sys

# The 16-colour palette of the 4-bit pictures (R, G, B): the standard colours
# with the default skin's background, border, text and accent in free places.
BLACK, WHITE = (0, 0, 0), (255, 255, 255)
BG, BORDER, TEXT, ACCENT = (0xF3, 0xF4, 0xF6), (0xC9, 0xCE, 0xD6), (0x1F, 0x23, 0x28), (0x25, 0x63, 0xEB)
ACCENT_LIGHT, SHADOW, THUMB, TRACK = (0xDB, 0xEA, 0xFE), (0x8C, 0x95, 0x9F), (0xB8, 0xBE, 0xC7), (0xEC, 0xEE, 0xF1)
PRESSED, MUTED, FUCHSIA = (0xD1, 0xD5, 0xDB), (0x57, 0x60, 0x6A), (255, 0, 255)
PALETTE16 = [BLACK, WHITE, BG, BORDER, TEXT, ACCENT, ACCENT_LIGHT, SHADOW, THUMB, TRACK, PRESSED, MUTED, FUCHSIA,
             (128, 128, 128), (192, 192, 192), (0, 0, 128)]


def bmp(rows, bits, palette):
    """A BMP file of rows of palette indices (top row first) at 4 or 8 bits."""
    height, width = len(rows), len(rows[0])
    row_bytes = ((width * bits + 31) // 32) * 4
    data = bytearray()
    for row in reversed(rows):
        packed = bytearray(row) if bits == 8 else bytearray(
            (row[x] << 4) | (row[x + 1] if x + 1 < width else 0) for x in range(0, width, 2))
        packed.extend(b"\0" * (row_bytes - len(packed)))
        data.extend(packed)
    colours = b"".join(bytes((b, g, r, 0)) for r, g, b in palette)
    offset = 14 + 40 + len(colours)
    header = struct.pack("<2sIHHI", b"BM", offset + len(data), 0, 0, offset)
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, bits, 0, len(data), 2835, 2835, len(palette), 0)
    return header + info + colours + bytes(data)


class Picture:
    """A 4-bit picture drawn with colours of PALETTE16."""

    def __init__(self, width, height, colour=WHITE):
        self.width, self.height = width, height
        self.rows = [[PALETTE16.index(colour)] * width for _ in range(height)]

    def put(self, x, y, colour):
        if 0 <= x < self.width and 0 <= y < self.height:
            self.rows[y][x] = PALETTE16.index(colour)

    def fill(self, left, top, right, bottom, colour):
        for y in range(top, bottom):
            for x in range(left, right):
                self.put(x, y, colour)

    def frame(self, left, top, right, bottom, colour):
        for x in range(left, right):
            self.put(x, top, colour)
            self.put(x, bottom - 1, colour)
        for y in range(top, bottom):
            self.put(left, y, colour)
            self.put(right - 1, y, colour)

    def data(self):
        return bmp(self.rows, 4, PALETTE16)


# ---- style pickers ----

def gradient(direction, kind):
    """40 x 16, 8 bits: light to accent; 'in' darkens towards the far side, 'out'
    towards the near one, 'inout' towards both edges."""
    w, h = 40, 16
    ramp = [tuple(round(a + (b - a) * i / 63) for a, b in zip(WHITE, ACCENT)) for i in range(64)]
    palette = ramp + [BORDER] + [BLACK] * (256 - 65)
    rows = []
    for y in range(h):
        row = []
        for x in range(w):
            t = (x / (w - 1)) if direction == 'horz' else (y / (h - 1))
            t = {'in': t, 'out': 1 - t, 'inout': abs(2 * t - 1)}[kind]
            row.append(round(t * 63))
        rows.append(row)
    for x in range(w):
        rows[0][x] = rows[h - 1][x] = 64
    for y in range(h):
        rows[y][0] = rows[y][w - 1] = 64
    return bmp(rows, 8, palette)


def brush(style):
    """44 x 16: the hatch of a brush style in text colour on white, framed."""
    p = Picture(44, 16)
    for y in range(2, 14):
        for x in range(2, 42):
            mark = {'clear': False, 'solid': True, 'cross': x % 4 == 0 or y % 4 == 0,
                    'dcross': (x + y) % 4 == 0 or (x - y) % 4 == 0, 'fd': (x + y) % 4 == 0,
                    'bd': (x - y) % 4 == 0, 'h': y % 4 == 0, 'v': x % 4 == 0}[style]
            if mark:
                p.put(x, y, TEXT)
    p.frame(0, 0, 44, 16, BORDER)
    return p.data()


def pen(style):
    """44 x 15: a two-pixel line across the middle in the dash pattern."""
    pattern = {'solid': [1], 'dash': [1] * 6 + [0] * 3, 'dashdot': [1] * 6 + [0] * 2 + [1] * 2 + [0] * 2,
               'dot': [1, 1, 0, 0], 'dashdotdot': [1] * 6 + [0, 0, 1, 1, 0, 0, 1, 1, 0, 0]}[style]
    p = Picture(44, 15)
    for x in range(3, 41):
        if pattern[(x - 3) % len(pattern)]:
            p.put(x, 7, TEXT)
            p.put(x, 8, TEXT)
    return p.data()


def pen_width(width):
    """40 x 16: a line of the width, centred."""
    p = Picture(40, 16)
    top = 8 - width // 2
    p.fill(3, top, 37, top + width, TEXT)
    return p.data()


# The shadow pictures: no shadow, then a shadow below-right, below, below-left,
# left, above-left, above, above-right, right at 2 and 3 pixels, then the
# in-between placements, and a soft (grey) shadow.
SHADOW_OFFSETS = [(2, 2), (0, 2), (-2, 2), (-2, 0), (-2, -2), (0, -2), (2, -2), (2, 0),
                  (3, 3), (0, 3), (-3, 3), (-3, 0), (-3, -3), (0, -3), (3, -3), (3, 0),
                  (1, 1), (-1, 1), (1, -1), (-1, -1), (4, 4)]


def shadow(number):
    """20 x 20 on white: a framed box with its shadow; white is the transparent colour."""
    dx, dy = SHADOW_OFFSETS[number - 1]
    p = Picture(20, 20)
    left, top = 5 - min(dx, 0) // 2, 5 - min(dy, 0) // 2
    p.fill(left + dx, top + dy, left + 10 + dx, top + 10 + dy, SHADOW if number < 21 else THUMB)
    p.fill(left, top, left + 10, top + 10, ACCENT_LIGHT)
    p.frame(left, top, left + 10, top + 10, ACCENT)
    return p.data()


# ---- slider ----

def slider_thumb(vertical):
    """Two states side by side (normal, pressed or disabled): a rounded button."""
    w, h = (21, 11) if vertical else (11, 21)
    p = Picture(2 * w, h, FUCHSIA)
    for state, (face, edge) in enumerate(((WHITE, MUTED), (PRESSED, SHADOW))):
        x0 = state * w
        p.fill(x0 + 1, 1, x0 + w - 1, h - 1, face)
        p.frame(x0, 0, x0 + w, h, edge)
        for x, y in ((0, 0), (w - 1, 0), (0, h - 1), (w - 1, h - 1)):
            p.put(x0 + x, y, FUCHSIA)
        if vertical:
            for x in range(x0 + 5, x0 + w - 5, 3):
                p.fill(x, 3, x + 1, h - 3, SHADOW)
        else:
            for y in range(5, h - 5, 3):
                p.fill(x0 + 3, y, x0 + w - 3, y + 1, SHADOW)
    return p.data()


def slider_ruler(vertical):
    """A 6-pixel groove with rounded ends (the 2-pixel edges stay as they are)."""
    w, h = (6, 60) if vertical else (60, 6)
    p = Picture(w, h, FUCHSIA)
    p.fill(0, 0, w, h, TRACK)
    p.frame(0, 0, w, h, BORDER)
    for x, y in ((0, 0), (w - 1, 0), (0, h - 1), (w - 1, h - 1)):
        p.put(x, y, FUCHSIA)
    return p.data()


# ---- buttons bar ----

def bar_arrow(up):
    """9 x 9: an accent triangle on white (the bottom-left pixel is the transparent colour)."""
    p = Picture(9, 9)
    for row in range(4):
        y = 2 + row if up else 6 - row
        p.fill(4 - row, y, 5 + row, y + 1, ACCENT)
    return p.data()


# ---- month calendar ----

def calendar_arrow(left, double):
    """9 x 9: one (month) or two (year) text-coloured triangles pointing left or
    right on white (the bottom-left pixel is the transparent colour)."""
    p = Picture(9, 9)
    tips = (1, 5) if double else (3,)
    for tip in tips:
        for col in range(4):
            x = tip + col if left else 8 - tip - col
            p.fill(x, 4 - col, x + 1, 5 + col, TEXT)
    return p.data()


def pictures():
    files = {}
    for direction in ('horz', 'vert'):
        for kind in ('in', 'out', 'inout'):
            files['SP_GRAD_%s_%s' % (direction.upper(), kind.upper())] = gradient(direction, kind)
    for style in ('clear', 'solid', 'cross', 'dcross', 'fd', 'bd', 'h', 'v'):
        files['SP_BRUSH_' + style.upper()] = brush(style)
    for style in ('solid', 'dash', 'dashdot', 'dot', 'dashdotdot'):
        files['SP_PEN_' + style.upper()] = pen(style)
    for width in (1, 2, 3, 4, 6):
        files['SP_PEN%d' % width] = pen_width(width)
    for number in range(1, 22):
        files['SP_SHADOW%d' % number] = shadow(number)
    files['SP_HTB'], files['SP_VTB'] = slider_thumb(False), slider_thumb(True)
    files['SP_HRL'], files['SP_VRL'] = slider_ruler(False), slider_ruler(True)
    files['SP_BB_UP'], files['SP_BB_DOWN'] = bar_arrow(True), bar_arrow(False)
    files['SP_PRIORMONTH'], files['SP_NEXTMONTH'] = calendar_arrow(True, False), calendar_arrow(False, False)
    files['SP_PRIORYEAR'], files['SP_NEXTYEAR'] = calendar_arrow(True, True), calendar_arrow(False, True)
    return files


def main():
    folder = sys.argv[1]
    os.makedirs(folder, exist_ok=True)
    lines = ['// Made by tools/skins/control_bitmaps.py: the skinned controls\' bitmaps.', 'LANGUAGE 9, 1']
    for name, data in pictures().items():
        path = os.path.join(folder, name.lower() + '.bmp')
        with open(path, 'wb') as f:
            f.write(data)
        lines.append('%s BITMAP "%s"' % (name, path.replace('\\', '/')))
    with open(os.path.join(folder, 'skin_controls.rc'), 'w') as f:
        f.write('\n'.join(lines) + '\n')


if __name__ == '__main__':
    main()
