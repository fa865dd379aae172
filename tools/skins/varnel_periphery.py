"""The VARNEL records of the skinned controls no window of the program creates:
the expanding panel, the slider, the splitters, the grid-menu header label, the
bit label's digits, the tree view and rich edit colours, the control bar and the
frame strips of the switch, animate, frame gauge and regulator. Pieces go into
the control atlas like the others (see README.md)."""
from bitmaps import Canvas, GLYPHS, tcolor
from varnel_look import (FONT, FONT_HEIGHT, BG, SURFACE, BORDER, SEPARATOR, TEXT, TEXT_MUTED, TEXT_DISABLED, ACCENT,
                         ACCENT_LIGHT, HOVER, PRESSED, WHITE, TRACK, THUMB, piece, glyph_piece)

# 3 x 5 digit patterns for the bit label's picture font.
DIGITS = {
    '0': ['###', '#.#', '#.#', '#.#', '###'], '1': ['.#.', '##.', '.#.', '.#.', '###'],
    '2': ['###', '..#', '###', '#..', '###'], '3': ['###', '..#', '###', '..#', '###'],
    '4': ['#.#', '#.#', '###', '..#', '..#'], '5': ['###', '#..', '###', '..#', '###'],
    '6': ['###', '#..', '###', '#.#', '###'], '7': ['###', '..#', '..#', '..#', '..#'],
    '8': ['###', '#.#', '###', '#.#', '###'], '9': ['###', '#.#', '###', '..#', '###'],
    ':': ['...', '.#.', '...', '.#.', '...'],
}
SYMBOLS = '0123456789:'


def rect_text(rect):
    return ','.join(str(v) for v in rect)


def font_keys(color=TEXT):
    return [('fontname', FONT), ('fontheight', FONT_HEIGHT), ('fontstyle', ''), ('fontcolor', tcolor(color))]


def doubled(pattern):
    """A pattern at twice its size."""
    return [''.join(c * 2 for c in line) for line in pattern for _ in range(2)]


def frame_strip(frames, width, height, draw, vertical=False):
    """Frames side by side (or stacked), each drawn by draw(canvas, x, y, k)."""
    strip = Canvas(width * (1 if vertical else frames), height * (frames if vertical else 1), BG)
    for k in range(frames):
        draw(strip, 0 if vertical else k * width, k * height if vertical else 0, k)
    return strip


def expanel(skin):
    body = Canvas(60, 60, BG)
    body.box((0, 0, 60, 60), SURFACE, BORDER, False)
    body.fill(1, 1, 59, 22, BG)
    body.hline(1, 59, 22, SEPARATOR)
    strip = Canvas(60, 23, BG)
    strip.box((0, 0, 60, 23), BG, BORDER, False)
    upright = Canvas(23, 60, BG)
    upright.box((0, 0, 23, 60), BG, BORDER, False)

    def looks(glyph):
        return [skin.add(glyph_piece(16, 16, glyph, TEXT_MUTED, BG)),
                skin.add(glyph_piece(16, 16, glyph, TEXT, HOVER)),
                skin.add(glyph_piece(16, 16, glyph, TEXT, PRESSED))]

    keys = [('pictureindex', 0), ('maskpictureindex', -1), ('skinrect', skin.add(body)), ('cursorindex', -1),
            ('lefttoppoint', '3,23'), ('righttoppoint', '57,23'), ('leftbottompoint', '3,57'),
            ('rightbottompoint', '57,57'), ('clientrect', '1,23,59,59'), ('leftstretch', 1), ('topstretch', 1),
            ('rightstretch', 1), ('bottomstretch', 1), ('stretcheffect', 1), ('stretchtype', 'stfull'),
            ('captionrect', '6,3,56,19'), ('rollvskinrect', skin.add(strip)), ('rollleftoffset', 3),
            ('rollrightoffset', 3), ('rollvcaptionrect', '6,3,56,19'), ('rollhskinrect', skin.add(upright)),
            ('rolltopoffset', 3), ('rollbottomoffset', 3), ('rollhcaptionrect', '3,4,19,56')]
    for prefix, glyph in (('closebutton', 'close'), ('vrollbutton', 'up'), ('vrestorebutton', 'down'),
                          ('hrollbutton', 'left'), ('hrestorebutton', 'right')):
        normal, active, down = looks(glyph)
        keys += [(prefix + 'rect', normal), (prefix + 'activerect', active), (prefix + 'downrect', down)]
    keys += font_keys() + [('buttonstransparent', 0), ('buttonstransparentcolor', 0)]
    skin.ctrl('expanel', 'expanel', keys)


def slider(skin):
    def thumb(vertical):
        w, h = (21, 11) if vertical else (11, 21)
        canvas = Canvas(2 * w, h, BG)
        for state, (face, edge) in enumerate(((SURFACE, TEXT_MUTED), (ACCENT_LIGHT, ACCENT))):
            canvas.box((state * w, 0, state * w + w, h), face, edge, True, BG)
        return canvas

    def ruler(vertical):
        w, h = (6, 60) if vertical else (60, 6)
        canvas = Canvas(w, h, BG)
        canvas.box((0, 0, w, h), TRACK, THUMB, True, BG)
        return canvas

    skin.ctrl('slider', 'slider', [
        ('pictureindex', 0), ('skinrect', '0,0,0,0'), ('hrulerrect', skin.add(ruler(False))),
        ('hthumbrect', skin.add(thumb(False))), ('vrulerrect', skin.add(ruler(True))),
        ('vthumbrect', skin.add(thumb(True))), ('edgesize', 2), ('bgcolor', tcolor(BG)),
        ('pointscolor', tcolor(TEXT_MUTED))])


def splitters(skin):
    for name, vertical in (('vsplitter', True), ('hsplitter', False)):
        w, h = (6, 40) if vertical else (40, 6)
        face = Canvas(w, h, BG)
        if vertical:
            face.vline(0, 0, h, SEPARATOR)
            face.vline(w - 1, 0, h, SEPARATOR)
        else:
            face.hline(0, w, 0, SEPARATOR)
            face.hline(0, w, h - 1, SEPARATOR)
        grip = Canvas(2 if vertical else 14, 14 if vertical else 2, BG)
        for i in range(0, 14, 3):
            if vertical:
                grip.fill(0, i, 2, i + 2, THUMB)
            else:
                grip.fill(i, 0, i + 2, 2, THUMB)
        grip.pixel(0, grip.height - 1, BG)
        keys = [('pictureindex', 0), ('skinrect', skin.add(face)), ('lefttoppoint', '0,4' if vertical else '4,0'),
                ('righttoppoint', '%d,0' % w if vertical else '36,0'), ('leftbottompoint', '0,36' if vertical else '0,6'),
                ('rightbottompoint', '0,0'), ('clientrect', '0,0,0,0'), ('stretcheffect', 1),
                ('gripperrect', skin.add(grip)), ('grippertransparent', 1), ('grippertransparentcolor', tcolor(BG))]
        skin.ctrl(name, 'splitter', keys)


def header_label(skin):
    row = Canvas(40, 20, BG)
    row.hline(0, 40, 19, SEPARATOR)
    skin.ctrl('label', 'label', [
        ('pictureindex', 0), ('skinrect', skin.add(row)), ('lefttoppoint', '2,0'), ('righttoppoint', '38,0'),
        ('leftbottompoint', '0,0'), ('rightbottompoint', '0,0'), ('clientrect', '4,0,36,20'),
        ('stretcheffect', 1)] + font_keys(TEXT_MUTED))


def bit_label(skin):
    cell_w, cell_h = 8, 12
    grid = Canvas(cell_w * len(SYMBOLS), cell_h, TEXT)
    for i, symbol in enumerate(SYMBOLS):
        grid.glyph((i * cell_w, 0, (i + 1) * cell_w, cell_h), doubled(DIGITS[symbol]), ACCENT_LIGHT)
    face = Canvas(40, 16, TEXT)
    face.outline(0, 0, 40, 16, TEXT_MUTED)
    skin.ctrl('bitlabel', 'bitlabel', [
        ('pictureindex', 0), ('skinrect', skin.add(face)), ('lefttoppoint', '2,2'), ('righttoppoint', '38,2'),
        ('leftbottompoint', '0,0'), ('rightbottompoint', '0,0'), ('clientrect', '2,2,38,14'), ('stretcheffect', 1),
        ('skintextrect', skin.add(grid)), ('symbolwidth', cell_w), ('symbolheight', cell_h),
        ('symbolslinecount', 1), ('symbolsline0', SYMBOLS)])


def views(skin):
    for name, word in (('treeview', 'treeview'), ('richedit', 'richedit')):
        skin.ctrl(name, word, font_keys() + [('bgcolor', tcolor(SURFACE))])


def control_bar(skin):
    back = Canvas(60, 40, BG)
    back.outline(0, 0, 60, 40, BORDER)
    band = Canvas(40, 24, SURFACE)
    band.outline(0, 0, 40, 24, BORDER)
    for y in range(5, 20, 3):
        band.fill(4, y, 8, y + 1, THUMB)
    hgrip = Canvas(20, 4, BG)
    vgrip = Canvas(4, 20, BG)
    for i in range(0, 20, 3):
        hgrip.fill(i, 1, i + 2, 3, THUMB)
        vgrip.fill(1, i, 3, i + 2, THUMB)
    skin.ctrl('controlbar', 'controlbar', [
        ('pictureindex', 0), ('skinrect', skin.add(back)), ('lefttoppoint', '2,2'), ('righttoppoint', '58,2'),
        ('leftbottompoint', '2,38'), ('rightbottompoint', '58,38'), ('clientrect', '2,2,58,38'), ('leftstretch', 1),
        ('topstretch', 1), ('rightstretch', 1), ('bottomstretch', 1), ('stretcheffect', 1), ('stretchtype', 'stfull'),
        ('itemrect', skin.add(band)), ('bgpictureindex', -1), ('hgriprect', skin.add(hgrip)),
        ('vgriprect', skin.add(vgrip)), ('gripoffset1', 2), ('gripoffset2', 2), ('itemstretcheffect', 1),
        ('itemoffset1', 3), ('itemoffset2', 3), ('itemtransparent', 0), ('griptransparent', 0)])


def frame_controls(skin):
    def switch(canvas, x, y, k):
        canvas.box((x + 2, y + 3, x + 34, y + 15), ACCENT if k else TRACK, ACCENT if k else THUMB, True, BG)
        knob = x + 22 if k else x + 4
        canvas.box((knob, y + 5, knob + 10, y + 13), WHITE, None, True, ACCENT if k else TRACK)

    def spinner(canvas, x, y, k):
        spots = [(7, 1), (12, 3), (14, 7), (12, 12), (7, 14), (2, 12), (0, 7), (2, 3)]
        for i, (sx, sy) in enumerate(spots):
            colour = ACCENT if i == k else (ACCENT_LIGHT if (i + 1) % 8 == k else THUMB)
            canvas.fill(x + sx, y + sy, x + sx + 2, y + sy + 2, colour)

    def level(canvas, x, y, k):
        canvas.box((x, y, x + 60, y + 12), TRACK, BORDER, False)
        canvas.fill(x + 1, y + 1, x + 1 + round(58 * k / 10), y + 11, ACCENT)

    def knob(canvas, x, y, k):
        canvas.box((x + 2, y + 6, x + 58, y + 10), TRACK, THUMB, True, BG)
        at = x + 2 + round(48 * k / 10)
        canvas.box((at, y + 1, at + 8, y + 15), SURFACE, TEXT_MUTED, True, BG)

    for name, word, frames, w, h, draw, vertical, extra in (
            ('switch', 'switch', 2, 36, 18, switch, False, []),
            ('animate', 'animate', 8, 16, 16, spinner, False, []),
            ('framegauge', 'framegauge', 11, 60, 12, level, True, []),
            ('frameregulator', 'frameregulator', 11, 60, 16, knob, True, [('kind', 'rkhorizontal')])):
        strip = frame_strip(frames, w, h, draw, vertical)
        skin.ctrl(name, word, [('pictureindex', 0), ('skinrect', skin.add(strip)), ('framescount', frames),
                               ('framesplacement', 'fpvertical' if vertical else 'fphorizontal')] + extra)


def periphery(skin):
    expanel(skin)
    slider(skin)
    splitters(skin)
    header_label(skin)
    bit_label(skin)
    views(skin)
    control_bar(skin)
    frame_controls(skin)
