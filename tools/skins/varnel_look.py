"""The look of the VARNEL skin: its palette, the text-contrast check and the
pieces it draws (frame, caption buttons, boxes, glyph tiles, check and radio
marks). varnel_skin.py lays them out and describes them."""
from bitmaps import Canvas, GLYPHS, contrast, rgb

FONT = 'Tahoma'
FONT_HEIGHT = 14

BG = rgb('#F3F4F6')          # window and panel background
SURFACE = rgb('#FFFFFF')     # edits, lists, buttons
BORDER = rgb('#C9CED6')      # 1-px borders
SEPARATOR = rgb('#E3E6EA')
TEXT = rgb('#1F2328')
TEXT_MUTED = rgb('#57606A')
TEXT_DISABLED = rgb('#8C959F')
ACCENT = rgb('#2563EB')
ACCENT_LIGHT = rgb('#DBEAFE')
ACCENT_HOVER = rgb('#F2F7FF')
HOVER = rgb('#E5E7EB')
PRESSED = rgb('#D1D5DB')
CLOSE_HOVER = rgb('#C42B1C')
CLOSE_PRESSED = rgb('#A32418')
WHITE = rgb('#FFFFFF')
TRACK = rgb('#ECEEF1')
THUMB = rgb('#B8BEC7')

# Text on its background, each pair at least 4.5:1.
TEXT_PAIRS = [(TEXT, BG), (TEXT, SURFACE), (TEXT, ACCENT_LIGHT), (TEXT, HOVER), (TEXT_MUTED, BG),
              (TEXT_MUTED, SURFACE), (WHITE, ACCENT), (ACCENT, SURFACE), (WHITE, CLOSE_HOVER), (TEXT, PRESSED)]

FRAME_W, FRAME_H, CAPTION_H = 360, 120, 30
# The caption buttons sit between the accent line (row 0) and the separator
# (row 29), so both lines run the whole width of the window.
BUTTON_W, BUTTON_H = 40, 28
BUTTONS_RECT = (196, 1, FRAME_W - 1, CAPTION_H)


def check_contrast():
    for fore, back in TEXT_PAIRS:
        ratio = contrast(fore, back)
        if ratio < 4.5:
            raise SystemExit('text contrast %.2f:1 below 4.5:1 for %s on %s' % (ratio, fore, back))


# ---- pictures ----

def frame_picture(active):
    frame = Canvas(FRAME_W, FRAME_H, BG)
    frame.outline(0, 0, FRAME_W, FRAME_H, BORDER)
    if active:
        frame.hline(0, FRAME_W, 0, ACCENT)
    frame.hline(1, FRAME_W - 1, CAPTION_H - 1, SEPARATOR)
    # The system menu button: an accent tile with a white disc, left in the caption.
    frame.box((10, 7, 26, 23), ACCENT if active else TEXT_MUTED, None)
    frame.glyph((10, 7, 26, 23), ['.####.', '######', '######', '######', '######', '.####.'], WHITE)
    return frame


def caption_button(kind, state, active=True):
    piece = Canvas(BUTTON_W, BUTTON_H, BG)
    fill, glyph_color = BG, TEXT if active else TEXT_DISABLED
    if state == 'hover':
        fill, glyph_color = (CLOSE_HOVER, WHITE) if kind == 'close' else (HOVER, TEXT)
    elif state == 'down':
        fill, glyph_color = (CLOSE_PRESSED, WHITE) if kind == 'close' else (PRESSED, TEXT)
    piece.fill(0, 0, BUTTON_W, BUTTON_H, fill)
    piece.glyph((0, 0, BUTTON_W, BUTTON_H), GLYPHS[kind], glyph_color)
    return piece


def piece(width, height, fill, border=None, behind=BG, rounded=True):
    canvas = Canvas(width, height, behind)
    canvas.box((0, 0, width, height), fill, border, rounded, behind)
    return canvas


def glyph_piece(width, height, glyph, color, fill=BG, border=None):
    canvas = piece(width, height, fill, border)
    canvas.glyph((0, 0, width, height), GLYPHS[glyph], color)
    return canvas


def radio_circle(checked, state):
    """A 14-px circle: white with a grey ring, or accent with a white dot when chosen."""
    border = ACCENT if state == 'hover' else (SEPARATOR if state == 'disabled' else BORDER)
    fill = SURFACE if state != 'disabled' else BG
    if checked:
        fill = border = ACCENT if state != 'disabled' else TEXT_DISABLED
    canvas = Canvas(16, 16, BG)
    for y in range(16):
        for x in range(16):
            d = ((x - 7.5) ** 2 + (y - 7.5) ** 2) ** 0.5
            if d <= 6.0:
                canvas.pixel(x, y, fill)
            elif d <= 7.0:
                canvas.pixel(x, y, border)
            if checked and d <= 2.6:
                canvas.pixel(x, y, WHITE)
    return canvas


def check_box(checked, state, radio=False):
    if radio and checked != 'grayed':
        return radio_circle(checked, state)
    border = ACCENT if state == 'hover' else (SEPARATOR if state == 'disabled' else BORDER)
    fill = SURFACE if state != 'disabled' else BG
    canvas = Canvas(16, 16, BG)
    if checked:
        fill, border = (ACCENT if state != 'disabled' else TEXT_DISABLED), None
    canvas.box((1, 1, 15, 15), fill, border or fill, True, BG)
    if radio:
        for x, y in ((1, 1), (2, 1), (1, 2), (13, 1), (12, 1), (13, 2), (1, 13), (1, 12), (2, 13), (13, 13),
                     (12, 13), (13, 12)):
            canvas.pixel(x, y, BG)
    if checked == 'grayed':
        canvas.glyph((1, 1, 15, 15), GLYPHS['dash'], WHITE)
    elif checked:
        canvas.glyph((1, 1, 15, 15), GLYPHS['dot' if radio else 'check'], WHITE)
    return canvas
