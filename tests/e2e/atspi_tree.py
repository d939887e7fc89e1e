#!/usr/bin/python3

# SPDX-FileCopyrightText: 2026 Tým Trelavka
#
# SPDX-License-Identifier: GPL-3.0-or-later

"""What a screen reader can ask the running game, one line per object:
top-level window's name, role, name, text, 1 if showing (tab-separated).
Usage: atspi_tree.py APPLICATION"""

import sys

import pyatspi


def text_of(acc):
    try:
        return acc.queryText().getText(0, -1)
    except NotImplementedError:
        return ""


def walk(acc, window, out):
    showing = acc.getState().contains(pyatspi.STATE_SHOWING)
    fields = [window, acc.getRoleName(), acc.name, text_of(acc), "1" if showing else "0"]
    out.append("\t".join(f.replace("\t", " ").replace("\n", " ") for f in fields))
    for child in acc:
        if child is not None:
            walk(child, window, out)


def main():
    out = []
    for app in pyatspi.Registry.getDesktop(0):
        if app is None or app.name != sys.argv[1]:
            continue
        for window in app:
            if window is not None:
                walk(window, window.name, out)
    print("\n".join(out))
    return 0 if out else 1


if __name__ == "__main__":
    sys.exit(main())
