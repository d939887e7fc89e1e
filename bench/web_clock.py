#!/usr/bin/python3

# SPDX-FileCopyrightText: 2026 Tým Trelavka
#
# SPDX-License-Identifier: GPL-3.0-or-later

"""The page's clock and idle cost, in headless Chromium on 127.0.0.1: the
welcome box answered, "Start hry" clicked, then SECONDS (60) left alone.
Each day's arrival (the moment the page writes the day counter) against its
deadline, k x 2800 ms after the click was handled; and the CPU time of the
page's renderer process, of the GPU process and of the browser over the
same seconds. --quick: 6 s, to prove it runs. --bare: the same browser on
a still page with one button and no game, for the browser's own share.

    bench/web_clock.py [--quick | SECONDS] [--bare] [SITE]

SITE defaults to build-web/web/site."""

import os
import re
import statistics
import sys
import time

HERE = os.path.dirname(os.path.abspath(__file__))
ROOT = os.path.dirname(HERE)
sys.path.insert(0, os.path.join(ROOT, 'tests', 'web'))
import harness  # noqa: E402

from selenium.webdriver.common.by import By  # noqa: E402

DAY_MS = 2800
# Every write of the day counter, on the page's clock; and the moments
# around the click on "Start hry" (before the button's own handler, after it).
WATCH = '''
(function() {
  window.dayWrites = [];
  var field = Object.getOwnPropertyDescriptor(HTMLInputElement.prototype, 'value');
  Object.defineProperty(HTMLInputElement.prototype, 'value', {
    get: function() { return field.get.call(this); },
    set: function(v) {
      if (this.id === 'Text4') window.dayWrites.push([performance.now(), String(v)]);
      field.set.call(this, v);
    },
  });
  // The clock arms the first day's timeout as it starts: that moment is the
  // schedule's origin (to within the call), a deadline no tick may precede.
  window.started = null;
  var set = window.setTimeout;
  window.setTimeout = function(f, ms) {
    if (window.startClicked && window.started === null && ms === 2800) {
      window.started = performance.now();
    }
    return set.apply(window, arguments);
  };
  window.startClicked = null;
  document.addEventListener('click', function(e) {
    if (e.target.id === 'Command2') window.startClicked = [performance.now(), null];
  }, true);
  document.addEventListener('click', function(e) {
    if (e.target.id === 'Command2') window.startClicked[1] = performance.now();
  });
})();
'''
TICKS = os.sysconf('SC_CLK_TCK')


def parent(pid):
    with open('/proc/%d/stat' % pid) as f:
        return int(f.read().rsplit(')', 1)[1].split()[1])


def processes(root_pid):
    """Chromium's processes under the driver: {pid: kind}."""
    found = {}
    for name in os.listdir('/proc'):
        if not name.isdigit():
            continue
        try:
            # Chromium's children rewrite theirs as one line.
            with open('/proc/%s/cmdline' % name, 'rb') as f:
                line = f.read().replace(b'\0', b' ')
            up = int(name)
            while up > 1 and up != root_pid:
                up = parent(up)
        except OSError:
            continue
        if up != root_pid or b'chromium' not in line or b'chromedriver' in line:
            continue
        kind = re.search(rb'--type=(\S+)', line)
        found[int(name)] = kind.group(1).decode() if kind else 'browser'

    return found


def cpu_seconds(pid):
    with open('/proc/%d/stat' % pid) as f:
        fields = f.read().rsplit(')', 1)[1].split()
    return (int(fields[11]) + int(fields[12])) / TICKS


def idle(b, seconds):
    """Each kind of Chromium process's CPU over the seconds, printed."""
    procs = processes(b.service.process.pid)
    before = {pid: cpu_seconds(pid) for pid in procs}
    wall = time.monotonic()
    time.sleep(seconds)
    used = {pid: cpu_seconds(pid) - before[pid] for pid in procs}
    wall = time.monotonic() - wall
    for kind in sorted(set(procs.values())):
        total = sum(used[pid] for pid, k in procs.items() if k == kind)
        print('CPU %-13s %.3f %% of one core over %.1f s' % (kind, 100 * total / wall, wall))
    return 0


def main():
    seconds, site, bare = 60, os.path.join(ROOT, 'build-web', 'web', 'site'), False
    for a in sys.argv[1:]:
        if a == '--quick':
            seconds = 6
        elif a == '--bare':
            bare = True
        elif a.isdigit():
            seconds = int(a)
        else:
            site = a
    harness.end_on_signals()
    artifacts = os.path.join(os.path.dirname(site), 'bench')
    with harness.site_server(site, ['/']) as server, harness.Browser(artifacts) as b:
        if bare:
            b.driver.get('data:text/html,<button>Start hry</button>')
            return idle(b, seconds)
        b.driver.execute_cdp_cmd('Page.addScriptToEvaluateOnNewDocument', {'source': WATCH})
        b.driver.get(server.url())
        b.wait(lambda: b.js('return !!document.querySelector("#box[open]")'))
        b.driver.find_element(By.CSS_SELECTOR, '#box .box-ok').click()
        b.wait(lambda: b.js('return !document.getElementById("game").hidden'))
        b.driver.find_element(By.ID, 'Command2').click()
        idle(b, seconds)
        clicked, handled = b.js('return window.startClicked')
        started = b.js('return window.started')
        writes = b.js('return window.dayWrites')
        console = b.console()
    days = []
    last = None
    for at, value in writes:
        if value != last and last is not None:
            days.append((int(value) - 1, at))
        last = value
    late = [at - started - k * DAY_MS for k, at in days]
    print('load average at the end: %.2f' % os.getloadavg()[0])
    print('"Start hry": the clock started %.2f ms into its click, which took %.2f ms'
          % (started - clicked, handled - clicked))
    if late:
        order = sorted(late)
        p = lambda q: order[min(len(order) - 1, int(q * len(order)))]
        print('game ticks: %d; lateness: min %.2f, p50 %.2f, '
              'p99 %.2f, max %.2f ms; early: %d' % (len(late), order[0], p(0.5), p(0.99),
                                                    order[-1], sum(1 for x in late if x < 0)))
        if len(late) > 2:
            slope = statistics.linear_regression(range(len(late)), late).slope
            print('drift: first %.2f ms, last %.2f ms late; trend %+.2f ms per 100 ticks'
                  % (late[0], late[-1], 100 * slope))
    else:
        print('no game tick in %d s' % seconds)
    if console:
        print('console: %s' % console)
    return 0 if late and min(late) >= 0 and not console else 1


if __name__ == '__main__':
    sys.exit(main())
