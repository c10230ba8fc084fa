#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""A picture of the browser table in the middle of a game, beside the desktop window at the
same table:

    tools/web-measure/screenshot.py HOST-BINARY [DESKTOP-BINARY] [OUT.png]

The browser (headless Chromium, 1280x700) hosts and plays a few turns against the computer;
the desktop window joins under Xvfb when a desktop binary is given and Xvfb is installed.
Writes OUT.png (default /tmp/hexaline-web-table.png): the two side by side, or the browser
alone."""

import os
import shutil
import subprocess
import sys
import tempfile
import time

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "tests", "web"))
import e2e_browser as e2e  # noqa: E402


def main():
    host_bin = sys.argv[1]
    desktop = sys.argv[2] if len(sys.argv) > 2 and sys.argv[2] else None
    out = sys.argv[3] if len(sys.argv) > 3 else "/tmp/hexaline-web-table.png"
    work = tempfile.mkdtemp(prefix="hexaline-shot-")
    table = e2e.Table(host_bin, 100, 600)
    display = None
    try:
        d = e2e.browser(1280, 700)
        try:
            e2e.join(d, table.url, "Ann")
            if desktop and shutil.which("Xvfb"):
                display = ":%d" % (90 + os.getpid() % 9)
                table.start(["Xvfb", display, "-screen", "0", "800x600x24", "-nolisten", "tcp"])
                time.sleep(1)
                env = dict(os.environ, DISPLAY=display, QT_QPA_PLATFORM="xcb")
                table.start([desktop, "--instance-dir", os.path.join(work, "dee"), "--port",
                             str(table.game_port), "Dee", "127.0.0.1", "false"], env=env)
                e2e.wait_until(lambda: "Dee is Connected." in e2e.chat_text(d), 20, "the desktop")
            e2e.start_game(d, 500, 120)  # a turn of 12 s at 100 ms a second
            d.find_element("id", "chatinput").send_keys("Hello from the browser :)#10 see www.example.org\n")
            turns = 0
            while turns < 3:
                e2e.wait_until(lambda: e2e.model(d, "m.myTurn && m.buttons.pass"), 200, "the own turn")
                e2e.play_turn(d)
                turns += 1
                time.sleep(0.5)
            e2e.wait_until(lambda: e2e.model(d, "m.myTurn && m.buttons.pass"), 200, "the own turn")
            plays = d.execute_script(e2e.PLAYS_JS)
            if plays:
                e2e.by_id(d, "slot%d" % plays[0][0]).click()
                e2e.square(d, plays[0][1], plays[0][2]).click()
            d.execute_script("window.scrollTo(0, 0)")
            time.sleep(0.5)
            browser_png = os.path.join(work, "browser.png")
            d.save_screenshot(browser_png)
            if display:
                desktop_png = os.path.join(work, "desktop.png")
                subprocess.run(["import", "-display", display, "-window", "root", desktop_png],
                               check=True)
                subprocess.run(["convert", browser_png, desktop_png, "-background", "#222",
                                "-gravity", "north", "+append", out], check=True)
            else:
                shutil.copy(browser_png, out)
        finally:
            d.quit()
    finally:
        table.close()
    print(out)
    return 0


if __name__ == "__main__":
    sys.exit(main())
