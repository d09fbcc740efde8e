#!/usr/bin/env python3
"""The log robot's whole flow in a real browser, in both languages.

Starts `logrobot serve` on a fresh folder with the sample contest (its
committee password set through `logrobot set-password`), sends it the logs of
a contest simulated by contest-sim over HTTP, then drives headless Chromium
over the DevTools protocol (check_report.py's driver), once in Russian and once
in English, through what participants and the committee do:
  - a participant uploads a log through the form (the sample log in Russian,
    one of the simulated logs in English) with a script as the soapbox: the
    answer shows the receipt, the QSO lines by band and the claimed score
    (for the sample log those of the plug-in's own summary, from stats-host
    --raw), the soapbox as text (the script never runs) and the private link;
  - the private link shows the same answer, the report still to come;
  - a second upload of the same log says that it replaces the first, whose
    page then says so instead of showing a report;
  - the committee's page asks for the login; a wrong password is refused,
    the right one (after the wait it causes) opens the page;
  - the committee runs the check, opens its results page (crosscheck's) and
    publishes it;
  - the participant's private page then shows the checked report, and the
    public results page and the list of logs received are there;
  - the committee logs out;
with no console error, no script error and no request beyond the robot, and
saves a screenshot of each page (LANG-NAME.png).
"""

import argparse
import base64
import json
import os
import re
import shutil
import subprocess
import sys
import time
import urllib.request
import uuid

from check_report import Failure, check_both_languages, parse_summary, run_stats_host

PASSWORD = "browser-test-password"
SCRIPT = "<script>window.pwned = 1</script>"
CATEGORY = "SOAB-MIX-LP"


class Robot:
    """`logrobot serve` on a free port of the loopback."""

    def __init__(self, logrobot, data, log):
        self.process = subprocess.Popen(
            [logrobot, "serve", "--data", data, "--listen", "127.0.0.1:0",
             "--uploads-per-minute", "10000"],
            stdin=subprocess.DEVNULL, stdout=subprocess.PIPE, stderr=log)
        line = self.process.stdout.readline().decode()
        match = re.search(r"http://127\.0\.0\.1:(\d+)/", line)
        if not match:
            raise Failure(f"logrobot did not start: {line!r}")
        self.base = f"http://127.0.0.1:{match.group(1)}"

    def stop(self):
        self.process.terminate()
        self.process.wait(timeout=30)

    def upload(self, path, category):
        """Sends a log as the form does; the answer's status."""
        boundary = uuid.uuid4().hex
        with open(path, "rb") as file:
            log = file.read()
        parts = [(b"log", log, b"log.txt"), (b"category", category.encode(), None),
                 (b"email", b"op@example.org", None)]
        body = b""
        for name, value, file_name in parts:
            body += b"--" + boundary.encode() + b"\r\nContent-Disposition: form-data; name=\"" + name
            body += (b"\"; filename=\"" + file_name + b"\"" if file_name else b"\"") + b"\r\n\r\n"
            body += value + b"\r\n"
        body += b"--" + boundary.encode() + b"--\r\n"
        request = urllib.request.Request(
            self.base + "/en/upload", data=body,
            headers={"Content-Type": "multipart/form-data; boundary=" + boundary})
        try:
            with urllib.request.urlopen(request, timeout=60) as answer:
                return answer.status
        except urllib.error.HTTPError as error:
            return error.code


class Tab:
    """One browser tab: pages opened and forms sent as a person would, with
    the errors it saw."""

    def __init__(self, browser, base, out_dir, language):
        self.browser, self.base, self.out_dir, self.language = browser, base, out_dir, language
        self.target, self.session = browser.open(base + "/", 900)
        self.errors = []

    def _loaded(self, action):
        self.browser.events.clear()
        action()
        self.browser.wait_for("Page.loadEventFired", 60)
        self._collect()

    def _collect(self):
        for event in self.browser.events:
            method, params = event.get("method"), event.get("params", {})
            if method == "Runtime.consoleAPICalled" and params.get("type") in ("error", "assert"):
                self.errors.append(f"console error: {params.get('args')}")
            elif method == "Runtime.exceptionThrown":
                self.errors.append(f"script error: {params.get('exceptionDetails')}")
            elif method == "Log.entryAdded" and params["entry"].get("level") == "error":
                text = params["entry"].get("text", "")
                if "status of 4" not in text:  # refusals and the wrong password are answers
                    self.errors.append(f"browser error: {text}")
            elif method == "Network.requestWillBeSent":
                url = params["request"]["url"]
                if not url.startswith(self.base) and not url.startswith("data:"):
                    self.errors.append(f"the page asked for {url}")

    def go(self, path):
        url = path if path.startswith("http") else self.base + path
        self._loaded(lambda: self.browser.call("Page.navigate", {"url": url}, self.session))

    def value(self, expression):
        result = self.browser.call("Runtime.evaluate",
                                   {"expression": f"JSON.stringify({expression})",
                                    "returnByValue": True}, self.session)
        if "exceptionDetails" in result:
            raise Failure(f"{expression}: {result['exceptionDetails']}")
        return json.loads(result["result"].get("value", "null"))

    def fill(self, selector, text):
        self.value(f"document.querySelector({json.dumps(selector)}).value = {json.dumps(text)}")

    def choose_file(self, selector, path):
        found = self.browser.call("Runtime.evaluate",
                                  {"expression": f"document.querySelector({json.dumps(selector)})"},
                                  self.session)
        self.browser.call("DOM.setFileInputFiles",
                          {"files": [os.path.abspath(path)], "objectId": found["result"]["objectId"]},
                          self.session)

    def click(self, selector):
        self._loaded(lambda: self.value(f"document.querySelector({json.dumps(selector)}).click()"))

    def text(self, selector):
        return self.value(f"(document.querySelector({json.dumps(selector)}) || {{}}).innerText")

    def screenshot(self, name):
        shot = self.browser.call("Page.captureScreenshot",
                                 {"format": "png", "captureBeyondViewport": True}, self.session)
        with open(os.path.join(self.out_dir, f"{self.language}-{name}.png"), "wb") as file:
            file.write(base64.b64decode(shot["data"]))

    def close(self):
        self.browser.call("Target.closeTarget", {"targetId": self.target})


def number(text):
    return int(re.sub(r"[^\d]", "", text or "") or -1)


def send_through_form(tab, log, call, expect):
    """Uploads the log through the form; checks the answer; its private link."""
    tab.go(f"/{tab.language}/")
    tab.choose_file("input[name=log]", log)
    tab.fill("input[name=call]", call)
    tab.fill("select[name=category]", CATEGORY)
    tab.fill("input[name=email]", "op@example.org")
    tab.fill("textarea[name=soapbox]", SCRIPT)
    tab.click("#upload button")
    errors = []
    if tab.value("document.documentElement.lang") != tab.language:
        errors.append("the answer is not in the page's language")
    if tab.text("#receipt") is None:
        return [f"no answer: {tab.text('body')}"], None
    if tab.text("#soapbox-text") != SCRIPT or tab.value("window.pwned") is not None:
        errors.append("the soapbox was not shown as text")
    if expect:
        counted, score = expect
        seen = (number(tab.value("document.querySelector('#band-table tfoot tr').cells[2].innerText")),
                number(tab.text("#claimed-score")))
        if seen != (counted, score):
            errors.append(f"counted QSOs and score {seen}, the plug-in says {(counted, score)}")
    return errors, tab.value("document.querySelector('#private-link').href")


def committee_flow(tab):
    """Login, the check, its results and publishing; the errors seen."""
    errors = []
    language = tab.language
    tab.go(f"/{language}/committee")
    if not tab.value("location.pathname").endswith("/committee/login"):
        errors.append("the committee's page opened without a login")
    tab.fill("input[name=password]", "not the password")
    tab.click("#login button")
    if tab.text("[role=alert]") is None:
        errors.append("a wrong password was not refused")
    time.sleep(1.2)  # the wait after one wrong password
    tab.fill("input[name=password]", PASSWORD)
    tab.click("#login button")
    if tab.value("document.querySelector('#check')") is None:
        return errors + [f"the right password did not open the page: {tab.text('body')}"]
    tab.screenshot("committee")
    before = tab.value("document.querySelectorAll('#checks tbody tr').length")
    tab.click("#check button")
    deadline = time.monotonic() + 90
    while tab.value("document.querySelectorAll('#checks tbody tr').length") == before or \
            tab.value("document.querySelector('#checks tbody tr td.state').dataset.state") == \
            "running":
        if time.monotonic() > deadline:
            return errors + ["the check did not end"]
        time.sleep(0.3)
        tab.go(f"/{language}/committee")
    results = tab.value("(document.querySelector('#checks tbody tr a') || {}).href")
    if not results:
        return errors + [f"the check failed: {tab.text('#checks')}"]
    tab.go(results)
    if tab.value("document.querySelectorAll('table.results tbody tr').length") < 10:
        errors.append("the check's results page shows no results")
    tab.screenshot("check-results")
    tab.go(f"/{language}/committee")
    tab.click("#checks tbody tr form button")
    if (tab.text("#checks tbody tr b") or "") == "":
        errors.append("publishing was not shown")
    return errors


def check_flow(browser, robot, out_dir, language, log, call, expect, calls):
    tab = Tab(browser, robot.base, out_dir, language)
    errors, private_link = send_through_form(tab, log, call, expect)
    if not private_link:
        return errors
    tab.screenshot("answer")
    call = tab.text("#call")
    tab.go(private_link)
    if tab.value("document.querySelector('#report pre')") is not None:
        errors.append("a report before the check")
    first_link = private_link
    _, private_link = send_through_form(tab, log, call, None)
    if tab.text("#replaces") is None:
        errors.append("the second upload did not say that it replaces the first")
    errors += committee_flow(tab)
    tab.go(private_link)
    report = tab.text("#report pre") or ""
    if call not in report:
        errors.append(f"the checked report did not appear: {tab.text('#report')!r}")
    if os.path.sep + "checks" + os.path.sep in report:
        errors.append("the report names the server's folders")
    tab.screenshot("report")
    tab.go(first_link)
    if tab.text("#report pre") is not None:
        errors.append("the replaced log's page shows a report")
    tab.go(f"/{language}/results")
    if tab.value("document.querySelectorAll('table.results tbody tr').length") < 10:
        errors.append("the published results are not public")
    tab.go(f"/{language}/received")
    rows = tab.value("document.querySelectorAll('#received tbody tr').length")
    if rows != len(calls):
        errors.append(f"logs received lists {rows} calls, {len(calls)} sent")
    tab.screenshot("received")
    tab.go(f"/{language}/committee")
    tab.click("form[action$='/committee/logout'] button")
    if not tab.value("location.pathname").endswith("/committee/login"):
        errors.append("logging out did not end the session")
    errors += tab.errors
    tab.close()
    return errors


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    parser.add_argument("--logrobot", required=True)
    parser.add_argument("--contest-sim", required=True)
    parser.add_argument("--stats-host", required=True)
    parser.add_argument("--source", required=True, help="the repository")
    parser.add_argument("--work", required=True, help="scratch folder; screenshots land here")
    parser.add_argument("--chromium", default="/usr/bin/chromium")
    arguments = parser.parse_args()

    shutil.rmtree(arguments.work, ignore_errors=True)
    data = os.path.join(arguments.work, "robot")
    os.makedirs(data)
    with open(os.path.join(arguments.source, "examples", "contest.json"), encoding="utf-8") as file:
        contest = re.sub(r'"deadline": "[^"]*"', '"deadline": "2099-01-01 00:00"', file.read())
    with open(os.path.join(data, "contest.json"), "w", encoding="utf-8") as file:
        file.write(contest)
    subprocess.run([arguments.logrobot, "set-password", "--data", data],
                   input=(PASSWORD + "\n").encode(), check=True, capture_output=True)
    subprocess.run([arguments.contest_sim, "--out", os.path.join(arguments.work, "contest"),
                    "--stations", "40", "--qsos", "60", "--seed", "29"],
                   check=True, capture_output=True, stdin=subprocess.DEVNULL)
    logs_folder = os.path.join(arguments.work, "contest", "logs")
    simulated = sorted(os.path.join(logs_folder, name) for name in os.listdir(logs_folder))
    sample = os.path.join(arguments.source, "examples", "sample.adi")
    _, summary_text, _ = run_stats_host(arguments.stats_host, arguments.source,
                                        os.path.join(arguments.work, "stats-host"), sample, "en")
    _, total, score = parse_summary(summary_text)

    with open(os.path.join(arguments.work, "logrobot.log"), "wb") as log:
        robot = Robot(arguments.logrobot, data, log)
        try:
            for path in simulated[1:]:
                if robot.upload(path, CATEGORY) != 200:
                    print(f"FAILED the robot did not take {path}", file=sys.stderr)
                    return 1
            calls = set(range(len(simulated) - 1))
            flows = {"ru": (sample, "R3KV", (total[1], score)), "en": (simulated[0], "", None)}

            def check_language(browser, language):
                path, call, expect = flows[language]
                calls.add(language)
                errors = check_flow(browser, robot, arguments.work, language, path, call, expect,
                                    calls)
                print(f"{language}: {len(calls)} logs; screenshots in {arguments.work}")
                return errors

            return check_both_languages(arguments.chromium, arguments.work, check_language)
        finally:
            robot.stop()


if __name__ == "__main__":
    sys.exit(main())
