#pragma once

#include <array>
#include <cstdint>

#include "world/TilePos.h"

class CMap;
struct CPerso;

// Walking tile by tile, for worlds that ask for it instead of free walking.
//
// A step walks the hero from one tile to the next at the usual four pixels
// a frame and always ends with the hero's offsets back on the tile grid. An
// arrow seen held while the hero stands on a tile starts a step; a step
// whose tile is blocked, off the map or taken by a character does not start
// and only turns the hero. A step under way finishes whatever the keys do;
// an arrow still held on arrival walks on, and an arrow pressed again during
// the step walks one more tile, so quick taps are never lost.
//
// The game calls Frame once a frame while the map is explored; nothing else
// moves the hero through this walker.
class GridWalk {
public:
    // Held arrows, indexed by direction (0 left, 1 down, 2 right, 3 up).
    using Arrows = std::array<bool, 4>;

    // One frame of walking for `hero` on `map`. `frame` counts the game's
    // frames: when the walker missed frames (a dialogue, a fade, the menu
    // covered the map) presses it remembered are forgotten.
    void Frame(CMap& map, CPerso& hero, const Arrows& held, std::uint32_t frame);

    // True while the hero is between two tiles; step-on scripts wait for
    // the arrival.
    bool Stepping() const { return stepDirection >= 0; }
    // Walks the rest of a step under way at once, so that the hero stands on
    // a tile (before saving, say). False when something now blocks the way;
    // the hero then stays between tiles and the step goes on later.
    bool FinishStep(CMap& map, CPerso& hero);
    // Drops the step under way and remembered presses (a new game, a loaded
    // one).
    void Reset() { *this = GridWalk(); }

    // The tile next to the one `hero` stands on, in the way it faces; not
    // valid off the map.
    static TilePos TileInFront(const CMap& map, const CPerso& hero);
    // The first NPC, then other hero, standing on the tile in front of
    // `hero`, or null.
    static const CPerso* CharacterInFront(const CMap& map, const CPerso& hero);

private:
    // Starts a step in `direction` when the whole tile can be walked; turns
    // the hero either way.
    void Start(CMap& map, CPerso& hero, int direction);
    // Walks this frame's part of the step under way.
    void Advance(CMap& map, CPerso& hero, const Arrows& held);

    // The step under way (-1: the hero stands on a tile).
    int stepDirection = -1;
    // An arrow pressed while stepping: the next step (-1: none).
    int nextDirection = -1;
    // The arrow pressed last, preferred while several are held.
    int latestPressed = -1;
    Arrows heldBefore{};
    std::uint32_t lastFrame = 0;
    bool walkedBefore = false;
};
