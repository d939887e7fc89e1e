# SPDX-FileCopyrightText: 2026 Tým Trelavka
#
# SPDX-License-Identifier: GPL-3.0-or-later

"""What the page's browser tests stand on: the built page served on a free
port of 127.0.0.1, a headless Chromium with its driver, the tables as the
compiled program holds them, and pictures as pixels. Every process started here is ended
on every way out: an exception, a failed test, SIGTERM, SIGHUP or Ctrl+C."""

import json
import os
import shutil
import signal
import subprocess
import sys
import tempfile
import time
import types

from selenium import webdriver
from selenium.webdriver.chrome.service import Service
from selenium.webdriver.common.by import By
from selenium.webdriver.support.ui import WebDriverWait

ROOT = os.path.abspath(os.path.join(os.path.dirname(__file__), '..', '..'))
sys.path.insert(0, os.path.join(ROOT, 'web'))
import serve  # noqa: E402  (the page's own server)

CHROMIUM = '/usr/bin/chromium'
CHROMEDRIVER = '/usr/bin/chromedriver'
NODE = '/usr/bin/node'
ENDING_SIGNALS = {signal.SIGINT, signal.SIGTERM, signal.SIGHUP}


# Every page keeps count of its pending timeouts, for tests that must see
# the game's clock stop.
PENDING = '''
(function() {
  var pending = new Set(), set = window.setTimeout, clear = window.clearTimeout;
  window.setTimeout = function(f, delay) {
    var args = Array.prototype.slice.call(arguments, 2);
    var id = set.call(window, function() { pending.delete(id); f.apply(this, args); }, delay);
    pending.add(id);
    return id;
  };
  window.clearTimeout = function(id) { pending.delete(id); return clear.call(window, id); };
  window.pendingTimeouts = function() { return pending.size; };
})();
'''


class SlowFonts(serve.Handler):
    """A slow line: the fonts arrive last, well after the module."""

    def send_head(self):
        if self.path.endswith('.woff2'):
            time.sleep(0.5)
        return super().send_head()


def site_server(site, paths):
    return serve.SiteServer(site, paths, handler=SlowFonts)


def end_on_signals():
    """SIGTERM and SIGHUP unwind like Ctrl+C does, so every `with` and
    `finally` runs and ends what it started. Ctrl+C itself is honoured even
    where the shell that started us had it ignored (a background job)."""
    def stop(signum, frame):
        raise KeyboardInterrupt('signal %d' % signum)
    for sig in ENDING_SIGNALS:
        signal.signal(sig, stop)


class Started:
    """Entered by starting (_start); a start that fails half-way ends what it
    had begun, as leaving (__exit__) does."""

    def __enter__(self):
        try:
            self._start()
        except BaseException:
            self.__exit__(None, None, None)
            raise
        return self


class Browser(Started):
    """A headless Chromium on a fresh profile, driven by chromedriver. The
    driver and the browser form a process group of their own, which is
    killed whole at the end whatever the driver managed to close."""

    def __init__(self, artifacts, width=1024, height=768, sound=False, phone=None):
        """phone: (width, height, pixel ratio) of an emulated phone with a
        touch screen, instead of a desktop window."""
        self.artifacts = artifacts
        self.size = (width, height)
        self.sound = sound  # heard on the PulseAudio server PULSE_SERVER names
        self.phone = phone
        self.profile = None
        self.service = None
        self.driver = None

    def _start(self):
        os.makedirs(self.artifacts, exist_ok=True)
        self.profile = tempfile.mkdtemp(prefix='trelavka-chromium-')
        options = webdriver.ChromeOptions()
        options.binary_location = CHROMIUM
        for arg in ('--headless=new', '--user-data-dir=' + self.profile,
                    '--window-size=%d,%d' % self.size, '--force-device-scale-factor=1',
                    '--force-color-profile=srgb', '--hide-scrollbars',
                    '--no-first-run', '--no-default-browser-check', '--disable-extensions',
                    '--disable-background-networking', '--disable-component-update',
                    '--disable-sync', '--disable-default-apps', '--disable-domain-reliability',
                    '--disable-client-side-phishing-detection', '--metrics-recording-only',
                    '--password-store=basic'):
            options.add_argument(arg)
        if not self.sound:
            options.add_argument('--mute-audio')
        if self.phone:
            width, height, ratio = self.phone
            options.add_experimental_option('mobileEmulation', {
                'deviceMetrics': {'width': width, 'height': height, 'pixelRatio': ratio,
                                  'touch': True, 'mobile': True}})
        if os.geteuid() == 0:
            options.add_argument('--no-sandbox')  # Chromium's sandbox refuses root
        options.set_capability('goog:loggingPrefs', {'browser': 'ALL'})
        self.service = Service(CHROMEDRIVER, log_path=os.path.join(self.artifacts, 'chromedriver.log'),
                               popen_kw={'start_new_session': True})
        self.driver = webdriver.Chrome(service=self.service, options=options)
        self.driver.set_page_load_timeout(30)
        self.driver.set_script_timeout(30)
        self.driver.execute_cdp_cmd('Page.addScriptToEvaluateOnNewDocument', {'source': PENDING})

    def __exit__(self, *exc):
        # A second Ctrl+C must not cut the cleaning short.
        held = signal.pthread_sigmask(signal.SIG_BLOCK, ENDING_SIGNALS)
        try:
            self._end()
        finally:
            signal.pthread_sigmask(signal.SIG_SETMASK, held)
        return False

    def _end(self):
        try:
            if self.driver is not None:
                self.driver.quit()
        except Exception:
            pass
        process = getattr(self.service, 'process', None)
        if process is not None:
            try:
                os.killpg(process.pid, signal.SIGKILL)
            except (ProcessLookupError, PermissionError):
                pass
            try:
                process.wait(timeout=10)
            except Exception:
                pass
        if self.profile is not None:
            shutil.rmtree(self.profile, ignore_errors=True)

    def console(self):
        """What the page wrote to the console since the last call."""
        return [entry['message'] for entry in self.driver.get_log('browser')]

    def wait(self, condition, timeout=10):
        return WebDriverWait(self.driver, timeout, poll_frequency=0.05).until(
            lambda driver: condition())

    def js(self, script, *args):
        return self.driver.execute_script(script, *args)

    def screenshot(self, name):
        """The viewport as (width, height, RGB bytes); also kept as NAME.png."""
        path = os.path.join(self.artifacts, name + '.png')
        with open(path, 'wb') as f:
            f.write(self.driver.get_screenshot_as_png())
        return rgb(path)

    def tap(self, element):
        """A finger's tap on the middle of the element, as a touch screen
        gives it (the page sees touch events, then the click they make)."""
        x, y = self.js('var r = arguments[0].getBoundingClientRect();'
                       'return [r.left + r.width / 2, r.top + r.height / 2];', element)
        point = {'x': x, 'y': y}
        self.driver.execute_cdp_cmd('Input.dispatchTouchEvent',
                                    {'type': 'touchStart', 'touchPoints': [point]})
        self.driver.execute_cdp_cmd('Input.dispatchTouchEvent',
                                    {'type': 'touchEnd', 'touchPoints': []})

    # -- the player's means, shared by the page's tests -------------------

    def box(self):
        """(title, text) of the open box, or None."""
        box = self.js('''
            var box = document.querySelector('#box[open]');
            return box && [box.querySelector('.box-title').textContent,
                           box.querySelector('.box-text').textContent];''')
        return tuple(box) if box else None

    def box_open(self):
        return self.box() is not None

    def expect_box(self, title_text):
        self.wait(self.box_open)
        assert self.box() == title_text, self.box()

    def answer(self, how='click'):
        """Answers the open box by a click on its OK, or by a key."""
        self.wait(self.box_open)
        if how == 'click':
            self.driver.find_element(By.CSS_SELECTOR, '#box .box-ok').click()
        else:
            self.driver.switch_to.active_element.send_keys(how)
        self.wait(lambda: not self.box_open())

    def value(self, name):
        return self.js('return document.getElementById(arguments[0]).value', name)

    def visible(self, name):
        return self.js('return document.getElementById(arguments[0]).offsetParent !== null', name)

    def menu_item(self, caption):
        quoted = 'concat("%s", "")' % caption.replace('"', '", \'"\', "')
        return self.driver.find_element(
            By.XPATH, '//*[@role="menuitem"][@aria-label=%s]' % quoted)

    def choose(self, *captions):
        for caption in captions:
            self.menu_item(caption).click()

    def play(self, step, how='click'):
        """A step of the journey: its menu item chosen, its box answered,
        then the counters and the picture as its row has them."""
        self.choose(*step.menu)
        if step.box:
            self.expect_box(step.box)
            self.screenshot(step.name)
            self.answer(how)
        if step.picture != '-':
            self.wait(lambda: self.visible(step.picture[1:]) == (step.picture[0] == '+'))
        shown = {n: self.value(n) for n in step.counters}
        assert shown == step.counters, (step.name, shown)

    def ax_nodes(self):
        """The page's accessibility tree as (role, name, value) of every node
        that is not ignored."""
        tree = self.driver.execute_cdp_cmd('Accessibility.getFullAXTree', {})
        value = lambda node, key: (node.get(key) or {}).get('value')
        return [(value(n, 'role'), value(n, 'name'), value(n, 'value'))
                for n in tree['nodes'] if not n.get('ignored')]


def rgb(path):
    """An image file's pixels as (width, height, RGB bytes), read by ImageMagick."""
    size = subprocess.run(['identify', '-format', '%w %h', path + '[0]'], check=True,
                          capture_output=True, text=True).stdout.split()
    pixels = subprocess.run(['convert', path + '[0]', '-depth', '8', 'rgb:-'], check=True,
                            capture_output=True).stdout
    return int(size[0]), int(size[1]), pixels


def tables(program):
    """The tables the page is built from, read from the compiled program
    (tests/web/tables.cpp, run under node): the main window's client area
    and rows in stacking order, and the about window's."""
    printed = subprocess.run([NODE, '--no-experimental-fetch', program], check=True,
                             capture_output=True, text=True).stdout
    return json.loads(printed, object_hook=lambda fields: types.SimpleNamespace(**fields))


def journey():
    """The player's first minutes, each front end's (tests/e2e/journey.tsv):
    step name -> its row."""
    steps = {}
    with open(os.path.join(ROOT, 'tests', 'e2e', 'journey.tsv'), encoding='utf-8') as f:
        for line in f:
            if line.strip() and not line.startswith('#'):
                name, _, menu, _, item, title, text, *counters, picture = line.rstrip('\n').split('\t')
                steps[name] = types.SimpleNamespace(
                    name=name, menu=(menu, item), picture=picture,
                    box=(title, text) if title != '-' else None,
                    counters={'Text%d' % i: v for i, v in enumerate(counters, 1) if v != '-'})
    return steps


def client_places(size, rows):
    """Each row's place in the client area, and its visible part as (left,
    top, right, bottom): clipped by every container it lies in and by the
    client area."""
    places = {}
    for row in rows:
        x, y, w, h = row.place
        outer, bounds = ((0, 0), (0, 0) + size)
        if row.container:
            outer, bounds = places[row.container]
        x += outer[0]
        y += outer[1]
        clip = (max(x, bounds[0]), max(y, bounds[1]),
                min(x + w, bounds[2]), min(y + h, bounds[3]))
        places[row.name] = ((x, y, w, h), clip)
    return places
