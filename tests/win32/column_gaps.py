#!/usr/bin/env python3

# SPDX-FileCopyrightText: 2026 Tým Trelavka
#
# SPDX-License-Identifier: GPL-3.0-or-later

"""Reads a binary PPM (P6) of a text field on stdin and prints the runs of
columns that hold any ink, left to right, as "START-END" per run, then the
narrowest and the widest stretch of pure background between two runs
("gap N", "widest N"). The
background is the colour of the field's left edge, where no text lies."""
import sys


def read_ppm(data):
    fields, pos = [], 0
    while len(fields) < 4:  # magic, width, height, maximum
        while data[pos:pos + 1].isspace():
            pos += 1
        if data[pos:pos + 1] == b"#":
            pos = data.index(b"\n", pos)
            continue
        end = pos
        while not data[end:end + 1].isspace():
            end += 1
        fields.append(data[pos:end])
        pos = end
    if fields[0] != b"P6" or int(fields[3]) != 255:
        sys.exit("not an 8-bit P6 image")
    width, height = int(fields[1]), int(fields[2])
    pixels = data[pos + 1:]
    if len(pixels) < width * height * 3:
        sys.exit("the image is cut short")
    return width, height, pixels


def main():
    width, height, pixels = read_ppm(sys.stdin.buffer.read())
    at = lambda x, y: pixels[(y * width + x) * 3:(y * width + x) * 3 + 3]
    background = at(0, height // 2)
    ink = [any(at(x, y) != background for y in range(height)) for x in range(width)]
    runs, start = [], None
    for x, inked in enumerate(ink + [False]):
        if inked and start is None:
            start = x
        elif not inked and start is not None:
            runs.append((start, x - 1))
            start = None
    for first, last in runs:
        print(f"{first}-{last}")
    gaps = [b[0] - a[1] - 1 for a, b in zip(runs, runs[1:])]
    print(f"gap {min(gaps) if gaps else -1}")
    print(f"widest {max(gaps) if gaps else -1}")


main()
