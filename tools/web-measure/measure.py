#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Figures of the browser client, in headless Chromium over loopback:

    tools/web-measure/measure.py HOST-BINARY [RUNS]

- page weight: bytes transferred for a first visit (empty cache) up to a playable table, which
  loads no sound; and the total with every game sound fetched too;
- time from navigation start to the first drawn hand (median and worst of RUNS first visits).

A raw protocol client hosts a game; the browser joins it as a latecomer and takes over the
computer's seat with its hand. HEXALINE_E2E_STUB=1 serves the page with the stand-in bridge."""

import os
import statistics
import subprocess
import sys
import time
import urllib.request

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "tests", "web"))
import e2e_browser as e2e  # noqa: E402

SOUNDS = ["entered", "timeup", "pass", "roundover", "finish", "invalid", "gameover", "turn",
          "turnnew", "place", "pickup", "clear", "tick"] + ["wave%d" % n for n in range(1, 21)]


def first_visit(driver, url):
    driver.execute_cdp_cmd("Network.enable", {})
    driver.execute_cdp_cmd("Network.setCacheDisabled", {"cacheDisabled": True})
    driver.execute_cdp_cmd("Network.clearBrowserCache", {})
    # A player who joined before: the name is remembered and the tab was at the table.
    driver.get(url + "?setup")
    driver.execute_script("localStorage.setItem('hexaline.name', 'Meg');"
                          "sessionStorage.setItem('hexaline.joined', '1');")
    driver.get("about:blank")
    driver.get(url)
    try:
        e2e.wait_until(lambda: driver.execute_script(
            "return performance.getEntriesByName('hexaline-hand').length > 0"), 10, "the hand")
    except AssertionError:
        print(driver.execute_script("const m = window.hexaline && window.hexaline.model;"
                                    "return m && JSON.stringify([m.myseat, m.hand, m.gameOn, m.status])"),
              driver.find_element("id", "chatlog").text, file=sys.stderr)
        raise
    figures = driver.execute_script("""
        const nav = performance.getEntriesByType('navigation')[0];
        const res = performance.getEntriesByType('resource');
        return {hand: performance.getEntriesByName('hexaline-hand')[0].startTime,
                bytes: nav.transferSize + res.reduce((n, r) => n + r.transferSize, 0),
                files: res.length + 1,
                sounds: res.filter((r) => r.name.includes('/sounds/')).length};""")
    driver.execute_script("window.hexaline.leave()")
    return figures


def main():
    host_bin = sys.argv[1]
    runs = int(sys.argv[2]) if len(sys.argv) > 2 else 5
    table = e2e.Table(host_bin, 1000, 5000)
    try:
        rex = e2e.raw_client(table, "Rex", "--start", "1000", "120")
        for line in rex.stdout:  # the game is on before the browser comes
            if line.startswith("CMD_startgame"):
                break
        driver = e2e.browser()
        try:
            results = []
            for _ in range(runs):
                results.append(first_visit(driver, table.url))
                time.sleep(0.3)
        finally:
            driver.quit()
        sound_bytes = 0
        for name in SOUNDS:
            with urllib.request.urlopen(table.url + "sounds/%s.wav" % name) as r:
                sound_bytes += len(r.read())
    finally:
        table.close()
    first = results[0]
    hands = [r["hand"] for r in results]
    print("page weight, first visit without sounds: %d bytes (%.1f KB) in %d files"
          % (first["bytes"], first["bytes"] / 1024, first["files"]))
    print("sounds fetched during the first visit: %d" % first["sounds"])
    print("page weight with every game sound: %d bytes (%.1f KB); the %d sounds: %.1f KB"
          % (first["bytes"] + sound_bytes, (first["bytes"] + sound_bytes) / 1024, len(SOUNDS),
             sound_bytes / 1024))
    print("navigation start to first drawn hand: median %.0f ms, worst %.0f ms over %d first visits"
          % (statistics.median(hands), max(hands), len(hands)))
    return 0


if __name__ == "__main__":
    sys.exit(main())
