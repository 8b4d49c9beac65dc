#include "world/GridWalk.h"

#include <algorithm>

#include "world/CMap.h"
#include "world/CPerso.h"
#include "world/Direction.h"
#include "world/Step.h"

namespace {

const int kTile = 32;
const int kPixelsPerFrame = 4;

bool Horizontal(int direction)
{
    return direction == Direction::kLeft || direction == Direction::kRight;
}

int Opposite(int direction)
{
    return (direction + 2) % 4;
}

// Carries offsets outside 0..31 (a script may place a character so) into
// the tile, keeping the pixel position, so that a step can count its pixels.
void Normalise(std::uint16_t& tile, std::int16_t& offset)
{
    long long pixel = (long long)kTile * tile + offset;
    if (pixel < 0)
        pixel = 0;
    tile = std::uint16_t(pixel / kTile);
    offset = std::int16_t(pixel % kTile);
}

// Pixels from the hero's position to the tile border ahead along the axis
// of `direction`; a hero already on a border (offset 0) has `onBorder` to
// go: a whole tile when starting, none when arriving.
int PixelsToBorder(const CPerso& hero, int direction, int onBorder)
{
    const int offset = Horizontal(direction) ? hero.offsetX : hero.offsetY;
    if (offset == 0)
        return onBorder;
    const bool forward = direction == Direction::kRight || direction == Direction::kDown;
    return forward ? kTile - offset : offset;
}

// Walks up to `pixels` pixels with the free walker's rules; the pixels walked.
int Walk(CMap& map, CPerso& hero, int direction, int pixels)
{
    return Step(hero, direction, pixels - 1, map.Walkability(), map.Npcs(), map.Heroes());
}

TilePos StandingTile(const CMap& map, const CPerso& c)
{
    // The point the map's own tile query uses: low in the collision box.
    const long long px = (long long)kTile * c.tileX + c.offsetX + 16;
    const long long py = (long long)kTile * c.tileY + c.offsetY + 24;
    if (px < 0 || py < 0 || px >= (long long)kTile * map.Width() || py >= (long long)kTile * map.Height())
        return TilePos();
    return TilePos{std::int32_t(px / kTile), std::int32_t(py / kTile), true};
}

// A hero a script placed between two rows (or columns) is put on the
// nearer one that is walkable before it steps along them, so that every
// step ends on the grid. When neither is, it walks where it stands.
void OntoTheGrid(const CMap& map, CPerso& hero, int direction)
{
    const bool acrossColumns = !Horizontal(direction);
    std::int16_t& offset = acrossColumns ? hero.offsetX : hero.offsetY;
    std::uint16_t& tile = acrossColumns ? hero.tileX : hero.tileY;
    if (offset == 0)
        return;
    const std::uint16_t nearer = std::uint16_t(offset < kTile / 2 ? tile : tile + 1);
    const std::uint16_t farther = std::uint16_t(offset < kTile / 2 ? tile + 1 : tile);
    for (std::uint16_t candidate : {nearer, farther}) {
        const bool walkable = acrossColumns ? map.IsWalkable(candidate, hero.tileY)
                                            : map.IsWalkable(hero.tileX, candidate);
        if (walkable) {
            tile = candidate;
            offset = 0;
            return;
        }
    }
}

} // namespace

void GridWalk::Frame(CMap& map, CPerso& hero, const Arrows& held, std::uint32_t frame)
{
    // A press remembered before the map was covered belongs to a moment
    // the player has moved on from.
    if (!walkedBefore || frame != lastFrame + 1)
        nextDirection = -1;
    walkedBefore = true;
    lastFrame = frame;

    for (int d = 0; d < 4; ++d) {
        if (held[d] && !heldBefore[d]) {
            latestPressed = d;
            if (Stepping())
                nextDirection = d;
        }
    }
    heldBefore = held;

    if (Stepping()) {
        // Arriving ends this frame's walk; a next step starts in the next
        // frame, which keeps four pixels a frame across tiles.
        Advance(map, hero, held);
        return;
    }

    int direction = nextDirection;
    nextDirection = -1;
    if (direction < 0 && latestPressed >= 0 && held[latestPressed])
        direction = latestPressed;
    for (int d : {Direction::kLeft, Direction::kRight, Direction::kUp, Direction::kDown})
        if (direction < 0 && held[d])
            direction = d;
    if (direction >= 0)
        Start(map, hero, direction);
}

void GridWalk::Start(CMap& map, CPerso& hero, int direction)
{
    Normalise(hero.tileX, hero.offsetX);
    Normalise(hero.tileY, hero.offsetY);
    const CPerso before = hero;
    OntoTheGrid(map, hero, direction);
    // A dry run over the whole step with the free walker's own rules
    // (edges, walkability, other characters' boxes), then back: the step
    // starts only when it can end on the next tile.
    const CPerso placed = hero;
    const int pixels = PixelsToBorder(hero, direction, kTile);
    const bool clear = Walk(map, hero, direction, pixels) == pixels;
    const CPerso& back = clear ? placed : before;
    hero.tileX = back.tileX;
    hero.tileY = back.tileY;
    hero.offsetX = back.offsetX;
    hero.offsetY = back.offsetY;
    hero.frame = back.frame;
    hero.facing = std::uint16_t(direction);
    if (!clear)
        return;
    stepDirection = direction;
    Walk(map, hero, direction, std::min(kPixelsPerFrame, pixels));
}

void GridWalk::Advance(CMap& map, CPerso& hero, const Arrows& held)
{
    int left = PixelsToBorder(hero, stepDirection, 0);
    if (left > 0 && Walk(map, hero, stepDirection, std::min(kPixelsPerFrame, left)) == 0 &&
        held[Opposite(stepDirection)]) {
        // Something walked into the way after the step began: the player
        // may go back to the tile the step came from.
        stepDirection = Opposite(stepDirection);
        // The press that turned the hero back is spent.
        if (nextDirection == stepDirection)
            nextDirection = -1;
        left = PixelsToBorder(hero, stepDirection, 0);
        Walk(map, hero, stepDirection, std::min(kPixelsPerFrame, left));
    }
    // A script may have placed the hero meanwhile: on a tile, the step is over.
    if (PixelsToBorder(hero, stepDirection, 0) == 0)
        stepDirection = -1;
}

bool GridWalk::FinishStep(CMap& map, CPerso& hero)
{
    if (!Stepping())
        return true;
    const int left = PixelsToBorder(hero, stepDirection, 0);
    if (left > 0 && Walk(map, hero, stepDirection, left) != left)
        return false;
    stepDirection = -1;
    return true;
}

TilePos GridWalk::TileInFront(const CMap& map, const CPerso& hero)
{
    TilePos tile = StandingTile(map, hero);
    if (!tile.valid)
        return tile;
    switch (hero.facing) {
    case Direction::kLeft: tile.x -= 1; break;
    case Direction::kDown: tile.y += 1; break;
    case Direction::kRight: tile.x += 1; break;
    case Direction::kUp: tile.y -= 1; break;
    default: return TilePos();
    }
    if (tile.x < 0 || tile.y < 0 || tile.x >= map.Width() || tile.y >= map.Height())
        return TilePos();
    return tile;
}

const CPerso* GridWalk::CharacterInFront(const CMap& map, const CPerso& hero)
{
    const TilePos front = TileInFront(map, hero);
    if (!front.valid)
        return nullptr;
    auto standsThere = [&](const CPerso& c) {
        const TilePos tile = StandingTile(map, c);
        return &c != &hero && tile.valid && tile == front;
    };
    for (const auto& npc : map.Npcs())
        if (standsThere(*npc))
            return npc.get();
    for (const auto& other : map.Heroes())
        if (standsThere(*other))
            return other.get();
    return nullptr;
}
