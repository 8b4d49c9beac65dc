#include <gtest/gtest.h>

#include "MapFolder.h"
#include "support/MapFileBuilder.h"
#include "world/CMap.h"
#include "world/CharacterKind.h"
#include "world/Direction.h"
#include "world/Step.h"

namespace {

// An open 20 x 15 field with its own character lists; the hero under test
// is the first hero.
class Walking : public ::testing::Test {
protected:
    Walking() : walk(20, 15)
    {
        for (int x = 0; x < 20; ++x)
            for (int y = 0; y < 15; ++y)
                walk.At(std::uint16_t(x), std::uint16_t(y)) = 1;
        hero = AddHero(5, 5, 0, 0);
    }

    CHero* AddHero(int tx, int ty, int ox, int oy)
    {
        heroes.push_back(std::make_unique<CHero>());
        return Place(*heroes.back(), tx, ty, ox, oy);
    }
    CNpc* AddNpc(int tx, int ty, int ox, int oy)
    {
        npcs.push_back(std::make_unique<CNpc>());
        return Place(*npcs.back(), tx, ty, ox, oy);
    }
    template <class Record>
    static Record* Place(Record& c, int tx, int ty, int ox, int oy)
    {
        c.tileX = std::uint16_t(tx);
        c.tileY = std::uint16_t(ty);
        c.offsetX = std::int16_t(ox);
        c.offsetY = std::int16_t(oy);
        return &c;
    }
    int Walk(CPerso& c, int direction, int steps = 3)
    {
        return Step(c, direction, steps, walk, npcs, heroes);
    }
    // One frame with an arrow key held, as the exploration handler does it.
    int Frame(int direction) { return Walk(*hero, direction, 3); }
    
    void Block(int x, int y) { walk.At(std::uint16_t(x), std::uint16_t(y)) = 0; }

    static long long PixelX(const CPerso& c) { return 32LL * c.tileX + c.offsetX; }
    static long long PixelY(const CPerso& c) { return 32LL * c.tileY + c.offsetY; }

    Grid<std::uint8_t> walk;
    std::vector<std::unique_ptr<CNpc>> npcs;
    std::vector<std::unique_ptr<CHero>> heroes;
    CHero* hero = nullptr;
};

}  // namespace

namespace {

struct Spot {
    int tx, ty, ox, oy;
};

// One frame of walking on an open 20 x 15 map with some tiles blocked.
struct WalkCase {
    const char* what;
    Spot start;
    std::vector<std::pair<int, int>> blocked;
    int direction;
    int steps;
    int walked;
    Spot end;
};

const int L = Direction::kLeft, D = Direction::kDown, R = Direction::kRight, U = Direction::kUp;

const WalkCase kWalkCases[] = {
    {"a frame walks 4 pixels into the next tile", {5, 5, 0, 0}, {}, L, 3, 4, {4, 5, 28, 0}},
    {"steps 0 walks one pixel", {5, 5, 0, 0}, {}, R, 0, 1, {5, 5, 1, 0}},
    {"a negative count still walks one pixel", {5, 5, 0, 0}, {}, R, -5, 1, {5, 5, 1, 0}},
    {"up across a row border", {5, 5, 0, 2}, {}, U, 3, 4, {5, 4, 0, 30}},
    // Walkability is checked as the collision box reaches a new column or row.
    {"blocked column: the box stops on its border", {5, 5, 0, 0}, {{4, 5}}, L, 3, 4, {4, 5, 28, 0}},
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
    {"left edge at pixel 0", {0, 5, 0, 0}, {}, L, 3, 0, {0, 5, 0, 0}},
    {"left edge stops at pixel 0", {0, 5, 2, 0}, {}, L, 3, 2, {0, 5, 0, 0}},
    {"top edge stops at pixel 0", {5, 0, 0, 3}, {}, U, 3, 3, {5, 0, 0, 0}},
    {"right edge stops on the last column", {18, 5, 29, 0}, {}, R, 3, 3, {19, 5, 0, 0}},
    {"right edge on the last column", {19, 5, 0, 0}, {}, R, 3, 0, {19, 5, 0, 0}},
    {"last row with an offset is pulled up", {5, 14, 0, 10}, {}, D, 3, 0, {5, 14, 0, 0}},
    // Boxes reaching past the grid never read outside it: outside is blocked.
    {"last row, box reaching row 15, left", {5, 14, 28, 8}, {}, L, 3, 0, {5, 14, 28, 8}},
    {"last row, box in row 15, right", {5, 14, 4, 20}, {}, R, 3, 0, {5, 14, 4, 20}},
    {"last column, box reaching column 20, down", {19, 7, 10, 0}, {}, D, 3, 0, {19, 7, 10, 0}},
    {"last column, box reaching column 20, up", {19, 7, 10, 16}, {}, U, 3, 0, {19, 7, 10, 16}},
    {"last column, box inside, up", {19, 7, 2, 16}, {}, U, 3, 4, {19, 7, 2, 12}},
    // Characters that scripts placed outside the map.
    {"below the map cannot walk down", {3, 400, 0, 0}, {}, D, 3, 0, {3, 400, 0, 0}},
    {"far below the map: no wrap to row 0", {3, 65535, 0, 5}, {}, D, 30, 0, {3, 65535, 0, 0}},
    {"right of the map is pulled onto the last column", {300, 4, 0, 0}, {}, R, 3, 0, {19, 4, 0, 0}},
    {"left of the map walks until its next column", {300, 4, 0, 0}, {}, L, 9, 4, {299, 4, 28, 0}},
    {"above the top edge: no wrap to row 65535", {5, 0, 0, -6}, {}, U, 3, 0, {5, 0, 0, 0}},
    {"left of the left edge: no wrap to column 65535", {0, 5, -6, 0}, {}, L, 3, 0, {0, 5, 0, 0}},
};

}  // namespace

TEST_F(Walking, OneFrameAgainstWalkabilityAndEdges)
{
    for (const WalkCase& c : kWalkCases) {
        SCOPED_TRACE(c.what);
        for (int x = 0; x < 20; ++x)
            for (int y = 0; y < 15; ++y)
                walk.At(std::uint16_t(x), std::uint16_t(y)) = 1;
        for (const auto& tile : c.blocked)
            Block(tile.first, tile.second);
        Place(*hero, c.start.tx, c.start.ty, c.start.ox, c.start.oy);
        hero->facing = Direction::kDown;
        EXPECT_EQ(Walk(*hero, c.direction, c.steps), c.walked);
        EXPECT_EQ(hero->tileX, c.end.tx);
        EXPECT_EQ(hero->tileY, c.end.ty);
        EXPECT_EQ(hero->offsetX, c.end.ox);
        EXPECT_EQ(hero->offsetY, c.end.oy);
        EXPECT_EQ(hero->facing, c.direction) << "the character turns even when blocked";
    }
}

TEST_F(Walking, DirectionFourKeepsFacingAndOthersAboveAreRefused)
{
    hero->facing = Direction::kUp;
    EXPECT_EQ(Walk(*hero, Direction::kAhead, 2), 3);
    EXPECT_EQ(PixelY(*hero), 160 - 3);
    EXPECT_EQ(hero->facing, Direction::kUp);

    const float frame = hero->frame;
    EXPECT_EQ(Walk(*hero, 5), 0);
    EXPECT_EQ(Walk(*hero, -1), 0);
    EXPECT_EQ(hero->facing, Direction::kUp);
    EXPECT_FLOAT_EQ(hero->frame, frame);
    // A facing that is no direction (set by a script) gives "ahead" nowhere
    // to go instead of asking itself again.
    hero->facing = 7;
    EXPECT_EQ(Walk(*hero, Direction::kAhead), 0);
    EXPECT_EQ(hero->facing, 7);
}

TEST_F(Walking, AnimationAdvancesThreeSixtyFourthsPerPixelAndWraps)
{
    hero->frame = 2.9f;
    Walk(*hero, Direction::kRight, 0);
    EXPECT_FLOAT_EQ(hero->frame, 2.946875f);
    Walk(*hero, Direction::kRight, 2);
    EXPECT_FLOAT_EQ(hero->frame, 0.046875f) << "passing 3 wraps to 0, then one more pixel";
    hero->frame = 1.0f;
    Place(*hero, 0, 5, 0, 0);
    Walk(*hero, Direction::kLeft);
    EXPECT_FLOAT_EQ(hero->frame, 1.0f) << "a refused step does not animate";
}

TEST_F(Walking, ApproachingCharactersStopTwentyFivePixelsApart)
{
    CNpc* npc = AddNpc(8, 5, 0, 0);
    for (int frame = 0; frame < 40; ++frame)
        Frame(Direction::kRight);
    EXPECT_EQ(PixelX(*npc) - PixelX(*hero), 25);
    EXPECT_EQ(Walk(*npc, Direction::kLeft), 0);

    // Exactly 24 apart: neither approach nor up or down, only apart.
    Place(*hero, 5, 5, 0, 0);
    Place(*npc, 5, 5, 24, 0);
    EXPECT_EQ(Frame(Direction::kRight), 0);
    EXPECT_EQ(Frame(Direction::kUp), 0);
    EXPECT_EQ(Frame(Direction::kDown), 0);
    EXPECT_EQ(Frame(Direction::kLeft), 4);

    // Vertically the boxes are 16 high: walking down stops 17 pixels apart.
    Place(*hero, 5, 3, 0, 0);
    Place(*npc, 5, 5, 0, 0);
    for (int frame = 0; frame < 20; ++frame)
        Frame(Direction::kDown);
    EXPECT_EQ(PixelY(*npc) - PixelY(*hero), 17);
}

TEST_F(Walking, OtherHeroesBlockButACharacterNeverBlocksItself)
{
    CHero* other = AddHero(5, 7, 0, 0);
    for (int frame = 0; frame < 20; ++frame)
        Frame(Direction::kDown);
    EXPECT_EQ(PixelY(*other) - PixelY(*hero), 17);
    EXPECT_EQ(Walk(*other, Direction::kRight), 4) << "the other hero moves away freely";
}

TEST_F(Walking, EmptyMapOnlyTurns)
{
    Grid<std::uint8_t> none;
    EXPECT_EQ(Step(*hero, Direction::kRight, 3, none, npcs, heroes), 0);
    EXPECT_EQ(hero->facing, Direction::kRight);
    EXPECT_EQ(hero->tileX, 5);
}

TEST(MoveCharacter, FindsByKindAndIgnoresMissingCharacters)
{
    MapFolder folder;
    MapFileBuilder::Npc npc;
    npc.identifier = 4;
    npc.tileX = 2;
    npc.tileY = 2;
    folder.WriteMap("m", MapFileBuilder(10, 10, 1).AddNpc(npc).Block(1, 2).Bytes());
    CMap map;
    ASSERT_TRUE(map.LoadMap("m"));
    CHero& hero = map.AddHero(1, "H", 0);
    hero.tileX = 5;
    hero.tileY = 5;

    map.MoveCharacter(CharacterKind::kHero, 1, Direction::kRight, 3);
    EXPECT_EQ(hero.offsetX, 4);
    map.MoveCharacter(CharacterKind::kNpc, 4, Direction::kLeft, 3);
    EXPECT_EQ(map.FindNpc(4)->tileX, 1);
    EXPECT_EQ(map.FindNpc(4)->offsetX, 28);
    map.MoveCharacter(CharacterKind::kNpc, 4, Direction::kLeft, 3);
    EXPECT_EQ(map.FindNpc(4)->offsetX, 28) << "the map's own walkability grid blocks it";

    testing::internal::CaptureStdout();
    map.MoveCharacter(CharacterKind::kHero, 9, Direction::kRight, 3);
    map.MoveCharacter(3, 1, Direction::kRight, 3);
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "NULL returned: 9\n");
    EXPECT_EQ(hero.offsetX, 4);
}
