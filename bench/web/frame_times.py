"""The engine's own time per frame in headless Chromium beside the desktop
build's, on Sylva: in the opening dialogue over the village and walking in
it. The browser's session is recorded and the desktop build replays it
(bench_frames), so both time the same frames.

  /usr/bin/python3 bench/web/frame_times.py [--site DIR] [--game DIR] [--frames PROGRAM]

--site: Sylva's web site (default build-web/sylva, made by scripts/web.sh
when missing); --game: Sylva's game folder for the desktop (default
build/demo); --frames: the desktop timer (default build/bench/bench_frames).
Prints the median and 99th percentile of each, and the site's size."""
import argparse
import os
import shutil
import statistics
import subprocess
import sys
import tempfile

ROOT = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
sys.path.insert(0, os.path.join(ROOT, "tests", "web"))
from webpage import Browser, Site, run_desktop_game  # noqa: E402
from selenium.webdriver.common.keys import Keys  # noqa: E402

RECORDING = "captures/bench.txt"
PHASE_FRAMES = 300


def percentile(values, fraction):
    ordered = sorted(values)
    return ordered[min(len(ordered) - 1, int(fraction * len(ordered)))]


def play_in_browser(site_folder):
    """Plays Sylva's opening; returns the frame times, the phases' frame
    ranges and the recorded session."""
    site = Site(site_folder)
    browser = Browser()
    try:
        browser.open(site.url("?TESSEL_RECORD=" + RECORDING))
        browser.wait_for("Module.frameTimes.length > 0", what="the first frame")
        browser.wait_frames(40)
        browser.play_sylva_to_first_dialogue()
        start = browser.frames()
        browser.wait_frames(PHASE_FRAMES)
        dialogue = (start, browser.frames())
        browser.tap("q")
        browser.wait_frames(30)
        start = browser.frames()
        for arrow in (Keys.ARROW_LEFT, Keys.ARROW_RIGHT) * 2:
            browser.key(arrow)
            browser.wait_frames(PHASE_FRAMES // 4)
            browser.key(arrow, down=False)
        walking = (start, browser.frames())
        browser.key(Keys.ESCAPE)
        browser.wait_for("Module.ended", what="the end of the game")
        times = browser.js("return Module.frameTimes")
        recording = browser.read_file("/game/" + RECORDING)
        return times, {"dialogue": dialogue, "walking": walking}, recording
    finally:
        browser.close()
        site.close()


def time_on_desktop(game_folder, frames_program, recording):
    folder = tempfile.mkdtemp(prefix="tessel-bench-")
    try:
        game = os.path.join(folder, "game")
        shutil.copytree(game_folder, game)
        with open(os.path.join(game, "bench.txt"), "wb") as session:
            session.write(recording)
        output = os.path.join(folder, "times.txt")
        env = dict(os.environ, TESSEL_REPLAY="bench.txt", TESSEL_REPLAY_FAST="1",
                   LIBGL_ALWAYS_SOFTWARE="1")
        run_desktop_game([frames_program, output], game, env)
        with open(output) as lines:
            return [tuple(float(word) for word in line.split()) for line in lines]
    finally:
        shutil.rmtree(folder, ignore_errors=True)


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--site", default=os.path.join(ROOT, "build-web", "sylva"))
    parser.add_argument("--game", default=os.path.join(ROOT, "build", "demo"))
    parser.add_argument("--frames", default=os.path.join(ROOT, "build", "bench", "bench_frames"))
    args = parser.parse_args()
    if not os.path.exists(os.path.join(args.site, "index.html")):
        subprocess.run(["sh", os.path.join(ROOT, "scripts", "web.sh")], check=True)
    browser_times, phases, recording = play_in_browser(args.site)
    desktop_times = time_on_desktop(args.game, args.frames, recording)
    site_bytes = sum(os.path.getsize(os.path.join(args.site, name)) for name in os.listdir(args.site))
    print("Sylva, the engine's own milliseconds per frame, median / 99th percentile.")
    print("Browser: poll, update and drawing commands (WebGL draws after the frame).")
    print("Desktop: the same work, then with the swap (the software driver draws there).")
    print("%-10s %6s %18s %18s %18s" % ("phase", "frames", "browser", "desktop", "desktop+swap"))
    for name, (first, end) in phases.items():
        columns = [browser_times[first:end]]
        columns += [[frame[i] for frame in desktop_times[first:end]] for i in (0, 1)]
        print("%-10s %6d" % (name, end - first) + "".join(
            " %8.2f / %-7.2f" % (statistics.median(c), percentile(c, 0.99)) for c in columns))
    print("site: %d bytes in %s" % (site_bytes, args.site))


if __name__ == "__main__":
    main()
