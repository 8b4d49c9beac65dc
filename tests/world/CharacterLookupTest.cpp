#include <gtest/gtest.h>

#include "MapFolder.h"
#include "support/MapFileBuilder.h"
#include "world/CMap.h"
#include "world/CharacterKind.h"
#include "world/Direction.h"

namespace {

class Characters : public ::testing::Test {
protected:
    void SetUp() override
    {
        MapFileBuilder::Npc guard;
        guard.identifier = 7;
        guard.tileX = 2;
        guard.tileY = 2;
        guard.name = "Garde";
        MapFileBuilder::Npc twin = guard;
        twin.tileX = 6;
        twin.name = "Jumeau";
        folder.WriteMap("ten", MapFileBuilder(10, 8, 1).AddNpc(guard).AddNpc(twin).Bytes());
        ASSERT_TRUE(map.LoadMap("ten"));
    }

    CHero& PlaceHero(std::uint16_t id, int tx, int ty, int ox, int oy, std::uint16_t facing)
    {
        CHero& hero = map.AddHero(id, "H", 1);
        hero.tileX = std::uint16_t(tx);
        hero.tileY = std::uint16_t(ty);
        hero.offsetX = std::int16_t(ox);
        hero.offsetY = std::int16_t(oy);
        hero.facing = facing;
        return hero;
    }

    MapFolder folder;
    CMap map;
};

}  // namespace

TEST_F(Characters, NewHeroHasDefaultsAndGivenFields)
{
    CHero& hero = map.AddHero(3, "Alia", 44);
    EXPECT_EQ(hero.name, "Alia");
    EXPECT_EQ(hero.texture, 44u);
    EXPECT_EQ(hero.facing, Direction::kDown);
    EXPECT_EQ(map.FindHero(3), &hero);
}

TEST_F(Characters, LookupsFindTheFirstMatchOrReportNull)
{
    CHero& first = map.AddHero(1, "Premier", 0);
    map.AddHero(1, "Second", 0);
    EXPECT_EQ(map.FindHero(1), &first) << "a duplicate identifier finds the earlier hero";
    EXPECT_EQ(map.FindNpc(7)->name, "Garde");

    testing::internal::CaptureStdout();
    EXPECT_EQ(map.FindNpc(8), nullptr);
    EXPECT_EQ(map.FindHero(70000), nullptr) << "identifiers are not cut to 16 bits";
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "NULL returned: 8\nNULL returned: 70000\n");
}

TEST_F(Characters, HeroRecordsNeverMove)
{
    CHero& first = map.AddHero(1, "Alia", 0);
    first.tileY = 5;
    CHero* const kept = &first;
    for (int i = 2; i < 200; ++i)
        map.AddHero(std::uint16_t(i), "x", 0).tileY = std::uint16_t(i % 7);
    map.DrawCharacters();  // re-sorts both lists by depth
    EXPECT_EQ(map.FindHero(1), kept);
    EXPECT_EQ(kept->name, "Alia");
    EXPECT_EQ(kept->identifier, 1);
    EXPECT_NE(map.Heroes()[0].get(), kept) << "sorting reordered the list, not the records";
}

TEST_F(Characters, StandingTileUsesThePointBelowTheSpriteCentre)
{
    PlaceHero(1, 3, 4, 0, 0, Direction::kRight);
    TilePos standing = map.StandingTile(CharacterKind::kHero, 1);
    EXPECT_TRUE(standing.valid);
    EXPECT_EQ(standing.x, 3);
    EXPECT_EQ(standing.y, 4);
    TilePos facing = map.FacingTile(CharacterKind::kHero, 1);
    EXPECT_TRUE(facing.valid);
    EXPECT_EQ(facing.x, 4);
    EXPECT_EQ(facing.y, 4);

    map.FindHero(1)->offsetY = 10;  // py = 128 + 10 + 24 = 162
    standing = map.StandingTile(CharacterKind::kHero, 1);
    EXPECT_EQ(standing.x, 3);
    EXPECT_EQ(standing.y, 5);
    map.FindHero(1)->offsetY = 7;  // py = 159
    EXPECT_EQ(map.StandingTile(CharacterKind::kHero, 1).y, 4);
    map.FindHero(1)->offsetX = 16;  // px = 96 + 16 + 16 = 128
    EXPECT_EQ(map.StandingTile(CharacterKind::kHero, 1).x, 4);

    TilePos npc = map.StandingTile(CharacterKind::kNpc, 7);
    EXPECT_EQ(npc.x, 2);
    EXPECT_EQ(npc.y, 2);
}

TEST_F(Characters, FacingTileInEveryDirectionAndAtTheEdges)
{
    CHero& hero = PlaceHero(1, 0, 0, 0, 0, Direction::kLeft);
    EXPECT_FALSE(map.FacingTile(CharacterKind::kHero, 1).valid);
    hero.facing = Direction::kUp;
    EXPECT_FALSE(map.FacingTile(CharacterKind::kHero, 1).valid);
    hero.facing = Direction::kDown;
    TilePos below = map.FacingTile(CharacterKind::kHero, 1);
    EXPECT_TRUE(below.valid);
    EXPECT_EQ(below.x, 0);
    EXPECT_EQ(below.y, 1);

    hero.tileX = 9;  // last column
    hero.facing = Direction::kRight;
    EXPECT_FALSE(map.FacingTile(CharacterKind::kHero, 1).valid);
    hero.tileX = 8;
    EXPECT_TRUE(map.FacingTile(CharacterKind::kHero, 1).valid);
    hero.tileY = 7;  // last row
    hero.facing = Direction::kDown;
    EXPECT_FALSE(map.FacingTile(CharacterKind::kHero, 1).valid);
    hero.facing = 9;  // not a direction: the centre's own tile
    TilePos own = map.FacingTile(CharacterKind::kHero, 1);
    EXPECT_TRUE(own.valid);
    EXPECT_EQ(own.x, 8);
    EXPECT_EQ(own.y, 7);
}

TEST_F(Characters, TilesOutsideTheMapAreNotValid)
{
    CHero& hero = PlaceHero(1, 40, 3, 0, 0, Direction::kLeft);
    EXPECT_FALSE(map.StandingTile(CharacterKind::kHero, 1).valid) << "placed right of the map";
    hero.tileX = 3;
    hero.tileY = 7;
    hero.offsetY = 8;  // feet at 224 + 8 + 24 = 256, the map's bottom
    EXPECT_FALSE(map.StandingTile(CharacterKind::kHero, 1).valid);
    hero.offsetY = 7;
    EXPECT_TRUE(map.StandingTile(CharacterKind::kHero, 1).valid);
    hero.tileX = 0;
    hero.offsetX = -17;  // px = -1
    EXPECT_FALSE(map.StandingTile(CharacterKind::kHero, 1).valid);

    EXPECT_FALSE(map.IsWalkable(10, 0));
    EXPECT_FALSE(map.IsWalkable(0, -1));
    EXPECT_TRUE(map.IsWalkable(9, 7));
    EXPECT_EQ(map.EventAt(-1, 3).stepOnScript, 0);
}

TEST_F(Characters, MissingCharacterAnswersForANewRecordAndOtherKindsForNothing)
{
    testing::internal::CaptureStdout();
    TilePos missing = map.StandingTile(CharacterKind::kHero, 99);
    TilePos missingFacing = map.FacingTile(CharacterKind::kNpc, 99);
    const std::string printed = testing::internal::GetCapturedStdout();
    EXPECT_EQ(printed, "NULL returned: 99\nNULL returned: 99\n");
    EXPECT_TRUE(missing.valid);
    EXPECT_EQ(missing.x, 0);
    EXPECT_EQ(missing.y, 0);
    EXPECT_TRUE(missingFacing.valid) << "a new record faces down";
    EXPECT_EQ(missingFacing.y, 1);

    PlaceHero(1, 3, 3, 0, 0, Direction::kDown);
    EXPECT_FALSE(map.StandingTile(3, 1).valid);
    EXPECT_FALSE(map.FacingTile(0, 1).valid);
}
