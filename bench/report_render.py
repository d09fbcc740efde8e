#!/usr/bin/env python3
"""The HTML report of a large log: its size and how long headless Chromium
takes to show it. Writes a made-up 24-hour log (tests/browser/contest_log.py)
of the given size once, scores it with stats-host --html, then loads the page
RUNS times, each in a fresh tab: the time from opening the tab until the
page's first screen is painted (load, layout, paint), median of the runs."""

import argparse
import os
import statistics
import subprocess
import sys
import tempfile
import time

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "tests",
                                "browser"))
import check_report  # noqa: E402
import contest_log  # noqa: E402

SIZE_GOAL = 1_000_000
TIME_GOAL = 3.0


def render_seconds(browser, page):
    start = time.monotonic()
    target, session = browser.open("file://" + os.path.abspath(page), 800, timeout=60)
    browser.call("Page.captureScreenshot", {"format": "png"}, session, timeout=60)
    seconds = time.monotonic() - start
    browser.call("Target.closeTarget", {"targetId": target})
    return seconds


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    parser.add_argument("--stats-host", required=True)
    parser.add_argument("--logs", required=True, help="folder for the made-up logs")
    parser.add_argument("--qsos", type=int, default=60000)
    parser.add_argument("--runs", type=int, default=3)
    parser.add_argument("--lang", default="ru")
    parser.add_argument("--chromium", default="/usr/bin/chromium")
    arguments = parser.parse_args()

    os.makedirs(arguments.logs, exist_ok=True)
    log = os.path.join(arguments.logs, f"day-{arguments.qsos}.adi")
    if not os.path.exists(log):
        contest_log.write_log(log, arguments.qsos)
    with tempfile.TemporaryDirectory(prefix="report-bench-") as work:
        page = os.path.join(work, "report.html")
        start = time.monotonic()
        subprocess.run([arguments.stats_host, "--dir", work, "--html", page, "--lang",
                        arguments.lang, log], stdout=subprocess.DEVNULL, check=True)
        scoring = time.monotonic() - start
        size = os.path.getsize(page)
        with tempfile.TemporaryDirectory(prefix="report-browser-") as profile, \
                open(os.path.join(work, "chromium.log"), "wb") as chromium_log:
            browser = check_report.Browser(arguments.chromium, profile, chromium_log)
            try:
                times = [render_seconds(browser, page) for _ in range(arguments.runs)]
            finally:
                browser.close()
    median = statistics.median(times)
    print(f"| QSOs | stats-host --html | page | goal | shown in Chromium (median of "
          f"{arguments.runs}) | goal |\n|---|---|---|---|---|---|\n"
          f"| {arguments.qsos:,} | {scoring:.2f} s | {size / 1e6:.2f} MB | "
          f"{'met' if size < SIZE_GOAL else 'MISSED'} (< 1 MB) | {median:.2f} s "
          f"({', '.join(f'{t:.2f}' for t in times)}) | "
          f"{'met' if median < TIME_GOAL else 'MISSED'} (< {TIME_GOAL:.0f} s) |")
    return 0 if size < SIZE_GOAL and median < TIME_GOAL else 1


if __name__ == "__main__":
    sys.exit(main())
