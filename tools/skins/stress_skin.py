"""The STRESS skin, for tests only: the VARNEL skin plus every feature a skin
can carry - masks for the frame, the popup and hint windows and one control,
an inactive picture, a roll-up picture with its mask, morphing, an animate
object with frame animations, a JPEG picture, a cursor file and one record of
every window-object type word."""
import os
import shutil
import struct
import subprocess
import tempfile

from bitmaps import Canvas
from varnel_skin import ACCENT, BG, BORDER, FRAME_H, FRAME_W, SURFACE, TEXT, VarnelSkin, font_keys, rect_text, tcolor

BLACK, WHITE = (0, 0, 0), (255, 255, 255)

# Named pictures after the VARNEL three.
MASKS, BACKDROP, FRAMES, POPUP_MASK, HINT_MASK = 3, 4, 5, 6, 7


def mask(width, height, cut):
    """Black keeps the window, white cuts it: `cut` pixels off each corner."""
    canvas = Canvas(width, height, BLACK)
    for i in range(cut):
        for x, y in ((i, 0), (0, i), (width - 1 - i, 0), (width - 1, i), (i, height - 1), (0, height - 1 - i),
                     (width - 1 - i, height - 1), (width - 1, height - 1 - i)):
            canvas.pixel(x, y, WHITE)
    return canvas


def write_cursor(path):
    """A 32 x 32 arrow cursor (.cur) with its hot spot at the tip."""
    size = 32
    pixels = bytearray()
    for y in range(size - 1, -1, -1):
        for x in range(size):
            inside = x <= y < 20 and x < 14
            edge = inside and (x == 0 or x == y or y == 19)
            pixels += bytes((0, 0, 0, 255) if edge else ((255, 255, 255, 255) if inside else (0, 0, 0, 0)))
    and_mask = bytes(4 * size)
    header = struct.pack('<IiiHHIIiiII', 40, size, 2 * size, 1, 32, 0, len(pixels) + len(and_mask), 0, 0, 0, 0)
    image = header + bytes(pixels) + and_mask
    with open(path, 'wb') as out:
        out.write(struct.pack('<HHH', 0, 2, 1))
        out.write(struct.pack('<BBBBHHII', size, size, 0, 0, 0, 0, len(image), 22))
        out.write(image)


def write_jpeg(canvas, path):
    """Encodes through ImageMagick: the skin engine decodes JPEG but never encodes it."""
    with tempfile.TemporaryDirectory() as scratch:
        source = os.path.join(scratch, 'source.bmp')
        canvas.save_bmp(source)
        tool = shutil.which('convert') or shutil.which('magick')
        if not tool:
            raise SystemExit('ImageMagick (convert) is needed to make the stress skin\'s JPEG picture')
        subprocess.run([tool, source, '-quality', '90', path], check=True)


class StressSkin(VarnelSkin):
    def __init__(self):
        super().__init__()
        self.picture_names.update(mask='frame_mask.bmp', rolluppicture='rollup.bmp', rollupmask='rollup_mask.bmp')
        # The control mask lies where the masked control's piece lies in its picture.
        self.masks = Canvas(140, 61, WHITE)
        self.masks.blit(mask(64, 26, 2), 0, 35)
        self.frames = Canvas(8 * 24, 24, BG)
        for i in range(8):
            self.frames.fill(24 * i + 4, 4, 24 * i + 4 + 2 * (i + 1), 20, ACCENT)
        self.extra_pictures = [('masks.bmp', self.masks), ('backdrop.jpg', None), ('frames.bmp', self.frames),
                               ('popup_mask.bmp', mask(60, 60, 3)), ('hint_mask.bmp', mask(40, 30, 2))]
        self.popup_mask, self.hint_mask = POPUP_MASK, HINT_MASK

    def extra(self, folder):
        frame_mask = mask(FRAME_W, FRAME_H, 4)
        frame_mask.save_bmp(os.path.join(folder, 'frame_mask.bmp'))
        rollup = Canvas(FRAME_W, 30, BG)
        rollup.outline(0, 0, FRAME_W, 30, BORDER)
        rollup.save_bmp(os.path.join(folder, 'rollup.bmp'))
        mask(FRAME_W, 30, 4).save_bmp(os.path.join(folder, 'rollup_mask.bmp'))
        backdrop = Canvas(64, 48, SURFACE)
        for y in range(48):
            backdrop.hline(0, 64, y, (200 - y, 220 - y, 250))
        write_jpeg(backdrop, os.path.join(folder, 'backdrop.jpg'))
        write_cursor(os.path.join(folder, 'arrow.cur'))
        self.ini.section('CURSORS', [('cursorscount', 1), ('0', 'arrow.cur')])
        self.stress_records()

    def stress_records(self):
        base = [('activepictureindex', 0), ('skinrectinapicture', 1)]
        strip = [('activepictureindex', FRAMES), ('skinrect', '0,0,24,24'), ('activeskinrect', '0,0,24,24')]
        self.obj('anim', 'animate', strip + [('countframes', 8), ('cycle', 1), ('timerinterval', 40),
                                             ('morphing', 1), ('command', 'cmdefault')])
        self.obj('fgauge', 'framegauge', strip + [('minvalue', 0), ('maxvalue', 7), ('countframes', 8),
                                                  ('framesplacement', 'fphorizontal')])
        self.obj('freg', 'frameregulator', strip + [('minvalue', 0), ('maxvalue', 7), ('countframes', 8),
                                                    ('framesplacement', 'fphorizontal'), ('kind', 'rkhorizontal')])
        self.obj('tbar', 'trackbar', base + [('skinrect', '0,0,24,24'), ('buttonrect', '0,0,8,8'),
                                             ('beginpoint', '2,2'), ('endpoint', '20,2'), ('minvalue', 0),
                                             ('maxvalue', 10), ('morphing', 1)])
        self.obj('ogauge', 'gauge', base + [('skinrect', '0,0,24,24'), ('minvalue', 0), ('maxvalue', 100),
                                            ('kind', 'gkvertical')])
        self.obj('olabel', 'label', [('skinrect', '40,0,120,20'), ('fontName', 'Tahoma'), ('fontheight', 13),
                                     ('fontcolor', tcolor(TEXT)), ('alignment', 'tacenter'), ('textvalue', 'Stress')])
        self.obj('bits', 'bitlabel', base + [('skinrect', '0,0,24,24'), ('symbolslinecount', 2),
                                             ('symbolsline0', '0123456789'), ('symbolsline1', ':.'),
                                             ('symbolwidth', 8), ('symbolheight', 12), ('morphing', 1)])
        self.obj('sw', 'switch', base + [('skinrect', '0,0,24,24'), ('activeskinrect', '0,0,24,24')])
        self.obj('uobj', 'userobject', [('rollup', 1), ('skinrect', '200,0,220,20'), ('cursorindex', 0)])
        self.obj('obutton', 'button', base + [('skinrect', '0,0,24,24'), ('morphing', 1),
                                              ('morphkind', 'mkgradient'), ('downrect', '0,0,24,24')])
        self.obj('mbbutton', 'mainmenubarbutton', base + [('skinrect', '0,0,24,24'), ('command', 'cmclose')])
        item = base + [('skinrect', '0,0,40,20'), ('downrect', '0,0,40,20'), ('textrect', '2,0,38,20')] + font_keys()
        self.obj('mmitem', 'mainmenuitem', item + [('unenabledfontColor', 0)])
        self.obj('mbitem', 'mainmenubaritem', item)
        self.ctrl('masked', 'button', [('pictureindex', 0), ('maskpictureindex', MASKS),
                                       ('skinrect', '0,35,64,61'), ('morphing', 1), ('morphkind', 'mkleftslide'),
                                       ('framecount', 4), ('animateskinrect', '0,0,96,24'),
                                       ('lefttoppoint', '4,4'), ('righttoppoint', '60,4'),
                                       ('leftbottompoint', '4,22'), ('rightbottompoint', '60,22'),
                                       ('clientrect', '4,4,60,22')])
        self.ini.section('FORMINFO', [('bgpictureindex', BACKDROP), ('mdibgpictureindex', BACKDROP),
                                      ('autorenderinginactiveimage', 1), ('inactiveeffect', 'iegrayscale')])
