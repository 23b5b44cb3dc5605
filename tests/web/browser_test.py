#!/usr/bin/env python3
"""A phone's view of the live results, in headless Chromium: the results page of the demo
contest follows a round stored through the real score entry window within 2 seconds, without
being reloaded, and the start list shows who flies now. Leaves a 360 x 740 screenshot of the
results page to look at.

usage: browser_test.py <live driver> <screenshot.png>
Exits 77 (skipped) with a message where Chromium, its driver or Selenium is missing."""

import os
import shutil
import socket
import subprocess
import sys
import tempfile
import time

SKIPPED = 77


def skip(why):
    print("SKIPPED: " + why)
    sys.exit(SKIPPED)


try:
    from selenium import webdriver
    from selenium.webdriver.chrome.service import Service
except ImportError:
    skip("python3-selenium is not installed")
CHROMIUM = shutil.which("chromium")
CHROMEDRIVER = shutil.which("chromedriver")
if not CHROMIUM or not CHROMEDRIVER:
    skip("chromium and chromium-driver are not installed")


def free_port():
    with socket.socket() as probe:
        probe.bind(("127.0.0.1", 0))
        return probe.getsockname()[1]


def wait_until(condition, seconds):
    end = time.monotonic() + seconds
    while time.monotonic() < end:
        value = condition()
        if value:
            return value
        time.sleep(0.05)
    return condition()


def main():
    driver_program, screenshot = sys.argv[1], sys.argv[2]
    port = free_port()
    env = dict(os.environ, QT_QPA_PLATFORM="offscreen")
    program = subprocess.Popen([driver_program, str(port)], stdin=subprocess.PIPE,
                               stdout=subprocess.PIPE, env=env, text=True)

    def tell(command):
        program.stdin.write(command + "\n")
        program.stdin.flush()
        return program.stdout.readline().strip()

    profile = tempfile.mkdtemp(prefix="veltra-chromium-")
    options = webdriver.ChromeOptions()
    options.binary_location = CHROMIUM
    for flag in ("--headless", "--no-sandbox", "--disable-gpu", "--disable-quic",
                 "--no-first-run", "--disable-background-networking",
                 "--disable-component-update", "--disable-sync", "--user-data-dir=" + profile,
                 "--window-size=360,740"):
        options.add_argument(flag)
    browser = None
    try:
        assert program.stdout.readline().strip() == "READY", "the program did not start"
        browser = webdriver.Chrome(service=Service(CHROMEDRIVER), options=options)
        base = "http://127.0.0.1:%d" % port

        browser.get(base + "/startlist")
        now = tell("open")
        assert now.startswith("NOW "), now
        name = now[4:]
        # Read in one step: the page replaces its content while it is being read.
        rows = "return [...document.querySelectorAll('tr.now')].map(r => r.textContent)"
        shown = wait_until(lambda: browser.execute_script(rows), 2.5)
        assert any(name in row for row in shown), "start list shows %r as now" % shown

        browser.get(base + "/")
        first = lambda: browser.execute_script(
            "return document.querySelector('tr.pilot a').textContent")
        assert first() != name, "%s is already placed first" % name
        browser.execute_script("window.notReloaded = true")
        assert tell("store") == "STORED"
        stored = time.monotonic()
        assert wait_until(lambda: first() == name, 2.0), "the page still shows %s first" % first()
        seconds = time.monotonic() - stored
        assert browser.execute_script("return window.notReloaded === true"), "the page reloaded"
        print("the stored round showed after %.2f s" % seconds)

        browser.execute_cdp_cmd("Emulation.setDeviceMetricsOverride",
                                {"width": 360, "height": 740, "deviceScaleFactor": 1,
                                 "mobile": True})
        browser.save_screenshot(screenshot)
        print("screenshot: " + screenshot)
    finally:
        if browser:
            browser.quit()
        if program.poll() is None:
            program.stdin.write("quit\n")
            program.stdin.flush()
        program.wait(timeout=10)
        shutil.rmtree(profile, ignore_errors=True)
    print("1 passed, 0 failed")


if __name__ == "__main__":
    main()
