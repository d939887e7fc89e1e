#!/usr/bin/python3

# SPDX-FileCopyrightText: 2026 Tým Trelavka
#
# SPDX-License-Identifier: GPL-3.0-or-later

"""The page as a static host serves it from a sub-path, and what it asks of
the world: every file it loads (module, pictures, face, sounds) comes from
under that path and arrives whole; nothing goes to another address, not even
the site's root; and after a game played for a while the browser holds no
cookie and no stored data of the page.

    site_test.py SITE ARTIFACTS
"""
import contextlib
import os
import sys
import threading
import time
import unittest

from selenium.webdriver.common.by import By

import harness
import serve

SITE = ARTIFACTS = None
RUNNING = contextlib.ExitStack()
SUB_PATH = '/games/trelavka/'


class Logged(serve.Handler):
    """The page's server, noting every request it answers."""
    lock = threading.Lock()
    answered = []  # (path, status)

    def send_response(self, code, message=None):
        with Logged.lock:
            Logged.answered.append((self.path, code))
        super().send_response(code, message)


class Site(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        # The root is served too, so that a page reaching for it would be answered
        # and seen, not merely fail.
        cls.server = RUNNING.enter_context(
            serve.SiteServer(SITE, ['/', SUB_PATH], handler=Logged))
        cls.b = RUNNING.enter_context(harness.Browser(ARTIFACTS))
        cls.page = cls.server.url(SUB_PATH)

    def tearDown(self):
        self.assertEqual(self.b.console(), [], 'the console must stay empty')

    def test_every_file_arrives_from_under_the_sub_path_and_nothing_is_kept(self):
        self.b.driver.get(self.page)
        self.b.wait(self.b.box_open)
        # The sounds are fetched in the background: both have been answered.
        self.b.wait(lambda: {'about.dat', 'rolling.dat'} <= {
            os.path.basename(p) for p, _ in list(Logged.answered)})
        self.b.screenshot('sub-path-welcome')
        # A short game: the estate bought, the clock started and paused, the
        # help and the about window.
        self.b.answer()
        self.b.play(harness.journey()['estate'])
        self.b.screenshot('sub-path')
        self.b.driver.find_element(By.ID, 'Command2').click()  # Start hry
        time.sleep(3)
        self.b.driver.find_element(By.ID, 'Command3').click()  # Pauza
        self.b.choose('Nápověda', 'Help')
        self.b.answer()
        self.b.choose('Nápověda', 'O Trelavka')
        time.sleep(0.5)

        with Logged.lock:
            answered = list(Logged.answered)
        for path, status in answered:
            self.assertTrue(path.startswith(SUB_PATH), path)
            self.assertEqual(status, 200, path)
        asked = {path[len(SUB_PATH):] for path, _ in answered}
        self.assertLessEqual({'', 'trelavka.js', 'trelavka.wasm', 'style.css', 'data/about.dat',
                              'data/rolling.dat', 'fonts/sans.woff2', 'fonts/sans-bold.woff2'},
                             asked)
        # Every picture of the window has come whole.
        broken = self.b.js('return Array.from(document.images).filter(function(img) {'
                           '  return !img.complete || img.naturalWidth === 0;'
                           '}).map(function(img) { return img.src; });')
        self.assertEqual(broken, [])
        self.assertGreater(self.b.js('return document.images.length'), 20)
        # Everything the page loaded, by its own account, came from its own
        # place; a request to any other host would be listed here too.
        loaded = self.b.js('''
            return performance.getEntriesByType('navigation').concat(
              performance.getEntriesByType('resource')).map(function(e) { return e.name; });''')
        self.assertTrue(loaded)
        for address in loaded:
            self.assertTrue(address.startswith(self.page), address)

        self.assertEqual(self.b.driver.get_cookies(), [])
        self.assertEqual(self.b.js('return document.cookie'), '')
        self.assertEqual(self.b.js('return localStorage.length'), 0)
        self.assertEqual(self.b.js('return sessionStorage.length'), 0)
        stored = self.b.driver.execute_async_script('''
            var done = arguments[arguments.length - 1];
            Promise.all([
              indexedDB.databases(),
              caches.keys(),
              navigator.serviceWorker ? navigator.serviceWorker.getRegistrations() : [],
            ]).then(function(all) {
              done(all.map(function(list) { return list.length; }));
            }, function(error) { done(String(error)); });''')
        self.assertEqual(stored, [0, 0, 0], 'databases, caches, service workers')


def main():
    global SITE, ARTIFACTS
    if len(sys.argv) < 3:
        sys.exit(__doc__)
    SITE, ARTIFACTS = os.path.abspath(sys.argv[1]), os.path.abspath(sys.argv[2])
    harness.end_on_signals()
    with RUNNING:
        result = unittest.main(argv=sys.argv[:1] + sys.argv[3:], verbosity=2, exit=False).result
    sys.exit(0 if result.wasSuccessful() else 1)


if __name__ == '__main__':
    main()
