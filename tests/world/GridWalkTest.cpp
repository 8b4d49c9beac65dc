#include "WorldTest.h"

#include <array>

#include "world/Direction.h"
#include "world/GridWalk.h"

namespace {

using Spot = std::array<int, 4>;  // tile x, tile y, offset x, offset y

Spot SpotOf(const CPerso& c)
{
    return {c.tileX, c.tileY, c.offsetX, c.offsetY};
}

GridWalk::Arrows Holding(int direction)
{
    GridWalk::Arrows held{};
    if (direction >= 0)
        held[std::size_t(direction)] = true;
    return held;
}

// An open 20 x 15 map with NPC 7 on (8, 8) and hero 1.
class GridWalkTest : public MapTest {
protected:
    void SetUp() override
    {
        MapFileBuilder builder(20, 15, 1);
        builder.AddNpc(MakeNpc(7, 8, 8));
        builder.Block(10, 10);
        Load(builder);
        hero = &map.AddHero(1, "Aline", 0);
    }
    // One frame with `direction` held (-1: none).
    void Frame(int direction) { walker.Frame(map, *hero, Holding(direction), ++frame); }
    void Frames(int count, int direction = -1)
    {
        for (int i = 0; i < count; ++i)
            Frame(direction);
    }

    CHero* hero = nullptr;
    GridWalk walker;
    std::uint32_t frame = 0;
};

} // namespace

TEST_F(GridWalkTest, EveryStepEndsOnATileBorderWhereverTheHeroWasPlaced)
{
    const struct {
        Spot start;
        int direction;
        Spot end;
    } cases[] = {
        {{5, 5, 0, 0}, Direction::kLeft, {4, 5, 0, 0}},
        {{5, 5, 0, 0}, Direction::kDown, {5, 6, 0, 0}},
        // Offsets a script gave are carried into the tile first.
        {{5, 5, 40, 0}, Direction::kRight, {7, 5, 0, 0}},
        {{5, 5, -5, 0}, Direction::kLeft, {4, 5, 0, 0}},
        {{5, 5, 10, 0}, Direction::kRight, {6, 5, 0, 0}},
        {{5, 5, 0, 20}, Direction::kUp, {5, 5, 0, 0}},
        // Placed between two columns, the hero steps along the nearer
        // walkable one; between two rows, along the nearer walkable row.
        {{5, 5, 10, 0}, Direction::kUp, {5, 4, 0, 0}},
        {{5, 5, 20, 0}, Direction::kDown, {6, 6, 0, 0}},
        {{9, 10, 20, 0}, Direction::kUp, {9, 9, 0, 0}},  // (10, 10) is blocked
        {{4, 5, 0, 12}, Direction::kLeft, {3, 5, 0, 0}},
        // The right and bottom edges: only a turn. (The game's grid walking
        // tests hold the hero against the other two, walls and characters.)
        {{19, 5, 0, 0}, Direction::kRight, {19, 5, 0, 0}},
        {{5, 14, 0, 0}, Direction::kDown, {5, 14, 0, 0}},
    };
    for (const auto& c : cases) {
        Place(*hero, c.start[0], c.start[1], c.start[2], c.start[3]);
        walker.Reset();
        Frame(c.direction);
        Frames(12);
        EXPECT_EQ(SpotOf(*hero), c.end) << c.start[0] << "," << c.start[1] << " +" << c.start[2] << ","
                                        << c.start[3] << " dir " << c.direction;
        EXPECT_EQ(hero->facing, c.direction);
        EXPECT_FALSE(walker.Stepping());
    }
}

TEST_F(GridWalkTest, APressRememberedDuringAStepIsDroppedWhenTheWalkerMissedFrames)
{
    for (bool missed : {false, true}) {
        Place(*hero, 5, 5);
        walker.Reset();
        Frame(Direction::kLeft);
        Frame(-1);
        Frame(Direction::kDown);  // a tap during the step
        if (missed)
            frame += 50;  // a dialogue covered the map meanwhile
        Frames(20);
        EXPECT_EQ(SpotOf(*hero), (missed ? Spot{4, 5, 0, 0} : Spot{4, 6, 0, 0})) << missed;
    }
}

TEST_F(GridWalkTest, FinishingAStepFailsWhileSomethingBlocksIt)
{
    Place(*hero, 6, 8);
    Frame(Direction::kRight);
    ASSERT_TRUE(walker.Stepping());
    map.FindNpc(7)->offsetX = -10;  // steps into the way
    EXPECT_FALSE(walker.FinishStep(map, *hero));
    EXPECT_TRUE(walker.Stepping());
    EXPECT_NE(hero->offsetX, 0);
    map.FindNpc(7)->offsetX = 0;
    EXPECT_TRUE(walker.FinishStep(map, *hero));
    EXPECT_EQ(SpotOf(*hero), (Spot{7, 8, 0, 0}));
    EXPECT_FALSE(walker.Stepping());
}

TEST_F(GridWalkTest, TheTileAndCharacterInFrontAreTheNeighbouringTilesOnly)
{
    CHero& other = map.AddHero(2, "Bastien", 0);
    Place(other, 3, 3);
    const struct {
        Spot at;
        int facing;
        int frontX, frontY;  // -1: none
        int character;       // identifier, 0: none
    } cases[] = {
        {{7, 8, 0, 0}, Direction::kRight, 8, 8, 7},  // the game talks to an NPC from each side
        {{6, 8, 0, 0}, Direction::kRight, 7, 8, 0},
        {{3, 4, 0, 0}, Direction::kUp, 3, 3, 2},
        {{0, 4, 0, 0}, Direction::kLeft, -1, -1, 0},
        {{19, 14, 0, 0}, Direction::kDown, -1, -1, 0},
    };
    for (const auto& c : cases) {
        Place(*hero, c.at[0], c.at[1], c.at[2], c.at[3]);
        hero->facing = std::uint16_t(c.facing);
        const TilePos front = GridWalk::TileInFront(map, *hero);
        EXPECT_EQ((front.valid ? std::array<int, 2>{front.x, front.y} : std::array<int, 2>{-1, -1}),
                  (std::array<int, 2>{c.frontX, c.frontY}))
            << c.at[0] << "," << c.at[1];
        const CPerso* found = GridWalk::CharacterInFront(map, *hero);
        EXPECT_EQ(found ? found->identifier : 0, c.character) << c.at[0] << "," << c.at[1];
    }
}
