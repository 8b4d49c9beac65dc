#include <gtest/gtest.h>

#include "MapFileBuilder.h"
#include "MapFolder.h"
#include "world/CMap.h"
#include "world/CharacterKind.h"
#include "world/CollisionBox.h"
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

TEST_F(Walking, OneFrameMovesFourPixelsAcrossATileBorder)
{
    EXPECT_EQ(Frame(Direction::kLeft), 4);
    EXPECT_EQ(hero->tileX, 4);
    EXPECT_EQ(hero->offsetX, 28);
    EXPECT_EQ(hero->facing, Direction::kLeft);
    EXPECT_EQ(Frame(Direction::kRight), 4);
    EXPECT_EQ(hero->tileX, 5);
    EXPECT_EQ(hero->offsetX, 0);
    EXPECT_EQ(Frame(Direction::kDown), 4);
    EXPECT_EQ(hero->offsetY, 4);
    EXPECT_EQ(Frame(Direction::kUp), 4);
    Frame(Direction::kUp);
    EXPECT_EQ(hero->tileY, 4);
    EXPECT_EQ(hero->offsetY, 28);
}

TEST_F(Walking, StepsZeroMovesOnePixelAndDirectionFourKeepsFacing)
{
    EXPECT_EQ(Walk(*hero, Direction::kRight, 0), 1);
    EXPECT_EQ(hero->offsetX, 1);
    hero->facing = Direction::kUp;
    EXPECT_EQ(Walk(*hero, Direction::kAhead, 2), 3);
    EXPECT_EQ(hero->tileY, 4);
    EXPECT_EQ(hero->offsetY, 29);
    EXPECT_EQ(hero->facing, Direction::kUp);
    EXPECT_EQ(Walk(*hero, Direction::kRight, -5), 1) << "a negative count still walks one pixel";
}

TEST_F(Walking, DirectionsAboveFourAreRefused)
{
    const float frame = hero->frame;
    EXPECT_EQ(Walk(*hero, 5), 0);
    EXPECT_EQ(Walk(*hero, -1), 0);
    EXPECT_EQ(hero->facing, Direction::kDown);
    EXPECT_FLOAT_EQ(hero->frame, frame);
    // A facing that is no direction (set by a script) gives "ahead" nowhere
    // to go instead of asking itself again.
    hero->facing = 7;
    EXPECT_EQ(Walk(*hero, Direction::kAhead), 0);
    EXPECT_EQ(hero->facing, 7);
    EXPECT_EQ(PixelX(*hero), 160);
}

TEST_F(Walking, AnimationAdvancesThreeSixtyFourthsPerPixelAndWraps)
{
    hero->frame = 2.9f;
    Walk(*hero, Direction::kRight, 0);
    EXPECT_FLOAT_EQ(hero->frame, 2.946875f);
    Walk(*hero, Direction::kRight, 2);
    EXPECT_FLOAT_EQ(hero->frame, 0.046875f) << "passing 3 wraps to 0, then one more pixel";
    hero->frame = 1.0f;
    Block(4, 5);
    hero->offsetX = 28;
    hero->tileX = 4;
    Walk(*hero, Direction::kLeft);
    EXPECT_FLOAT_EQ(hero->frame, 1.0f) << "a refused step does not animate";
}

TEST_F(Walking, BlockedColumnStopsTheBoxOnItsBorderEveryFrame)
{
    Block(4, 5);
    EXPECT_EQ(Frame(Direction::kLeft), 4);
    EXPECT_EQ(hero->tileX, 4);
    EXPECT_EQ(hero->offsetX, 28);
    hero->facing = Direction::kUp;
    for (int frame = 0; frame < 3; ++frame)
        EXPECT_EQ(Frame(Direction::kLeft), 0);
    EXPECT_EQ(hero->tileX, 4);
    EXPECT_EQ(hero->offsetX, 28);
    EXPECT_EQ(hero->facing, Direction::kLeft) << "a blocked step still turns";
}

TEST_F(Walking, CrossingColumnsWithAVerticalOffsetNeedsBothRows)
{
    Place(*hero, 4, 5, 28, 8);  // box spans rows 5 and 6
    Block(4, 6);
    EXPECT_EQ(Frame(Direction::kLeft), 0);
    walk.At(4, 6) = 1;
    Block(4, 5);
    EXPECT_EQ(Frame(Direction::kLeft), 0);
    walk.At(4, 5) = 1;
    EXPECT_EQ(Frame(Direction::kLeft), 4);

    // With offset 16 or more the box lies in row ty + 1 only.
    Place(*hero, 4, 5, 28, 16);
    Block(4, 5);
    EXPECT_EQ(Frame(Direction::kLeft), 4);
    // Moving right the box enters column tx + 1 when offset x is 4.
    Place(*hero, 4, 5, 4, 0);
    Block(5, 5);
    EXPECT_EQ(Frame(Direction::kRight), 0);
    Place(*hero, 4, 5, 4, 20);
    EXPECT_EQ(Frame(Direction::kRight), 4) << "row 5 is left behind by then";
    Place(*hero, 4, 5, 4, 15);
    EXPECT_EQ(Frame(Direction::kRight), 0);
}

TEST_F(Walking, CrossingRowsWithAHorizontalOffsetNeedsBothColumns)
{
    Block(6, 6);
    Place(*hero, 5, 5, 4, 0);  // box in column 5 only
    EXPECT_EQ(Frame(Direction::kDown), 4);
    Place(*hero, 5, 5, 5, 0);  // box spans columns 5 and 6
    EXPECT_EQ(Frame(Direction::kDown), 0);
    Place(*hero, 5, 5, 28, 0);  // box in column 6 only
    EXPECT_EQ(Frame(Direction::kDown), 0);

    Block(6, 4);
    Place(*hero, 5, 4, 27, 16);  // going up: the box enters row 4 at offset 16
    EXPECT_EQ(Frame(Direction::kUp), 0);
    Place(*hero, 5, 4, 4, 16);
    EXPECT_EQ(Frame(Direction::kUp), 4);
}

TEST_F(Walking, MapEdgesStopAtPixelZeroAndAtTheLastTile)
{
    Place(*hero, 0, 5, 0, 0);
    EXPECT_EQ(Frame(Direction::kLeft), 0);
    EXPECT_EQ(hero->facing, Direction::kLeft);
    EXPECT_EQ(PixelX(*hero), 0);
    Place(*hero, 0, 5, 2, 0);
    EXPECT_EQ(Frame(Direction::kLeft), 2);
    EXPECT_EQ(PixelX(*hero), 0);

    Place(*hero, 5, 0, 0, 3);
    EXPECT_EQ(Frame(Direction::kUp), 3);
    EXPECT_EQ(PixelY(*hero), 0);

    Place(*hero, 18, 5, 29, 0);
    EXPECT_EQ(Frame(Direction::kRight), 3);
    EXPECT_EQ(hero->tileX, 19);
    EXPECT_EQ(hero->offsetX, 0);
    EXPECT_EQ(Frame(Direction::kRight), 0) << "the sprite never passes the right border";

    Place(*hero, 5, 14, 0, 10);  // on the last row with an offset (a script put it there)
    EXPECT_EQ(Frame(Direction::kDown), 0);
    EXPECT_EQ(hero->tileY, 14);
    EXPECT_EQ(hero->offsetY, 0);
}

TEST_F(Walking, LastRowWithAnOffsetNeverLooksBelowTheGrid)
{
    // The box of a character on row 14 with offset 8 reaches into row 15,
    // outside the map, which counts as blocked.
    Place(*hero, 5, 14, 28, 8);
    EXPECT_EQ(Frame(Direction::kLeft), 0);
    Place(*hero, 5, 14, 4, 20);
    EXPECT_EQ(Frame(Direction::kRight), 0);
    // In the last column, moving down or up considers column 20 outside.
    Place(*hero, 19, 7, 10, 0);
    EXPECT_EQ(Frame(Direction::kDown), 0);
    Place(*hero, 19, 7, 10, 16);
    EXPECT_EQ(Frame(Direction::kUp), 0);
    Place(*hero, 19, 7, 2, 16);
    EXPECT_EQ(Frame(Direction::kUp), 4);
}

TEST_F(Walking, CharactersPlacedOutsideTheMapStayInBounds)
{
    Place(*hero, 300, 400, 0, 0);
    EXPECT_EQ(Frame(Direction::kDown), 0) << "below the last row";
    EXPECT_EQ(hero->tileY, 400);
    EXPECT_EQ(Frame(Direction::kLeft), 4) << "inside its own column of nothing";
    EXPECT_EQ(Frame(Direction::kLeft), 0) << "the next column is outside, hence blocked";
    EXPECT_EQ(Frame(Direction::kRight), 0);
    EXPECT_EQ(hero->tileX, 19) << "the right edge pulls it back onto the last column";

    Place(*hero, 5, 0, 0, -6);  // above the map's top edge
    EXPECT_EQ(Frame(Direction::kUp), 0);
    EXPECT_EQ(hero->tileY, 0) << "no wrap to row 65535";
    EXPECT_EQ(hero->offsetY, 0);
    Place(*hero, 0, 5, -6, 0);
    EXPECT_EQ(Frame(Direction::kLeft), 0);
    EXPECT_EQ(hero->tileX, 0);
    EXPECT_EQ(hero->offsetX, 0);
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

TEST(CollisionBox, SitsOnTheSpriteBottomAndTouchingCounts)
{
    CPerso c;
    c.tileX = 5;
    c.tileY = 5;
    const CollisionBox box = CollisionBox::Of(c);
    EXPECT_EQ(box.left, 164);
    EXPECT_EQ(box.top, 176);
    EXPECT_EQ(box.Right(), 188);
    EXPECT_EQ(box.Bottom(), 192);
    EXPECT_TRUE(box.Overlaps(CollisionBox{188, 192}));
    EXPECT_FALSE(box.Overlaps(CollisionBox{189, 176}));
    EXPECT_FALSE(box.Overlaps(CollisionBox{164, 159}));
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
