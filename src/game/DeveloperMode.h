#pragma once

#include <SDL/SDL.h>

#include <cstdint>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "game/MessageLog.h"
#include "platform/FileStamp.h"
#include "script/CScriptValue.h"

class CGame;

// What the command line adds for a world's author: globals set before the
// start script, test-play of a chosen map, and developer mode (`--dev`):
// F3 shows an overlay of what the game knows, F8 reloads the scripts,
// pictures and current map from disk (and so does any change to those
// files, noticed about once a second), and errors are shown on screen as
// well as printed. Without the command line none of it does anything.
class DeveloperMode {
public:
    // How often the watched files are looked at (tests that press F8 make
    // it long, so that only the key reloads).
    std::uint32_t watchPeriodMs = 1000;

    // ---- Set from the command line ----
    bool enabled = false;
    std::vector<std::pair<std::string, CScriptValue>> presetGlobals;
    // Once the world has started: load `map` as LoadMap does and, when
    // `placeHero`, put the active hero on (tileX, tileY) facing down.
    void TestPlay(const std::string& map, bool placeHero, std::int32_t tileX, std::int32_t tileY);
    bool TestPlayPending() const { return testPlayPending || heroPlacementPending; }

    // ---- Hooks the game calls ----
    // The world's scripts are loaded and its start script is about to be
    // queued: the preset globals are set now.
    void OnWorldLoaded(CGame& game);
    // At the start of every update: test-play, watching the files.
    void Update(CGame& game);
    // F3 and F8 in developer mode; true when the key was taken.
    bool OnKeyDown(CGame& game, SDLKey key);
    // Over everything the game drew: the overlay and the recent errors.
    void Draw(CGame& game);

    // ---- Errors ----
    // A line the game has printed already, shown on screen too in
    // developer mode.
    void Show(const std::string& line);
    // A problem the plain game keeps quiet about: in developer mode printed
    // on standard error and shown on screen.
    void Note(const std::string& line);
    // The lines shown now, oldest first.
    std::vector<std::string> ShownErrors();

    // ---- Reloading ----
    // Reads the world file, its pictures and script containers, and the
    // current map with its pictures again from the game folder. Globals,
    // heroes and the run queue stay (see CScriptEngine::ReloadScripts).
    void Reload(CGame& game);
    // True when a watched file changed since the last reload (or start).
    bool WatchedFilesChanged() const;

    // ---- Overlay ----
    bool overlayShown = false;
    // The overlay's text lines, top to bottom, at most `maxLines`.
    std::vector<std::string> OverlayLines(CGame& game, std::size_t maxLines) const;

private:
    void StartTestPlay(CGame& game);
    // False when there is no active hero to place.
    bool PlaceHero(CGame& game);
    void Watch(CGame& game);
    // False when the folder cannot be entered (a packer is replacing it).
    bool EnterGameFolder() const;
    void DrawOverlay(CGame& game);
    void DrawCollisionBoxes(CGame& game) const;
    void DrawLines(const std::vector<std::string>& lines, int x, int y, int width) const;

    bool testPlayPending = false;
    // The map's start script may place the party itself: the hero is put
    // on its tile again once that script is over.
    bool heroPlacementPending = false;
    std::string testPlayMap;
    bool testPlayPlacesHero = false;
    std::int32_t testPlayX = 0;
    std::int32_t testPlayY = 0;

    // The game folder as an absolute path: a packer that replaces the
    // folder leaves the working directory in the removed one.
    std::string gameFolder;
    std::map<std::string, FileStamp> watched;
    // The map whose files are watched; another map is watched from the
    // first check after a LoadMap.
    std::string watchedMap;
    std::uint32_t lastWatchMs = 0;
    std::uint64_t lastUpdateMicros = 0;
    float frameMilliseconds = 0.0f;
    MessageLog errors;
};
