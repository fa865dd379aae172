"""The VARNEL records of the skinned main menu bar, which no window of the program
creates: the bar strip, its items (plain, hot and pressed faces) and the caption
buttons of a maximized MDI child shown in the bar. Pieces go into the control
atlas like the others (see README.md)."""
from bitmaps import Canvas, tcolor
from varnel_look import (FONT, FONT_HEIGHT, BG, SEPARATOR, TEXT, TEXT_MUTED, TEXT_DISABLED, ACCENT, ACCENT_LIGHT,
                         HOVER, PRESSED, piece, glyph_piece)


def main_menu_bar(skin):
    bar = Canvas(60, 24, BG)
    bar.hline(0, 60, 23, SEPARATOR)
    skin.ctrl('mainmenubar', 'mainmenubar', [
        ('pictureindex', 0), ('maskpictureindex', -1), ('skinrect', skin.add(bar)), ('cursorindex', -1),
        ('itemsrect', '2,1,58,23'), ('menubaritem', 'menubaritem'), ('closebutton', 'mbclosebutton'),
        ('maxbutton', 'mbmaxbutton'), ('minbutton', 'mbminbutton'), ('sysmenubutton', 'mbsysmenubutton'),
        ('trackmarkcolor', tcolor(TEXT_MUTED)), ('trackmarkactivecolor', tcolor(ACCENT)), ('stretcheffect', 1),
        ('itemtransparent', 0)])
    skin.obj('menubaritem', 'mainmenubaritem', [
        ('activepictureindex', 0), ('skinrectinapicture', 1), ('cursorindex', -1),
        ('skinrect', skin.add(Canvas(40, 22, BG))), ('activeskinrect', skin.add(piece(40, 22, HOVER))),
        ('downrect', skin.add(piece(40, 22, ACCENT_LIGHT, ACCENT))), ('morphing', 0), ('morphkind', 'mkdefault'),
        ('fontname', FONT), ('fontheight', FONT_HEIGHT), ('fontstyle', ''), ('fontcolor', tcolor(TEXT)),
        ('activefontcolor', tcolor(TEXT)), ('downfontcolor', tcolor(ACCENT)),
        ('unenabledfontColor', tcolor(TEXT_DISABLED)), ('textrect', '6,0,34,22'), ('itemleftoffset', 4),
        ('itemrightoffset', 4), ('stretcheffect', 1), ('animateskinrect', '0,0,0,0'), ('framecount', 0),
        ('animateinterval', 25), ('inactiveanimation', 0)])
    for name, glyph, command in (('mbclosebutton', 'close', 'cmclose'), ('mbmaxbutton', 'restore', 'cmmaximize'),
                                 ('mbminbutton', 'min', 'cmminimize'), ('mbsysmenubutton', 'arrow', 'cmsysmenu')):
        skin.obj(name, 'mainmenubarbutton', [
            ('activepictureindex', 0), ('skinrectinapicture', 1), ('cursorindex', -1),
            ('skinrect', skin.add(glyph_piece(18, 18, glyph, TEXT_MUTED, BG))),
            ('activeskinrect', skin.add(glyph_piece(18, 18, glyph, TEXT, HOVER))),
            ('downrect', skin.add(glyph_piece(18, 18, glyph, TEXT, PRESSED))), ('morphing', 0),
            ('morphkind', 'mkdefault'), ('command', command)])
