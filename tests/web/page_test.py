#!/usr/bin/python3

# SPDX-FileCopyrightText: 2026 Tým Trelavka
#
# SPDX-License-Identifier: GPL-3.0-or-later

"""The page in a real headless Chromium: it loads from the root and from a
sub-path, the welcome box, the window's controls at the layout's places and
its pictures to the pixel, buying from the menus by mouse and by keyboard, the
box keeping out every other event, and the accessibility tree. After every
test the browser's console must be empty.

    page_test.py SITE TABLES ARTIFACTS [TEST...]

TABLES is the program that prints the tables the page is built from.
"""
import contextlib
import os
import shutil
import sys
import tempfile
import time
import unittest

from selenium.webdriver.common.action_chains import ActionChains
from selenium.webdriver.common.by import By
from selenium.webdriver.common.keys import Keys

import harness

SITE = TABLES = ARTIFACTS = None
# The server and the browser: ended when the run ends, however it ends (an
# interrupted run skips tearDownClass).
RUNNING = contextlib.ExitStack()
SUB_PATH = '/hry/trelavka/'
FACE = (239, 239, 239)  # the window's ground, behind a picture smaller than its box

# The journey every front end plays: its menu items, boxes and counters.
STEP = harness.journey()
WELCOME, HELP = STEP['welcome'].box, STEP['help'].box
ESTATE = STEP['estate'].menu[1]
SHOP = 'Obchod          700 000,-Kč'

# What a new game shows: the landscape, two houses and the three red banners,
# and every other control but these.
START_PICTURES = {'Picture1', 'Picture6', 'Picture7', 'Picture16', 'Picture17', 'Picture18'}
START_HIDDEN = {'Command1', 'Command3', 'Label5', 'Label6'}
# The map's animations show and hide these on their own, from the page's
# first moment on (the first after 6 s): a slow machine may catch one.
ANIMATED = {'Picture6', 'Picture8', 'Picture9', 'Picture13', 'Picture14', 'Picture15',
            'Picture22', 'Picture23', 'Picture25', 'Picture27', 'Picture28', 'Picture31'}
DAY_MS = 2800


class Page(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.tables = harness.tables(TABLES)
        cls.size, cls.rows = tuple(cls.tables.client[2:]), cls.tables.controls
        cls.places = harness.client_places(cls.size, cls.rows)
        cls.server = RUNNING.enter_context(harness.site_server(SITE, ['/', SUB_PATH]))
        cls.browser = RUNNING.enter_context(harness.Browser(ARTIFACTS))

    def setUp(self):
        self.b = self.browser
        self.b.console()  # what an earlier test left is that test's failure

    def tearDown(self):
        self.assertEqual(self.b.console(), [], 'the console must stay empty')

    # -- the player's means ------------------------------------------------

    def load(self, path='/'):
        self.b.driver.get(self.server.url(path))
        self.b.wait(self.b.box_open)

    def start(self, path='/'):
        self.load(path)
        self.b.answer()

    # -- checks ------------------------------------------------------------

    def shown_pictures(self):
        return set(self.b.js('return Array.from(document.querySelectorAll("#client .picture"))'
                             '.filter(function(p) { return !p.hidden; })'
                             '.map(function(p) { return p.id; });'))

    def picture_shot(self, name, shown):
        """A screenshot with the pictures the page shows, which must be
        `shown` but for the animated ones; retaken if an animation moved."""
        self.b.wait(lambda: self.b.js('return Array.from(document.images).every(function(i) {'
                                      '  return i.complete && i.naturalWidth > 0; })'))
        while True:
            before = self.shown_pictures()
            shot = self.b.screenshot(name)
            if self.shown_pictures() == before:
                break
        self.assertEqual(before - ANIMATED, shown - ANIMATED)
        return shot, before

    def check_pictures(self, shot_and_shown):
        """Every pixel of the client area that a shown picture owns is that
        picture's own pixel, painted as the layout table stacks them."""
        shot, shown = shot_and_shown
        width, height = self.size
        client = self.b.js('var r = document.getElementById("client").getBoundingClientRect();'
                           'return [r.left, r.top];')
        self.assertEqual(client, [round(c) for c in client], 'the client area lies on whole pixels')
        want = {}
        for row in self.rows:
            (x, y, _, _), (left, top, right, bottom) = self.places[row.name]
            if row.kind == 'Picture' and row.name not in shown or row.name in START_HIDDEN:
                continue
            if row.kind != 'Picture':
                for py in range(top, bottom):
                    for px in range(left, right):
                        want.pop((px, py), None)
                continue
            iw, ih, pixels = harness.rgb(os.path.join(harness.ROOT, 'assets', 'images', row.image))
            for py in range(top, bottom):
                for px in range(left, right):
                    ix, iy = px - x, py - y
                    at = 3 * (iy * iw + ix)
                    want[(px, py)] = tuple(pixels[at:at + 3]) if ix < iw and iy < ih else FACE
        sw, _, got = shot
        wrong = []
        for (px, py), colour in want.items():
            at = 3 * ((client[1] + py) * sw + client[0] + px)
            if tuple(got[at:at + 3]) != colour:
                wrong.append((px, py, colour, tuple(got[at:at + 3])))
        self.assertGreater(len(want), width * 300)
        self.assertEqual(wrong[:5], [], '%d pixels differ from the pictures' % len(wrong))

    # -- tests -------------------------------------------------------------

    def test_welcome_box_from_the_root_and_a_sub_path(self):
        for path, how in (('/', 'click'), (SUB_PATH, Keys.ENTER), (SUB_PATH, Keys.SPACE)):
            with self.subTest(path=path, how=how):
                self.load(path)
                self.b.expect_box(WELCOME)
                self.b.screenshot('welcome')
                # Before the window: it appears once the box is answered.
                self.assertFalse(self.b.visible('client'))
                # In the game's own face, both weights, from the first box on.
                self.assertEqual(self.b.js('''
                    return Array.from(document.fonts).filter(function(face) {
                      return face.family.indexOf('Trelavka Sans') >= 0;
                    }).map(function(face) { return face.weight + ' ' + face.status; }).sort();'''),
                    ['bold loaded', 'normal loaded'])
                # No "MS Sans Serif" here: the page chose the bundled face.
                self.assertEqual(self.b.js('return getComputedStyle(document.querySelector('
                                           '"#box .box-text")).fontFamily'),
                                 '"Trelavka Sans", sans-serif')
                self.assertTrue(self.b.js('return document.activeElement.matches("#box .box-ok")'))
                self.assertEqual(self.b.js('return document.getElementById("box").getAttribute("role")'),
                                 'alertdialog')
                self.b.answer(how)
                self.assertTrue(self.b.visible('client'))

    def test_every_control_at_its_place_and_the_pictures_to_the_pixel(self):
        self.start()
        shot = self.picture_shot('window', START_PICTURES)
        origin = self.b.js('var r = document.getElementById("client").getBoundingClientRect();'
                           'return [r.left, r.top, r.width, r.height];')
        self.assertEqual(origin[2:], list(self.size))
        for row in self.rows:
            with self.subTest(control=row.name):
                hidden = self.b.js('return document.getElementById(arguments[0]).hidden', row.name)
                if row.kind == 'Picture':
                    if row.name not in ANIMATED:
                        self.assertEqual(not hidden, row.name in START_PICTURES)
                else:
                    self.assertEqual(hidden, row.name in START_HIDDEN)
        # Every control at its place, the hidden ones too once shown.
        self.b.js('var all = document.createElement("style"); all.id = "all";'
                  'all.textContent = "#client [hidden] { display: block !important; }";'
                  'document.head.appendChild(all);')
        self.b.screenshot('every-control')
        for row in self.rows:
            with self.subTest(control=row.name):
                (x, y, w, h), _ = self.places[row.name]
                box = self.b.js('var e = document.getElementById(arguments[0]);'
                                'var r = e.getBoundingClientRect();'
                                'return [r.left, r.top, r.width, r.height, e.tagName];', row.name)
                self.assertEqual(box[:4], [origin[0] + x, origin[1] + y, w, h])
                self.assertEqual(box[4], {'Caption': 'DIV', 'Result': 'DIV', 'Counter': 'INPUT',
                                          'Button': 'BUTTON', 'Picture': 'DIV'}[row.kind])
        self.b.js('document.getElementById("all").remove()')
        self.check_pictures(shot)
        # Stacking: within a container a later row lies above an earlier one.
        self.assertEqual(self.b.js('''
            var r = document.getElementById('Picture7').getBoundingClientRect();
            return document.elementFromPoint(r.left + 5, r.top + 5).closest('.picture').id;'''),
            'Picture7')
        self.assertEqual(self.b.js('return document.getElementById("Picture18").title'),
                         'Přidává 5 k popularitě a každý měsíc 5 000 do městské pokladny')
        self.assertEqual(self.b.js('return document.getElementById("Text1").title'), 'Tvoje money')
        # The counters ignore clicks and typing, and take no focus.
        counter = self.b.driver.find_element(By.ID, 'Text2')
        ActionChains(self.b.driver).click(counter).send_keys('9', Keys.BACKSPACE).perform()
        self.assertEqual(self.b.value('Text2'), '300')
        self.assertFalse(self.b.js('return document.activeElement === arguments[0]', counter))

    def test_buying_by_mouse_and_by_keyboard(self):
        self.start(SUB_PATH)
        self.b.play(STEP['market'])
        # A box keeps out every other event: straight into the page's entry
        # points past it, a purchase, a second box and "Start hry" do nothing.
        self.b.choose(*STEP['help'].menu)
        self.b.expect_box(HELP)
        self.b.js('''
            var row = function(caption) {
              return Number(document.querySelector('[role=menuitem][aria-label="' + caption + '"]')
                            .dataset.row);
            };
            Module._web_choose(row(arguments[0]));
            Module._web_choose(row('Help'));
            Module._web_press(1);''', ESTATE)
        self.assertEqual(self.b.box(), HELP)
        self.b.answer(Keys.SPACE)
        # After the box, only what a player can reach: the hidden time-step button is not pressed.
        self.b.js('Module._web_press(0);')
        self.assertTrue(self.b.visible('Command2'))
        self.b.play(STEP['market'])  # nothing changed: the market's row holds still
        self.b.play(STEP['estate'])
        self.assertFalse(self.b.menu_item(ESTATE).is_displayed(), 'the menu closes on a choice')
        self.check_pictures(self.picture_shot('estate', START_PICTURES | {'Picture10'}))
        self.b.play(STEP['hypermarket'], Keys.ENTER)

        # The keyboard alone: F10 to the menu bar, over to "Stavby", down into it.
        self.start()
        actions = ActionChains(self.b.driver)
        for key in (Keys.F10, Keys.ARROW_RIGHT, Keys.ARROW_DOWN):
            actions.send_keys(key)
        actions.perform()
        self.assertEqual(self.b.js('return document.activeElement.getAttribute("aria-label")'), SHOP)
        self.b.screenshot('menu-keyboard')
        ActionChains(self.b.driver).send_keys(Keys.ENTER).perform()
        self.b.wait(lambda: self.b.visible('Picture5'))
        self.assertEqual(self.b.value('Text1'), '1800000')
        # Submenus by keyboard: down to "Civilní stavby", right into it, Escape out of both.
        ActionChains(self.b.driver).send_keys(Keys.F10, Keys.ARROW_RIGHT, Keys.ARROW_DOWN,
                                              Keys.ARROW_DOWN, Keys.ARROW_DOWN, Keys.ARROW_DOWN,
                                              Keys.ARROW_RIGHT).perform()
        self.assertEqual(self.b.js('return document.activeElement.getAttribute("aria-label")'),
                         'Policie         1 050 000,-Kč')
        ActionChains(self.b.driver).send_keys(Keys.ESCAPE, Keys.ESCAPE).perform()
        self.assertEqual(self.b.js('return document.querySelectorAll(".menu:not([hidden])").length'), 0)
        self.assertEqual(self.b.value('Text1'), '1800000')
        # A box chosen with Space stays open: the key's release is not its answer.
        ActionChains(self.b.driver).send_keys(Keys.F10, Keys.ARROW_LEFT, Keys.ARROW_DOWN,
                                              Keys.SPACE).perform()
        self.b.expect_box(HELP)
        self.b.answer(Keys.ENTER)

    def now_and_day(self):
        now, day = self.b.js('return [performance.now(), document.getElementById("Text4").value]')
        return now, int(day)

    def days_until(self, day, started, first, timeout=20):
        """Watches the day counter, which showed `first` at `started`, until
        it shows `day`: never a day before its deadline."""
        def reached():
            now, shown = self.now_and_day()
            self.assertLessEqual(shown - first, (now - started) // DAY_MS, 'a day came early')
            return shown >= day
        self.b.wait(reached, timeout)

    def press_keys(self, *keys):
        ActionChains(self.b.driver).send_keys(*keys).perform()

    def ctrl(self, key):
        ActionChains(self.b.driver).key_down(Keys.CONTROL).send_keys(key).key_up(Keys.CONTROL).perform()

    def focused(self):
        return self.b.js('return document.activeElement.id || document.activeElement.className')

    def space_shows(self, shown):
        """Space on the focused button; (before, after) on the page's clock.
        The button shown in its place takes the keyboard."""
        before = self.now_and_day()[0]
        self.press_keys(Keys.SPACE)
        after = self.now_and_day()[0]
        self.b.wait(lambda: self.b.visible(shown))
        self.assertEqual(self.focused(), shown)
        return before, after

    def test_the_clock_keeps_its_days_and_the_keyboard_follows_the_buttons(self):
        # The map comes alive behind the welcome box: the first animation,
        # 6 s after the game began, and not before.
        self.load()
        self.b.wait(lambda: not self.b.js('return document.getElementById("Picture8").hidden'), 15)
        self.assertGreaterEqual(self.now_and_day()[0], 6000)
        self.assertIsNotNone(self.b.box())
        self.b.answer()
        self.assertEqual(self.now_and_day()[1], 1, 'no day before "Start hry"')
        # Tab past the menu bar to "Start hry", Space: the days fall on their deadlines.
        self.press_keys(Keys.TAB, Keys.TAB)
        self.assertEqual(self.focused(), 'Command2')
        before, after = self.space_shows('Command3')
        self.days_until(3, before, 1)
        # A box holds the game's days; the one that fell due comes after it, once.
        while (self.now_and_day()[0] - after) % DAY_MS > 800:
            time.sleep(0.05)
        opened, day = self.now_and_day()
        self.b.choose(*STEP['help'].menu)
        self.b.expect_box(HELP)
        while self.now_and_day()[0] < opened + 2 * DAY_MS:
            time.sleep(0.1)
        self.assertEqual(self.now_and_day()[1], day)
        self.b.answer()
        self.b.wait(lambda: self.now_and_day()[1] == day + 1, 2)
        self.assertEqual(self.now_and_day()[1], day + 1, 'the kept days come as one')
        # The focus elsewhere (the menu bar): a click on "Pauza" takes it, and stops the days.
        self.press_keys(Keys.F10)
        self.b.driver.find_element(By.ID, 'Command3').click()
        self.b.wait(lambda: self.b.visible('Command2'))
        self.assertEqual(self.focused(), 'Command2', 'a click focuses the button it presses')
        paused = self.now_and_day()[1]
        time.sleep(DAY_MS / 1000 + 0.5)
        self.assertEqual(self.now_and_day()[1], paused)
        # "Start hry" counts afresh from its press; Space on "Pauza" hands back.
        before, _ = self.space_shows('Command3')
        self.days_until(paused + 1, before, paused)
        self.space_shows('Command2')
        self.assertFalse(self.b.visible('Command3'))

    def watch_keys(self):
        """Each key's last word: [key, whether the page took it from the browser]."""
        self.b.js('window.lastKey = null; window.addEventListener("keydown", function(e) {'
                  '  window.lastKey = [e.key, e.defaultPrevented]; });')

    def test_konec_and_ctrl_k_end_the_game_and_a_new_one_begins(self):
        # Ctrl+K is the game's: during a box it does nothing, not even the browser's.
        self.load()
        self.watch_keys()
        self.ctrl('k')
        self.assertEqual(self.b.js('return window.lastKey'), ['k', True])
        self.assertEqual(self.b.box(), WELCOME)
        self.b.answer()
        self.b.choose('Stavby', ESTATE)
        for how in ('menu', 'keys'):
            with self.subTest(how=how):
                if how == 'keys':
                    self.b.driver.find_element(By.ID, 'new-game').click()
                    self.b.expect_box(WELCOME)
                    self.b.answer()
                    self.watch_keys()
                    self.assertEqual({n: self.b.value(n) for n in STEP['welcome'].counters},
                                     STEP['welcome'].counters, 'a new game, not the old one')
                # The clock running and the about window open: all of it goes.
                self.b.driver.find_element(By.ID, 'Command2').click()
                if how == 'menu':  # a day gone, for the new game to start afresh from
                    self.b.wait(lambda: self.now_and_day()[1] == 2, 5)
                self.b.choose('Nápověda', 'O Trelavka')
                self.b.wait(self.about_open)
                if how == 'menu':
                    self.b.choose('Soubor', 'Konec')
                else:
                    self.ctrl('k')
                self.b.wait(lambda: self.b.visible('ended'))
                self.b.screenshot('ended-' + how)
                self.assertFalse(self.b.visible('client'))
                self.assertFalse(self.about_open())
                self.assertEqual(self.focused(), 'new-game')
                self.assertEqual(self.b.js('return window.pendingTimeouts()'), 0,
                                 'every timer stops')
                # Ctrl+K is the browser's again.
                self.b.js('window.lastKey = null;')
                self.ctrl('k')
                self.assertEqual(self.b.js('return window.lastKey'), ['k', False])

    def about_open(self):
        return self.b.js('return !!document.getElementById("about")')

    def about_point(self, name, dx=0, dy=0):
        """A real click's way to a point of an about control, from its top-left."""
        element = self.b.driver.find_element(By.ID, 'about-' + name)
        size = element.size
        return element, dx - size['width'] // 2, dy - size['height'] // 2

    def click_about(self, name, dx=2, dy=2, release_on=None):
        element, x, y = self.about_point(name, dx, dy)
        actions = ActionChains(self.b.driver).move_to_element_with_offset(element, x, y).click_and_hold()
        if release_on:
            other, x, y = self.about_point(release_on, 2, 2)
            actions.move_to_element_with_offset(other, x, y)
        actions.release().perform()

    def test_the_about_window(self):
        self.start()
        self.b.choose('Nápověda', 'O Trelavka')
        self.b.wait(self.about_open)
        self.b.wait(lambda: self.b.js('var logo = document.querySelector("#about img");'
                                      'return logo.complete && logo.naturalWidth > 0;'))
        shot = self.b.screenshot('about')
        self.assertEqual(self.b.js('return document.getElementById("about-title").textContent'),
                         self.tables.about.title)
        # Its controls at the table's places, the window whole in the page, centred.
        client = self.b.js('var r = document.querySelector("#about .about-client")'
                           '.getBoundingClientRect(); return [r.left, r.top, r.width, r.height];')
        self.assertEqual(client[2:], self.tables.about.client[2:])
        for row in self.tables.about.controls:
            with self.subTest(control=row.name):
                box = self.b.js('var r = document.getElementById(arguments[0]).getBoundingClientRect();'
                                'return [r.left, r.top, r.width, r.height];', 'about-' + row.name)
                x, y, w, h = row.place
                self.assertEqual(box, [client[0] + x, client[1] + y, w, h])
                cursor = self.b.js('return getComputedStyle(document.getElementById(arguments[0]))'
                                   '.cursor', 'about-' + row.name)
                self.assertEqual(cursor == 'crosshair', row.crosshair)
        frame = self.b.js('var r = document.getElementById("about").getBoundingClientRect();'
                          'return [r.left, r.top, r.right, r.bottom, innerWidth, innerHeight];')
        self.assertLessEqual(abs(frame[0] - (frame[4] - frame[2])), 1)
        self.assertLessEqual(abs(frame[1] - (frame[5] - frame[3])), 1)
        # The logo to the pixel, clipped by the window.
        iw, ih, pixels = harness.rgb(os.path.join(harness.ROOT, 'assets', 'images', 'logo.jpg'))
        sw, _, got = shot
        logo = self.tables.about.controls[0]
        wrong = 0
        for py in range(0, min(ih, logo.place[3]), 7):
            for px in range(0, min(iw, self.tables.about.client[2]), 7):
                at = 3 * ((client[1] + py) * sw + client[0] + px)
                if tuple(got[at:at + 3]) != tuple(pixels[3 * (py * iw + px):3 * (py * iw + px) + 3]):
                    wrong += 1
        self.assertEqual(wrong, 0, 'the logo unscaled and unblurred')
        # A second "O Trelavka": the same window, to the front, the keyboard on it.
        self.press_keys(Keys.ESCAPE)
        self.b.driver.find_element(By.ID, 'Command2').click()
        self.b.choose('Nápověda', 'O Trelavka')
        self.assertEqual(self.b.js('return document.querySelectorAll("#about").length'), 1)
        self.assertEqual(self.b.js('return document.activeElement.className'), 'close-box')
        # The address: a new tab that learns nothing of the page; the window stays.
        self.b.js('window.opened = []; window.open = function() {'
                  '  window.opened.push(Array.from(arguments)); return null; };')
        self.click_about('Label5')
        self.assertEqual(self.b.js('return window.opened'),
                         [['http://www.example.org', '_blank', 'noopener,noreferrer']])
        self.assertTrue(self.about_open())
        # A press on the logo released elsewhere is no click; a click on it closes.
        self.click_about('Picture1', release_on='Label1')
        self.assertTrue(self.about_open())
        self.click_about('Picture1')
        self.b.wait(lambda: not self.about_open())
        # The bare surface, the close box, and Space on the close box.
        for how in ('surface', 'close box', 'space'):
            with self.subTest(how=how):
                self.b.choose('Nápověda', 'O Trelavka')
                self.b.wait(self.about_open)
                if how == 'surface':
                    self.click_about('Label1', dx=-20, dy=2)
                elif how == 'close box':
                    self.b.driver.find_element(By.CSS_SELECTOR, '#about .close-box').click()
                else:
                    self.press_keys(Keys.SPACE)
                self.b.wait(lambda: not self.about_open())
        self.assertEqual(self.b.js('return window.opened.length'), 1)
        # The accessibility tree: a dialog named by its title, the logo by its maker.
        self.b.choose('Nápověda', 'O Trelavka')
        self.b.wait(self.about_open)
        nodes = self.b.ax_nodes()
        self.assertIn(('dialog', 'O Trelavka', None), nodes)
        self.assertIn(('image', 'Tým Trelavka', None), nodes)
        self.assertIn(('button', 'Zavřít', None), nodes)

    def test_a_page_that_cannot_load_says_so(self):
        for missing in ('trelavka.wasm', 'trelavka.js'):
            with self.subTest(missing=missing), tempfile.TemporaryDirectory() as broken:
                site = os.path.join(broken, 'site')
                shutil.copytree(SITE, site)
                os.remove(os.path.join(site, missing))
                with harness.site_server(site, ['/']) as server:
                    self.b.driver.get(server.url())
                    self.b.wait(lambda: self.b.visible('failed'))
                    self.b.screenshot('without-' + missing)
                self.assertFalse(self.b.visible('client'))
                self.assertTrue(self.b.console(), 'the browser tells the missing file')

    def test_the_accessibility_tree_names_the_controls(self):
        self.start()
        self.b.choose('Stavby')
        nodes = self.b.ax_nodes()
        for caption, value in zip(('Peníze', 'Obyvatelstvo', 'Popularita', 'Den'),
                                  STEP['welcome'].counters.values()):
            self.assertIn(('textbox', caption, value), nodes)
        self.assertIn(('button', 'Start hry', None), nodes)
        self.assertNotIn(('button', 'Pauza', None), nodes)
        # Each picture shown, by what it shows: a building by its menu caption
        # without the price, the map, a house.
        images = [name for role, name, _ in nodes if role == 'image']
        shown = self.shown_pictures()
        for row in self.rows:
            if row.kind == 'Picture' and row.name in shown:
                self.assertIn(row.accessible, images, row.name)
        self.assertEqual(len(images), len(shown))
        for name in ('Mapa města', 'Dům', 'Kanalizace'):
            self.assertIn(name, images)
        self.assertIn(('menubar', 'Trelavka', None), nodes)
        # A name is read out with its blanks collapsed; on the screen they stay.
        items = [name for role, name, _ in nodes if role == 'menuitem']
        for caption in ('Soubor', 'Stavby', 'Ostatní', 'Nápověda', SHOP,
                        STEP['hypermarket'].menu[1], ESTATE, 'Civilní stavby'):
            self.assertIn(' '.join(caption.split()), items)
            self.assertEqual(self.b.js('return arguments[0].querySelector(".caption").innerText',
                                       self.b.menu_item(caption)), caption)
        self.assertNotIn('Policie 1 050 000,-Kč', items, 'a closed submenu is not there')
        ActionChains(self.b.driver).send_keys(Keys.ESCAPE).perform()
        self.b.choose(*STEP['help'].menu)
        self.b.expect_box(HELP)
        self.assertIn(('alertdialog', 'Nápověda'), [n[:2] for n in self.b.ax_nodes()])
        self.b.answer()


class Phone(unittest.TestCase):
    """The page on a phone held upright: the whole window scaled down to
    fit, crisp, and played by taps."""

    @classmethod
    def setUpClass(cls):
        cls.server = RUNNING.enter_context(harness.site_server(SITE, ['/']))
        cls.browser = RUNNING.enter_context(
            harness.Browser(os.path.join(ARTIFACTS, 'phone'), phone=(390, 844, 3)))

    def tearDown(self):
        self.assertEqual(self.browser.console(), [], 'the console must stay empty')

    def test_the_whole_window_fits_and_a_tap_on_a_menu_buys(self):
        b = self.browser
        b.driver.get(self.server.url())
        b.wait(b.box_open)
        b.screenshot('welcome')
        b.tap(b.driver.find_element(By.CSS_SELECTOR, '#box .box-ok'))
        b.wait(lambda: b.js('return !document.getElementById("game").hidden'))
        frame = b.js('var r = document.getElementById("game").getBoundingClientRect();'
                     'return [r.left, r.top, r.right, r.bottom, innerWidth, innerHeight];')
        self.assertEqual(frame[4:], [390, 844])
        self.assertGreaterEqual(min(frame[:2]), 0)
        self.assertLessEqual(frame[2], 390.5, 'the window overhangs the screen')
        self.assertLessEqual(frame[3], 844)
        self.assertGreater(frame[2] - frame[0], 385, 'the window is not as wide as the screen')
        self.assertEqual(b.js('return getComputedStyle(document.querySelector("#Picture1 img"))'
                              '.imageRendering'), 'pixelated')
        b.screenshot('window')
        b.tap(b.menu_item('Stavby'))
        b.wait(lambda: b.menu_item(ESTATE).is_displayed())
        b.screenshot('menu')
        b.tap(b.menu_item(ESTATE))
        b.wait(lambda: not b.js('return document.getElementById("Picture10").hidden'))
        self.assertEqual(b.value('Text1'), STEP['estate'].counters['Text1'])
        b.screenshot('estate')


def main():
    global SITE, TABLES, ARTIFACTS
    if len(sys.argv) < 4:
        sys.exit(__doc__)
    SITE, TABLES, ARTIFACTS = (os.path.abspath(a) for a in sys.argv[1:4])
    harness.end_on_signals()
    with RUNNING:
        result = unittest.main(argv=sys.argv[:1] + sys.argv[4:], verbosity=2, exit=False).result
    sys.exit(0 if result.wasSuccessful() else 1)


if __name__ == '__main__':
    main()
