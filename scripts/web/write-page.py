"""Writes the site's index.html: the page template with the game's window
title (game.cfg's `title`, the engine's default without it)."""
import html
import sys

DEFAULT_TITLE = "Lanternwork by Odrin"


def game_title(settings_path):
    try:
        with open(settings_path, "rb") as settings:
            data = settings.read()
    except OSError:
        return DEFAULT_TITLE
    # tessel-pack writes the title as UTF-8, as the window shows it; an
    # older, hand-written file may be in Windows-1252.
    try:
        lines = data.decode("utf-8").splitlines()
    except UnicodeDecodeError:
        lines = data.decode("cp1252").splitlines()
    title = DEFAULT_TITLE
    for line in lines:
        line = line.strip()
        if line.startswith("#") or "=" not in line:
            continue
        key, value = line.split("=", 1)
        if key.strip() == "title":
            title = value.strip()
    return title


def main():
    template, settings, output = sys.argv[1:4]
    with open(template, encoding="utf-8") as page:
        text = page.read()
    text = text.replace("@TITLE@", html.escape(game_title(settings)))
    with open(output, "w", encoding="utf-8") as page:
        page.write(text)


if __name__ == "__main__":
    main()
