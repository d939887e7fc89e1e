#!/usr/bin/python3

# SPDX-FileCopyrightText: 2026 Tým Trelavka
#
# SPDX-License-Identifier: GPL-3.0-or-later

"""Cuts the bundled face down to the letters the game can show: printable
ASCII, and every other character of the string literals in the given C++
sources and of the given page files. OUT ending in .woff2 is a web font; any
other name a TrueType file that keeps the face's metrics and hinting whole,
so that the system draws every kept letter as it drew the full face.

The face's licence reserves its name for the unmodified font, so the cut
face takes the name FAMILY; its copyright and licence entries stay.

    subset_font.py FAMILY FONT OUT SOURCE...
"""
import re
import sys

from fontTools import subset
from fontTools.ttLib import TTFont

LITERAL = re.compile(r'"((?:[^"\\\n]|\\.)*)"')
# Family, style, unique id, full name, PostScript name, preferred family and style.
RENAMED = (1, 2, 3, 4, 6, 16, 17)


def letters(paths):
    chars = {chr(c) for c in range(0x20, 0x7f)}
    for path in paths:
        with open(path, encoding='utf-8') as f:
            text = f.read()
        if path.endswith(('.h', '.cpp')):
            text = ''.join(LITERAL.findall(text))
        chars.update(c for c in text if c.isprintable() and ord(c) >= 0x7f)
    return ''.join(sorted(chars))


def rename(font, family):
    names = font['name']
    style = names.getDebugName(2) or 'Regular'
    full = family if style == 'Regular' else '%s %s' % (family, style)
    postscript = '%s-%s' % (family.replace(' ', ''), style.replace(' ', ''))
    names.names = [n for n in names.names if n.nameID not in RENAMED]
    for name_id, text in ((1, family), (2, style), (3, postscript), (4, full), (6, postscript)):
        names.setName(text, name_id, 3, 1, 0x409)
        names.setName(text, name_id, 1, 0, 0)


def main():
    if len(sys.argv) < 4:
        sys.exit(__doc__)
    family, source, out, texts = sys.argv[1], sys.argv[2], sys.argv[3], sys.argv[4:]
    web = out.endswith('.woff2')
    options = subset.Options()
    options.flavor = 'woff2' if web else None
    options.drop_tables += ['FFTM']
    options.name_IDs = ['*']
    # GDI takes the widest glyph and the face's scripts from these fields.
    options.prune_unicode_ranges = web
    font = TTFont(source, recalcBBoxes=web)
    subsetter = subset.Subsetter(options)
    subsetter.populate(text=letters(texts))
    subsetter.subset(font)
    rename(font, family)
    font.flavor = options.flavor
    font.save(out)


if __name__ == '__main__':
    main()
