#!/usr/bin/python3

# SPDX-FileCopyrightText: 2026 Tým Trelavka
#
# SPDX-License-Identifier: GPL-3.0-or-later

"""The page's sound, heard: headless Chromium plays into a private PulseAudio
null sink and a recorder listens. The about window's chime plays whole and as
loud as its file after the player's first click, from a sub-path, from a file
that arrives late, as 8-bit stereo and at the size limit; the welcome box and
a refused purchase are silent, and "Konec" cuts the chime short. Sound files
that are missing, truncated, too large (with and without their length), an
HTML page or another format give silence, the console stays empty and the
game goes on.

    sound_test.py SITE ARTIFACTS [TEST...]

Exits 77 (skipped) only when no audio server can start here.
"""
import array
import contextlib
import os
import shutil
import struct
import sys
import tempfile
import time
import unittest

import harness
import serve
import sound_sink

SITE = ARTIFACTS = SINK = None
RUNNING = contextlib.ExitStack()
SUB_PATH = '/hry/trelavka/'
SOUNDS = ('about.dat', 'rolling.dat')
HELP_TITLE = 'Nápověda'
LIMIT = 16 << 20  # bytes of the largest sound file played
SLOW = 3.0        # seconds a slow line holds back a sound file
ALLOWANCE = 0.25  # seconds the chime heard may differ from the file's own
LEVEL = 0.2       # and its loudness, as a share of the file's


class Line(serve.Handler):
    """The page's server, with a line the test can make slow, or make send
    the sound files without their length, as a streaming server may."""
    delay = 0.0
    no_length = False
    sent = {}  # a sound file's name -> when its answer began (time.monotonic)

    def send_head(self):
        if not self.path.endswith('.dat'):
            return super().send_head()
        time.sleep(Line.delay)
        Line.sent[os.path.basename(self.path)] = time.monotonic()
        if not Line.no_length:
            return super().send_head()
        path = self.translate_path(self.path)
        try:
            f = open(path, 'rb')
        except OSError:
            self.send_error(404)
            return None
        self.send_response(200)
        self.send_header('Content-Type', 'application/octet-stream')
        self.end_headers()
        self.close_connection = True  # the end of the body is the end of the connection
        return f

    def copyfile(self, source, destination):
        try:
            super().copyfile(source, destination)
        except ConnectionError:
            pass  # the page stopped reading a file too large to be a sound


def wav(samples, rate=22050, tag=1, channels=1, bits=16):
    """A RIFF/WAVE file of `samples` (bytes), its format tag `tag`."""
    frame = channels * bits // 8
    fmt = struct.pack('<HHIIHH', tag, channels, rate, rate * frame, frame, bits)
    body = b'WAVE' + b'fmt ' + struct.pack('<I', len(fmt)) + fmt + \
        b'data' + struct.pack('<I', len(samples)) + samples
    return b'RIFF' + struct.pack('<I', len(body)) + body


def pcm_of(data):
    at = data.index(b'data')
    length = struct.unpack('<I', data[at + 4:at + 8])[0]
    return data[at + 8:at + 8 + length]


def eight_bit_stereo(sound):
    """The same sound as unsigned 8-bit samples on two channels."""
    mono = array.array('h', pcm_of(sound))
    return wav(bytes(b for s in mono for b in ((s + 32768) >> 8,) * 2), channels=2, bits=8)


def largest(sound):
    """A loud sound file of exactly the largest size the game plays."""
    loud = pcm_of(sound)
    made = wav((loud * (LIMIT // len(loud) + 1))[:LIMIT - len(wav(b''))])
    assert len(made) == LIMIT
    return made


class Sound(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.sink = SINK
        cls.site = tempfile.mkdtemp(prefix='trelavka-site-')
        RUNNING.callback(shutil.rmtree, cls.site, ignore_errors=True)
        shutil.copytree(SITE, cls.site, dirs_exist_ok=True)
        cls.good = {}
        for name in SOUNDS:
            with open(os.path.join(SITE, 'data', name), 'rb') as f:
                cls.good[name] = f.read()
        # The chime as the recorder would hear it, measured on the file itself.
        cls.chime, cls.level = sound_sink.measure(os.path.join(SITE, 'data', 'about.dat'))
        cls.server = RUNNING.enter_context(
            serve.SiteServer(cls.site, ['/', SUB_PATH], handler=Line))
        cls.browser = RUNNING.enter_context(harness.Browser(ARTIFACTS, sound=True))

    def setUp(self):
        self.b = self.browser
        self.b.console()
        Line.delay, Line.no_length = 0.0, False
        self.lay(dict(self.good))

    def tearDown(self):
        self.b.driver.get('about:blank')  # nothing of this test plays on into the next

    def lay(self, files):
        """Sound files beside the page: name -> bytes, or None for none."""
        for name in files:
            path = os.path.join(self.site, 'data', name)
            if files[name] is None:
                if os.path.exists(path):
                    os.remove(path)
            else:
                with open(path, 'wb') as f:
                    f.write(files[name])

    def play_about(self, name, path='/'):
        """Loads the page, closes the welcome box with a click, asks for the
        about window, waits out the chime and the sink's lag. Returns the
        seconds of sound heard from the load on, and when the window was asked
        for (time.monotonic)."""
        with self.sink.record(name) as recording:
            self.b.driver.get(self.server.url(path))
            self.b.answer()
            self.b.choose('Nápověda', 'O Trelavka')
            asked = time.monotonic()
            time.sleep(self.chime + sound_sink.LAG + Line.delay)
        shutil.copy(recording.path, os.path.join(ARTIFACTS, name + '.wav'))
        self.heard_level = recording.loudness()
        return recording.heard(), asked

    def check_game_goes_on(self):
        self.b.choose('Nápověda', 'Help')
        self.b.wait(self.b.box_open)
        self.assertEqual(self.b.box()[0], HELP_TITLE)
        self.b.answer()

    # -- good files ----------------------------------------------------------

    def test_the_chime_plays_whole_and_nothing_else_does(self):
        with self.sink.record('good') as recording:
            self.b.driver.get(self.server.url(SUB_PATH))
            self.b.answer()  # the welcome box: no sound
            self.b.play(harness.journey()['market'])  # a refused purchase: no sound
            time.sleep(sound_sink.LAG)
            self.b.choose('Nápověda', 'O Trelavka')
            time.sleep(self.chime + sound_sink.LAG)
        shutil.copy(recording.path, os.path.join(ARTIFACTS, 'good.wav'))
        self.assertAlmostEqual(recording.heard(), self.chime, delta=ALLOWANCE)
        self.assertAlmostEqual(recording.loudness(), self.level, delta=self.level * LEVEL)
        self.assertEqual(self.b.console(), [])

    def test_konec_silences_the_chime(self):
        with self.sink.record('konec') as recording:
            self.b.driver.get(self.server.url('/'))
            self.b.answer()
            # Both at once, so that a busy machine cannot let the chime end first.
            self.b.js('''
                function item(caption) {
                  return document.querySelector('[role=menuitem][aria-label="' + caption + '"]');
                }
                item('O Trelavka').click();
                item('Konec').click();''')
            time.sleep(self.chime + sound_sink.LAG)
        self.assertLess(recording.heard(), self.chime / 2)
        self.assertEqual(self.b.console(), [])

    def test_odd_good_files_play(self):
        about = self.good['about.dat']
        for case, data, delay in (('late', about, SLOW),
                                  ('eight-bit-stereo', eight_bit_stereo(about), 0.0),
                                  ('large', largest(about), 0.0)):
            with self.subTest(case):
                Line.delay = delay
                self.lay({'about.dat': data})
                heard, asked = self.play_about(case)
                if case == 'large':  # a long sound plays on past the chime
                    self.assertGreaterEqual(heard, self.chime)
                    self.check_game_goes_on()
                else:
                    self.assertAlmostEqual(heard, self.chime, delta=ALLOWANCE)
                if case == 'late':
                    self.assertLess(asked, Line.sent['about.dat'],
                                    'the chime must be asked for before its file comes')
                if case == 'eight-bit-stereo':
                    self.assertAlmostEqual(self.heard_level, self.level, delta=self.level * LEVEL)
                self.assertEqual(self.b.console(), [])

    # -- hostile files ---------------------------------------------------------

    def test_hostile_files_are_silence(self):
        about = self.good['about.dat']
        loud = pcm_of(about)
        too_big = wav(pcm_of(largest(about)) + b'\0\0')  # one frame too many
        cases = {
            'missing': None,
            'empty': b'',
            'truncated': about[:len(about) // 2],
            'an HTML page': b'<!DOCTYPE html>\n<html><head><title>404</title></head>'
                            b'<body><h1>Str\xc3\xa1nka nenalezena</h1></body></html>\n',
            'another format': wav(loud, tag=3),
            'too large': too_big,
            'too large, no length': too_big,
        }
        for case, data in cases.items():
            with self.subTest(case):
                Line.no_length = case.endswith('no length')
                self.lay({name: data for name in SOUNDS})
                self.b.console()
                heard, _ = self.play_about(case.replace(' ', '-').replace(',', ''))
                self.assertEqual(heard, 0.0)
                self.check_game_goes_on()
                console = self.b.console()
                if data is None:
                    # The browser's own note of each missing file, and nothing of the page's.
                    console = [line for line in console
                               if not ('/data/' in line and 'status of 404' in line)]
                self.assertEqual(console, [])


def main():
    global SITE, ARTIFACTS, SINK
    if len(sys.argv) < 3:
        sys.exit(__doc__)
    SITE, ARTIFACTS = os.path.abspath(sys.argv[1]), os.path.abspath(sys.argv[2])
    os.makedirs(ARTIFACTS, exist_ok=True)
    harness.end_on_signals()
    with RUNNING:
        try:
            SINK = RUNNING.enter_context(sound_sink.Sink())
        except sound_sink.Unavailable as e:
            print('skipped: %s' % e)
            sys.exit(77)
        os.environ['PULSE_SERVER'] = SINK.address  # what the browser plays into
        result = unittest.main(argv=sys.argv[:1] + sys.argv[3:], verbosity=2, exit=False).result
    sys.exit(0 if result.wasSuccessful() else 1)


if __name__ == '__main__':
    main()
