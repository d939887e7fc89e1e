#!/usr/bin/python3

# SPDX-FileCopyrightText: 2026 Tým Trelavka
#
# SPDX-License-Identifier: GPL-3.0-or-later

"""Writes the letters the page can show, for cutting its font down to them:
printable ASCII, and every other character of the string literals in the
given C++ sources and of the given page files.

    letters.py OUT FILE...
"""
import re
import sys

LITERAL = re.compile(r'"((?:[^"\\\n]|\\.)*)"')


def letters(path):
    with open(path, encoding='utf-8') as f:
        text = f.read()
    if path.endswith(('.h', '.cpp')):
        return ''.join(LITERAL.findall(text))
    return text


def main():
    out, sources = sys.argv[1], sys.argv[2:]
    chars = {chr(c) for c in range(0x20, 0x7f)}
    for path in sources:
        chars.update(c for c in letters(path) if c.isprintable() and ord(c) >= 0x7f)
    with open(out, 'w', encoding='utf-8') as f:
        f.write(''.join(sorted(chars)) + '\n')


if __name__ == '__main__':
    main()
