#!/usr/bin/python3

# SPDX-FileCopyrightText: 2026 Tým Trelavka
#
# SPDX-License-Identifier: GPL-3.0-or-later

"""Serves the built page on 127.0.0.1, as any static web host would: at the
root and, to prove the page needs no particular place, under other paths too.

    serve.py SITE [--port N] [--path /sub/path/]

Port 0 (the default) takes a free one. Prints the address to open, then
serves until interrupted.
"""
import argparse
import functools
import http.server
import os
import posixpath
import sys
import threading
import urllib.parse


class Handler(http.server.SimpleHTTPRequestHandler):
    # Types a browser insists on: the module compiles while it downloads only
    # as application/wasm.
    extensions_map = dict(http.server.SimpleHTTPRequestHandler.extensions_map, **{
        '.wasm': 'application/wasm',
        '.woff2': 'font/woff2',
        '.js': 'text/javascript',
        '.dat': 'application/octet-stream',
    })

    def __init__(self, *args, paths, **kwargs):
        self.paths = paths
        super().__init__(*args, **kwargs)

    def translate_path(self, path):
        path = urllib.parse.unquote(urllib.parse.urlsplit(path).path)
        for prefix in self.paths:
            if path.startswith(prefix):
                rest = posixpath.normpath('/' + path[len(prefix):])
                return super().translate_path(rest + ('/' if path.endswith('/') else ''))
        return os.path.join(self.directory, '\0missing')

    def send_head(self):
        # A path outside the served ones, or a folder's address without its
        # slash under a sub-path, is simply not there.
        if not any(self.path.startswith(p) for p in self.paths):
            self.send_error(404)
            return None
        return super().send_head()

    def end_headers(self):
        self.send_header('Cache-Control', 'no-store')
        super().end_headers()

    def log_message(self, *args):
        pass


class SiteServer:
    """The page served from a thread of this process, on a free port."""

    def __init__(self, site, paths=('/',), port=0, handler=Handler):
        # The longest path first: /sub/ must not be read as a folder of /.
        paths = sorted(paths, key=len, reverse=True)
        handler = functools.partial(handler, directory=os.fspath(site), paths=paths)
        self.httpd = http.server.ThreadingHTTPServer(('127.0.0.1', port), handler)
        self.httpd.daemon_threads = True
        self.thread = threading.Thread(target=self.httpd.serve_forever, daemon=True)

    @property
    def port(self):
        return self.httpd.server_address[1]

    def url(self, path='/'):
        return 'http://127.0.0.1:%d%s' % (self.port, path)

    def __enter__(self):
        self.thread.start()
        return self

    def __exit__(self, *exc):
        self.httpd.shutdown()
        self.httpd.server_close()
        self.thread.join()


def main():
    parser = argparse.ArgumentParser(description='Serves the built Trelavka page on 127.0.0.1.')
    parser.add_argument('site', help='the built page (build-web/web/site)')
    parser.add_argument('--port', type=int, default=0, help='0 (default): a free port')
    parser.add_argument('--path', default='/', help='where the page stands (default /)')
    args = parser.parse_args()
    path = '/' + args.path.strip('/') + '/' if args.path.strip('/') else '/'
    if not os.path.isfile(os.path.join(args.site, 'index.html')):
        sys.exit('serve.py: no index.html in %s; build the page first' % args.site)
    try:
        server = SiteServer(args.site, [path], args.port)
    except OSError as e:
        sys.exit('serve.py: cannot serve on 127.0.0.1:%d: %s' % (args.port, e.strerror))
    with server:
        print('Trelavka: %s  (Ctrl+C ends)' % server.url(path), flush=True)
        try:
            threading.Event().wait()
        except KeyboardInterrupt:
            pass


if __name__ == '__main__':
    main()
