#!/usr/bin/env python3

# SPDX-FileCopyrightText: 2026 Tým Trelavka
#
# SPDX-License-Identifier: GPL-3.0-or-later

"""Mutation check: does the test suite notice small faults in the product code?

Makes mutants of the product sources (an operator flipped, a constant moved by one,
a statement removed, a condition negated, a return value replaced), picks a seeded
sample, and for each one builds incrementally into a folder of its own and runs the
suite, fastest tests first, until the first failure. The source is restored after
every mutant and on every way out; a run cut off by SIGKILL is repaired by the next.

Usage (from the project's root):
  tools/mutate.sh [--seed S] [-n N] [--dirs rules headless qt view] [--list]
"""
import argparse
import json
import os
import random
import re
import shutil
import signal
import subprocess
import sys
import time

ROOT = os.path.abspath(os.path.join(os.path.dirname(__file__), '..'))
DEFAULT_DIRS = ['rules', 'headless', 'qt', 'view']

# Cheapest first: each stage builds only what its tests need, so a mutant the rules
# tests kill never waits for the Qt build. Benchmarks, packaging and the clang
# fuzzer (a build of its own) stay out.
STAGES = [
    ('rules', ['trelavka-rules-tests', 'trelavka-view-tests', 'trelavka-scenario'],
     ['-R', r'^(rules|view|scenario)\.']),
    ('ui', ['trelavka-ui-tests', 'trelavka'], ['-R', r'^ui\.']),
    ('fuzz', ['trelavka-invariants'], ['-R', r'^fuzz\.(invariants|soak)$']),
    ('e2e', ['trelavka', 'trelavka-e2e', 'trelavka-sound-test'], ['-L', '^(e2e|sound)$']),
]
BINARIES = {
    'trelavka-rules-tests': 'tests/rules/trelavka-rules-tests',
    'trelavka-scenario': 'headless/trelavka-scenario',
    'trelavka-view-tests': 'tests/view/trelavka-view-tests',
    'trelavka-ui-tests': 'tests/qt/trelavka-ui-tests',
    'trelavka-invariants': 'tests/fuzz/trelavka-invariants',
    'trelavka': 'qt/trelavka',
    'trelavka-e2e': 'tests/e2e/trelavka-e2e',
    'trelavka-sound-test': 'tests/qt/trelavka-sound-test',
}

# ---------------------------------------------------------------- making mutants

def code_mask(lines):
    """Per line, the text with comments and string/char literals blanked out."""
    out, in_block = [], False
    for line in lines:
        chars, i, n = list(line), 0, len(line)
        while i < n:
            if in_block:
                end = line.find('*/', i)
                stop = n if end < 0 else end + 2
                for k in range(i, stop):
                    chars[k] = ' '
                in_block, i = end < 0, stop
            elif line.startswith('//', i):
                for k in range(i, n):
                    chars[k] = ' '
                break
            elif line.startswith('/*', i):
                in_block = True
            elif line[i] in '"\'':
                quote, k = line[i], i + 1
                while k < n and line[k] != quote:
                    k += 2 if line[k] == '\\' else 1
                for j in range(i + 1, min(k, n)):
                    chars[j] = ' '
                i = k + 1
            else:
                i += 1
        out.append(''.join(chars))
    return out


SWAPS = [  # spaced binary operators only: templates and pointers are written unspaced
    (' == ', ' != '), (' != ', ' == '), (' <= ', ' < '), (' >= ', ' > '),
    (' < ', ' <= '), (' > ', ' >= '), (' + ', ' - '), (' - ', ' + '),
    (' * ', ' / '), (' / ', ' * '), (' += ', ' -= '), (' -= ', ' += '),
    (' && ', ' || '), (' || ', ' && '),
]
NUMBER = re.compile(r'(?<![\w.\'])(\d+)(?![\w.\'])')
BOOL = re.compile(r'\b(true|false)\b')
COND = re.compile(r'\b(if|while)\s*\(')
RETURN = re.compile(r'^(\s*return\s+)(.+?);\s*$')
DECL = re.compile(r'^\s*(const\s+|static\s+|constexpr\s+|auto\s*[&\[]|[\w:]+(<[^;]*>)?[*&]?\s+[*&]?\w+\s*[=({;\[])')
STATEMENT = re.compile(r'^\s*[\w.>\-\[\]()*:]+\s*(\(|=|\+=|-=|\+\+|--|\.|->)')


def matching_paren(code, open_at):
    depth = 0
    for k in range(open_at, len(code)):
        if code[k] == '(':
            depth += 1
        elif code[k] == ')':
            depth -= 1
            if depth == 0:
                return k
    return -1


def mutants_of(path):
    with open(os.path.join(ROOT, path), encoding='utf-8') as f:
        lines = f.read().split('\n')
    masked = code_mask(lines)
    found = []

    def add(no, start, end, new, kind):
        found.append({'file': path, 'line': no + 1, 'start': start, 'end': end,
                      'before': lines[no][start:end], 'after': new, 'kind': kind})

    prev_end = ';'
    for no, code in enumerate(masked):
        stripped = code.strip()
        if not stripped:
            continue
        if stripped.startswith('#') or 'static_assert' in code or 'Q_OBJECT' in code:
            prev_end = '}'
            continue
        for old, new in SWAPS:
            for m in re.finditer(re.escape(old), code):
                # "a - -b" or "x = -1" are unary; "<<"/">>" are never matched by the spaces
                add(no, m.start(), m.end(), new, 'operator')
        for m in NUMBER.finditer(code):
            add(no, m.start(), m.end(), str(int(m.group(1)) + 1), 'constant')
        for m in BOOL.finditer(code):
            add(no, m.start(), m.end(), 'false' if m.group(1) == 'true' else 'true', 'constant')
        for m in COND.finditer(code):
            close = matching_paren(code, m.end() - 1)
            if close > 0:
                inner = lines[no][m.end():close]
                add(no, m.end(), close, '!(' + inner + ')', 'condition')
        ret = RETURN.match(code)
        if ret and ret.group(2).strip() not in ('{}', 'true', 'false', '*this'):
            start = ret.end(1)
            end = start + len(ret.group(2))
            add(no, start, end, '{}', 'return')
        elif (stripped.endswith(';') and prev_end in ';{}:' and STATEMENT.match(code)
              and not DECL.match(code) and not stripped.startswith(('return', 'using', 'case'))):
            indent = len(code) - len(code.lstrip())
            add(no, indent, len(lines[no].rstrip()), ';', 'statement removed')
        prev_end = stripped[-1]
    return found


def all_mutants(dirs):
    files = []
    for d in dirs:
        base = os.path.join(ROOT, d)
        for here, _, names in os.walk(base):
            for name in names:
                if name.endswith(('.cpp', '.h')):
                    files.append(os.path.relpath(os.path.join(here, name), ROOT))
    files.sort()
    return [m for f in files for m in mutants_of(f)]


# ---------------------------------------------------------------- applying and restoring

class Source:
    """Holds at most one mutated file and always puts it back."""

    def __init__(self, build):
        self.record = os.path.join(build, 'mutant-in-place.json')
        self.current = None

    def repair(self):
        # A previous run killed outright leaves its record: put that file back first.
        if os.path.exists(self.record):
            with open(self.record, encoding='utf-8') as f:
                saved = json.load(f)
            self._write(saved['file'], saved['text'])
            os.remove(self.record)
            print(f"restored {saved['file']} left mutated by an interrupted run")

    def apply(self, m):
        path = os.path.join(ROOT, m['file'])
        with open(path, encoding='utf-8') as f:
            text = f.read()
        with open(self.record, 'w', encoding='utf-8') as f:
            json.dump({'file': m['file'], 'text': text}, f)
        self.current = (m['file'], text)
        lines = text.split('\n')
        line = lines[m['line'] - 1]
        lines[m['line'] - 1] = line[:m['start']] + m['after'] + line[m['end']:]
        self._write(m['file'], '\n'.join(lines))

    def restore(self):
        if self.current:
            self._write(*self.current)
            self.current = None
            os.remove(self.record)

    @staticmethod
    def _write(rel, text):
        with open(os.path.join(ROOT, rel), 'w', encoding='utf-8') as f:
            f.write(text)


# ---------------------------------------------------------------- building and testing

def run(cmd, timeout, log):
    start = time.monotonic()
    proc = subprocess.Popen(cmd, cwd=ROOT, stdout=subprocess.PIPE, stderr=subprocess.STDOUT,
                            text=True, errors='replace', start_new_session=True)
    try:
        out, _ = proc.communicate(timeout=timeout)
    except subprocess.TimeoutExpired:
        os.killpg(proc.pid, signal.SIGTERM)
        try:
            out, _ = proc.communicate(timeout=20)
        except subprocess.TimeoutExpired:
            os.killpg(proc.pid, signal.SIGKILL)
            out, _ = proc.communicate()
        log.write(out or '')
        return None, out or '', time.monotonic() - start
    except BaseException:
        os.killpg(proc.pid, signal.SIGKILL)
        proc.wait()
        raise
    log.write(out)
    return proc.returncode, out, time.monotonic() - start


def stamps(build, targets):
    result = {}
    for t in targets:
        p = os.path.join(build, BINARIES[t])
        result[t] = os.stat(p).st_mtime_ns if os.path.exists(p) else None
    return result


FAILED = re.compile(r'Test\s+#\d+:\s+(\S+)\s+\.*\**\s*(Failed|Timeout|Exception|Subprocess)')


def stage(build, jobs, name, targets, select, limit, log, force=False):
    """Returns 'pass', 'unreached', 'nobuild' or the name of the failing test."""
    before = stamps(build, targets)
    code, _, _ = run(['cmake', '--build', build, '-j', str(jobs), '--target', *targets], 1800, log)
    if code != 0:
        return 'nobuild'
    if stamps(build, targets) == before and not force:
        return 'unreached'
    code, out, _ = run(['ctest', '--test-dir', build, '--stop-on-failure', '-j', str(jobs),
                        '--output-on-failure', *select], limit, log)
    if code is None:
        return f'{name} stage timed out'
    if code == 0:
        return 'pass'
    m = FAILED.search(out)
    return m.group(1) if m else f'{name} stage failed'


def main():
    ap = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    ap.add_argument('--seed', type=int, default=1)
    ap.add_argument('-n', type=int, default=40, help='mutants to count (those that build)')
    ap.add_argument('--dirs', nargs='+', default=DEFAULT_DIRS,
                    help='product folders to mutate (win32/ needs the Windows build: not here)')
    ap.add_argument('--build', default='build-mutate')
    ap.add_argument('-j', '--jobs', type=int, default=2)
    ap.add_argument('--list', action='store_true', help='print the sample and stop')
    ap.add_argument('--only', help='run only these mutants of the sample, by number (e.g. 3,17)')
    args = ap.parse_args()

    build = os.path.join(ROOT, args.build)
    os.makedirs(build, exist_ok=True)
    source = Source(build)
    source.repair()

    candidates = all_mutants(args.dirs)
    order = list(range(len(candidates)))
    random.Random(args.seed).shuffle(order)
    print(f'{len(candidates)} possible mutants in {" ".join(args.dirs)}; seed {args.seed}, n {args.n}')
    if args.list:
        for k, i in enumerate(order[:args.n], 1):
            m = candidates[i]
            print(f"#{k} {m['file']}:{m['line']}  {m['before']!r} -> {m['after']!r}  ({m['kind']})")
        return 0

    dirty = subprocess.run(['git', 'status', '--porcelain', '--', *args.dirs], cwd=ROOT,
                           capture_output=True, text=True).stdout
    if dirty:
        print('the product folders have uncommitted changes; commit or stash them first:\n' + dirty)
        return 2

    def on_signal(signum, _frame):
        raise KeyboardInterrupt(f'signal {signum}')
    for s in (signal.SIGINT, signal.SIGTERM, signal.SIGHUP):
        signal.signal(s, on_signal)

    log = open(os.path.join(build, 'mutate.log'), 'w', encoding='utf-8')
    killed = counted = 0
    try:
        print('baseline: configure, build and run the unmutated suite', flush=True)
        run(['cmake', '-S', '.', '-B', build, '-DCMAKE_BUILD_TYPE=RelWithDebInfo',
             '-DCMAKE_CXX_COMPILER_LAUNCHER=ccache', '-DTRELAVKA_BUILD_BENCH=OFF'], 600, log)
        limits = {}
        for name, targets, select in STAGES:
            t0 = time.monotonic()
            result = stage(build, args.jobs, name, targets, select, 3600, log, force=True)
            if result not in ('pass', 'unreached'):
                print(f'the unmutated suite does not pass ({name}: {result}); see {log.name}')
                return 2
            # A mutant that loops forever is caught by the clock, not by waiting an hour.
            limits[name] = 3 * (time.monotonic() - t0) + 60
            print(f'  {name}: {time.monotonic() - t0:.0f} s', flush=True)

        number = {i: k for k, i in enumerate(order, 1)}
        queue = order[:]
        batch, queue = sorted(queue[:args.n]), queue[args.n:]
        if args.only:
            wanted = {order[int(k) - 1] for k in args.only.split(',')}
            batch, queue = [i for i in batch if i in wanted], []
        while batch and counted < args.n:
            i = batch.pop(0)
            m = candidates[i]
            label = f"#{number[i]} {m['file']}:{m['line']}  {m['before'].strip()}  →  {m['after'].strip()}"
            log.write(f'\n===== {label}\n')
            source.apply(m)
            verdict = None
            try:
                reached = False
                for name, targets, select in STAGES:
                    result = stage(build, args.jobs, name, targets, select, limits[name], log)
                    if result == 'nobuild':
                        verdict = 'skipped: does not build'
                        break
                    if result == 'unreached':
                        continue
                    reached = True
                    if result != 'pass':
                        verdict = f'KILLED by {result}'
                        break
                if verdict is None:
                    verdict = 'SURVIVED' if reached else 'skipped: in no test binary'
            finally:
                source.restore()
            if verdict.startswith('skipped'):
                if queue:
                    batch.append(queue.pop(0))
            else:
                counted += 1
                killed += verdict.startswith('KILLED')
            print(f'{label}   {verdict}', flush=True)
    except KeyboardInterrupt as e:
        print(f'interrupted ({e}); source restored')
        return 130
    finally:
        source.restore()
        diff = subprocess.run(['git', 'diff', '--stat', '--', *args.dirs], cwd=ROOT,
                              capture_output=True, text=True).stdout
        if diff:
            print('WARNING: the source still differs from git:\n' + diff)
        log.close()
    print(f'mutation score: {killed} killed of {counted}')
    return 0


if __name__ == '__main__':
    sys.exit(main())
