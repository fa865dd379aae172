#!/usr/bin/env python3
"""Draws the framed controls' resources into a folder and writes the resource
script that compiles them: the check-box and radio-button glyphs (13 x 13, 4 bits,
drawn only in the marker colours the controls recolour), the bit-button kind
glyphs (32 x 16, 8 bits: normal and disabled side by side), the hand cursor of
the URL label, the splitter's four sizing cursors, the tool-bar customisation
window's definition with its two spacer pictures, and the library's string table.

    make_framed_resources.py <output folder>
"""
import math
import os
import struct
import sys

# The 16 standard colours, as the 4-bit palette holds them (R, G, B).
BLACK, MAROON, GREEN, OLIVE = (0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0)
NAVY, PURPLE, TEAL, GRAY = (0, 0, 128), (128, 0, 128), (0, 128, 128), (128, 128, 128)
SILVER, RED, LIME, YELLOW = (192, 192, 192), (255, 0, 0), (0, 255, 0), (255, 255, 0)
BLUE, FUCHSIA, AQUA, WHITE = (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255)
PALETTE16 = [BLACK, MAROON, GREEN, OLIVE, NAVY, PURPLE, TEAL, GRAY,
             SILVER, RED, LIME, YELLOW, BLUE, FUCHSIA, AQUA, WHITE]


def bmp(pixels, bits, palette):
    """A BMP file of rows of palette indices (top row first) at 4 or 8 bits."""
    height, width = len(pixels), len(pixels[0])
    row_bytes = ((width * bits + 31) // 32) * 4
    data = bytearray()
    for row in reversed(pixels):
        packed = bytearray()
        if bits == 8:
            packed.extend(row)
        else:
            for x in range(0, width, 2):
                high = row[x]
                low = row[x + 1] if x + 1 < width else 0
                packed.append((high << 4) | low)
        packed.extend(b"\0" * (row_bytes - len(packed)))
        data.extend(packed)
    colours = bytearray()
    for r, g, b in palette:
        colours.extend((b, g, r, 0))
    offset = 14 + 40 + len(colours)
    header = struct.pack("<2sIHHI", b"BM", offset + len(data), 0, 0, offset)
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, bits, 0, len(data), 2835, 2835,
                       len(palette), 0)
    return header + info + bytes(colours) + bytes(data)


def glyph4(roles):
    """Rows of colours -> rows of 4-bit palette indices."""
    return [[PALETTE16.index(c) for c in row] for row in roles]


def radio_button(checked):
    rows = []
    for y in range(13):
        row = []
        for x in range(13):
            dx, dy = x - 6, y - 6
            d = math.hypot(dx, dy)
            upper_left = dx + dy < 0 or (dx + dy == 0 and dx < 0)
            if d > 6.6:
                c = OLIVE                     # outside the circle: the transparent colour
            elif d > 5.9:
                c = AQUA                      # outer anti-aliased rim
            elif d > 5.45:
                c = GREEN                     # the ring's lighter shade
            elif d > 4.8:
                c = BLACK                     # the ring
            elif d > 4.3:
                c = GRAY if upper_left else PURPLE    # first inner anti-alias step
            elif d > 3.8:
                c = MAROON if upper_left else LIME    # second inner anti-alias step
            elif d > 3.2:
                c = RED if upper_left else FUCHSIA    # hot inner ring
            elif d > 2.7:
                c = YELLOW                    # hot ring fading into the face
            elif checked and d <= 1.8:
                c = NAVY                      # the dot
            elif checked and d <= 2.5:
                c = BLUE                      # the dot's rim
            else:
                c = WHITE                     # the face
            row.append(c)
        rows.append(row)
    return rows


def check_box(state):
    rows = [[WHITE] * 13 for _ in range(13)]
    for i in range(13):
        for x, y in ((i, 0), (i, 12), (0, i), (12, i)):
            rows[y][x] = GRAY                 # the frame
    for x, y in ((0, 0), (12, 0), (0, 12), (12, 12)):
        rows[y][x] = WHITE                    # rounded corners
    for x, y in ((1, 1), (11, 1), (1, 11), (11, 11)):
        rows[y][x] = GRAY
    for i in range(2, 11):
        rows[1][i] = rows[i][1] = RED         # hot ring, upper-left half
        rows[11][i] = rows[i][11] = FUCHSIA   # hot ring, lower-right half
    if state == "checked":
        stroke = [(3, 6), (4, 7), (5, 8), (6, 7), (7, 6), (8, 5), (9, 4)]
        for x, y in stroke:                   # a crisp check two pixels thick
            rows[y][x] = BLUE
            rows[y + 1][x] = BLUE
    elif state == "grayed":
        for y in range(4, 9):
            for x in range(4, 9):
                rows[y][x] = BLUE
    return rows


# Kind glyphs: 8-bit, palette index 0 is the transparent olive of the bottom-left pixel.
KIND_PALETTE = [OLIVE, (34, 139, 34), (200, 40, 40), (40, 90, 200), (128, 128, 128), (255, 255, 255),
                (230, 160, 20), (90, 90, 90)]
T, GRN, RD, BL, GRY, WHT, ORG, DRK = range(8)


def canvas16():
    return [[T] * 16 for _ in range(16)]


def plot(img, points, colour):
    for x, y in points:
        if 0 <= x < 16 and 0 <= y < 16:
            img[y][x] = colour


def thick_line(img, x0, y0, x1, y1, colour, width=2):
    steps = max(abs(x1 - x0), abs(y1 - y0), 1)
    for i in range(steps + 1):
        x = round(x0 + (x1 - x0) * i / steps)
        y = round(y0 + (y1 - y0) * i / steps)
        plot(img, [(x + a, y + b) for a in range(width) for b in range(width)], colour)


def disc(img, cx, cy, r, colour):
    plot(img, [(x, y) for x in range(16) for y in range(16) if math.hypot(x - cx, y - cy) <= r], colour)


def ring(img, cx, cy, r, colour, width=1.6):
    plot(img, [(x, y) for x in range(16) for y in range(16) if r - width < math.hypot(x - cx, y - cy) <= r],
         colour)


def kind_icon(kind):
    img = canvas16()
    if kind in ("OK", "YES"):
        thick_line(img, 2, 8, 5, 11, GRN)
        thick_line(img, 5, 11, 12, 3, GRN)
    elif kind == "ALL":
        thick_line(img, 0, 8, 3, 11, GRN)
        thick_line(img, 3, 11, 8, 4, GRN)
        thick_line(img, 6, 8, 9, 11, GRN)
        thick_line(img, 9, 11, 14, 4, GRN)
    elif kind == "CANCEL":
        thick_line(img, 3, 3, 11, 11, RD)
        thick_line(img, 11, 3, 3, 11, RD)
    elif kind == "NO":
        ring(img, 7.5, 7.5, 6.5, RD, 2)
        thick_line(img, 3, 3, 11, 11, RD)
    elif kind == "ABORT":
        disc(img, 7.5, 7.5, 6.5, RD)
        thick_line(img, 5, 7, 10, 7, WHT)
    elif kind == "HELP":
        disc(img, 7.5, 7.5, 6.5, BL)
        plot(img, [(6, 4), (7, 3), (8, 3), (9, 4), (9, 5), (8, 6), (7, 7), (7, 8), (7, 11)], WHT)
        plot(img, [(7, 4), (8, 4), (8, 5), (8, 7), (8, 8), (8, 11)], WHT)
    elif kind == "CLOSE":
        for y in range(2, 14):
            plot(img, [(x, y) for x in range(4, 12)], ORG)
        plot(img, [(9, 8), (9, 9)], DRK)
    elif kind == "RETRY":
        # A circular arrow: a ring open at the upper right, its head pointing down there.
        for y in range(16):
            for x in range(16):
                d = math.hypot(x - 7.5, y - 8.5)
                angle = math.degrees(math.atan2(8.5 - y, x - 7.5)) % 360
                if 3.6 < d <= 5.8 and not (5 < angle < 75):
                    img[y][x] = BL
        plot(img, [(x, y) for y in range(4, 8) for x in range(9 + (y - 4), 16 - (y - 4))], BL)
    elif kind == "IGNORE":
        thick_line(img, 3, 12, 12, 3, GRY)
        disc(img, 7.5, 7.5, 1.5, GRY)
    return img


def disabled(img):
    """The greyed copy: the shape in grey with a white copy one pixel down-right behind it."""
    out = canvas16()
    for y in range(16):
        for x in range(16):
            if img[y][x] != T and x + 1 < 16 and y + 1 < 16:
                out[y + 1][x + 1] = WHT
    for y in range(16):
        for x in range(16):
            if img[y][x] != T:
                out[y][x] = GRY
    return out


def kind_glyph(kind):
    normal, grey = kind_icon(kind), disabled(kind_icon(kind))
    return [normal[y] + grey[y] for y in range(16)]


HAND = [
    "......XX........",
    ".....X..X.......",
    ".....X..X.......",
    ".....X..X.......",
    ".....X..XXX.....",
    ".....X..X..XXX..",
    ".XX..X..X..X..XX",
    "X..X.X........X.X",
    "X...XX..........X",
    ".X..............X",
    "..X.............X",
    "..X............X.",
    "...X...........X.",
    "...X..........X..",
    "....X.........X..",
    "....XXXXXXXXXXX..",
]


def hand_cursor():
    """A 32 x 32 monochrome cursor file: outline black, inside white, the rest transparent."""
    outline = [[False] * 32 for _ in range(32)]
    for y, line in enumerate(HAND):
        for x, ch in enumerate(line[:16]):
            outline[y + 2][x + 4] = ch == "X"
    inside = [[False] * 32 for _ in range(32)]
    for y in range(32):
        xs = [x for x in range(32) if outline[y][x]]
        if len(xs) >= 2:
            for x in range(xs[0], xs[-1] + 1):
                inside[y][x] = not outline[y][x]
    # XOR plane: 1 = white where the AND plane is 0; AND plane: 1 = transparent.
    xor_rows, and_rows = [], []
    for y in range(32):
        xor_bits = and_bits = 0
        for x in range(32):
            opaque = outline[y][x] or inside[y][x]
            if inside[y][x]:
                xor_bits |= 1 << (31 - x)
            if not opaque:
                and_bits |= 1 << (31 - x)
        xor_rows.append(struct.pack(">I", xor_bits))
        and_rows.append(struct.pack(">I", and_bits))
    image = bytearray(struct.pack("<IiiHHIIiiII", 40, 32, 64, 1, 1, 0, 256, 0, 0, 2, 0))
    image.extend(bytes((0, 0, 0, 0, 255, 255, 255, 0)))
    for row in reversed(xor_rows):
        image.extend(row)
    for row in reversed(and_rows):
        image.extend(row)
    hotspot = (6, 2)
    directory = struct.pack("<HHH", 0, 2, 1)
    entry = struct.pack("<BBBBHHII", 32, 32, 0, 0, hotspot[0], hotspot[1], len(image), 6 + 16)
    return directory + entry + bytes(image)


def cursor_file(black, hotspot):
    """A 32 x 32 two-colour cursor file: the `black` pixels ((x, y) pairs) with a
    white rim one pixel wide around them; everything else transparent."""
    black = set(black)
    white = set()
    for (x, y) in black:
        for dx in (-1, 0, 1):
            for dy in (-1, 0, 1):
                p = (x + dx, y + dy)
                if p not in black and 0 <= p[0] < 32 and 0 <= p[1] < 32:
                    white.add(p)
    xor_rows, and_rows = [], []
    for y in range(32):
        xor_bits = and_bits = 0
        for x in range(32):
            if (x, y) in white:
                xor_bits |= 1 << (31 - x)
            if (x, y) not in black and (x, y) not in white:
                and_bits |= 1 << (31 - x)
        xor_rows.append(struct.pack(">I", xor_bits))
        and_rows.append(struct.pack(">I", and_bits))
    image = bytearray(struct.pack("<IiiHHIIiiII", 40, 32, 64, 1, 1, 0, 256, 0, 0, 2, 0))
    image.extend(bytes((0, 0, 0, 0, 255, 255, 255, 0)))
    for row in reversed(xor_rows):
        image.extend(row)
    for row in reversed(and_rows):
        image.extend(row)
    directory = struct.pack("<HHH", 0, 2, 1)
    entry = struct.pack("<BBBBHHII", 32, 32, 0, 0, hotspot[0], hotspot[1], len(image), 6 + 16)
    return directory + entry + bytes(image)


def sizing_mark(cx, cy, scale=1.0):
    """Two vertical lines with arrow heads pointing left and right, centred on
    (cx, cy): the mark of a bar dragged sideways."""
    reach = int(round(7 * scale))
    half = int(round(6 * scale))
    points = set()
    for y in range(cy - half, cy + half + 1):
        points.add((cx - 1, y))
        points.add((cx + 1, y))
    for x in range(cx - reach, cx - 1):
        points.add((x, cy))
    for x in range(cx + 2, cx + reach + 1):
        points.add((x, cy))
    head = max(2, int(round(3 * scale)))
    for i in range(1, head + 1):
        points.add((cx - reach + i, cy - i))
        points.add((cx - reach + i, cy + i))
        points.add((cx + reach - i, cy - i))
        points.add((cx + reach - i, cy + i))
    return points


def arrow_pointer():
    """The ordinary arrow pointer with its tip at (0, 0)."""
    points = set()
    for y in range(11):
        for x in range(min(y, 7, 2 * (10 - y) + 1) + 1):
            points.add((x, y))
    for i in range(5):  # the stem, down and to the right
        points.add((3 + i // 2, 10 + i))
        points.add((4 + i // 2, 10 + i))
    return points


def transpose(points):
    return {(y, x) for (x, y) in points}


def split_cursors():
    horz = sizing_mark(8, 8)
    vert = transpose(horz)
    horz_hot = arrow_pointer() | sizing_mark(15, 19, 0.7)
    vert_hot = arrow_pointer() | transpose(sizing_mark(19, 15, 0.7))
    return {
        "RZSPLIT_HORZ": cursor_file(horz, (8, 8)),
        "RZSPLIT_VERT": cursor_file(vert, (8, 8)),
        "RZSPLIT_HORZHOTSPOT": cursor_file(horz_hot, (0, 0)),
        "RZSPLIT_VERTHOTSPOT": cursor_file(vert_hot, (0, 0)),
    }


# The customisation window's spacer pictures: two 16 x 16 images side by side on
# the background colour, which is also the bottom-left pixel.
SPACER_PALETTE = [(236, 233, 216), (0, 51, 153), (153, 153, 153), (172, 168, 153), (255, 255, 255)]


def spacer_pictures():
    plain = [[0] * 32 for _ in range(16)]
    for image, colour in ((0, 1), (1, 2)):
        ox = image * 16
        for x in range(4, 12):
            if (x - 4) % 3 != 2:  # two-pixel dashes, one-pixel gaps
                plain[0][ox + x] = colour
                plain[15][ox + x] = colour
        for y in range(16):
            if y % 4 < 2:  # two-pixel dashes, two-pixel gaps
                plain[y][ox + 4] = colour
                plain[y][ox + 11] = colour
    groove = [[0] * 32 for _ in range(16)]
    for image in (0, 1):
        for y in range(1, 15):
            groove[y][image * 16 + 7] = 3
            groove[y][image * 16 + 8] = 4
    return bmp(plain, 8, SPACER_PALETTE), bmp(groove, 8, SPACER_PALETTE)


CUSTOMIZE_FORM = """object RzFrmCustomizeToolbar: TRzFrmCustomizeToolbar
  Left = 258
  Top = 114
  BorderIcons = [biSystemMenu]
  BorderStyle = bsDialog
  Caption = 'Customize Toolbar'
  ClientHeight = 280
  ClientWidth = 337
  Color = clBtnFace
  Font.Charset = DEFAULT_CHARSET
  Font.Color = clWindowText
  Font.Height = -11
  Font.Name = 'Verdana'
  Font.Style = []
  OldCreateOrder = True
  ShowHint = True
  PixelsPerInch = 96
  TextHeight = 13
  object BtnClose: TButton
    Left = 244
    Top = 24
    Width = 85
    Height = 25
    Caption = 'Close'
    ModalResult = 1
    TabOrder = 2
  end
  object LstControls: TRzCheckList
    Left = 8
    Top = 24
    Width = 225
    Height = 205
    ItemHeight = 20
    DragMode = dmAutomatic
    TabOrder = 0
    OnChange = LstControlsChange
    OnClick = LstControlsClick
    OnDragDrop = LstControlsDragDrop
    OnDragOver = LstControlsDragOver
    OnDrawItem = ListBoxDrawItem
    OnEndDrag = LstControlsEndDrag
    OnMouseDown = LstControlsMouseDown
  end
  object BtnSpacer: TSpeedButton
    Left = 359
    Top = 227
    Width = 25
    Height = 25
    Hint = 'Add a Spacer'
    Visible = False
    Flat = True
    Transparent = False
    Glyph.Data = {file 'rzspacer.bmp'}
    NumGlyphs = 2
  end
  object BtnGrooveSpacer: TSpeedButton
    Left = 384
    Top = 227
    Width = 25
    Height = 25
    Hint = 'Add a Grooved Spacer'
    Visible = False
    Flat = True
    Transparent = False
    Glyph.Data = {file 'rzgroovespacer.bmp'}
    NumGlyphs = 2
  end
  object LblHint: TRzLabel
    Left = 8
    Top = 8
    Width = 38
    Height = 13
    Caption = 'LblHint'
  end
  object LblTextOptions: TRzLabel
    Left = 8
    Top = 236
    Width = 84
    Height = 13
    Caption = 'LblTextOptions'
  end
  object CbxTextOptions: TRzComboBox
    Left = 8
    Top = 252
    Width = 225
    Height = 21
    Style = csDropDownList
    ItemHeight = 13
    TabOrder = 1
    OnClick = CbxTextOptionsClick
  end
  object BtnMoveUp: TButton
    Left = 244
    Top = 84
    Width = 85
    Height = 25
    Caption = 'MoveUp'
    TabOrder = 3
    OnClick = BtnMoveUpClick
  end
  object BtnMoveDown: TButton
    Left = 244
    Top = 116
    Width = 85
    Height = 25
    Caption = 'MoveDown'
    TabOrder = 4
    OnClick = BtnMoveDownClick
  end
  object Timer1: TTimer
    Enabled = False
    Interval = 100
    OnTimer = Timer1Timer
  end
end
"""


STRINGS = {
    65392: "Left-click to set Hour\rRight-click to set Minute\r    Ctrl key restricts to 5 minutes",
    65393: "AM", 65394: "PM", 65395: "Set", 65396: "Clear", 65397: "Today",
}
COLOR_NAMES = [
    "Black", "Brown", "Olive Green", "Dark Green", "Dark Teal", "Dark Blue", "Indigo", "Gray 80%",
    "Dark Red", "Orange", "Dark Yellow", "Green", "Teal", "Blue", "Blue Gray", "Gray 50%",
    "Red", "Light Orange", "Lime", "Sea Green", "Aqua", "Light Blue", "Violet", "Gray 40%",
    "Pink", "Gold", "Yellow", "Bright Green", "Turquoise", "Sky Blue", "Plum", "Gray 25%",
    "Rose", "Tan", "Light Yellow", "Light Green", "Light Turquoise", "Pale Blue", "Lavender", "White",
    "Scroll Bar", "Background", "Active Caption", "Inactive Caption", "Menu", "Window", "Window Frame",
    "Menu Text", "Window Text", "Caption Text", "Active Border", "Inactive Border", "App WorkSpace",
    "Highlight", "Highlight Text", "Button Face", "Button Shadow", "Gray Text", "Button Text",
    "Inactive Caption Text", "Button Highlight", "3D Dark Shadow", "3D Light", "Info Text",
    "Info Background", "Hot Light", "Gradient Active Caption", "Gradient Inactive Caption",
    "Menu Highlight", "Menu Bar",
]
CUSTOMIZE_CAPTIONS = ["Customize Toolbar", "Uncheck to hide control", "Close", "Move Up", "Move Down",
                      "Text Options", "No text labels", "Show text labels", "Selective text on right"]
MESSAGES = [
    "No TRzRegIniFile component specified",
    "Cannot save Custom Framing settings--No TRzRegIniFile component specified",
    "Cannot load Custom Framing settings--No TRzRegIniFile component specified",
    "Cannot load Custom Colors--No TRzRegIniFile component specified",
    "Cannot save Custom Colors--No TRzRegIniFile component specified",
]


def rc_string(text):
    out = ""
    for ch in text:
        if ch == '"':
            out += '""'
        elif ch == "\\":
            out += "\\\\"
        elif ch == "\r":
            out += "\\r"
        else:
            out += ch
    return '"' + out + '"'


# Font kind glyphs of the font combo and list boxes: 12 x 12, olive background
# (the transparent colour). "." olive, "k" black, "n" navy, "g" gray, "s" silver,
# "w" white, "m" maroon, "t" teal.
FONT_GLYPH_COLOURS = {".": OLIVE, "k": BLACK, "n": NAVY, "g": GRAY, "s": SILVER, "w": WHITE, "m": MAROON,
                      "t": TEAL}
FONT_GLYPHS = {
    # Two overlapping letters T: the TrueType mark.
    "TRUETYPE": ["............",
                 "ggggggg.....",
                 "ggggggg.....",
                 "...gnnnnnnn.",
                 "...gnnnnnnn.",
                 "...g...nn...",
                 "...g...nn...",
                 "...g...nn...",
                 "...g...nn...",
                 ".......nn...",
                 "......nnnn..",
                 "............"],
    # A letter on a ruler of equal cells: every character as wide as the next.
    "FIXEDPITCH": ["............",
                   "....kkk.....",
                   "...k...k....",
                   "...k...k....",
                   "...kkkkk....",
                   "...k...k....",
                   "...k...k....",
                   "............",
                   "kkkkkkkkkkk.",
                   "k...k...k.k.",
                   "k...k...k.k.",
                   "............"],
    # The TrueType letters over the ruler of equal cells.
    "TRUETYPEFIXED": ["ggggggg.....",
                      "ggggggg.....",
                      "...gnnnnnnn.",
                      "...gnnnnnnn.",
                      "...g...nn...",
                      "...g...nn...",
                      ".......nn...",
                      "............",
                      "tttttttttttt",
                      "t...t...t..t",
                      "t...t...t..t",
                      "............"],
    # A small printer: paper above a grey body with a dark slot.
    "PRINTER": ["............",
                "...kkkkkk...",
                "...kwwwwk...",
                "...kwkkwk...",
                ".kkkkkkkkkk.",
                ".kssssssssk.",
                ".kssssssmsk.",
                ".kggggggggk.",
                ".kkkkkkkkkk.",
                "..kwwwwwwk..",
                "..kkkkkkkk..",
                "............"],
    # A letter in a frame: a font built into the device.
    "DEVICE": ["............",
               ".kkkkkkkkkk.",
               ".k........k.",
               ".k...mm...k.",
               ".k..m..m..k.",
               ".k..m..m..k.",
               ".k..mmmm..k.",
               ".k..m..m..k.",
               ".k..m..m..k.",
               ".k........k.",
               ".kkkkkkkkkk.",
               "............"],
}


def font_glyph(kind):
    rows = FONT_GLYPHS[kind]
    assert len(rows) == 12 and all(len(r) == 12 for r in rows), kind
    return [[PALETTE16.index(FONT_GLYPH_COLOURS[ch]) for ch in row] for row in rows]


def main():
    folder = sys.argv[1]
    os.makedirs(folder, exist_ok=True)
    files = {}
    files["RZCOMMON_RADIOBUTTON_UNCHECKED"] = bmp(glyph4(radio_button(False)), 4, PALETTE16)
    files["RZCOMMON_RADIOBUTTON_CHECKED"] = bmp(glyph4(radio_button(True)), 4, PALETTE16)
    for state in ("unchecked", "checked", "grayed"):
        files["RZCOMMON_CHECKBOX_" + state.upper()] = bmp(glyph4(check_box(state)), 4, PALETTE16)
    for kind in FONT_GLYPHS:
        files["RZCMBOBX_" + kind] = bmp(font_glyph(kind), 4, PALETTE16)
    for kind in ("OK", "CANCEL", "HELP", "YES", "NO", "CLOSE", "ABORT", "RETRY", "IGNORE", "ALL"):
        files["RZCOMMON_" + kind] = bmp(kind_glyph(kind), 8, KIND_PALETTE)
    lines = ["// Made by tools/make_framed_resources.py: the framed controls' resources.",
             "LANGUAGE 9, 1"]
    for name, data in files.items():
        path = os.path.join(folder, name.lower() + ".bmp")
        with open(path, "wb") as f:
            f.write(data)
        lines.append('%s BITMAP "%s"' % (name, path.replace("\\", "/")))
    cursor = os.path.join(folder, "rzcommon_handcursor.cur")
    with open(cursor, "wb") as f:
        f.write(hand_cursor())
    lines.append('RZCOMMON_HANDCURSOR CURSOR "%s"' % cursor.replace("\\", "/"))
    for name, data in split_cursors().items():
        path = os.path.join(folder, name.lower() + ".cur")
        with open(path, "wb") as f:
            f.write(data)
        lines.append('%s CURSOR "%s"' % (name, path.replace("\\", "/")))
    plain, groove = spacer_pictures()
    for name, data in (("rzspacer.bmp", plain), ("rzgroovespacer.bmp", groove)):
        path = os.path.join(folder, name)
        with open(path, "wb") as f:
            f.write(data)
        lines.append('%s RCDATA "%s"' % (name.upper(), path.replace("\\", "/")))
    form = os.path.join(folder, "rzfrmcustomizetoolbar.form")
    with open(form, "w") as f:
        f.write(CUSTOMIZE_FORM)
    lines.append('TRZFRMCUSTOMIZETOOLBAR RCDATA "%s"' % form.replace("\\", "/"))
    table = dict(STRINGS)
    for i, name in enumerate(COLOR_NAMES):
        table[65408 + i] = name
    for i, text in enumerate(CUSTOMIZE_CAPTIONS):
        table[65408 + len(COLOR_NAMES) + i] = text
    for i, text in enumerate(MESSAGES):
        table[65487 + i] = text
    assert len(COLOR_NAMES) == 70 and max(table) <= 65503
    lines.append("STRINGTABLE")
    lines.append("BEGIN")
    for key in sorted(table):
        lines.append("  %d, %s" % (key, rc_string(table[key])))
    lines.append("END")
    script = os.path.join(folder, "framed.rc")
    with open(script, "w") as f:
        f.write("\n".join(lines) + "\n")


if __name__ == "__main__":
    main()
