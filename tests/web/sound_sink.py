# SPDX-FileCopyrightText: 2026 Tým Trelavka
#
# SPDX-License-Identifier: GPL-3.0-or-later

"""What the browser plays, heard: a private PulseAudio server with one null
sink, in a scratch folder of its own, and a recorder on that sink's monitor.
The browser finds the server through PULSE_SERVER. Both processes are ended
on every way out."""

import array
import os
import shutil
import signal
import subprocess
import tempfile
import time
import wave

import harness

WINDOW = 0.01    # seconds per measured slice
LOUD = 0.01      # a slice louder than this (RMS, full scale 1) is sound
LAG = 2.5        # the null sink hands over what was played this late, at most


class Unavailable(Exception):
    """No audio server can start here."""


def _end(process):
    if process is None or process.poll() is not None:
        return
    try:
        os.killpg(process.pid, signal.SIGTERM)
        process.wait(timeout=5)
    except subprocess.TimeoutExpired:
        os.killpg(process.pid, signal.SIGKILL)
        process.wait()
    except ProcessLookupError:
        pass


class Sink(harness.Started):
    def __init__(self):
        self.folder = None
        self.server = None
        self.address = None

    def _start(self):
        if shutil.which('pulseaudio') is None or shutil.which('parecord') is None:
            raise Unavailable('pulseaudio or parecord is missing')
        self.folder = tempfile.mkdtemp(prefix='trelavka-sink-')
        socket = os.path.join(self.folder, 'native')
        self.address = 'unix:' + socket
        env = dict(os.environ, HOME=self.folder, XDG_RUNTIME_DIR=self.folder,
                   PULSE_RUNTIME_PATH=self.folder, XDG_CONFIG_HOME=self.folder)
        with open(os.path.join(self.folder, 'server.log'), 'wb') as log:
            self.server = subprocess.Popen(
                ['pulseaudio', '-n', '--daemonize=no', '--exit-idle-time=-1', '--system=false',
                 '--use-pid-file=no',
                 '--load=module-native-protocol-unix auth-anonymous=1 socket=' + socket,
                 '--load=module-null-sink sink_name=out'],
                env=env, stdin=subprocess.DEVNULL, stdout=log, stderr=log,
                start_new_session=True)
        for _ in range(100):
            if self.server.poll() is not None:
                break
            if subprocess.run(['pactl', '--server', self.address, 'info'],
                              capture_output=True).returncode == 0:
                return
            time.sleep(0.1)
        raise Unavailable('the audio server did not start')

    def __exit__(self, *exc):
        _end(self.server)
        if self.folder is not None:
            shutil.rmtree(self.folder, ignore_errors=True)
        return False

    def record(self, name):
        return Recording(self, os.path.join(self.folder, name + '.wav'))


class Recording:
    """What the sink plays from entering to leaving, as a WAV file."""

    def __init__(self, sink, path):
        self.sink = sink
        self.path = path
        self.process = None

    def __enter__(self):
        self.process = subprocess.Popen(
            ['parecord', '--server', self.sink.address, '--device=out.monitor',
             '--file-format=wav', '--channels=1', '--rate=22050', self.path],
            stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
            start_new_session=True)
        time.sleep(0.3)  # the recorder is connected before anything plays
        return self

    def __exit__(self, *exc):
        if self.process is not None and self.process.poll() is None:
            try:
                os.killpg(self.process.pid, signal.SIGINT)  # writes the WAV header whole
                self.process.wait(timeout=5)
            except subprocess.TimeoutExpired:
                pass
        _end(self.process)
        return False

    def heard(self):
        return measure(self.path)[0]

    def loudness(self):
        return measure(self.path)[1]


def measure(path):
    """(the seconds of a 16-bit WAV file that are loud, the RMS of its loud
    slices, full scale 1), slice by slice: a gap a busy machine leaves in the
    middle of a sound does not count."""
    with wave.open(path) as w:
        if w.getsampwidth() != 2:
            raise ValueError('%s: not 16-bit' % path)
        channels, rate = w.getnchannels(), w.getframerate()
        samples = array.array('h', w.readframes(w.getnframes()))
    step = max(1, int(rate * WINDOW)) * channels
    loud = 0
    power = 0.0
    for i in range(0, len(samples) - step + 1, step):
        part = samples[i:i + step]
        square = sum(s * s for s in part) / len(part) / 32768 ** 2
        if square ** 0.5 > LOUD:
            loud += 1
            power += square
    if not loud:
        return 0.0, 0.0
    return loud * step / channels / rate, (power / loud) ** 0.5
