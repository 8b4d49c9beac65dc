"""The browser build played in headless Chromium: a small world's site is
built with scripts/web.sh, served on 127.0.0.1 and played with keys; the
canvas and the game's own captures are checked, and the session the browser
recorded is replayed by the desktop game, whose captures must be the same
bytes. Needs TESSEL_WEB_BUILD, TESSEL_PACK and TESSEL_GAME (set by CTest)."""
import os
import shutil
import subprocess
import sys
import tempfile
import unittest

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import test_world  # noqa: E402
from webpage import Browser, Site, run_desktop_game  # noqa: E402
from selenium.webdriver.common.keys import Keys  # noqa: E402

ROOT = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
WIDTH, HEIGHT = 640, 480
RECORDING = "captures/play.txt"
# The frames captured with F12, in order.
SHOTS = ["opening", "exploring", "dialogue", "walked"]
SAVE = "/game/saves/slot1.sav"


def capture_path(number):
    return "/game/captures/%04d.tga" % number


def tga_rows(data):
    """A 24-bit capture as rows of RGB bytes from the top."""
    assert data[2] == 2 and data[16] == 24, "not an uncompressed 24-bit TGA"
    width = data[12] | data[13] << 8
    height = data[14] | data[15] << 8
    pixels = data[18:18 + width * height * 3]
    rows = []
    for y in range(height):
        row = bytearray(pixels[y * width * 3:(y + 1) * width * 3])
        row[0::3], row[2::3] = row[2::3], row[0::3]
        rows.append(bytes(row))
    if not data[17] & 0x20:  # rows from the bottom
        rows.reverse()
    return b"".join(rows)


def pixel(rgb, x, y):
    i = (y * WIDTH + x) * 3
    return tuple(rgb[i:i + 3])


def count(rgb, colour, left=0, top=0, right=WIDTH, bottom=HEIGHT):
    """Pixels of exactly this colour in the rectangle."""
    return sum(1 for y in range(top, bottom) for x in range(left, right)
               if pixel(rgb, x, y) == colour)


def bright(rgb, left=0, top=0, right=WIDTH, bottom=HEIGHT):
    return sum(1 for y in range(top, bottom) for x in range(left, right)
               if min(pixel(rgb, x, y)) > 150)


def tile(x, y):
    """The rectangle of map tile (x, y) on the screen."""
    return dict(left=x * 32, top=y * 32, right=x * 32 + 32, bottom=y * 32 + 32)


def run(command, **options):
    result = subprocess.run(command, capture_output=True, text=True, timeout=300, **options)
    if result.returncode != 0:
        raise RuntimeError("%s failed (%d):\n%s%s" % (command[0], result.returncode,
                                                       result.stdout, result.stderr))
    return result.stdout


def replay_on_desktop(game, recording, folder, names):
    """The desktop game replays the browser's recording in a copy of the
    same game folder: its captures by name (in the order taken), and what
    it printed."""
    if recording is None:
        return {}, ""
    shutil.copytree(game, folder)
    with open(os.path.join(folder, "play.txt"), "wb") as session:
        session.write(recording)
    env = dict(os.environ, TESSEL_REPLAY="play.txt", TESSEL_REPLAY_FAST="1",
               LIBGL_ALWAYS_SOFTWARE="1")
    output = run_desktop_game([os.environ["TESSEL_GAME"]], folder, env)
    captures = {}
    for number, name in enumerate(names, 1):
        path = os.path.join(folder, "captures", "%04d.tga" % number)
        if os.path.exists(path):
            with open(path, "rb") as capture:
                captures[name] = capture.read()
    return captures, output


class FrameComparison:
    def assert_same_frame(self, name, browser_tga, desktop_tga, steps, desktop_output="",
                          far_allowed=0):
        """Map tiles, sprites and letters are textures drawn texel for texel:
        the same bytes on both (steps 0). The boxes' colour gradients are not:
        the browser's OpenGL emulation keeps vertex colours in 8 bits and
        interpolates otherwise, one step apart at most; pixels blended with
        partial alpha (glyph edges over a gradient, see-through tiles) are
        rounded otherwise by each driver, a few steps apart; a picture drawn
        enlarged (the portrait) has texels sampled on their edges, which
        each driver may take from either side (`far_allowed` pixels)."""
        self.assertIsNotNone(browser_tga, name + ": the browser captured it")
        self.assertIsNotNone(desktop_tga, name + ": the desktop replay captured it")
        browser, desktop = tga_rows(browser_tga), tga_rows(desktop_tga)
        self.assertEqual(len(browser), len(desktop),
                         name + ": the frames' sizes; the desktop game said:\n" + desktop_output)
        differing = [(i // 3 % WIDTH, i // 3 // WIDTH) for i in range(0, len(browser), 3)
                     if browser[i:i + 3] != desktop[i:i + 3]]
        first = differing[0] if differing else None
        report = "%s: %d pixels differ, first at %s: %s in the browser, %s on the desktop" % (
            name, len(differing), first, first and pixel(browser, *first),
            first and pixel(desktop, *first))
        if steps == 0:
            self.assertEqual(differing, [], report)
            return
        far = [(x, y) for x, y in differing
               if max(abs(a - b) for a, b in zip(pixel(browser, x, y), pixel(desktop, x, y))) > steps]
        if len(far) > far_allowed:
            xs, ys = [x for x, _ in far], [y for _, y in far]
            self.fail(report + "; %d pixels more than %d steps apart, within (%d, %d)-(%d, %d)" % (
                len(far), steps, min(xs), min(ys), max(xs), max(ys)))
        self.assertLess(len(differing), WIDTH * HEIGHT // 4, report)


class BrowserPlay(unittest.TestCase, FrameComparison):
    """One play in the browser, looked at by every test below."""

    @classmethod
    def setUpClass(cls):
        cls.folder = tempfile.mkdtemp(prefix="tessel-web-test-")
        source = os.path.join(cls.folder, "source")
        cls.game = os.path.join(cls.folder, "game")
        site_folder = os.path.join(cls.folder, "site")
        test_world.write(source)
        run([os.environ["TESSEL_PACK"], source, "-o", cls.game])
        run(["sh", os.path.join(ROOT, "scripts", "web.sh"), cls.game, site_folder])
        cls.site = Site(site_folder)
        cls.browser = Browser()
        try:
            cls.play()
        except Exception:
            cls.tearDownClass()
            raise

    @classmethod
    def play(cls):
        browser = cls.browser
        browser.open(cls.site.url("?TESSEL_RECORD=" + RECORDING))
        browser.wait_for("Module.frameTimes.length > 0", what="the game's first frame")
        cls.title = browser.driver.title
        cls.titles_given = browser.js("return window.titlesGiven")
        cls.shots = {}
        cls.captures = {}

        def shoot(name):
            cls.shots[name] = browser.canvas_rgb()
            browser.tap(Keys.F12)
            browser.wait_frames(3)

        browser.wait_frames(60)
        shoot("opening")
        browser.tap("q")
        browser.wait_frames(90)
        shoot("exploring")
        browser.tap("q")
        browser.wait_frames(40)
        shoot("dialogue")
        browser.tap("q")
        browser.wait_frames(30)
        browser.key(Keys.ARROW_DOWN)
        browser.wait_frames(30)
        browser.key(Keys.ARROW_DOWN, down=False)
        browser.wait_frames(30)
        shoot("walked")
        # Saved from the menu (its one entry, the first slot), the game is
        # in the browser's storage as soon as the browser has written it:
        # not only at the next periodic write, nor when the game ends.
        # (The menu and its list take some 30 frames to open.)
        browser.tap(Keys.RETURN)
        browser.wait_frames(50)
        browser.tap("q")
        browser.wait_frames(50)
        browser.tap("q")
        browser.wait_for("FS.analyzePath('%s').exists" % SAVE, what="the save")
        browser.wait_for("!Module.tesselSaving", what="the stored files")
        cls.saved = browser.read_file(SAVE)
        cls.stored_save = browser.stored_file("/game/saves", SAVE)
        for _ in range(2):
            browser.tap("w")
            browser.wait_frames(50)
        browser.key(Keys.ESCAPE)
        browser.wait_for("Module.ended", what="the end of the game")
        browser.key(Keys.ESCAPE, down=False)
        cls.ended_text = browser.js(
            "var e = document.getElementById('ended');"
            "return getComputedStyle(e).display != 'none' ? e.textContent : ''")
        for number, name in enumerate(SHOTS, 1):
            cls.captures[name] = browser.read_file(capture_path(number))
        cls.recording = browser.read_file("/game/" + RECORDING)
        # The browser's storage keeps the captures for the next visit.
        browser.wait_for("!Module.tesselSaving", what="the stored files")
        browser.open(cls.site.url())
        browser.wait_for("Module.tesselStoredReady", what="the stored files")
        cls.kept_capture = browser.read_file(capture_path(1))
        cls.kept_save = browser.read_file(SAVE)
        cls.desktop, cls.desktop_output = replay_on_desktop(
            cls.game, cls.recording, os.path.join(cls.folder, "desktop"), SHOTS)

    @classmethod
    def tearDownClass(cls):
        if getattr(cls, "browser", None):
            cls.browser.close()
            cls.browser = None
        if getattr(cls, "site", None):
            cls.site.close()
            cls.site = None
        shutil.rmtree(cls.folder, ignore_errors=True)

    def canvas(self, name):
        rgb, width, height = self.shots[name]
        self.assertEqual((width, height), (WIDTH, HEIGHT), "the canvas at its own size")
        return rgb

    def test_page_is_titled_as_the_game_window(self):
        self.assertEqual(self.title, "Le pré d'Aline")
        with open(os.path.join(self.folder, "site", "index.html"), encoding="utf-8") as page:
            self.assertIn("<title>Le pré d&#x27;Aline</title>", page.read(), "before the game starts")
        self.assertEqual(set(self.titles_given), {"Le pré d'Aline"}, "no other title, not even for a moment")

    def test_opening_message_on_black(self):
        rgb = self.canvas("opening")
        self.assertEqual(bright(rgb, bottom=240), 0, "nothing but black above the message box")
        self.assertGreater(bright(rgb, top=240), 300, "the message's frame and letters")
        self.assertEqual(count(rgb, test_world.GRASS), 0, "no map yet")

    def test_map_and_sprites_after_the_message(self):
        rgb = self.canvas("exploring")
        self.assertEqual(pixel(rgb, 16, 16), test_world.GRASS)
        self.assertEqual(pixel(rgb, 100, test_world.PATH_ROW * 32 + 16), test_world.PATH)
        self.assertGreater(count(rgb, test_world.HERO, **tile(5, 5)), 800, "Aline on (5, 5)")
        self.assertGreater(count(rgb, test_world.NPC, **tile(6, 5)), 800, "Bran on (6, 5)")
        self.assertEqual(count(rgb, test_world.HERO) + count(rgb, test_world.NPC),
                         count(rgb, test_world.HERO, **tile(5, 5)) +
                         count(rgb, test_world.NPC, **tile(6, 5)), "no sprite elsewhere")

    def test_action_key_opens_the_dialogue(self):
        rgb = self.canvas("dialogue")
        explored = self.canvas("exploring")
        self.assertGreater(bright(rgb, top=320), bright(explored, top=320) + 200, "the dialogue's text")
        portrait = count(rgb, test_world.NPC) - count(rgb, test_world.NPC, **tile(6, 5))
        self.assertGreater(portrait, 1000, "Bran's portrait beside the text")

    def test_arrow_key_walks(self):
        rgb = self.canvas("walked")
        self.assertLess(count(rgb, test_world.HERO, **tile(5, 5)), 100, "Aline left (5, 5)")
        self.assertGreater(count(rgb, test_world.HERO, left=160, right=192, top=192), 800,
                           "Aline further down")
        self.assertGreater(count(rgb, test_world.NPC, **tile(6, 5)), 800, "Bran stayed")

    def test_canvas_shows_the_engine_picture(self):
        for name in SHOTS:
            self.assertIsNotNone(self.captures[name], name + ": F12 wrote a capture")
            self.assertEqual(self.canvas(name), tga_rows(self.captures[name]),
                             name + ": the page shows what the engine drew")

    def test_same_frames_as_the_desktop_build(self):
        for name in SHOTS:
            steps = 0 if name in ("exploring", "walked") else 1
            self.assert_same_frame(name, self.captures[name], self.desktop.get(name), steps,
                                   self.desktop_output)

    def test_recording_holds_desktop_key_numbers(self):
        self.assertIsNotNone(self.recording)
        text = self.recording.decode("ascii")
        for key in ("down 113 113", "up 113", "down 274 0", "up 274", "down 293 0", "down 27 27"):
            self.assertIn(key, text)
        numbers = [int(word) for word in text.split() if word.isdigit()]
        self.assertNotIn(1105, numbers, "the browser's own number for the down arrow")

    def test_escape_ends_the_game_and_says_so(self):
        self.assertIn("The game has ended", self.ended_text)

    def test_captures_survive_a_reload(self):
        self.assertIsNotNone(self.kept_capture)
        self.assertEqual(self.kept_capture, self.captures["opening"])

    def test_a_save_is_stored_at_once_and_survives_a_reload(self):
        self.assertIsNotNone(self.saved, "the menu saved the game")
        self.assertEqual(self.stored_save, self.saved, "in the browser's storage right after saving")
        self.assertEqual(self.kept_save, self.saved)


class SylvaPlay(unittest.TestCase, FrameComparison):
    """The demo world in the browser, with keys, to its first dialogue: the
    story's three pages over black, then Elian speaks over the village."""

    @classmethod
    def setUpClass(cls):
        cls.folder = tempfile.mkdtemp(prefix="tessel-web-sylva-")
        cls.game = os.path.join(cls.folder, "game")
        site_folder = os.path.join(cls.folder, "site")
        run([os.environ["TESSEL_PACK"], os.path.join(ROOT, "data", "sylva"), "-o", cls.game])
        run(["sh", os.path.join(ROOT, "scripts", "web.sh"), cls.game, site_folder])
        site = Site(site_folder)
        browser = Browser()
        try:
            browser.open(site.url("?TESSEL_RECORD=" + RECORDING))
            browser.wait_for("Module.frameTimes.length > 0", what="the game's first frame")
            browser.wait_frames(40)
            browser.tap(Keys.F12)
            browser.play_sylva_to_first_dialogue()
            cls.dialogue = browser.canvas_rgb()
            browser.tap(Keys.F12)
            browser.wait_frames(3)
            browser.key(Keys.ESCAPE)
            browser.wait_for("Module.ended", what="the end of the game")
            cls.captures = {name: browser.read_file(capture_path(number))
                            for number, name in enumerate(["story", "dialogue"], 1)}
            recording = browser.read_file("/game/" + RECORDING)
        finally:
            browser.close()
            site.close()
        cls.desktop, cls.desktop_output = replay_on_desktop(
            cls.game, recording, os.path.join(cls.folder, "desktop"), ["story", "dialogue"])

    @classmethod
    def tearDownClass(cls):
        shutil.rmtree(cls.folder, ignore_errors=True)

    def test_first_dialogue_over_the_village(self):
        rgb, width, height = self.dialogue
        self.assertEqual((width, height), (WIDTH, HEIGHT))
        black_above = sum(1 for y in range(0, 300, 4) for x in range(0, WIDTH, 4)
                          if pixel(rgb, x, y) == (0, 0, 0))
        self.assertLess(black_above, 100, "the village is drawn above the box")
        self.assertGreater(bright(rgb, top=330), 300, "Elian's words in the box")

    def test_same_frames_as_the_desktop_build(self):
        for name in ("story", "dialogue"):
            self.assert_same_frame(name, self.captures[name], self.desktop.get(name), 4,
                                   self.desktop_output, far_allowed=48)


if __name__ == "__main__":
    unittest.main(verbosity=2)
