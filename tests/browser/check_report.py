#!/usr/bin/env python3
"""The HTML report in a real browser.

Scores two logs with stats-host (--raw --html, once per language): the sample
log examples/sample.adi, and a made-up 3 000-QSO log of 24 hours on two dates
with 200 refused QSOs (contest_log.py). Opens each page in headless Chromium
over the DevTools protocol (through a pipe, so nothing but the standard library
is needed) and checks that:
  - the page loads with no console error, no script error and no request other
    than the page itself;
  - the rendered DOM shows the claimed score, the per-band rows (QSOs = CW +
    SSB + digital) and totals of the plug-in's summary text; the tour table's
    totals per band, the Kvant grid's count per band and the last score on the
    progress chart agree with them; the number of refused QSOs equals the lines
    of this run's err.txt, and their reasons add up to it;
  - the tour chart names every day of the log;
  - no chart label overlaps another or leaves its chart;
  - the new sections agree with the plug-in too: the Kvant table's Kvant per
    band, the tour mix's CW / SSB / digital totals and its new plus again
    per tour, the day rows' subtotals, the score that the Kvant lost to slips
    would have given against the claimed one, and the missing Kvant of the
    summary against the calls listed in the appendix;
  - at a true 420-pixel viewport (device emulation, as a phone lays the page
    out) the page needs no sideways scrolling, the band table's Kvant column
    is on screen, the refused QSOs' reason column is readable, the tour chart
    and table need no scrolling and every chart's text is at least 11 px;
  - at 1 280 pixels the tour table fits its column;
  - printed on A4 the page is no wider than the paper, no table text is below
    8 pt, a day row keeps to the tour after it, and the summary (all but the
    appendix) takes at most two pages;
  - the page declares its colour scheme and every chart text has its own
    fill, so that a forced dark mode recolours every label;
and saves screenshots (LOG/report-LANG.png, and report-LANG-phone.png) and the
printed PDF (LOG/report-LANG.pdf).
"""

import argparse
import base64
import json
import os
import re
import select
import shutil
import subprocess
import sys
import tempfile
import time

import contest_log

CHROMIUM_FLAGS = [
    "--headless", "--no-sandbox", "--disable-gpu", "--disable-quic", "--no-first-run",
    "--disable-background-networking", "--disable-component-update", "--disable-sync",
    "--disable-extensions", "--hide-scrollbars", "--mute-audio", "--remote-debugging-pipe",
]
SCREEN_WIDTH = 800
DESKTOP_WIDTH = 1280
PHONE_WIDTH = 420
SMALLEST_CHART_TEXT = 11  # px, on a phone
SMALLEST_PRINTED_TABLE_TEXT = 8 * 96 / 72  # 8 pt in CSS pixels
READABLE_COLUMN = 160  # px: about twenty characters of the err.txt line
SUMMARY_PAGES = 2
DAY_LOG_QSOS = 3000
A4_PRINTABLE_WIDTH = round((210 - 2 * 12) / 25.4 * 96)  # 12 mm margins of the page's @page


class Failure(Exception):
    pass


class Browser:
    """Chromium driven over --remote-debugging-pipe: JSON messages ended by NUL,
    commands on the child's fd 3, answers and events on its fd 4."""

    def __init__(self, chromium, profile, log):
        to_child_read, self._to_child = os.pipe()
        self._from_child, from_child_write = os.pipe()

        def give_pipes():
            commands, answers = os.dup(to_child_read), os.dup(from_child_write)
            os.dup2(commands, 3)
            os.dup2(answers, 4)
            os.closerange(5, 1024)

        self._process = subprocess.Popen(
            [chromium, *CHROMIUM_FLAGS, "--user-data-dir=" + profile],
            stdin=subprocess.DEVNULL, stdout=log, stderr=log, close_fds=False,
            preexec_fn=give_pipes)
        os.close(to_child_read)
        os.close(from_child_write)
        self._buffer = b""
        self._next_id = 0
        self.events = []

    def close(self):
        try:
            self.call("Browser.close", timeout=10)
        except Failure:
            pass
        try:
            self._process.wait(timeout=10)
        except subprocess.TimeoutExpired:
            self._process.kill()
            self._process.wait()
        os.close(self._to_child)
        os.close(self._from_child)

    def _receive(self, deadline):
        while b"\0" not in self._buffer:
            left = deadline - time.monotonic()
            if left <= 0 or not select.select([self._from_child], [], [], left)[0]:
                raise Failure("Chromium did not answer in time")
            chunk = os.read(self._from_child, 1 << 20)
            if not chunk:
                raise Failure("Chromium ended (see its log)")
            self._buffer += chunk
        message, self._buffer = self._buffer.split(b"\0", 1)
        return json.loads(message)

    def call(self, method, params=None, session=None, timeout=30):
        self._next_id += 1
        message = {"id": self._next_id, "method": method, "params": params or {}}
        if session:
            message["sessionId"] = session
        os.write(self._to_child, json.dumps(message).encode() + b"\0")
        deadline = time.monotonic() + timeout
        while True:
            answer = self._receive(deadline)
            if answer.get("id") == self._next_id:
                if "error" in answer:
                    raise Failure(f"{method}: {answer['error']}")
                return answer["result"]
            self.events.append(answer)

    def open(self, url, width, timeout=30):
        """A new tab `width` pixels wide showing `url`, once it has loaded: its
        target and session. The events from then on are in `events`."""
        target = self.call("Target.createTarget", {"url": "about:blank"})["targetId"]
        session = self.call("Target.attachToTarget", {"targetId": target, "flatten": True})[
            "sessionId"]
        for domain in ("Page", "Runtime", "Log", "Network"):
            self.call(domain + ".enable", session=session)
        self.call("Emulation.setDeviceMetricsOverride",
                  {"width": width, "height": 1000, "deviceScaleFactor": 1, "mobile": False},
                  session)
        self.events.clear()
        self.call("Page.navigate", {"url": url}, session)
        self.wait_for("Page.loadEventFired", timeout)
        return target, session

    def wait_for(self, method, timeout=30):
        deadline = time.monotonic() + timeout
        while True:
            for event in self.events:
                if event.get("method") == method:
                    return event
            self.events.append(self._receive(deadline))


def run_stats_host(stats_host, source, work, log, language):
    folder = os.path.join(work, language)
    shutil.rmtree(folder, ignore_errors=True)
    os.makedirs(folder)
    shutil.copy(os.path.join(source, "examples", "cabrillo.ini"), folder)
    page = os.path.join(work, f"report-{language}.html")
    run = subprocess.run(
        [stats_host, "--dir", folder, "--cabrillo", "--confirm-details", "--raw", "--html", page,
         "--lang", language, log],
        stdin=subprocess.DEVNULL, capture_output=True)
    if run.returncode != 0:
        raise Failure(f"stats-host ended with {run.returncode}: {run.stderr.decode(errors='replace')}")
    with open(os.path.join(folder, "err.txt"), "rb") as problem_log:
        refused = len(problem_log.read().splitlines()) - 1  # after the banner
    return page, run.stdout.decode("cp1251"), refused


def parse_summary(text):
    """Band rows, the total row (name and five numbers) and the score."""
    rows, score = [], None
    for line in text.split("\r\n"):
        cells = [cell.strip() for cell in line.split("\t")]
        if len(cells) == 6 and cells[0] and all(c.lstrip("-").isdigit() for c in cells[1:]):
            rows.append([cells[0]] + [int(c) for c in cells[1:]])
        elif line.startswith("Score: = "):
            score = int(line[len("Score: = "):])
    if not rows or score is None:
        raise Failure("no summary from stats-host --raw:\n" + text)
    return rows[:-1], rows[-1], score


DOM_QUERY = """(() => {
  const cells = (selector) => [...document.querySelectorAll(selector)].map(
      row => [...row.cells].map(cell => cell.innerText.trim()));
  const text = (selector) => {
    const element = document.querySelector(selector);
    return element ? (element.innerText ?? element.textContent).trim() : null;
  };
  // Kvant per band: the filled cells of its two columns in the grid.
  const grid = document.querySelector('#kvant-grid');
  const gridBands = grid ? [...grid.querySelectorAll('thead th[data-band]')] : [];
  const gridCounts = gridBands.map((_, band) => grid ? [...grid.querySelectorAll('tbody tr')]
      .map(row => [...row.querySelectorAll('td')].slice(2 * band, 2 * band + 2)
           .filter(cell => cell.textContent.trim() !== '').length)
      .reduce((a, b) => a + b, 0) : 0);
  return JSON.stringify({
    language: document.documentElement.lang,
    score: text('#claimed-score'),
    bands: cells('#band-table tbody tr'),
    total: cells('#band-table tfoot tr'),
    tourTotal: cells('#tour-table tfoot tr'),
    tourDays: document.querySelectorAll('#tour-table tr.day').length,
    chartDays: document.querySelectorAll('#tour-chart text.date').length,
    gridBands: gridBands.map(th => th.dataset.band),
    gridCounts: gridCounts,
    finalScore: text('#progress-score text.final'),
    refusedCount: text('#refused-count'),
    refusedRows: document.querySelectorAll('#refused-table tbody tr').length,
    reasons: cells('#refused-reasons tbody tr'),
    charts: document.querySelectorAll('figure svg').length,
    idsTwice: [...document.querySelectorAll('[id]')].map(element => element.id)
        .filter((id, i, ids) => ids.indexOf(id) !== i),
    kvantRows: cells('#kvant-table tbody tr'),
    kvantTotal: cells('#kvant-table tfoot tr'),
    missingListed: [...document.querySelectorAll('#missing-kvant tbody tr')].map(row =>
        [...row.querySelectorAll('td')].map(cell => cell.innerText.trim() === '—' ? 0 :
            cell.innerText.split(',').length)),
    slipCount: text('#slip-count'),
    slipRows: document.querySelectorAll('#slip-table tbody tr').length,
    slipCost: text('#kvant-slips p.note:last-of-type'),
    tourMix: cells('#tour-mix tbody tr'),
    tourMixTotal: cells('#tour-mix tfoot tr'),
    // Each tour's QSOs: its total cell, the sixth from the end.
    tourQsos: [...document.querySelectorAll('#tour-table tbody tr:not(.day)')].map(row =>
        row.cells[row.cells.length - 6].innerText.trim().split(' ')[0]).filter(n => n !== ''),
    dayRows: [...document.querySelectorAll('#tour-table tr.day')].map(row => row.innerText),
    breakRows: document.querySelectorAll('#break-table tbody tr').length,
    breaks: text('#breaks'),
    bandRates: cells('#band-rates tbody tr').map(row => row[0]),
  });
})()"""

LABEL_QUERY = """(() => {
  const problems = [];
  for (const svg of document.querySelectorAll('svg')) {
    const frame = svg.getBoundingClientRect();
    const labels = [...svg.querySelectorAll('text')].map(
        text => ({text: text.textContent, box: text.getBoundingClientRect()}));
    for (const label of labels) {
      const b = label.box;
      if (b.left < frame.left - 0.5 || b.right > frame.right + 0.5 ||
          b.top < frame.top - 0.5 || b.bottom > frame.bottom + 0.5) {
        problems.push(`${svg.id || svg.parentElement.innerText.split('\\n')[0]}: "${label.text}" leaves the chart`);
      }
    }
    for (let i = 0; i < labels.length; ++i) {
      for (let j = i + 1; j < labels.length; ++j) {
        const a = labels[i].box, b = labels[j].box;
        const overlap = Math.min(a.right, b.right) - Math.max(a.left, b.left) > 1 &&
                        Math.min(a.bottom, b.bottom) - Math.max(a.top, b.top) > 1;
        if (overlap) problems.push(`"${labels[i].text}" overlaps "${labels[j].text}"`);
      }
    }
  }
  return JSON.stringify(problems);
})()"""


# At a phone's viewport: what does not fit, or is too small to read.
PHONE_QUERY = """(() => {
  const problems = [];
  const shown = (element) => element && element.getClientRects().length > 0;
  const right = (element) => element.getBoundingClientRect().right;
  if (window.innerWidth !== %(width)d) problems.push(`the viewport is ${window.innerWidth} px`);
  // The band table's last column, Kvant, on screen and not scrolled away.
  const kvant = document.querySelector('#band-table thead th:last-child');
  if (kvant && right(kvant) > Math.min(window.innerWidth, right(kvant.closest('div.wide'))) + 0.5)
    problems.push(`the band table's Kvant column ends at ${right(kvant)} px`);
  // The refused QSOs' reasons: their column wide enough to read.
  const reason = document.querySelector('#refused-table tbody td:last-child');
  if (reason && reason.getBoundingClientRect().width < %(readable)d)
    problems.push(`the refused QSOs' reason column is ${reason.getBoundingClientRect().width} px wide`);
  // The tour chart and table, and every chart shown, without sideways scrolling.
  for (const selector of ['#tour-table', '#tour-chart', '#tour-chart-phone']) {
    const element = document.querySelector(selector);
    if (!shown(element)) continue;
    for (let box = element.parentElement; box && box !== document.body; box = box.parentElement) {
      if (box.scrollWidth > box.clientWidth + 1)
        problems.push(`${selector} scrolls sideways (${box.scrollWidth} in ${box.clientWidth} px)`);
    }
    if (right(element) > window.innerWidth + 0.5) problems.push(`${selector} leaves the screen`);
  }
  if (shown(document.querySelector('#tour-chart')))
    problems.push('the wide tour chart is shown on a phone');
  // Chart text at its size on the screen.
  for (const svg of document.querySelectorAll('svg[viewBox]')) {
    if (!shown(svg)) continue;
    const scale = svg.getBoundingClientRect().width / svg.viewBox.baseVal.width;
    for (const text of svg.querySelectorAll('text')) {
      const size = parseFloat(getComputedStyle(text).fontSize) * scale;
      if (size < %(smallest)d - 0.01) {
        problems.push(`${svg.id}: "${text.textContent}" is ${size.toFixed(1)} px`);
        break;
      }
    }
  }
  return JSON.stringify(problems);
})()""" % {"width": PHONE_WIDTH, "readable": READABLE_COLUMN, "smallest": SMALLEST_CHART_TEXT}

# On a desktop screen: the tour table fits its column.
DESKTOP_QUERY = """(() => {
  const table = document.querySelector('#tour-table');
  const box = table && table.closest('div.wide');
  return JSON.stringify(box && box.scrollWidth > box.clientWidth + 1
      ? [`at 1280 px the tour table is ${box.scrollWidth} px in a column of ${box.clientWidth}`]
      : []);
})()"""

# Printed: table text of at least 8 pt, day rows kept with the tour after them.
PRINT_QUERY = """(() => {
  const problems = [];
  for (const cell of document.querySelectorAll('table td, table th, table td *, table th *')) {
    if (!cell.textContent.trim()) continue;
    const size = parseFloat(getComputedStyle(cell).fontSize);
    if (size < %(smallest)f - 0.01) {
      problems.push(`printed, "${cell.textContent.trim().slice(0, 20)}" is ${size} px`);
      break;
    }
  }
  for (const row of document.querySelectorAll('tr.day')) {
    if (getComputedStyle(row).breakAfter !== 'avoid') {
      problems.push('a day row may be left alone at the foot of a page');
      break;
    }
  }
  return JSON.stringify(problems);
})()""" % {"smallest": SMALLEST_PRINTED_TABLE_TEXT}

# A forced dark mode recolours what has a colour of its own.
DARK_QUERY = """(() => {
  const problems = [];
  if (!getComputedStyle(document.documentElement).colorScheme.includes('light'))
    problems.push('the page declares no color-scheme');
  for (const text of document.querySelectorAll('svg text')) {
    if (!text.hasAttribute('fill')) {
      problems.push(`"${text.textContent}" has no fill of its own`);
      break;
    }
  }
  return JSON.stringify(problems);
})()"""


def evaluate(browser, session, expression):
    result = browser.call("Runtime.evaluate", {"expression": expression, "returnByValue": True},
                          session)
    if "exceptionDetails" in result:
        raise Failure(f"script failed: {result['exceptionDetails']}")
    return json.loads(result["result"]["value"])


def number(text):
    """A number as the page writes it: digits grouped by commas (English) or
    narrow no-break spaces (Russian)."""
    digits = re.sub(r"[,\u202f]", "", text)
    if not re.fullmatch(r"-?\d+", digits):
        raise Failure(f"{text!r} is not a number")
    return int(digits)


def band_label(band, language):
    return band + ("\u00a0м" if language == "ru" else "\u00a0m")


def check_dom(dom, language, summary, refused):
    bands, total, score = summary
    errors = []

    def expect(what, seen, wanted):
        if seen != wanted:
            errors.append(f"{what}: the page shows {seen!r}, the plug-in says {wanted!r}")

    def with_digital(row):  # QSOs, points, CW, SSB, digital, Kvant
        return row[1:5] + [row[1] - row[3] - row[4], row[5]]

    expect("language", dom["language"], language)
    expect("claimed score", number(dom["score"]), score)
    expect("band rows", [[row[0]] + [number(n) for n in row[1:]] for row in dom["bands"]],
           [[band_label(row[0], language)] + with_digital(row) for row in bands])
    expect("total row", [[number(n) for n in row[1:]] for row in dom["total"]],
           [with_digital(total)])
    # A tour table cell reads "QSOs +Kvant", or "QSOs" when no Kvant was new.
    tour_total = [tuple(number(n) for n in (cell.replace("+", "") + " 0").split(" ")[:2])
                  for cell in (dom["tourTotal"][0][1:len(bands) + 2] if dom["tourTotal"] else [])]
    expect("tour table totals (QSOs, Kvant per band, then all)", tour_total,
           [(row[1], row[5]) for row in bands] + [(total[1], total[5])])
    expect("Kvant grid per band", list(zip(dom["gridBands"], dom["gridCounts"])),
           [(row[0], row[5]) for row in bands if row[1] > 0])
    expect("last score on the progress chart", number(dom["finalScore"] or "?"), score)
    expect("days named on the tour chart", dom["chartDays"], dom["tourDays"])
    expect("refused QSOs", (number(dom["refusedCount"]), dom["refusedRows"]),
           (refused, min(refused, 500)))
    expect("refused QSOs by reason", sum(number(row[1]) for row in dom["reasons"]), refused)
    # Two forms of the tour chart and of the rate chart: for a screen and for a phone.
    expect("charts", dom["charts"], 8)
    expect("ids given twice", dom["idsTwice"], [])

    # The Kvant table: the plug-in's Kvant per band, and missing Kvant that add
    # up to the calls the appendix names (each call one Kvant).
    kvant_rows = [[number(n) for n in row[1:]] for row in dom["kvantRows"]]
    expect("Kvant table, Kvant per band", [row[2] for row in kvant_rows],
           [row[5] for row in bands if row[1] > 0])
    expect("Kvant table, missing = not worked + without W", [row[5] for row in kvant_rows],
           [row[3] + row[4] for row in kvant_rows])
    expect("missing Kvant against the calls listed", [row[3:5] for row in kvant_rows],
           [[row[0] + row[1], row[2]] for row in dom["missingListed"]])
    expect("Kvant lost to slips", number(dom["slipCount"] or "0"), dom["slipRows"])
    if dom["slipRows"]:
        expect("the score the slips' note says this is",
               number(re.findall(r"[\d,\u202f]+", dom["slipCost"])[-1]), score)

    # The tour mix: new + again per tour, and the modes against the plug-in's columns.
    mix = [[number(n) for n in row[1:]] for row in dom["tourMix"]]
    expect("tour mix, new + again per tour", [row[0] + row[1] for row in mix],
           [number(n) for n in dom["tourQsos"]])
    expect("tour mix totals (new + again, CW, SSB, digital)",
           [sum(number(n) for n in dom["tourMixTotal"][0][1:3])] +
           [number(n) for n in dom["tourMixTotal"][0][3:]],
           [total[1], total[3], total[4], total[1] - total[3] - total[4]])
    day_qsos = [number(re.search(r"(?:: |QSO )([\d,\u202f]+)", row).group(1))
                for row in dom["dayRows"]]
    if day_qsos:
        expect("day subtotals", sum(day_qsos), total[1])
    expect("breaks listed", dom["breakRows"],
           0 if dom["breaks"] in ("None.", "Нет.") else number(dom["breaks"].split(",")[0]))
    expect("bands with their best 60 minutes", sorted(dom["bandRates"]),
           sorted(band_label(row[0], language) for row in bands if row[1] > 0))
    return errors


def pdf_pages(pdf):
    return len(re.findall(rb"/Type\s*/Page\b", pdf))


def open_page(browser, page):
    """Opens the page in a new tab of screen width; returns the tab, its session and the URL."""
    url = "file://" + os.path.abspath(page)
    target, session = browser.open(url, SCREEN_WIDTH)
    return target, session, url


def close_page(browser, target, session, url, out_dir, name, phone_shot=False,
               summary_pages=None):
    """Saves the screenshot (NAME.png, and NAME-phone.png if asked) and the printed page
    (NAME.pdf), checks that the page fits a phone and A4 (and that all but its appendix takes at
    most `summary_pages` pages), closes the tab and returns the errors seen: those and console
    and script errors, and requests beyond the page."""
    errors = []
    height = browser.call("Page.getLayoutMetrics", session=session)["cssContentSize"]["height"]
    browser.call("Emulation.setDeviceMetricsOverride",
                 {"width": SCREEN_WIDTH, "height": int(height) + 1, "deviceScaleFactor": 1,
                  "mobile": False}, session)
    shot = browser.call("Page.captureScreenshot", {"format": "png", "captureBeyondViewport": True},
                        session)
    with open(os.path.join(out_dir, f"{name}.png"), "wb") as file:
        file.write(base64.b64decode(shot["data"]))

    browser.call("Emulation.setDeviceMetricsOverride",
                 {"width": PHONE_WIDTH, "height": 900, "deviceScaleFactor": 1, "mobile": True},
                 session)
    width = evaluate(browser, session, "JSON.stringify(document.documentElement.scrollWidth)")
    if width > PHONE_WIDTH:
        errors.append(f"on a {PHONE_WIDTH}-pixel phone the page is {width} px wide")
    errors += evaluate(browser, session, PHONE_QUERY)
    if phone_shot:
        shot = browser.call("Page.captureScreenshot", {"format": "png"}, session)
        with open(os.path.join(out_dir, f"{name}-phone.png"), "wb") as file:
            file.write(base64.b64decode(shot["data"]))

    browser.call("Emulation.setDeviceMetricsOverride",
                 {"width": DESKTOP_WIDTH, "height": 1000, "deviceScaleFactor": 1,
                  "mobile": False}, session)
    errors += evaluate(browser, session, DESKTOP_QUERY)
    errors += evaluate(browser, session, DARK_QUERY)

    browser.call("Emulation.setEmulatedMedia", {"media": "print"}, session)
    browser.call("Emulation.setDeviceMetricsOverride",
                 {"width": A4_PRINTABLE_WIDTH, "height": 1000, "deviceScaleFactor": 1,
                  "mobile": False}, session)
    width = evaluate(browser, session, "JSON.stringify(document.documentElement.scrollWidth)")
    if width > A4_PRINTABLE_WIDTH:
        errors.append(f"printed, the page is {width} px wide; A4 holds {A4_PRINTABLE_WIDTH} px")
    errors += evaluate(browser, session, PRINT_QUERY)
    pdf = browser.call("Page.printToPDF", {"preferCSSPageSize": True, "printBackground": True},
                       session, timeout=60)
    with open(os.path.join(out_dir, f"{name}.pdf"), "wb") as file:
        file.write(base64.b64decode(pdf["data"]))
    if summary_pages is not None:
        evaluate(browser, session, """JSON.stringify((() => {
            for (const part of document.querySelectorAll('#appendix, footer')) part.remove();
            return true; })())""")
        summary_pdf = base64.b64decode(browser.call(
            "Page.printToPDF", {"preferCSSPageSize": True, "printBackground": True}, session,
            timeout=60)["data"])
        if pdf_pages(summary_pdf) > summary_pages:
            errors.append(f"printed, the summary takes {pdf_pages(summary_pdf)} A4 pages")

    for event in browser.events:
        method, params = event.get("method"), event.get("params", {})
        if method == "Runtime.consoleAPICalled" and params.get("type") in ("error", "assert"):
            errors.append(f"console error: {params.get('args')}")
        elif method == "Runtime.exceptionThrown":
            errors.append(f"script error: {params.get('exceptionDetails')}")
        elif method == "Log.entryAdded" and params["entry"].get("level") == "error":
            errors.append(f"browser error: {params['entry'].get('text')}")
        elif method == "Network.requestWillBeSent":
            requested = params["request"]["url"]
            if requested != url and not requested.startswith("data:"):
                errors.append(f"the page asked for {requested}")
    browser.call("Target.closeTarget", {"targetId": target})
    return errors


def check_page(browser, page, language, summary, refused, out_dir, phone_shot):
    target, session, url = open_page(browser, page)
    errors = check_dom(evaluate(browser, session, DOM_QUERY), language, summary, refused)
    errors += evaluate(browser, session, LABEL_QUERY)
    return errors + close_page(browser, target, session, url, out_dir, f"report-{language}",
                               phone_shot, SUMMARY_PAGES)


def check_both_languages(chromium, work, check_language):
    """Runs check_language(browser, language), which returns the errors it saw, for "ru" and
    "en" in one headless Chromium; prints what failed and returns the exit status."""
    if not shutil.which(chromium):
        print(f"{chromium} is missing: scripts/install-dependencies installs it", file=sys.stderr)
        return 1
    os.makedirs(work, exist_ok=True)
    failures = []
    with tempfile.TemporaryDirectory(prefix="browser-check-") as profile, \
            open(os.path.join(work, "chromium.log"), "wb") as log:
        browser = Browser(chromium, profile, log)
        try:
            for language in ("ru", "en"):
                failures += [f"{language}: {error}" for error in check_language(browser, language)]
        except Failure as failure:
            failures.append(str(failure))
        finally:
            browser.close()
    for failure in failures:
        print("FAILED " + failure, file=sys.stderr)
    return 1 if failures else 0


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    parser.add_argument("--stats-host", required=True)
    parser.add_argument("--source", required=True, help="the repository")
    parser.add_argument("--work", required=True, help="scratch folder; screenshots land here")
    parser.add_argument("--chromium", default="/usr/bin/chromium")
    arguments = parser.parse_args()

    os.makedirs(arguments.work, exist_ok=True)
    day_log = os.path.join(arguments.work, "day.adi")
    contest_log.write_log(day_log, DAY_LOG_QSOS)
    logs = {"sample": os.path.join(arguments.source, "examples", "sample.adi"), "day": day_log}

    def check_language(browser, language):
        errors = []
        for name, adif in logs.items():
            work = os.path.join(arguments.work, name)
            os.makedirs(work, exist_ok=True)
            page, summary_text, refused = run_stats_host(
                arguments.stats_host, arguments.source, work, adif, language)
            summary = parse_summary(summary_text)
            errors += [f"{name}: {error}" for error in check_page(
                browser, page, language, summary, refused, work, phone_shot=name == "sample")]
            print(f"{name} {language}: score {summary[2]}, {len(summary[0])} bands, "
                  f"{refused} refused; screenshot {os.path.join(work, f'report-{language}.png')}")
        return errors

    return check_both_languages(arguments.chromium, arguments.work, check_language)


if __name__ == "__main__":
    sys.exit(main())
