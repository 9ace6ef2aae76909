"""The web page's speed in headless Chromium, beside the desktop's frames of
the same run: FRAMES frames of each shipped level played at the game's own
pace (the real clock, no input), and the page's download size.

    page_bench.py PAGE_DIR REPO [DESKTOP_BENCH] [FRAMES]

For each level it reports frames per second, the share of frames later than
40 ms after the one before, and the median, 99th percentile and slowest of
the frame's work (the time one frame takes in the page, its drawing onto the
canvas included). DESKTOP_BENCH, when given, is build/bench/gorlak_bench:
its whole-frame benchmark of the same levels runs first.
"""

import gzip
import json
import os
import re
import subprocess
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), '..', 'tests', 'web'))

from devtools import Browser, FolderServer  # noqa: E402

LATE_MS = 40.0


def percentile(values, fraction):
    ordered = sorted(values)
    return ordered[int(fraction * (len(ordered) - 1) + 0.5)]


def shipped_levels(repo):
    with open(os.path.join(repo, 'data', 'levels.xml')) as f:
        files = re.findall(r'filename="([^"]+)"', f.read())
    return [os.path.splitext(os.path.basename(name))[0] for name in files]


def download_size(page_dir):
    raw = packed = 0
    for name in sorted(os.listdir(page_dir)):
        path = os.path.join(page_dir, name)
        if os.path.isfile(path) and not name.startswith('.'):
            with open(path, 'rb') as f:
                data = f.read()
            raw += len(data)
            packed += len(gzip.compress(data, 9))
    return raw, packed


def desktop_frames(bench):
    """Median and 99th percentile of each shipped level's frame on the desktop."""
    result = subprocess.run([bench, '--benchmark_filter=BM_FrameShippedLevel', '--benchmark_format=json'],
                            check=True, capture_output=True, text=True)
    figures = {}
    for entry in json.loads(result.stdout)['benchmarks']:
        level = entry['name'].split('/')[1]
        figures[level] = (entry['median_ms'], entry['p99_ms'])
    return figures


def page_frames(browser, url, frames):
    browser.open(url)
    state = browser.wait_for("window.gorlak && (gorlak.state === 'ended' || gorlak.state === 'failed') && "
                             "gorlak.state", timeout=60 + frames / 10)
    if state != 'ended':
        raise RuntimeError('%s did not play its frames: %s' % (url, browser.evaluate('gorlak.errors')))
    return browser.evaluate('gorlak.frames')


def main():
    if len(sys.argv) < 3:
        print(__doc__, file=sys.stderr)
        return 2
    page_dir, repo = sys.argv[1], sys.argv[2]
    bench = sys.argv[3] if len(sys.argv) > 3 and sys.argv[3] else None
    frames = int(sys.argv[4]) if len(sys.argv) > 4 else 300
    desktop = desktop_frames(bench) if bench else {}

    server = FolderServer(page_dir)
    browser = Browser()
    rows = []
    try:
        for level in shipped_levels(repo):
            timing = page_frames(browser, server.url + '?level=%s&frames=%d' % (level, frames), frames)
            starts = [start for start, _ in timing]
            work = [spent for _, spent in timing]
            gaps = [b - a for a, b in zip(starts, starts[1:])]
            fps = 1000.0 * len(gaps) / (starts[-1] - starts[0])
            late = 100.0 * sum(gap > LATE_MS for gap in gaps) / len(gaps)
            rows.append((level, fps, late, percentile(work, 0.5), percentile(work, 0.99), max(work)))
        errors = browser.console_errors
    finally:
        browser.close()
        server.close()

    print('| Level | fps | Frames later than 40 ms | Work median | Work p99 | Slowest | Desktop median | Desktop p99 |')
    print('|---|---|---|---|---|---|---|---|')
    for level, fps, late, median, p99, slowest in rows:
        mine = desktop.get(level)
        desktop_cells = '%.2f ms | %.2f ms' % mine if mine else '- | -'
        print('| %s | %.1f | %.1f %% | %.2f ms | %.2f ms | %.2f ms | %s |' %
              (level, fps, late, median, p99, slowest, desktop_cells))
    raw, packed = download_size(page_dir)
    print('\nDownload: %.0f KB raw, %.0f KB gzipped (%s)' % (raw / 1024, packed / 1024, page_dir))
    if errors:
        print('Console errors: %s' % errors)
    return 1 if errors else 0


if __name__ == '__main__':
    sys.exit(main())
