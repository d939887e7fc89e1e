#!/usr/bin/python3

# SPDX-FileCopyrightText: 2026 Tým Trelavka
#
# SPDX-License-Identifier: GPL-3.0-or-later

"""The zip holds the built page, file for file and byte for byte, in one
folder named like the zip, and the page holds what it loads.

    zip_test.py SITE ZIP
"""
import os
import sys
import zipfile

NEEDED = ['index.html', 'style.css', 'trelavka.js', 'trelavka.wasm', 'fonts/sans.woff2',
          'fonts/sans-bold.woff2', 'data/about.dat', 'data/rolling.dat', 'images/map.gif',
          'images/icon-32.png', 'LICENSE.txt', 'LICENSE-font.txt']


def main():
    site, path = sys.argv[1:]
    folder = os.path.basename(path)[:-len('.zip')] + '/'
    files = {}
    for here, _, names in os.walk(site):
        for name in names:
            full = os.path.join(here, name)
            with open(full, 'rb') as f:
                files[folder + os.path.relpath(full, site).replace(os.sep, '/')] = f.read()
    failures = ['the page lacks ' + n for n in NEEDED if folder + n not in files]
    with zipfile.ZipFile(path) as z:
        packed = {i.filename: z.read(i) for i in z.infolist() if not i.is_dir()}
    failures += ['not in the zip: ' + n for n in sorted(set(files) - set(packed))]
    failures += ['only in the zip: ' + n for n in sorted(set(packed) - set(files))]
    failures += ['differs: ' + n for n in sorted(set(files) & set(packed)) if files[n] != packed[n]]
    for failure in failures:
        print(failure)
    print('%d files checked' % len(files))
    sys.exit(1 if failures else 0)


if __name__ == '__main__':
    main()
