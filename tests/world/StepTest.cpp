#include "WorldTest.h"

#include <array>

#include "world/Direction.h"
#include "world/Step.h"

namespace {

const int L = Direction::kLeft, D = Direction::kDown, R = Direction::kRight, U = Direction::kUp;

// An open 20 x 15 field with its own character lists; the character under
// test is the first hero, at tile (5, 5).
class Walking : public ::testing::Test {
protected:
    Walking() : walk(20, 15) { Open(); Place(*hero, 5, 5); }
    void Open()
    {
        for (int x = 0; x < 20; ++x)
            for (int y = 0; y < 15; ++y)
                walk.At(std::uint16_t(x), std::uint16_t(y)) = 1;
    }
    int Walk(CPerso& c, int direction, int steps = 3) { return Step(c, direction, steps, walk, npcs, heroes); }

    Grid<std::uint8_t> walk;
    std::vector<std::unique_ptr<CNpc>> npcs;
    std::vector<std::unique_ptr<CHero>> heroes;
    CHero* hero = heroes.emplace_back(std::make_unique<CHero>()).get();
};

long long PixelX(const CPerso& c) { return 32LL * c.tileX + c.offsetX; }
long long PixelY(const CPerso& c) { return 32LL * c.tileY + c.offsetY; }

using Spot = std::array<int, 4>;  // tile x, tile y, offset x, offset y

// One move on the open field with some tiles blocked.
struct WalkCase {
    const char* what;
    Spot start;
    std::vector<std::pair<int, int>> blocked;
    int direction;
    int steps;
    int walked;
    Spot end;
};

const WalkCase kWalkCases[] = {
    {"steps 0 walks one pixel", {5, 5, 0, 0}, {}, R, 0, 1, {5, 5, 1, 0}},
    {"a negative count still walks one pixel", {5, 5, 0, 0}, {}, R, -5, 1, {5, 5, 1, 0}},
    {"up across a row border", {5, 5, 0, 2}, {}, U, 3, 4, {5, 4, 0, 30}},
    // Walkability is checked as the collision box reaches a new column or row.
    {"a frame walks 4 pixels, stopping on a blocked column's border", {5, 5, 0, 0}, {{4, 5}}, L, 3, 4, {4, 5, 28, 0}},
    {"blocked column: every later step is refused", {4, 5, 28, 0}, {{4, 5}}, L, 3, 0, {4, 5, 28, 0}},
    {"offset y 8 spans rows 5 and 6 (6 blocked)", {4, 5, 28, 8}, {{4, 6}}, L, 3, 0, {4, 5, 28, 8}},
    {"offset y 8 spans rows 5 and 6 (5 blocked)", {4, 5, 28, 8}, {{4, 5}}, L, 3, 0, {4, 5, 28, 8}},
    {"offset y 8 with both rows open", {4, 5, 28, 8}, {}, L, 3, 4, {4, 5, 24, 8}},
    {"offset y 16 lies in row 6 only", {4, 5, 28, 16}, {{4, 5}}, L, 3, 4, {4, 5, 24, 16}},
    {"right enters column tx + 1 at offset x 4", {4, 5, 4, 0}, {{5, 5}}, R, 3, 0, {4, 5, 4, 0}},
    {"right with offset y 15 still touches row 5", {4, 5, 4, 15}, {{5, 5}}, R, 3, 0, {4, 5, 4, 15}},
    {"right with offset y 20 has left row 5", {4, 5, 4, 20}, {{5, 5}}, R, 3, 4, {4, 5, 8, 20}},
    {"down at offset x 4 covers column 5 only", {5, 5, 4, 0}, {{6, 6}}, D, 3, 4, {5, 5, 4, 4}},
    {"down at offset x 5 covers columns 5 and 6", {5, 5, 5, 0}, {{6, 6}}, D, 3, 0, {5, 5, 5, 0}},
    {"down at offset x 28 covers column 6 only", {5, 5, 28, 0}, {{5, 6}}, D, 3, 4, {5, 5, 28, 4}},
    {"up enters row ty at offset y 16", {5, 4, 27, 16}, {{6, 4}}, U, 3, 0, {5, 4, 27, 16}},
    {"up at offset x 4 misses column 6", {5, 4, 4, 16}, {{6, 4}}, U, 3, 4, {5, 4, 4, 12}},
    // Map edges, tested on tile and offset before walkability.
    {"left edge stops at pixel 0", {0, 5, 2, 0}, {}, L, 3, 2, {0, 5, 0, 0}},
    {"top edge stops at pixel 0", {5, 0, 0, 3}, {}, U, 3, 3, {5, 0, 0, 0}},
    {"right edge stops on the last column", {18, 5, 29, 0}, {}, R, 3, 3, {19, 5, 0, 0}},
    {"right edge pulls an offset back to the last column's start", {19, 5, 10, 0}, {}, R, 3, 0, {19, 5, 0, 0}},
    {"last row with an offset is pulled up", {5, 14, 0, 10}, {}, D, 3, 0, {5, 14, 0, 0}},
    // Boxes reaching past the grid never read outside it: outside is blocked.
    {"last row, box reaching row 15, left", {5, 14, 28, 8}, {}, L, 3, 0, {5, 14, 28, 8}},
    {"last row, box in row 15, right", {5, 14, 4, 20}, {}, R, 3, 0, {5, 14, 4, 20}},
    {"last column, box reaching column 20, down", {19, 7, 10, 0}, {}, D, 3, 0, {19, 7, 10, 0}},
    {"last column, box reaching column 20, up", {19, 7, 10, 16}, {}, U, 3, 0, {19, 7, 10, 16}},
    {"last column, box inside, up", {19, 7, 2, 16}, {}, U, 3, 4, {19, 7, 2, 12}},
    // Characters that scripts placed outside the map.
    {"far below the map: no wrap to row 0", {3, 65535, 0, 5}, {}, D, 30, 0, {3, 65535, 0, 0}},
    {"right of the map is pulled onto the last column", {300, 4, 0, 0}, {}, R, 3, 0, {19, 4, 0, 0}},
    {"left of the map walks until its next column", {300, 4, 0, 0}, {}, L, 9, 4, {299, 4, 28, 0}},
    {"above the top edge: no wrap to row 65535", {5, 0, 0, -6}, {}, U, 3, 0, {5, 0, 0, 0}},
    {"left of the left edge: no wrap to column 65535", {0, 5, -6, 0}, {}, L, 3, 0, {0, 5, 0, 0}},
};

}  // namespace

TEST_F(Walking, OneMoveAgainstWalkabilityAndEdges)
{
    for (const WalkCase& c : kWalkCases) {
        SCOPED_TRACE(c.what);
        Open();
        for (const auto& tile : c.blocked)
            walk.At(std::uint16_t(tile.first), std::uint16_t(tile.second)) = 0;
        Place(*hero, c.start[0], c.start[1], c.start[2], c.start[3]).facing = Direction::kDown;
        EXPECT_EQ(Walk(*hero, c.direction, c.steps), c.walked);
        EXPECT_EQ((Spot{hero->tileX, hero->tileY, hero->offsetX, hero->offsetY}), c.end);
        EXPECT_EQ(hero->facing, c.direction) << "the character turns even when blocked";
    }
}

TEST_F(Walking, DirectionFourKeepsFacingAndOthersAboveAreRefused)
{
    hero->facing = U;
    EXPECT_EQ(Walk(*hero, Direction::kAhead, 2), 3);
    EXPECT_EQ(PixelY(*hero), 160 - 3);

    const float frame = hero->frame;
    for (int refused : {5, 6, 400, -1})
        EXPECT_EQ(Walk(*hero, refused), 0) << refused;
    EXPECT_EQ(hero->facing, U) << "ahead and refused directions keep the facing";
    EXPECT_FLOAT_EQ(hero->frame, frame);
    hero->facing = 7;  // no direction (a script set it): "ahead" goes nowhere
    EXPECT_EQ(Walk(*hero, Direction::kAhead), 0);
    EXPECT_EQ(hero->facing, 7);

    Grid<std::uint8_t> none;  // a map without tiles: the character only turns
    EXPECT_EQ(Step(*hero, R, 3, none, npcs, heroes), 0);
    EXPECT_EQ(hero->facing, R);
    EXPECT_EQ(PixelX(*hero), 160);
}

TEST_F(Walking, AnimationAdvancesThreeSixtyFourthsPerPixelAndWraps)
{
    hero->frame = 2.953125f;  // one pixel short of 3, exactly
    Walk(*hero, R, 0);
    EXPECT_EQ(hero->frame, 0.0f) << "reaching 3 wraps to 0";
    Walk(*hero, R, 1);
    EXPECT_FLOAT_EQ(hero->frame, 0.09375f);
    Place(*hero, 0, 5).frame = 1.0f;
    Walk(*hero, L);
    EXPECT_FLOAT_EQ(hero->frame, 1.0f) << "a refused step does not animate";
}

TEST_F(Walking, CharactersApproachingEachOtherStopBeforeTheirBoxesTouch)
{
    npcs.push_back(std::make_unique<CNpc>());
    CNpc& npc = Place(*npcs.back(), 8, 5);
    for (int frame = 0; frame < 40; ++frame)
        Walk(*hero, R);
    EXPECT_EQ(PixelX(npc) - PixelX(*hero), 25);
    EXPECT_EQ(Walk(npc, L), 0);

    // Exactly 24 apart: neither approach nor up or down, only apart.
    Place(*hero, 5, 5);
    Place(npc, 5, 5, 24, 0);
    for (auto [direction, walked] : {std::pair{R, 0}, {U, 0}, {D, 0}, {L, 4}})
        EXPECT_EQ(Walk(*hero, direction), walked) << direction;

    // Boxes are 16 high: walking down towards another hero stops 17 pixels
    // apart; a character never blocks itself.
    Place(npc, 15, 5);
    Place(*hero, 5, 5);
    heroes.push_back(std::make_unique<CHero>());
    CHero& other = Place(*heroes.back(), 5, 7);
    for (int frame = 0; frame < 20; ++frame)
        Walk(*hero, D);
    EXPECT_EQ(PixelY(other) - PixelY(*hero), 17);
    EXPECT_EQ(Walk(other, R), 4) << "the other hero moves away freely";
}
