#!/usr/bin/python3

# SPDX-FileCopyrightText: 2026 Tým Trelavka
#
# SPDX-License-Identifier: GPL-3.0-or-later

"""The web page's size and start-up, in headless Chromium on 127.0.0.1.

    bench/web.py size    [--site DIR]
    bench/web.py startup [--site DIR] [--runs N] [--quick]

size: every file a visitor's browser downloads while the page starts (the
sounds too, fetched in the background), as the page's own server answered
them; raw and gzip-compressed (level 6, a web server's usual), by kind.

startup: from navigation to the welcome box open, and to the next frame
drawn after it, on the game and on bench/web_bare.html (the same box in the
same style and face, no game), alternating, RUNS times each (15) after one
run of each that is not counted; medians, and the load average around them.

--quick: one counted run, to prove it still runs. DIR: build-web/web/site.
"""
import argparse
import gzip
import os
import shutil
import statistics
import sys
import tempfile
import threading

HERE = os.path.dirname(os.path.abspath(__file__))
ROOT = os.path.dirname(HERE)
sys.path.insert(0, os.path.join(ROOT, 'tests', 'web'))
import harness  # noqa: E402
import serve  # noqa: E402

# Installed in every document before its own scripts: notes when a box opens
# and when the frame after it is drawn, in ms from the navigation's start.
WATCH = '''
(function() {
  new MutationObserver(function(records, observer) {
    if (!document.querySelector('dialog#box[open]')) return;
    observer.disconnect();
    window.boxOpen = performance.now();
    requestAnimationFrame(function() {
      setTimeout(function() { window.boxShown = performance.now(); }, 0);
    });
  }).observe(document, {subtree: true, childList: true, attributes: true,
                        attributeFilter: ['open']});
})();
'''

KINDS = (('.wasm', 'module (wasm)'), ('.js', 'module (glue)'), ('.gif', 'pictures'),
         ('.png', 'pictures'), ('.woff2', 'faces'), ('.dat', 'sounds'), ('.html', 'page'),
         ('.css', 'page'))


class Logged(serve.Handler):
    """The page's server, noting what it answered; a page left before all of
    it arrived is no error here."""
    lock = threading.Lock()
    answered = []

    def send_response(self, code, message=None):
        with Logged.lock:
            Logged.answered.append((urlpath(self.path), code))
        super().send_response(code, message)

    def copyfile(self, source, destination):
        try:
            super().copyfile(source, destination)
        except ConnectionError:
            pass


def urlpath(path):
    return path.split('?', 1)[0].lstrip('/') or 'index.html'


def kind(name):
    for ending, what in KINDS:
        if name.endswith(ending):
            return what
    return 'other'


def load_average():
    return '%.2f %.2f %.2f' % os.getloadavg()


def size(site, artifacts):
    with serve.SiteServer(site, ['/'], handler=Logged) as server, \
            harness.Browser(artifacts) as b:
        b.driver.get(server.url('/'))
        # Everything the page will show: the box, every picture (those of
        # buildings not yet bought too) and both sounds.
        b.wait(lambda: {'data/about.dat', 'data/rolling.dat'} <= {p for p, _ in Logged.answered}
               and b.js('return !!document.querySelector("#box[open]") && '
                        'Array.from(document.images).every(function(i) { return i.complete; })'),
               timeout=60)
    files = sorted({path for path, code in Logged.answered if code == 200})
    rows = []
    for name in files:
        with open(os.path.join(site, name), 'rb') as f:
            data = f.read()
        rows.append((name, len(data), len(gzip.compress(data, compresslevel=6))))
    raw = sum(r[1] for r in rows)
    packed = sum(r[2] for r in rows)
    print('%d files downloaded: %d bytes raw (%.3f MB), %d bytes gzip (%.3f MB)'
          % (len(rows), raw, raw / 1e6, packed, packed / 1e6))
    by_kind = {}
    for name, r, g in rows:
        k = by_kind.setdefault(kind(name), [0, 0, 0])
        k[0] += 1
        k[1] += r
        k[2] += g
    print('%-16s %5s %10s %6s %10s' % ('kind', 'files', 'raw', 'share', 'gzip'))
    for what, (n, r, g) in sorted(by_kind.items(), key=lambda kv: -kv[1][1]):
        print('%-16s %5d %10d %5.1f%% %10d' % (what, n, r, 100.0 * r / raw, g))
    print('largest files:')
    for name, r, g in sorted(rows, key=lambda row: -row[1])[:5]:
        print('  %-32s %9d raw %9d gzip' % (name, r, g))


def startup(site, artifacts, runs):
    folder = tempfile.mkdtemp(prefix='trelavka-bench-site-')
    try:
        shutil.copytree(site, folder, dirs_exist_ok=True)
        shutil.copy(os.path.join(HERE, 'web_bare.html'), os.path.join(folder, 'bare.html'))
        with serve.SiteServer(folder, ['/'], handler=Logged) as server, harness.Browser(artifacts) as b:
            b.driver.execute_cdp_cmd('Page.addScriptToEvaluateOnNewDocument', {'source': WATCH})
            pages = {'game': server.url('/'), 'bare': server.url('/bare.html')}
            times = {name: [] for name in pages}
            before = load_average()
            for run in range(runs + 1):
                order = ('game', 'bare') if run % 2 == 0 else ('bare', 'game')
                for name in order:
                    b.driver.get('about:blank')
                    b.driver.get(pages[name])
                    b.wait(lambda: b.js('return window.boxShown !== undefined'), timeout=60)
                    if run > 0:  # the first of each only warms the server and the browser
                        times[name].append(b.js('return [window.boxOpen, window.boxShown]'))
            after = load_average()
    finally:
        shutil.rmtree(folder, ignore_errors=True)
    print('navigation to the welcome box, ms; %d runs each, alternating' % runs)
    print('load average before: %s, after: %s' % (before, after))
    medians = {}
    for name in ('game', 'bare'):
        opened = [t[0] for t in times[name]]
        shown = [t[1] for t in times[name]]
        medians[name] = statistics.median(shown)
        print('%-5s open: median %7.1f (%.1f to %.1f)   drawn: median %7.1f (%.1f to %.1f)'
              % (name, statistics.median(opened), min(opened), max(opened),
                 medians[name], min(shown), max(shown)))
    print('game / bare, drawn: %.2f' % (medians['game'] / medians['bare']))


def main():
    parser = argparse.ArgumentParser(description='The web page: size and start-up.')
    parser.add_argument('what', choices=('size', 'startup'))
    parser.add_argument('--site', default=os.path.join(ROOT, 'build-web', 'web', 'site'))
    parser.add_argument('--runs', type=int, default=15)
    parser.add_argument('--quick', action='store_true', help='one run, to prove it runs')
    parser.add_argument('--artifacts', default=None, help='where the browser leaves its log')
    args = parser.parse_args()
    if not os.path.isfile(os.path.join(args.site, 'index.html')):
        sys.exit('web.py: no built page in %s (tools/make-web.sh builds it)' % args.site)
    artifacts = args.artifacts or tempfile.mkdtemp(prefix='trelavka-bench-')
    harness.end_on_signals()
    try:
        if args.what == 'size':
            size(args.site, artifacts)
        else:
            startup(args.site, artifacts, 1 if args.quick else args.runs)
    finally:
        if args.artifacts is None:
            shutil.rmtree(artifacts, ignore_errors=True)


if __name__ == '__main__':
    main()
