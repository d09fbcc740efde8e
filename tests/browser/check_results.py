#!/usr/bin/env python3
"""The cross-check's results page of a simulated contest in a real browser.

Writes a small contest with contest-sim, checks it with crosscheck (--lang ru
and en), opens each results.html in headless Chromium (as check_report.py does,
whose browser driver it uses) and checks that:
  - the page loads with no console error, no script error and no request other
    than the page itself;
  - the rows of the results tables are those of results.csv, in its order, and
    the verdict table's counts are the sums of logs.jsonl's;
  - the clock table lists every log whose offset is a minute or more;
  - no chart label overlaps another or leaves its chart, the page needs no
    sideways scrolling on a 420-pixel phone, and printed on A4 it is no wider
    than the paper;
and saves a screenshot (results-LANG.png) and the printed page (results-LANG.pdf).
"""

import argparse
import csv
import json
import os
import shutil
import subprocess
import sys

from check_report import (LABEL_QUERY, Failure, check_both_languages, close_page, evaluate,
                          number, open_page)

DOM_QUERY = """(() => {
  const cells = (selector) => [...document.querySelectorAll(selector)].map(
      row => [...row.cells].map(cell => cell.innerText.trim()));
  return JSON.stringify({
    language: document.documentElement.lang,
    results: cells('table.results tbody tr'),
    verdicts: cells('#verdict-table tbody tr'),
    clocksListed: document.querySelectorAll('#clock-table tbody tr').length,
    charts: document.querySelectorAll('figure svg').length,
  });
})()"""


def run(command):
    done = subprocess.run(command, stdin=subprocess.DEVNULL, capture_output=True)
    if done.returncode != 0:
        raise Failure(f"{command[0]} ended with {done.returncode}: "
                      f"{done.stderr.decode(errors='replace')}")


def expected(out):
    with open(os.path.join(out, "results.csv"), newline="", encoding="utf-8") as file:
        rows = list(csv.DictReader(file))
    logs = [json.loads(line) for line in open(os.path.join(out, "logs.jsonl"), encoding="utf-8")]
    checked = [log for log in logs if log["status"] == "checked"]
    verdicts = {name: sum(log["verdicts"][name] for log in checked)
                for name in checked[0]["verdicts"]}
    listed = sum(1 for log in checked if log["clock_matches"] and abs(log["clock_offset_s"]) >= 60)
    return rows, verdicts, listed


def check_dom(dom, language, rows, verdicts, listed):
    errors = []

    def expect(what, seen, wanted):
        if seen != wanted:
            errors.append(f"{what}: the page shows {seen!r}, the outputs say {wanted!r}")

    expect("language", dom["language"], language)
    def count(text):  # grouped as the language writes numbers, or a dash for none
        return text if text == "\u2014" else number(text)

    expect("results rows (place, call, claimed, checked, reduction, QSO lines, points, "
           "penalty, Kvant)",
           [[count(row[0]), row[1], count(row[2]), count(row[3]),
             row[4].replace(",", ".").replace("\u2212", "-")] +
            [count(n) for n in row[5:]] for row in dom["results"]],
           [[int(row["place"]), row["call"], int(row["claimed"]) if row["claimed"] else "\u2014",
             int(row["checked"]), row["reduction_percent"] or "\u2014", int(row["qso_lines"]),
             int(row["points"]), int(row["penalty"]), int(row["kvant"])] for row in rows])
    expect("verdict counts", {row[1]: number(row[2]) for row in dom["verdicts"]}, verdicts)
    expect("logs listed with their clocks", dom["clocksListed"], listed)
    expect("charts (the clock chart, wide and for a phone)", dom["charts"], 2)
    return errors


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    parser.add_argument("--crosscheck", required=True)
    parser.add_argument("--contest-sim", required=True)
    parser.add_argument("--work", required=True, help="scratch folder; screenshots land here")
    parser.add_argument("--chromium", default="/usr/bin/chromium")
    arguments = parser.parse_args()

    shutil.rmtree(arguments.work, ignore_errors=True)
    contest = os.path.join(arguments.work, "contest")

    def check_language(browser, language):
        if language == "ru":
            run([arguments.contest_sim, "--out", contest, "--stations", "60", "--qsos", "80",
                 "--seed", "5", "--busted", "0.02", "--nil", "0.02"])
        out = os.path.join(arguments.work, language)
        run([arguments.crosscheck, "--out", out, "--lang", language, os.path.join(contest, "logs")])
        rows, verdicts, listed = expected(out)
        target, session, url = open_page(browser, os.path.join(out, "results.html"))
        errors = check_dom(evaluate(browser, session, DOM_QUERY), language, rows, verdicts, listed)
        errors += evaluate(browser, session, LABEL_QUERY)
        errors += close_page(browser, target, session, url, arguments.work, f"results-{language}")
        print(f"{language}: {len(rows)} logs, {listed} clocks listed; screenshot "
              f"{os.path.join(arguments.work, f'results-{language}.png')}")
        return errors

    return check_both_languages(arguments.chromium, arguments.work, check_language)


if __name__ == "__main__":
    sys.exit(main())
