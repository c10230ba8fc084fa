#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""The browser client end to end: headless Chromium, driven through chromedriver, at a table of
hexaline-host --web.

    e2e_browser.py HOST-BINARY CASE [DESKTOP-BINARY]

CASE: round, hostile, reload, mixed, phone, keys

Exits 77 (skipped) when the host serves no browser client. HEXALINE_E2E_STUB=1 serves the page
with tests/web/stub_bridge.mjs instead, for working on the page alone."""

import json
import os
import socket
import subprocess
import sys
import time
import urllib.request

HERE = os.path.dirname(os.path.abspath(__file__))
SKIP = 77


def free_port():
    with socket.socket() as s:
        s.bind(("127.0.0.1", 0))
        return s.getsockname()[1]


def wait_until(test, seconds, what):
    end = time.monotonic() + seconds
    while time.monotonic() < end:
        value = test()
        if value:
            return value
        time.sleep(0.05)
    raise AssertionError("timed out waiting for " + what)


class Table:
    """A host with its web side, started for one test."""

    def __init__(self, host_bin, second_ms, bot_speed):
        self.procs = []
        self.game_port = free_port()
        self.web_port = free_port()
        common = ["--second-ms", str(second_ms), "--bot-speed", str(bot_speed)]
        if os.environ.get("HEXALINE_E2E_STUB"):
            self.start([host_bin, "--port", str(self.game_port)] + common)
            self.start(["node", os.path.join(HERE, "stub_bridge.mjs"), str(self.game_port),
                        str(self.web_port)] + os.environ.get("HEXALINE_E2E_STUB_ARGS", "").split())
        else:
            self.start([host_bin, "--port", str(self.game_port), "--web", str(self.web_port)]
                       + common)
        self.url = "http://127.0.0.1:%d/" % self.web_port

        def answers():
            try:
                return urllib.request.urlopen(self.url, timeout=1).status == 200
            except OSError:
                return False
        wait_until(answers, 15, "the page")

    def start(self, argv, **kw):
        p = subprocess.Popen(argv, stdout=kw.pop("stdout", subprocess.DEVNULL),
                             stderr=subprocess.STDOUT, **kw)
        self.procs.append(p)
        return p

    def close(self):
        for p in reversed(self.procs):
            if p.poll() is None:
                p.terminate()
                try:
                    p.wait(5)
                except subprocess.TimeoutExpired:
                    p.kill()


def browser(width=1280, height=800):
    from selenium import webdriver
    from selenium.webdriver.chrome.service import Service
    options = webdriver.ChromeOptions()
    for arg in ["--headless=new", "--no-sandbox", "--disable-gpu",
                "--window-size=%d,%d" % (width, height), "--autoplay-policy=no-user-gesture-required"]:
        options.add_argument(arg)
    options.set_capability("goog:loggingPrefs", {"browser": "ALL"})
    return webdriver.Chrome(service=Service("/usr/bin/chromedriver"), options=options)


def by_id(driver, name):
    from selenium.webdriver.common.by import By
    return driver.find_element(By.ID, name)


def model(driver, expression):
    return driver.execute_script("const m = window.hexaline && window.hexaline.model; "
                                 "return m ? (" + expression + ") : null;")


def join(driver, url, name):
    driver.get(url)
    wait_until(lambda: model(driver, "true"), 10, "the page to start")
    field = by_id(driver, "name")
    field.clear()
    field.send_keys(name)
    by_id(driver, "joinbutton").click()
    wait_until(lambda: model(driver, "m.myseat") and model(driver, "m.seats[m.myseat] ? "
               "m.seats[m.myseat].caption !== '<Waiting>' : true"), 10, "the login")


def start_game(driver, playto, seconds):
    from selenium.webdriver.support.ui import Select
    wait_until(lambda: by_id(driver, "startform").is_displayed(), 10, "the start form")
    Select(by_id(driver, "playto")).select_by_visible_text(str(playto))
    Select(by_id(driver, "turntime")).select_by_visible_text(str(seconds))
    by_id(driver, "startgame").click()
    wait_until(lambda: model(driver, "m.gameOn"), 10, "the game to start")


# The squares where one hand tile may go alone, worked out from the page's own model; the
# test then lays it with clicks, as a person would.
PLAYS_JS = """
const m = window.hexaline.model;
const colour = (t) => ((t % 6) + 6) % 6;
const shape = (t) => { const r = ((t % 36) + 36) % 36; return r >= 1 && r <= 30 ? Math.floor((r - 1) / 6) + 1 : 6; };
const isSet = (ts) => ts.length <= 1 || (ts.length <= 6 &&
  ((new Set(ts.map(colour)).size === 1 && new Set(ts.map(shape)).size === ts.length) ||
   (new Set(ts.map(shape)).size === 1 && new Set(ts.map(colour)).size === ts.length)));
const at = (r, c) => r >= 1 && r <= 12 && c >= 1 && c <= 12 ? m.board[r - 1][c - 1].tile : 0;
const empty = m.board.every((row) => row.every((s) => s.tile === 0));
const out = [];
for (let slot = 1; slot <= 6; ++slot) {
  const tile = m.hand[slot];
  if (!tile || !m.handShown(slot)) continue;
  for (let r = 1; r <= 12; ++r) for (let c = 1; c <= 12; ++c) {
    if (at(r, c)) continue;
    if (empty) { if (r === 6 && c === 6) out.push([slot, r, c]); continue; }
    if (!at(r - 1, c) && !at(r + 1, c) && !at(r, c - 1) && !at(r, c + 1)) continue;
    const line = (dr, dc) => { const ts = [tile];
      for (let k = 1; at(r + dr * k, c + dc * k); ++k) ts.push(at(r + dr * k, c + dc * k));
      for (let k = 1; at(r - dr * k, c - dc * k); ++k) ts.push(at(r - dr * k, c - dc * k));
      return ts; };
    if (isSet(line(0, 1)) && isSet(line(1, 0))) out.push([slot, r, c]);
  }
}
return out;
"""


def square(driver, row, column):
    from selenium.webdriver.common.by import By
    return driver.find_element(By.CSS_SELECTOR,
                               '.square[data-row="%d"][data-column="%d"]' % (row, column))


def play_turn(driver):
    """Lays one tile where the rules allow, by clicks, and finishes; passes when none fits."""
    plays = driver.execute_script(PLAYS_JS)
    if not plays:
        if by_id(driver, "pass").is_displayed():
            by_id(driver, "pass").click()
        return False
    slot, row, column = plays[0]
    by_id(driver, "slot%d" % slot).click()
    square(driver, row, column).click()
    by_id(driver, "finish").click()
    return True


def chat_text(driver):
    """The chat log's text with runs of spaces as one."""
    return " ".join(by_id(driver, "chatlog").text.replace("\n", " \n ").split(" "))


def drag_turn(driver):
    """Lays one tile by dragging it from the hand to the board (the page's drag events, as a
    mouse makes them), and finishes."""
    slot, row, column = driver.execute_script(PLAYS_JS)[0]
    driver.execute_script("""
        const [slot, square] = arguments;
        const carried = new DataTransfer();
        const fire = (target, type) => target.dispatchEvent(
            new DragEvent(type, {bubbles: true, cancelable: true, dataTransfer: carried}));
        fire(slot, 'dragstart');
        fire(square, 'dragover');
        fire(square, 'drop');
        fire(slot, 'dragend');""", by_id(driver, "slot%d" % slot), square(driver, row, column))
    assert model(driver, "m.laidThisTurn(%d, %d)" % (row, column)), "the drop laid no tile"
    by_id(driver, "finish").click()


def no_alert(driver):
    from selenium.common.exceptions import NoAlertPresentException
    try:
        driver.switch_to.alert
    except NoAlertPresentException:
        return True
    return False


def case_round(table):
    """A browser player plays a one-round game to its winner against the computer."""
    with browser() as d:
        join(d, table.url, "Ann")
        assert model(d, "m.myseat") == 1
        start_game(d, 0, 30)
        assert by_id(d, "playtoscore").text == "One Round Game"
        played = 0
        while not model(d, "m.winner"):
            if model(d, "m.myTurn") and model(d, "m.buttons.pass"):
                played += 1 if play_turn(d) else 0
                wait_until(lambda: not model(d, "m.myTurn && m.buttons.pass") or model(d, "m.winner"),
                           10, "the play to be answered")
            time.sleep(0.02)
        winner = by_id(d, "winner")
        assert winner.is_displayed() and winner.text.endswith("Won the Game!"), winner.text
        assert by_id(d, "status").text == "Game Over!"
        assert played > 0, "the browser player laid no tile"
        assert int(model(d, "m.seats[1].score")) > 0
        assert "Won the Game!" in by_id(d, "chatlog").text
        # The game sounds came from the host, fetched when first played.
        fetched = d.execute_script("return performance.getEntriesByType('resource')"
                                   ".filter((r) => r.name.includes('/sounds/')).map((r) => r.name)")
        assert any(name.endswith("/sounds/place.wav") for name in fetched), fetched
        print("browser player laid tiles in %d turns; %s" % (played, winner.text))


def case_hostile(table):
    """Names and chat are shown as text; only http and https words are links."""
    from selenium.webdriver.common.by import By
    hostile = "<img src=x onerror=alert(1)>"
    with browser() as d:
        join(d, table.url, hostile)
        name = by_id(d, "seat1").find_element(By.CLASS_NAME, "name")
        assert name.get_attribute("textContent") == hostile, name.get_attribute("textContent")
        chat = by_id(d, "chatinput")
        chat.send_keys("<b>bold</b> javascript:alert(2) see https://example.org/x :)#12\n")
        wait_until(lambda: "<b>bold</b>" in by_id(d, "chatlog").text, 10, "the chat line")
        log = by_id(d, "chatlog")
        assert hostile + " chats:" in log.text
        assert not d.find_elements(By.CSS_SELECTOR, "#chatlog img, #seats img, #chatlog b")
        links = log.find_elements(By.TAG_NAME, "a")
        assert [a.get_attribute("href") for a in links] == ["https://example.org/x"], links
        assert links[0].get_attribute("rel") == "noopener noreferrer"
        assert links[0].get_attribute("target") == "_blank"
        assert log.find_elements(By.CSS_SELECTOR, "svg.smiley")
        assert no_alert(d)
        print("hostile name and chat shown as text")


def own_seat(driver):
    """The browser player's seat, score, sorted hand and the number of tiles on the board."""
    return model(driver, "({seat: m.myseat, score: m.seats[1].score, "
                         "hand: m.hand.slice(1).filter((t) => t).sort((a, b) => a - b), "
                         "tiles: m.board.flat().filter((s) => s.tile).length})")


def case_reload(table):
    """A reload joins again under the same name and gets the own seat, hand and score back."""
    with browser() as d:
        join(d, table.url, "Ann")
        start_game(d, 0, 60)
        wait_until(lambda: model(d, "m.myTurn && m.buttons.pass"), 30, "the own turn")
        drag_turn(d)
        wait_until(lambda: model(d, "m.shownTurn === 2"), 10, "the computer's turn")
        before = own_seat(d)
        assert before["seat"] == 1 and before["tiles"] > 0, before
        d.refresh()
        wait_until(lambda: model(d, "m.gameOn && m.dealt && m.myseat === 1"), 15, "the rejoin")
        after = own_seat(d)
        assert after["seat"] == before["seat"], (before, after)
        assert after["score"] == before["score"], (before, after)
        assert after["hand"] == before["hand"], (before, after)
        assert after["tiles"] >= before["tiles"], (before, after)
        assert by_id(d, "table").is_displayed()
        print("rejoined seat %d with score %s and the same hand" % (after["seat"], after["score"]))


def raw_client(table, name, *extra):
    return table.start(["node", os.path.join(HERE, "raw_client.mjs"), str(table.game_port), name]
                       + list(extra), stdout=subprocess.PIPE, text=True)


def case_mixed(table, desktop=None):
    """A browser, a raw protocol client and (when built) the desktop window at one table."""
    from selenium.webdriver.common.by import By
    import tempfile
    with browser() as d:
        join(d, table.url, "Ann")
        window = None
        if desktop and os.path.exists(desktop):
            home = tempfile.mkdtemp(prefix="hexaline-e2e-")
            env = dict(os.environ, QT_QPA_PLATFORM="offscreen", HOME=home,
                       XDG_CONFIG_HOME=home, XDG_DATA_HOME=home, XDG_RUNTIME_DIR=home)
            window = table.start([desktop, "--instance-dir", home, "--port", str(table.game_port),
                                  "Dee", "127.0.0.1", "false"], env=env)
            wait_until(lambda: "Dee is Connected." in chat_text(d), 20, "the desktop window")
        raw = raw_client(table, "Rex", "--say", "hello from Rex")
        wait_until(lambda: "Rex is Connected." in chat_text(d), 10, "Rex")
        wait_until(lambda: "Rex chats: hello from Rex" in " ".join(chat_text(d).split()), 10, "Rex's chat")
        chat = by_id(d, "chatinput")
        chat.send_keys("hello from Ann\n")
        start_game(d, 0, 30)
        if window:
            # Nobody plays in the desktop window: the hosting user lets the computer play its
            # seat, as the desktop host's Set to Just Watch does.
            d.execute_script("const m = window.hexaline.model;"
                             "const seat = [1, 2, 3, 4].find((s) => m.seats[s].caption === 'Dee');"
                             "m.send('JustWatch', [seat, '1']);")
            wait_until(lambda: "Dee is just watching" in chat_text(d), 10, "Dee to watch")
        deadline = time.monotonic() + 180
        while not model(d, "m.winner"):
            if time.monotonic() > deadline:
                raise AssertionError("no winner in time; last status: " + by_id(d, "status").text
                                     + "; " + model(d, "m.round + ' ' + m.tilesLeft"))
            if model(d, "m.myTurn && m.buttons.pass"):
                play_turn(d)
                wait_until(lambda: not model(d, "m.myTurn && m.buttons.pass") or model(d, "m.winner"),
                           10, "the play to be answered")
            time.sleep(0.02)
        names = [e.get_attribute("textContent") for e in d.find_elements(By.CSS_SELECTOR, "#seats .name")]
        assert "Rex" in names, names
        if window:
            assert "Dee" in names, names
            assert window.poll() is None, "the desktop window closed during the game"
        raw.terminate()
        out = raw.communicate(timeout=10)[0]
        assert "CMD_chat+1+Ann chats: hello from Ann" in out, out[-2000:]
        assert "CMD_hisplay+1+" in out, "Rex saw no play of Ann's"
        assert "CMD_winner+" in out
        if window:
            assert "+Dee+" in out, "Rex did not see the desktop player"
        print("browser and raw client%s saw each other's plays and chat"
              % (" (with the desktop window at the table)" if window else ""))


def case_keys(table):
    """The desktop game's keys: 1-6, the arrows, Enter, F, C, P, Esc and Tab."""
    from selenium.webdriver.common.action_chains import ActionChains
    from selenium.webdriver.common.keys import Keys
    with browser() as d:
        join(d, table.url, "Ann")
        # Sounds off: the switch is kept in the browser, and nothing is fetched.
        by_id(d, "soundswitch").click()
        sounds = "return performance.getEntriesByType('resource')" \
                 ".filter((r) => r.name.includes('/sounds/')).length"
        fetched_before = d.execute_script(sounds)
        start_game(d, 0, 60)
        wait_until(lambda: model(d, "m.myTurn && m.buttons.pass"), 30, "the own turn")
        keys = ActionChains(d)
        by_id(d, "chatinput").click()
        keys.send_keys("12").perform()  # typing in the chat input plays nothing
        assert by_id(d, "chatinput").get_attribute("value") == "12"
        assert model(d, "m.selected") == 0
        keys.send_keys(Keys.ESCAPE).perform()
        assert d.switch_to.active_element == by_id(d, "board")
        plays = d.execute_script(PLAYS_JS)
        slot, row, column = plays[0]
        # The cursor starts at row 6, column 6.
        steps = [Keys.DOWN] * (row - 6) + [Keys.UP] * (6 - row) + \
            [Keys.RIGHT] * (column - 6) + [Keys.LEFT] * (6 - column)
        ActionChains(d).send_keys(str(slot), *steps, Keys.ENTER).perform()
        assert model(d, "m.laidThisTurn(%d, %d)" % (row, column))
        ActionChains(d).send_keys("c").perform()  # Clear takes it back
        assert not model(d, "m.laidThisTurn(%d, %d)" % (row, column))
        ActionChains(d).send_keys(str(slot), Keys.SPACE).perform()
        assert model(d, "m.laidThisTurn(%d, %d)" % (row, column))
        ActionChains(d).send_keys("f").perform()
        wait_until(lambda: model(d, "m.board[%d][%d].state === 1000" % (row - 1, column - 1)),
                   10, "the play to be taken")
        wait_until(lambda: model(d, "m.myTurn && m.buttons.pass"), 30, "the next own turn")
        ActionChains(d).send_keys("p").perform()
        wait_until(lambda: by_id(d, "status").text == "You passed. Turn Over!", 10, "the pass")
        ActionChains(d).send_keys(Keys.TAB).perform()
        assert d.switch_to.active_element == by_id(d, "chatinput")
        assert d.execute_script(sounds) == fetched_before
        assert d.execute_script("return localStorage.getItem('hexaline.sounds')") == "off"
        print("a play laid, cleared, laid again and finished, and a pass, by keys alone")


def case_phone(table):
    """The table fits phone screens upright and sideways, with no sideways scrolling."""
    with browser() as d:
        join(d, table.url, "Ann")
        start_game(d, 0, 60)
        for width, height in [(390, 844), (844, 390), (1280, 800)]:
            d.execute_cdp_cmd("Emulation.setDeviceMetricsOverride", {
                "width": width, "height": height, "deviceScaleFactor": 2, "mobile": width < 1000})
            time.sleep(0.2)
            scroll, client = d.execute_script(
                "return [document.documentElement.scrollWidth, document.documentElement.clientWidth]")
            assert scroll <= client, (width, height, scroll, client)
            for part in ["board", "hand", "chatinput"]:
                box = d.execute_script("const r = document.getElementById(arguments[0])"
                                       ".getBoundingClientRect(); return [r.left, r.right];", part)
                assert 0 <= box[0] and box[1] <= client + 0.5, (width, height, part, box)
        print("no sideways scrolling at 390x844, 844x390 and 1280x800")


CASES = {"round": (case_round, 100, 1), "hostile": (case_hostile, 1000, 1000),
         "reload": (case_reload, 1000, 3000), "mixed": (case_mixed, 50, 1), "phone": (case_phone, 1000, 1000),
         "keys": (case_keys, 1000, 300)}


def main():
    host_bin, case = sys.argv[1], sys.argv[2]
    if not os.environ.get("HEXALINE_E2E_STUB"):
        usage = subprocess.run([host_bin, "--help"], capture_output=True, text=True)
        if "--web" not in usage.stdout + usage.stderr:
            print("hexaline-host serves no browser client: skipped")
            return SKIP
    try:
        import selenium  # noqa: F401
    except ImportError:
        print("python3-selenium is not installed: skipped")
        return SKIP
    run, second_ms, bot_speed = CASES[case]
    table = Table(host_bin, second_ms, bot_speed)
    try:
        if case == "mixed":
            run(table, sys.argv[3] if len(sys.argv) > 3 else None)
        else:
            run(table)
    finally:
        table.close()
    return 0


if __name__ == "__main__":
    sys.exit(main())
