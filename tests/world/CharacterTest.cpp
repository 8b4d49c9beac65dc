#include "WorldTest.h"

#include "world/CharacterKind.h"
#include "world/DepthOrder.h"
#include "world/Direction.h"

namespace {

const int kHero = CharacterKind::kHero, kNpc = CharacterKind::kNpc;

// A 10 x 8 map with two NPCs sharing identifier 7, tile (1, 2) blocked and a
// step-on script at (4, 4).
class Characters : public MapTest {
protected:
    void SetUp() override
    {
        Load(MapFileBuilder(10, 8, 1).AddNpc(MakeNpc(7, 2, 2, 0, "Garde")).AddNpc(MakeNpc(7, 6, 2))
                 .Block(1, 2).Event(4, 4, 0, 9));
    }
};

}  // namespace

TEST_F(Characters, LookupsFindTheFirstMatchOrSayNullReturned)
{
    CHero& first = map.AddHero(1, "Premier", 44);
    map.AddHero(1, "Second", 0);
    EXPECT_EQ(first.facing, Direction::kDown);
    EXPECT_EQ(first.texture, 44u);
    EXPECT_EQ(map.FindHero(1), &first) << "a duplicate identifier finds the earlier hero";
    EXPECT_EQ(map.FindNpc(7)->name, "Garde");

    EXPECT_FALSE(map.StandingTile(3, 1).valid || map.FacingTile(0, 1).valid) << "no such kind";

    // A missing character prints and answers for a new record at (0, 0), facing down.
    testing::internal::CaptureStdout();
    EXPECT_EQ(map.FindNpc(8), nullptr);
    EXPECT_EQ(map.FindHero(70000), nullptr) << "identifiers are not cut to 16 bits";
    const TilePos standing = map.StandingTile(kHero, 99), facing = map.FacingTile(kNpc, 98);
    EXPECT_EQ(testing::internal::GetCapturedStdout(),
              "NULL returned: 8\nNULL returned: 70000\nNULL returned: 99\nNULL returned: 98\n");
    EXPECT_TRUE(standing.valid && facing.valid);
    EXPECT_EQ(standing, (TilePos{0, 0, true}));
    EXPECT_EQ(facing, (TilePos{0, 1, true}));
}

// Drawing sorts both lists by depth (tile row, then signed offset; equal
// keys keep their order) and draws a hero before an NPC at equal depth. Only
// the pointers move: records keep their addresses.
TEST_F(Characters, DrawingSortsTheListsByDepthWithoutMovingRecords)
{
    CHero& low = Place(map.AddHero(1, "Alia", 0), 0, 5, 0, 3);
    CHero& high = Place(map.AddHero(2, "", 0), 0, 4, 0, 31);
    CHero& raised = Place(map.AddHero(3, "", 0), 0, 5, 0, -2);
    CHero& same = Place(map.AddHero(4, "", 0), 0, 5, 0, 3);
    for (int i = 5; i < 200; ++i)
        map.AddHero(std::uint16_t(i), "x", 0).tileY = 9;
    CNpc* const guard = map.FindNpc(7);
    CNpc* const twin = map.Npcs()[1].get();
    Place(*guard, 2, 5, 0, 3);  // level with heroes 1 and 4
    Place(*twin, 6, 5);         // between heroes 3 and 1
    map.DrawCharacters();
    EXPECT_EQ((std::vector<const CHero*>{map.Heroes()[0].get(), map.Heroes()[1].get(), map.Heroes()[2].get(),
                                         map.Heroes()[3].get()}), (std::vector<const CHero*>{&high, &raised, &low, &same}));
    EXPECT_EQ(map.Npcs()[0].get(), twin);
    std::vector<const CPerso*> order = DrawOrder(map.Npcs(), map.Heroes());
    order.resize(6);
    EXPECT_EQ(order, (std::vector<const CPerso*>{&high, &raised, twin, &low, &same, guard}));
}

// StandingTile takes the point (16, 24) of the sprite, FacingTile its centre
// moved one tile the way it faces; outside the map neither is valid.
TEST_F(Characters, StandingAndFacingTiles)
{
    const TilePos none;
    const struct {
        int tx, ty, ox, oy, facing;
        TilePos standing, ahead;
    } cases[] = {
        {3, 4, 0, 0, Direction::kRight, {3, 4, true}, {4, 4, true}},
        {3, 4, 0, 10, Direction::kLeft, {3, 5, true}, {2, 4, true}},  // feet at y 162
        {3, 4, 0, 7, Direction::kUp, {3, 4, true}, {3, 3, true}},     // feet at y 159
        {3, 4, 16, 0, Direction::kDown, {4, 4, true}, {4, 5, true}},  // x 128
        {0, 0, 0, 0, Direction::kLeft, {0, 0, true}, none}, {0, 0, 0, 0, Direction::kUp, {0, 0, true}, none},
        {9, 3, 0, 0, Direction::kRight, {9, 3, true}, none},
        {8, 3, 0, 0, Direction::kRight, {8, 3, true}, {9, 3, true}},
        {8, 3, 16, 0, Direction::kRight, {9, 3, true}, none},  // ahead at x 320, the right edge
        {9, 3, 16, 0, Direction::kUp, none, none},              // feet at x 320
        {8, 7, 0, 0, Direction::kDown, {8, 7, true}, none},
        {8, 7, 0, 0, 9, {8, 7, true}, {8, 7, true}},  // no direction: the centre's own tile
        {40, 3, 0, 0, Direction::kLeft, none, none},
        {3, 7, 0, 8, Direction::kUp, none, {3, 6, true}},  // feet at y 256, the bottom
        {3, 7, 0, 7, Direction::kUp, {3, 7, true}, {3, 6, true}},
        {0, 3, -17, 0, Direction::kRight, none, {0, 3, true}},  // feet at x -1
    };
    CHero& hero = map.AddHero(1, "H", 1);
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.tx << "," << c.ty << " +" << c.ox << "," << c.oy << " f" << c.facing);
        Place(hero, c.tx, c.ty, c.ox, c.oy).facing = std::uint16_t(c.facing);
        for (auto [got, want] : {std::pair{map.StandingTile(kHero, 1), c.standing},
                                 {map.FacingTile(kHero, 1), c.ahead}}) {
            EXPECT_EQ(got.valid, want.valid);
            EXPECT_TRUE(!want.valid || got == want) << got.x << "," << got.y;
        }
    }
    EXPECT_EQ(map.StandingTile(kNpc, 7), (TilePos{2, 2, true}));
    // Outside the map a tile is blocked and has no scripts.
    EXPECT_EQ(map.EventAt(4, 4).stepOnScript, 9);
    EXPECT_TRUE(map.IsWalkable(9, 7));
    EXPECT_FALSE(map.IsWalkable(10, 0) || map.IsWalkable(0, -1));
    EXPECT_EQ(map.EventAt(-1, 3).stepOnScript, 0);
}

TEST_F(Characters, MoveCharacterFindsByKindAndWalksOnTheMapsGrid)
{
    CHero& hero = Place(map.AddHero(1, "H", 0), 5, 5);
    map.MoveCharacter(kHero, 1, Direction::kRight, 3);
    EXPECT_EQ(hero.offsetX, 4);
    CNpc& npc = *map.FindNpc(7);
    map.MoveCharacter(kNpc, 7, Direction::kLeft, 3);
    EXPECT_EQ((std::vector<int>{npc.tileX, npc.offsetX}), (std::vector<int>{1, 28}));
    map.MoveCharacter(kNpc, 7, Direction::kLeft, 3);
    EXPECT_EQ(npc.offsetX, 28) << "the map's own walkability grid blocks it";

    testing::internal::CaptureStdout();
    map.MoveCharacter(kHero, 9, Direction::kRight, 3);
    map.MoveCharacter(3, 1, Direction::kRight, 3);
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "NULL returned: 9\n");
    EXPECT_EQ(hero.offsetX, 4);
}
