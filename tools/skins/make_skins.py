#!/usr/bin/env python3
"""Writes a skin folder: VARNEL (the default skin, into the program folder) or
STRESS (every skin feature, for the tests). Checks the result against the
checked-in table of records the windows ask for (skin/data/RequiredSkinRecords.h).

    make_skins.py varnel|stress <folder>
"""
import os
import re
import sys

sys.dont_write_bytecode = True  # the source tree stays clean
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

from stress_skin import StressSkin  # noqa: E402
from varnel_skin import VarnelSkin  # noqa: E402

ROOT = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
TABLE = os.path.join(ROOT, 'skin', 'data', 'RequiredSkinRecords.h')


def required_records():
    pattern = re.compile(r'\{SkinList::(Objects|Controls), "(\w+)", "(\w+)"\}')
    with open(TABLE) as table:
        return [m.groups() for m in pattern.finditer(table.read())]


def check_required(skin):
    have = {'Objects': set(skin.objects), 'Controls': set(skin.controls)}
    missing = ['%s:%s' % (name, word) for lst, word, name in required_records()
               if '%s:%s' % (name, word) not in have[lst]]
    if missing:
        raise SystemExit('the skin lacks required records: ' + ', '.join(missing))


def main(argv):
    if len(argv) != 3 or argv[1] not in ('varnel', 'stress'):
        raise SystemExit(__doc__)
    skin = (VarnelSkin if argv[1] == 'varnel' else StressSkin)().build(argv[2])
    check_required(skin)


if __name__ == '__main__':
    main(sys.argv)
