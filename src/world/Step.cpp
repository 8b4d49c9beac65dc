#include "world/Step.h"

#include "world/CollisionBox.h"
#include "world/Direction.h"

namespace {

const float kFramePerPixel = 0.046875f;  // a three-frame cycle every 64 pixels
const float kFrameCount = 3.0f;

bool Walkable(const Grid<std::uint8_t>& walk, long long x, long long y)
{
    const std::uint8_t* cell = walk.Find(x, y);
    return cell && *cell != 0;
}

// Whether a box at vertical offset oy in row ty may enter column `column`:
// it covers row ty, row ty + 1, or both.
bool ColumnBlocked(const Grid<std::uint8_t>& walk, long long column, long long ty, int oy)
{
    if (oy == 0)
        return !Walkable(walk, column, ty);
    if (oy > 0 && oy < 16)
        return !Walkable(walk, column, ty) || !Walkable(walk, column, ty + 1);
    if (oy >= 16)
        return !Walkable(walk, column, ty + 1);
    return false;
}

// Whether a box at horizontal offset ox in column tx may enter row `row`: it
// covers column tx, column tx + 1, or both.
bool RowBlocked(const Grid<std::uint8_t>& walk, long long row, long long tx, int ox)
{
    if (ox <= 4)
        return !Walkable(walk, tx, row);
    if (ox < 28)
        return !Walkable(walk, tx, row) || !Walkable(walk, tx + 1, row);
    return !Walkable(walk, tx + 1, row);
}

// The map's edges and the walkability grid. The edges are tested on tile
// and offset alone: the right and bottom ones stop a sprite whose top-left
// tile is the last column or row, the left and top ones stop it at pixel 0.
bool MayLeaveTile(CPerso& c, int d, const Grid<std::uint8_t>& walk)
{
    const long long tx = c.tileX, ty = c.tileY;
    const long long lastColumn = walk.Width() - 1, lastRow = walk.Height() - 1;
    switch (d) {
    case Direction::kLeft:
        if (tx == 0 && c.offsetX < 1) {
            c.offsetX = 0;
            return false;
        }
        // At 28 the box's left side lies on the right border of column tx.
        return !(c.offsetX == 28 && ColumnBlocked(walk, tx, ty, c.offsetY));
    case Direction::kRight:
        if (tx >= lastColumn) {
            c.tileX = std::uint16_t(lastColumn);
            c.offsetX = 0;
            return false;
        }
        // At 4 the box's right side lies on the left border of column tx + 1.
        return !(c.offsetX == 4 && ColumnBlocked(walk, tx + 1, ty, c.offsetY));
    case Direction::kDown:
        // Rows beyond the last count as the last: a character placed below
        // the map cannot walk further down.
        if (ty >= lastRow) {
            c.offsetY = 0;
            return false;
        }
        // At 0 the box's bottom lies on the top border of row ty + 1.
        return !(c.offsetY == 0 && RowBlocked(walk, ty + 1, tx, c.offsetX));
    case Direction::kUp:
        // Like the left edge: an offset above the map's top is pulled back
        // rather than wrapping the tile row.
        if (ty == 0 && c.offsetY < 1) {
            c.offsetY = 0;
            return false;
        }
        // At 16 the box's top lies on the bottom border of row ty.
        return !(c.offsetY == 16 && RowBlocked(walk, ty, tx, c.offsetX));
    default:
        return false;
    }
}

CollisionBox Moved(CollisionBox box, int d)
{
    switch (d) {
    case Direction::kLeft: box.left -= 1; break;
    case Direction::kRight: box.left += 1; break;
    case Direction::kDown: box.top += 1; break;
    case Direction::kUp: box.top -= 1; break;
    default: break;
    }
    return box;
}

template <class List>
bool AnyTouches(const List& others, const CPerso& c, const CollisionBox& box)
{
    for (const auto& other : others)
        if (other.get() != &c && box.Overlaps(CollisionBox::Of(*other)))
            return true;
    return false;
}

// Moves a position one pixel along one axis (delta -1 or +1), carrying into
// the next tile when the offset passes 0..31 in the direction of the move;
// an offset a script set out of range is otherwise left as it is.
void MoveAlongAxis(std::uint16_t& tile, std::int16_t& offset, int delta)
{
    offset = std::int16_t(offset + delta);
    if (delta < 0 && offset < 0) {
        tile = std::uint16_t(tile - 1);
        offset = std::int16_t(offset + 32);
    } else if (delta > 0 && offset > 31) {
        tile = std::uint16_t(tile + 1);
        offset = std::int16_t(offset - 32);
    }
}

void MoveOnePixel(CPerso& c, int d)
{
    switch (d) {
    case Direction::kLeft: MoveAlongAxis(c.tileX, c.offsetX, -1); break;
    case Direction::kRight: MoveAlongAxis(c.tileX, c.offsetX, +1); break;
    case Direction::kDown: MoveAlongAxis(c.tileY, c.offsetY, +1); break;
    case Direction::kUp: MoveAlongAxis(c.tileY, c.offsetY, -1); break;
    default: break;
    }
}

void AdvanceFrame(CPerso& c)
{
    c.frame += kFramePerPixel;
    if (c.frame >= kFrameCount)
        c.frame = 0.0f;
}

}  // namespace

int Step(CPerso& c, int direction, int steps, const Grid<std::uint8_t>& walkability,
         const std::vector<std::unique_ptr<CNpc>>& npcs,
         const std::vector<std::unique_ptr<CHero>>& heroes)
{
    int d = direction;
    if (d == Direction::kAhead) {
        if (c.facing > Direction::kUp)
            return 0;
        d = c.facing;
    } else if (d < 0 || d > Direction::kAhead) {
        return 0;
    }
    c.facing = std::uint16_t(d);
    if (walkability.Width() == 0 || walkability.Height() == 0)
        return 0;

    const long long pixels = steps > 0 ? (long long)steps + 1 : 1;
    int walked = 0;
    for (long long i = 0; i < pixels; ++i) {
        if (!MayLeaveTile(c, d, walkability))
            break;
        const CollisionBox moved = Moved(CollisionBox::Of(c), d);
        if (AnyTouches(npcs, c, moved) || AnyTouches(heroes, c, moved))
            break;
        MoveOnePixel(c, d);
        AdvanceFrame(c);
        ++walked;
    }
    return walked;
}
