"""A game's web site served on 127.0.0.1 and played in headless Chromium
through Selenium: what the browser test and the browser benchmark share."""
import base64
import functools
import http.server
import os
import shutil
import subprocess
import tempfile
import threading
import time

from selenium import webdriver
from selenium.webdriver.chrome.service import Service
from selenium.webdriver.common.action_chains import ActionChains
from selenium.webdriver.common.by import By

CHROMIUM_FLAGS = [
    "--headless", "--no-sandbox", "--disable-gpu",
    "--use-gl=swiftshader", "--enable-unsafe-swiftshader",
    "--disable-background-networking", "--disable-component-update",
    "--disable-sync", "--no-first-run",
    # Room for the 640 x 480 canvas at its own size (a whole factor of 1).
    "--window-size=1024,768",
]


class VirtualDisplay:
    """An X server of its own for the desktop game, where none is set: Xvfb
    picks a free display number itself (-displayfd), so that servers started
    side by side never take the same one. -noreset: it must not restart
    (refusing connections meanwhile) when its last client disconnects."""

    def __init__(self):
        read, write = os.pipe()
        self.server = subprocess.Popen(
            ["Xvfb", "-displayfd", str(write), "-screen", "0", "1024x768x24", "-nolisten", "tcp",
             "-noreset"],
            pass_fds=(write,), stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        os.close(write)
        with os.fdopen(read) as answer:
            number = answer.readline().strip()
        if not number:
            self.server.kill()
            raise RuntimeError("Xvfb did not start")
        self.display = ":" + number

    def close(self):
        self.server.terminate()
        self.server.wait(timeout=10)


def run_desktop_game(command, folder, env, timeout=300):
    """Runs the desktop game in `folder`, on $DISPLAY or an X server of its own."""
    display = None
    if not env.get("DISPLAY"):
        display = VirtualDisplay()
        env = dict(env, DISPLAY=display.display)
    try:
        result = subprocess.run(command, cwd=folder, env=env, capture_output=True, text=True,
                                timeout=timeout)
    finally:
        if display:
            display.close()
    if result.returncode != 0:
        raise RuntimeError("%s failed (%d):\n%s%s" % (command[0], result.returncode,
                                                       result.stdout, result.stderr))
    return result.stdout


class QuietHandler(http.server.SimpleHTTPRequestHandler):
    extensions_map = dict(http.server.SimpleHTTPRequestHandler.extensions_map,
                          **{".wasm": "application/wasm", ".js": "text/javascript"})

    def log_message(self, *args):
        pass


class Site:
    """Serves `folder` on 127.0.0.1, on a port the system picks."""

    def __init__(self, folder):
        handler = functools.partial(QuietHandler, directory=folder)
        self.server = http.server.ThreadingHTTPServer(("127.0.0.1", 0), handler)
        self.thread = threading.Thread(target=self.server.serve_forever, daemon=True)
        self.thread.start()

    def url(self, query=""):
        return "http://127.0.0.1:%d/index.html%s" % (self.server.server_address[1], query)

    def close(self):
        self.server.shutdown()
        self.server.server_close()


TITLE_LOG = """
window.titlesGiven = [];
(function () {
    var title = Object.getOwnPropertyDescriptor(Document.prototype, "title");
    Object.defineProperty(document, "title", {
        configurable: true,
        get: function () { return title.get.call(document); },
        set: function (value) { window.titlesGiven.push(value); title.set.call(document, value); }
    });
})();
"""


class Browser:
    """Headless Chromium with a profile of its own, thrown away at the end."""

    def __init__(self):
        self.profile = tempfile.mkdtemp(prefix="tessel-chromium-")
        options = webdriver.ChromeOptions()
        options.binary_location = shutil.which("chromium") or "/usr/bin/chromium"
        for flag in CHROMIUM_FLAGS:
            options.add_argument(flag)
        options.add_argument("--user-data-dir=" + self.profile)
        service = Service(shutil.which("chromedriver") or "/usr/bin/chromedriver")
        self.driver = webdriver.Chrome(service=service, options=options)
        self.driver.set_page_load_timeout(60)
        self.driver.set_script_timeout(60)
        # Every title a page is given, in order, from before its own scripts
        # run: a tab that shows a wrong title for a moment shows up here.
        self.driver.execute_cdp_cmd("Page.addScriptToEvaluateOnNewDocument", {"source": TITLE_LOG})

    def open(self, url):
        self.driver.get(url)

    def js(self, script, *args):
        return self.driver.execute_script(script, *args)

    def wait_for(self, script, timeout=60.0, what="the page"):
        """Polls a JavaScript expression until it is true; its value."""
        deadline = time.monotonic() + timeout
        while True:
            value = self.js("return " + script)
            if value:
                return value
            if time.monotonic() > deadline:
                raise TimeoutError("%s: %s stayed false" % (what, script))
            time.sleep(0.1)

    def frames(self):
        return self.js("return Module.frameTimes.length")

    def wait_frames(self, count, timeout=60.0):
        """Waits until the game has run `count` more frames."""
        target = self.frames() + count
        self.wait_for("Module.frameTimes.length >= %d" % target, timeout, "frames")

    def key(self, name, down=True):
        """Presses or releases a key through the browser's own input
        (Selenium's names: "q", Keys.ARROW_RIGHT, Keys.F12, ...)."""
        actions = ActionChains(self.driver)
        (actions.key_down if down else actions.key_up)(name)
        actions.perform()

    def tap(self, name, hold_frames=2):
        self.key(name, True)
        self.wait_frames(hold_frames)
        self.key(name, False)

    def read_file(self, path):
        """Bytes of a file of the page's file system, or None."""
        text = self.js("""
            try { var b = FS.readFile(arguments[0]); } catch (e) { return null; }
            var s = ''; for (var i = 0; i < b.length; i++) s += String.fromCharCode(b[i]);
            return btoa(s);""", path)
        return None if text is None else base64.b64decode(text)

    def stored_file(self, folder, path):
        """Bytes of a file as the browser's storage holds it for the kept
        `folder` (what the next visit of the page reads), or None."""
        text = self.driver.execute_async_script("""
            var folder = arguments[0], path = arguments[1], done = arguments[2];
            var opening = indexedDB.open(folder);
            opening.onerror = function() { done(null); };
            opening.onsuccess = function() {
                var db = opening.result;
                if (!db.objectStoreNames.contains('FILE_DATA')) { db.close(); done(null); return; }
                var reading = db.transaction(['FILE_DATA'], 'readonly').objectStore('FILE_DATA').get(path);
                reading.onerror = function() { db.close(); done(null); };
                reading.onsuccess = function() {
                    db.close();
                    var entry = reading.result;
                    if (!entry || !entry.contents) { done(null); return; }
                    // Kept as the file system's own typed array (signed, at times).
                    var c = entry.contents, b = new Uint8Array(c.buffer, c.byteOffset, c.length), s = '';
                    for (var i = 0; i < b.length; i++) s += String.fromCharCode(b[i]);
                    done(btoa(s));
                };
            };""", folder, path)
        return None if text is None else base64.b64decode(text)

    def canvas_rgb(self):
        """The canvas as the page shows it (an element screenshot): rows of
        RGB bytes from the top, with its width and height."""
        canvas = self.driver.find_element(By.ID, "canvas")
        png = canvas.screenshot_as_png
        with tempfile.NamedTemporaryFile(suffix=".png") as shot:
            shot.write(png)
            shot.flush()
            size = subprocess.run(["identify", "-format", "%w %h", shot.name],
                                  check=True, capture_output=True, text=True).stdout.split()
            rgb = subprocess.run(["convert", shot.name, "-depth", "8", "rgb:-"],
                                 check=True, capture_output=True).stdout
        return rgb, int(size[0]), int(size[1])

    def top_is_black(self):
        """True while the upper 300 rows of the canvas are black (sampled)."""
        rgb, width, _ = self.canvas_rgb()
        samples = [rgb[(y * width + x) * 3:(y * width + x) * 3 + 3]
                   for y in range(0, 300, 10) for x in range(0, width, 10)]
        return sum(1 for sample in samples if sample == b"\0\0\0") > len(samples) * 0.9

    def play_sylva_to_first_dialogue(self, pages=10):
        """Turns the pages of Sylva's story (told over black) with the action
        key until the village fades in and Elian speaks."""
        for _ in range(pages):
            if not self.top_is_black():
                break
            self.tap("q")
            self.wait_frames(60)
        else:
            raise TimeoutError("the village never came after %d pages" % pages)
        self.wait_frames(30)

    def close(self):
        try:
            self.driver.quit()
        finally:
            shutil.rmtree(self.profile, ignore_errors=True)
