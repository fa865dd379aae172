"""The VARNEL skin: a light, flat look with one accent colour. Builds the frame
pictures, the control atlas, the popup and hint pictures and the Skin.ini that
describes them. The layout of every picture is described in README.md."""
import os

from bitmaps import Atlas, Canvas, GLYPHS, tcolor
from varnel_menubar import main_menu_bar
from varnel_periphery import periphery
from varnel_look import (FONT, FONT_HEIGHT, BG, SURFACE, BORDER, SEPARATOR, TEXT, TEXT_MUTED, TEXT_DISABLED, ACCENT,
                         ACCENT_LIGHT, ACCENT_HOVER, HOVER, PRESSED, WHITE, TRACK, THUMB, BUTTONS_RECT, check_contrast,
                         frame_picture, caption_button, piece, glyph_piece, check_box, FRAME_W, FRAME_H)


def rect_text(rect):
    return ','.join(str(v) for v in rect)


def point_text(point):
    return '%d,%d' % point


def font_keys(prefix='', color=TEXT, height=FONT_HEIGHT):
    return [(prefix + 'fontname', FONT), (prefix + 'fontheight', height), (prefix + 'fontstyle', ''),
            (prefix + 'fontcolor', tcolor(color))]


def corner_keys(width, height, inset):
    """Corner points and client rectangle of a nine-part piece, relative to it."""
    return [('lefttoppoint', point_text((inset, inset))), ('righttoppoint', point_text((width - inset, inset))),
            ('leftbottompoint', point_text((inset, height - inset))),
            ('rightbottompoint', point_text((width - inset, height - inset))),
            ('clientrect', rect_text((inset, inset, width - inset, height - inset))),
            ('leftstretch', 1), ('topstretch', 1), ('rightstretch', 1), ('bottomstretch', 1), ('stretcheffect', 1),
            ('stretchtype', 'stfull')]



def state_glyph(width, height, glyph, color, fill):
    """A flat button look (hot, pressed, disabled) laid over a face: square, no border."""
    canvas = piece(width, height, fill, None, behind=fill, rounded=False)
    canvas.glyph((0, 0, width, height), GLYPHS[glyph], color)
    return canvas

class SkinIni:
    """Sections in the order they are added, keys in the order they are set."""

    def __init__(self):
        self.sections = {}

    def section(self, name, keys):
        """Adds keys to a section; a key it already holds takes the new value."""
        entries = self.sections.setdefault(name, [])
        for key, value in keys:
            at = next((i for i, (k, _) in enumerate(entries) if k.lower() == key.lower()), None)
            if at is None:
                entries.append((key, str(value)))
            else:
                entries[at] = (key, str(value))

    def text(self):
        lines = []
        for name, keys in self.sections.items():
            lines.append('[%s]' % name)
            lines.extend('%s=%s' % kv for kv in keys)
            lines.append('')
        return '\r\n'.join(lines)


# ---- the skin ----

class VarnelSkin:
    def __init__(self):
        self.atlas = Atlas(256, BG)
        self.ini = SkinIni()
        self.objects = []
        self.controls = []
        # What a derived skin adds: [PICTURES] names and named pictures after the first three.
        self.picture_names = {'picture': 'frame.bmp', 'inactivepicture': 'frame_inactive.bmp', 'mask': '',
                              'rolluppicture': '', 'rollupmask': ''}
        self.extra_pictures = []   # (file name, canvas or None when the file is written by extra())
        self.popup_mask = self.hint_mask = -1

    def extra(self, folder):
        """Records and pictures of a derived skin."""

    def add(self, canvas):
        return rect_text(self.atlas.add(canvas))

    def obj(self, name, word, keys):
        self.objects.append('%s:%s' % (name, word))
        self.ini.section(name, keys)

    def ctrl(self, name, word, keys):
        self.controls.append('%s:%s' % (name, word))
        self.ini.section(name, keys)

    def control_base(self, canvas, inset):
        return [('pictureindex', 0), ('maskpictureindex', -1), ('skinrect', self.add(canvas)), ('cursorindex', -1)] \
            + corner_keys(canvas.width, canvas.height, inset)

    # -- frame objects --

    def caption_buttons(self):
        commands = [('closebutton', 'close', 'cmclose', 'Close'), ('maxbutton', 'max', 'cmmaximize', 'Maximize'),
                    ('minbutton', 'min', 'cmminimize', 'Minimize'), ('rollupbutton', 'rollup', 'cmrollup', 'Roll Up')]
        for name, kind, command, hint in commands:
            keys = [('hint', hint), ('rollup', 0), ('activepictureindex', 0), ('skinrectinapicture', 1),
                    ('cursorindex', -1), ('skinrect', self.add(caption_button(kind, 'normal'))),
                    ('activeskinrect', self.add(caption_button(kind, 'hover'))),
                    ('inactiveskinrect', self.add(caption_button(kind, 'normal', active=False))),
                    ('morphing', 0), ('morphkind', 'mkdefault'),
                    ('downrect', self.add(caption_button(kind, 'down'))), ('disableskinrsect', '0,0,0,0'),
                    ('groupindex', -1), ('command', command)]
            if kind in ('max', 'min'):  # the restore look of a maximized or minimized window
                keys += [('restorerect', self.add(caption_button('restore', 'normal'))),
                         ('restoreactiverect', self.add(caption_button('restore', 'hover'))),
                         ('restoredownrect', self.add(caption_button('restore', 'down'))),
                         ('restoreinactiverect', self.add(caption_button('restore', 'normal', active=False)))]
            self.obj(name, 'stdbutton', keys)
        sysmenu_hover = Canvas(16, 16, ACCENT)
        sysmenu_hover.glyph((0, 0, 16, 16), GLYPHS['arrow'], WHITE)
        self.obj('sysmenubutton', 'stdbutton', [
            ('hint', 'System menu'), ('activepictureindex', 0), ('skinrectinapicture', 0),
            ('skinrect', '10,7,26,23'), ('activeskinrect', self.add(sysmenu_hover)), ('morphing', 0),
            ('downrect', '0,0,0,0'), ('groupindex', -1), ('command', 'cmsysmenu')])

    def caption(self):
        self.obj('caption', 'caption', [
            ('skinrect', '32,0,194,29'), ('defaultcaption', 1), ('textrect', '0,0,162,29'),
            ('fontname', FONT), ('fontheight', FONT_HEIGHT), ('fontstyle', ''), ('fontcolor', tcolor(TEXT_MUTED)),
            ('activefontcolor', tcolor(TEXT)), ('alignment', 'taleftjustify'), ('shadow', 0), ('light', 0)])

    def menu_item(self):
        width, height = 120, 24
        keys = [('activepictureindex', 0), ('skinrectinapicture', 1),
                ('skinrect', self.add(piece(width, height, SURFACE, behind=SURFACE))),
                ('activeskinrect', self.add(piece(width, height, ACCENT_LIGHT, behind=SURFACE))),
                ('itemleftoffset', 4), ('itemrightoffset', 4)]
        divider = Canvas(width, 7, SURFACE)
        divider.hline(4, width - 4, 3, SEPARATOR)
        keys += [('dividerrect', self.add(divider)), ('dividerleftoffset', 4), ('dividerrightoffset', 4),
                 ('textrect', '28,0,108,24'), ('imagerect', '4,4,20,20')]
        keys += font_keys()
        keys += [('activefontcolor', tcolor(TEXT)), ('unenabledfontcolor', tcolor(TEXT_DISABLED)),
                 ('stretcheffect', 1), ('dividerstretcheffect', 1), ('inactivestretcheffect', 1),
                 ('checkimagerect', self.add(glyph_piece(16, 16, 'check', TEXT, SURFACE))),
                 ('activecheckimagerect', self.add(glyph_piece(16, 16, 'check', ACCENT, ACCENT_LIGHT))),
                 ('radioimagerect', self.add(glyph_piece(16, 16, 'dot', TEXT, SURFACE))),
                 ('activeradioimagerect', self.add(glyph_piece(16, 16, 'dot', ACCENT, ACCENT_LIGHT))),
                 ('arrowimagerect', self.add(glyph_piece(8, 16, 'arrow', TEXT, SURFACE))),
                 ('activearrowimagerect', self.add(glyph_piece(8, 16, 'arrow', ACCENT, ACCENT_LIGHT)))]
        self.obj('menuitem', 'menuitem', keys)

    # -- controls --

    def buttons(self):
        def looks(fill, border, hover_fill, hover_border, down_fill, flat=False):
            w, h = 64, 26
            make = (lambda f, b: piece(w, h, f, None if flat and b is None else b))
            return [make(fill, border), make(hover_fill, hover_border), make(down_fill, hover_border),
                    make(BG if not flat else fill, SEPARATOR if not flat else None), make(fill, ACCENT)]

        kinds = {
            'resizebutton': looks(SURFACE, BORDER, ACCENT_HOVER, ACCENT, ACCENT_LIGHT),
            'MyButton': looks(SURFACE, BORDER, ACCENT_HOVER, ACCENT, ACCENT_LIGHT),
            'resizetoolbutton': looks(BG, None, HOVER, None, PRESSED, flat=True),
            'editbutton': looks(SURFACE, None, HOVER, None, PRESSED, flat=True),
        }
        for name, (normal, hover, down, disabled, focused) in kinds.items():
            keys = self.control_base(normal, 4) + font_keys()
            keys += [('activefontcolor', tcolor(TEXT)), ('downfontcolor', tcolor(TEXT)),
                     ('disabledfontcolor', tcolor(TEXT_DISABLED)), ('morphing', 0), ('morphkind', 'mkdefault'),
                     ('activeskinrect', self.add(hover)), ('downskinrect', self.add(down)),
                     ('disabledskinrect', self.add(disabled)), ('focusedskinrect', self.add(focused)),
                     ('framecount', 0), ('animateinterval', 25), ('showfocus', 0),
                     ('menumarkerrect', self.add(glyph_piece(9, 6, 'down', TEXT, normal.get(4, 4)))),
                     ('menumarkeractiverect', self.add(glyph_piece(9, 6, 'down', TEXT, hover.get(4, 4)))),
                     ('menumarkerdownrect', self.add(glyph_piece(9, 6, 'down', TEXT, down.get(4, 4)))),
                     ('menumarkertransparentcolor', tcolor(normal.get(4, 4)))]
            self.ctrl(name, 'button', keys)

    def panels(self):
        plain = piece(40, 40, BG, BORDER, rounded=False)
        tool = Canvas(40, 40, BG)
        tool.hline(0, 40, 39, SEPARATOR)
        status = Canvas(40, 24, BG)
        status.hline(0, 40, 0, BORDER)
        group = Canvas(60, 50, BG)
        group.box((0, 8, 60, 50), BG, BORDER, True, BG)
        group.fill(6, 0, 54, 17, BG)
        pieces = {'panel': (plain, 2, '0,0,0,0'), 'toolpanel': (tool, 2, '0,0,0,0'),
                  'resizetoolpanel': (tool, 2, '0,0,0,0'), 'statusbar': (status, 2, '0,0,0,0'),
                  'groupbox': (group, 9, '8,0,52,17')}
        for name, (canvas, inset, caption) in pieces.items():
            keys = self.control_base(canvas, inset)
            if name == 'groupbox':
                keys = [k for k in keys if k[0] not in ('lefttoppoint', 'righttoppoint', 'clientrect')]
                keys += [('lefttoppoint', '8,18'), ('righttoppoint', '52,18'), ('clientrect', '8,18,52,42')]
            keys += [('captionrect', caption), ('alignment', 'taleftjustify')] + font_keys()
            keys += [('bgpictureindex', -1)]
            self.ctrl(name, 'panel', keys)
        label = Canvas(40, 22, BG)
        label.vline(39, 3, 19, BORDER)
        self.ctrl('statuspanel', 'label', self.control_base(label, 3) + font_keys(color=TEXT_MUTED))
        self.ctrl('stdlabel', 'stdlabel', font_keys() + [('activefontcolor', tcolor(ACCENT))])
        self.ctrl('bevel', 'bevel', [('lightcolor', tcolor(WHITE)), ('darkcolor', tcolor(BORDER))])

    def check_radios(self):
        for name, radio in (('checkbox', False), ('radiobox', True)):
            area = Canvas(120, 20, BG)
            keys = self.control_base(area, 0)
            keys = [k for k in keys if k[0] not in ('lefttoppoint', 'righttoppoint', 'leftbottompoint',
                                                    'rightbottompoint', 'clientrect')]
            keys += [('lefttoppoint', '0,0'), ('righttoppoint', '120,0'), ('leftbottompoint', '0,20'),
                     ('rightbottompoint', '120,20'), ('clientrect', '0,0,120,20')]
            keys += font_keys() + [('activefontcolor', tcolor(TEXT)), ('unenabledfontcolor', tcolor(TEXT_DISABLED)),
                                   ('morphing', 0), ('activeskinrect', '0,0,0,0'),
                                   ('checkimagearea', '0,2,16,18'), ('textarea', '22,0,120,20')]
            looks = [('checkimagerect', True, 'normal'), ('uncheckimagerect', False, 'normal'),
                     ('activecheckimagerect', True, 'hover'), ('activeuncheckimagerect', False, 'hover'),
                     ('unenabledcheckimagerect', True, 'disabled'), ('unenableduncheckimagerect', False, 'disabled'),
                     ('grayedcheckimagerect', 'grayed', 'normal'), ('activegrayedcheckimagerect', 'grayed', 'hover')]
            keys += [(key, self.add(check_box(checked, state, radio))) for key, checked, state in looks]
            keys += [('framefontcolor', tcolor(TEXT))]
            self.ctrl(name, 'checkradio', keys)

    def trackbars(self):
        for name, vertical in (('htrackbar', False), ('trackbar', True)):
            w, h = (26, 100) if vertical else (100, 26)
            track = Canvas(w, h, BG)
            if vertical:
                track.box((11, 6, 15, h - 6), TRACK, THUMB, True, BG)
                area = '13,8,13,%d' % (h - 8)
            else:
                track.box((6, 11, w - 6, 15), TRACK, THUMB, True, BG)
                area = '8,13,%d,13' % (w - 8)
            tw, th = (20, 12) if vertical else (12, 20)
            keys = self.control_base(track, 8) + [
                ('activeskinrect', '0,0,0,0'), ('trackarea', area),
                ('buttonrect', self.add(piece(tw, th, SURFACE, BORDER))),
                ('activebuttonrect', self.add(piece(tw, th, ACCENT, ACCENT))),
                ('vertical', int(vertical)), ('buttontransparent', 0), ('buttontransparentcolor', 0)]
            self.ctrl(name, 'trackbar', keys)

    def gauge(self):
        frame = piece(100, 16, SURFACE, BORDER)
        keys = self.control_base(frame, 3) + [
            ('progressarea', '2,2,98,14'), ('progressrect', self.add(piece(20, 12, ACCENT, behind=ACCENT))),
            ('progresstransparent', 0), ('progressstretch', 1), ('vertical', 0), ('beginoffset', 0),
            ('endoffset', 0)] + font_keys(color=TEXT)
        self.ctrl('gauge', 'gauge', keys)

    def scroll_buttons(self, vertical, prefix=''):
        w, h = 17, 17
        names = ('up', 'down') if vertical else ('left', 'right')
        keys = []
        for glyph, key in ((names[0], 'upbutton'), (names[1], 'downbutton')):
            keys += [(key + 'rect', self.add(glyph_piece(w, h, glyph, TEXT_MUTED, TRACK))),
                     ('active' + key + 'rect', self.add(glyph_piece(w, h, glyph, TEXT, HOVER))),
                     ('down' + key + 'rect', self.add(glyph_piece(w, h, glyph, TEXT, PRESSED)))]
        return keys

    def scrollbars(self):
        for name, vertical in (('hscrollbar', False), ('vscrollbar', True), ('bothhscrollbar', False)):
            w, h = (17, 100) if vertical else (100, 17)
            track = Canvas(w, h, TRACK)
            thumb_size = (17, 30) if vertical else (30, 17)
            keys = self.control_base(track, 17 if not vertical else 0)
            keys = [k for k in keys if k[0] not in ('lefttoppoint', 'righttoppoint', 'leftbottompoint',
                                                    'rightbottompoint', 'clientrect')]
            if vertical:
                keys += [('lefttoppoint', '0,17'), ('righttoppoint', '17,17'), ('leftbottompoint', '0,83'),
                         ('rightbottompoint', '17,83'), ('clientrect', '0,17,17,83')]
            else:
                keys += [('lefttoppoint', '17,0'), ('righttoppoint', '83,0'), ('leftbottompoint', '17,17'),
                         ('rightbottompoint', '83,17'), ('clientrect', '17,0,83,17')]
            keys += [('trackarea', '0,17,17,83' if vertical else '17,0,83,17')]
            keys += self.scroll_buttons(vertical)
            def thumb(color):
                canvas = Canvas(*thumb_size, TRACK)
                tw, th = thumb_size
                canvas.box((3, 2, tw - 3, th - 2) if vertical else (2, 3, tw - 2, th - 3), color, color, True, TRACK)
                return canvas
            keys += [('thumbrect', self.add(thumb(THUMB))), ('activethumbrect', self.add(thumb(TEXT_DISABLED))),
                     ('downthumbrect', self.add(thumb(TEXT_MUTED))), ('thumboffset1', 4), ('thumboffset2', 4),
                     ('thumbstretcheffect', 1), ('thumbminsize', 12), ('thumbminpagesize', 8)]
            self.ctrl(name, 'scrollbar', keys)

    def lists(self):
        box = piece(40, 40, SURFACE, BORDER)
        self.ctrl('listview', 'listview', [('pictureindex', 0), ('skinrect', self.add(box))] + font_keys()
                  + [('bgcolor', tcolor(SURFACE))])
        item = lambda fill: self.add(piece(60, 20, fill, behind=fill))
        keys = self.control_base(box, 2) + [
            ('itemrect', item(SURFACE)), ('activeitemrect', item(ACCENT_LIGHT)), ('focusitemrect', item(ACCENT_LIGHT)),
            ('itemleftoffset', 2), ('itemrightoffset', 2), ('itemtextrect', '4,0,56,20')] + font_keys()
        keys += [('activefontcolor', tcolor(TEXT)), ('focusfontcolor', tcolor(TEXT)), ('captionrect', '0,0,0,0')]
        keys += font_keys('caption') + self.scroll_buttons(True)
        keys += [('hscrollbarname', 'hscrollbar'), ('vscrollbarname', 'vscrollbar'),
                 ('bothhscrollbarname', 'bothhscrollbar'), ('showfocus', 0)]
        self.ctrl('listbox', 'listbox', keys)

    def edits(self):
        field = piece(80, 22, SURFACE, BORDER)
        focused = piece(80, 22, SURFACE, ACCENT)
        keys = self.drop_field_keys(BORDER, ACCENT) + font_keys() + [
            ('itemrect', self.add(piece(60, 18, SURFACE, behind=SURFACE))),
            ('activeitemrect', self.add(piece(60, 18, ACCENT_LIGHT, behind=ACCENT_LIGHT))),
            ('focusitemrect', self.add(piece(60, 18, ACCENT_LIGHT, behind=ACCENT_LIGHT))),
            ('itemleftoffset', 2), ('itemrightoffset', 2), ('itemtextrect', '4,0,56,18')]
        keys += [('focusfontcolor', tcolor(TEXT)), ('activefontcolor', tcolor(TEXT)),
                 ('unenabledbuttonrect', self.add(state_glyph(18, 18, 'down', TEXT_DISABLED, SURFACE))),
                 ('itemstretcheffect', 1), ('focusitemstretcheffect', 1),
                 ('showfocus', 0), ('listboxname', 'listbox')]
        self.ctrl('combobox', 'combobox', keys)
        keys = self.control_base(field, 3) + [('activeskinrect', self.add(focused))] + font_keys()
        keys += [('disabledfontcolor', tcolor(TEXT_DISABLED)), ('activefontcolor', tcolor(TEXT))]
        self.ctrl('edit', 'edit', keys)
        self.button_edit()
        self.spin_edit()

    def drop_field_keys(self, border, focus_border):
        """A field with a drop button drawn into its face at the right end; the button's
        rectangle is on the face, its hot and pressed looks are pictures of their own."""
        def field(color):
            canvas = piece(80, 22, SURFACE, color)
            canvas.glyph((60, 2, 78, 20), GLYPHS['down'], TEXT_MUTED)
            return canvas
        moved = ('righttoppoint', 'rightbottompoint', 'clientrect')
        keys = [k for k in self.control_base(field(border), 3) if k[0] not in moved]
        return keys + [('righttoppoint', '58,3'), ('rightbottompoint', '58,19'), ('clientrect', '3,3,58,19'),
                       ('activeskinrect', self.add(field(focus_border))),
                       ('buttonrect', '60,2,78,20'),
                       ('activebuttonrect', self.add(state_glyph(18, 18, 'down', TEXT, HOVER))),
                       ('downbuttonrect', self.add(state_glyph(18, 18, 'down', TEXT, PRESSED)))]

    def spin_edit(self):
        """Up and down buttons drawn into the face at its right end, placed on the face."""
        def field(color):
            canvas = piece(80, 22, SURFACE, color)
            canvas.glyph((64, 2, 78, 11), GLYPHS['up'], TEXT_MUTED)
            canvas.glyph((64, 11, 78, 20), GLYPHS['down'], TEXT_MUTED)
            return canvas
        moved = ('righttoppoint', 'rightbottompoint', 'clientrect')
        keys = [k for k in self.control_base(field(BORDER), 3) if k[0] not in moved]
        keys += [('righttoppoint', '62,3'), ('rightbottompoint', '62,19'), ('clientrect', '3,3,62,19'),
                 ('activeskinrect', self.add(field(ACCENT)))] + font_keys()
        keys += [('activefontcolor', tcolor(TEXT)), ('disabledfontcolor', tcolor(TEXT_DISABLED))]
        for glyph, key, rect in (('up', 'upbutton', '64,2,78,11'), ('down', 'downbutton', '64,11,78,20')):
            keys += [(key + 'rect', rect),
                     ('active' + key + 'rect', self.add(state_glyph(14, 9, glyph, TEXT, HOVER))),
                     ('down' + key + 'rect', self.add(state_glyph(14, 9, glyph, TEXT, PRESSED)))]
        self.ctrl('spinedit', 'spinedit', keys)

    def button_edit(self):
        """An edit with a drop button at its right end, which stays fixed as the edit grows."""
        keys = self.drop_field_keys(BORDER, ACCENT) + font_keys()
        keys += [('disabledfontcolor', tcolor(TEXT_DISABLED)), ('activefontcolor', tcolor(TEXT))]
        self.ctrl('buttonedit', 'edit', keys)

    def spin_buttons(self, vertical):
        w, h = (15, 10) if vertical else (10, 15)
        names = ('up', 'down') if vertical else ('left', 'right')
        keys = []
        for glyph, key in ((names[0], 'upbutton'), (names[1], 'downbutton')):
            keys += [(key + 'rect', self.add(glyph_piece(w, h, glyph, TEXT_MUTED, SURFACE))),
                     ('active' + key + 'rect', self.add(glyph_piece(w, h, glyph, TEXT, HOVER))),
                     ('down' + key + 'rect', self.add(glyph_piece(w, h, glyph, TEXT, PRESSED)))]
        return keys

    def tabs_and_updowns(self):
        for name, vertical in (('hupdown', False), ('vupdown', True)):
            holder = Canvas(30, 30, BG)
            keys = [('pictureindex', 0), ('skinrect', self.add(holder))] + self.spin_buttons(vertical)
            self.ctrl(name, 'updown', keys)
        client = piece(60, 60, SURFACE, BORDER)
        tab = piece(60, 26, BG, BORDER)
        active_tab = Canvas(60, 26, BG)
        active_tab.box((0, 0, 60, 27), SURFACE, BORDER, True, BG)
        active_tab.hline(1, 59, 0, ACCENT)
        active_tab.hline(1, 59, 1, ACCENT)
        hover_tab = piece(60, 26, HOVER, BORDER)
        keys = [('pictureindex', 0), ('skinrect', self.add(client)), ('tabrect', self.add(tab)),
                ('activetabrect', self.add(active_tab)), ('focustabrect', self.add(active_tab)),
                ('mouseintabrect', self.add(hover_tab)), ('clientrect', '1,1,59,59'), ('tabsbgrect', '0,0,0,0'),
                ('lefttoppoint', '3,3'), ('righttoppoint', '57,3'), ('leftbottompoint', '3,57'),
                ('rightbottompoint', '57,57'), ('tableftoffset', 4), ('tabrightoffset', 4)] + font_keys()
        keys += [('activefontcolor', tcolor(TEXT)), ('focusfontcolor', tcolor(TEXT)),
                 ('mouseinfontcolor', tcolor(TEXT)), ('updown', 'hupdown'), ('bgpictureindex', -1),
                 ('tabstretcheffect', 1), ('leftstretch', 1), ('topstretch', 1), ('rightstretch', 1),
                 ('bottomstretch', 1), ('showfocus', 0), ('stretcheffect', 1), ('stretchtype', 'stfull')]
        self.ctrl('tab', 'tab', keys)

    def windows(self):
        """The popup-menu and hint window pictures: named pictures 1 and 2."""
        popup = piece(60, 60, SURFACE, BORDER, rounded=False)
        hint = piece(40, 30, SURFACE, BORDER, rounded=False)
        stretch = [('leftstretch', 1), ('rightstretch', 1), ('topstretch', 1), ('bottomstretch', 1),
                   ('stretcheffect', 1), ('stretchtype', 'stfull')]
        self.ini.section('POPUPWINDOW', [
            ('windowpictureindex', 1), ('maskpictureindex', self.popup_mask), ('lefttoppoint', '3,3'), ('righttoppoint', '57,3'),
            ('leftbottompoint', '3,57'), ('rightbottompoint', '57,57'), ('itemsrect', '3,3,57,57'),
            ('cursorindex', -1), ('scrollmarkercolor', tcolor(TEXT_MUTED)),
            ('scrollmarkeractivecolor', tcolor(ACCENT))] + stretch)
        self.ini.section('HINTWINDOW', [
            ('windowpictureindex', 2), ('maskpictureindex', self.hint_mask), ('lefttoppoint', '4,4'), ('righttoppoint', '36,4'),
            ('leftbottompoint', '4,26'), ('rightbottompoint', '36,26'), ('clientrect', '6,4,34,26'),
            ('fontname', FONT), ('fontheight', 13), ('fontstyle', ''), ('fontcolor', tcolor(TEXT))] + stretch)
        return popup, hint

    def build(self, folder):
        check_contrast()
        os.makedirs(folder, exist_ok=True)
        ini = self.ini
        ini.section('VERSION', [('ver', 2), ('skinname', 'VARNEL'), ('skinauthor', 'Varnel Revo'),
                                ('authoremail', ''), ('authorurl', ''),
                                ('skincomments', 'Light, flat and quiet, with one blue accent.')])
        named = ['controls.bmp', 'popup.bmp', 'hint.bmp'] + [name for name, _ in self.extra_pictures]
        ini.section('PICTURES', list(self.picture_names.items()) + [('activepicturescount', len(named))] +
                    [(str(i), name) for i, name in enumerate(named)])
        ini.section('CURSORS', [('startcursorindex', 1), ('cursorscount', 0)])
        ini.section('FORMINFO', [
            ('lefttoppoint', '40,30'), ('righttoppoint', '190,30'), ('leftbottompoint', '40,112'),
            ('rightbottompoint', '190,112'), ('clientrect', '1,30,%d,%d' % (FRAME_W - 1, FRAME_H - 1)),
            ('bgpictureindex', -1), ('mdibgpictureindex', -1), ('maskrectarea', '0,0,0,0'),
            ('leftstretch', 1), ('rightstretch', 1), ('topstretch', 1), ('bottomstretch', 1), ('stretcheffect', 0),
            ('stretchtype', 'stfull'), ('buttonsrect', rect_text(BUTTONS_RECT)), ('captionrect', '32,0,194,30'),
            ('buttonsoffset', 0), ('buttonsinleft', 0), ('hittestlefttoppoint', '4,4'),
            ('hittestrighttoppoint', '%d,4' % (FRAME_W - 4)), ('hittestleftbottompoint', '4,%d' % (FRAME_H - 4)),
            ('hittestrightbottompoint', '%d,%d' % (FRAME_W - 4, FRAME_H - 4)), ('rollupleftpoint', '40,30'),
            ('rolluprightpoint', '190,30'), ('mainmenurect', '1,30,%d,50' % (FRAME_W - 1)), ('iconrect', '10,7,26,23'),
            ('mainmenupopupup', 0), ('borderwidth', 1), ('cursorindex', -1), ('autorenderinginactiveimage', 0),
            ('inactiveeffect', 'iebrightness'), ('formminwidth', 200), ('sizegriparea', '0,0,0,0'),
            ('statusbarname', 'statusbar'), ('mditabstransparent', 0), ('mainmenubartransparent', 0)])
        popup, hint = self.windows()
        ini.section('SKINCOLORS', [
            ('cbtnface', tcolor(BG)), ('cbtntext', tcolor(TEXT)), ('cwindow', tcolor(SURFACE)),
            ('cwindowtext', tcolor(TEXT)), ('chighlight', tcolor(ACCENT)), ('chighlighttext', tcolor(WHITE)),
            ('cbtnhighlight', tcolor(WHITE)), ('cbtnshadow', tcolor(BORDER)), ('c3dlight', tcolor(SEPARATOR)),
            ('c3ddkshadow', tcolor(THUMB))])
        ini.section('SKINAREAS', [('count', 0)])
        self.caption()
        self.caption_buttons()
        self.menu_item()
        self.buttons()
        self.panels()
        self.check_radios()
        self.trackbars()
        self.gauge()
        self.scrollbars()
        self.lists()
        self.edits()
        self.tabs_and_updowns()
        periphery(self)
        main_menu_bar(self)
        self.extra(folder)
        ini.section('SKINOBJECTS', [('count', len(self.objects))] + [(str(i), e) for i, e in enumerate(self.objects)])
        ini.section('SKINCONTROLS', [('count', len(self.controls))] +
                    [(str(i), e) for i, e in enumerate(self.controls)])
        frame_picture(True).save_bmp(os.path.join(folder, 'frame.bmp'))
        frame_picture(False).save_bmp(os.path.join(folder, 'frame_inactive.bmp'))
        self.atlas.picture().save_bmp(os.path.join(folder, 'controls.bmp'))
        popup.save_bmp(os.path.join(folder, 'popup.bmp'))
        hint.save_bmp(os.path.join(folder, 'hint.bmp'))
        for name, canvas in self.extra_pictures:
            if canvas:
                canvas.save_bmp(os.path.join(folder, name))
        with open(os.path.join(folder, 'Skin.ini'), 'w', newline='') as out:
            out.write(ini.text())
        return self
