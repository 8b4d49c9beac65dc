#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "lib/ReadBack.h"
#include "support/MapFileBuilder.h"

namespace {

std::vector<std::uint8_t> MapWithNpcNamed(const std::string& name)
{
    MapFileBuilder::Npc npc;
    npc.identifier = 4;
    npc.texture = 9;
    npc.name = name;
    return MapFileBuilder(2, 1, 1).Texture(9, "grass.tga").AddNpc(npc).Bytes();
}

WorldFile WorldListing(const std::string& script, const std::string& texture)
{
    WorldFile world;
    world.scripts = {script};
    world.textures = {{5, texture}};
    world.startScript = 3;
    return world;
}

std::vector<SourceScript> Scripts(const std::string& text)
{
    SourceScript script;
    script.id = 3;
    script.text = text;
    return {script, script};
}

} // namespace

// The game's readers take the packed bytes back as they were meant, or the
// packer refuses to write them.
TEST(ReadBack, OnlyWhatTheGameReadsAsPackedPasses)
{
    std::vector<std::uint8_t> cut = MapWithNpcNamed("Bob");
    cut.pop_back();
    const struct {
        std::string what;
        std::string refusal;
        bool passes;
    } cases[] = {
        {"a map", ReadBack::MapRefusal(MapWithNpcNamed("Bob")), true},
        {"a map with a 0 in a name", ReadBack::MapRefusal(MapWithNpcNamed(std::string("B\0b", 3))), false},
        {"a map cut short", ReadBack::MapRefusal(cut), false},
        {"a world file", ReadBack::WorldRefusal(WorldListing("a.tsl", "a.tga")), true},
        {"a world file with a 0 in a container's name",
         ReadBack::WorldRefusal(WorldListing(std::string("a\0b.tsl", 7), "a.tga")), false},
        {"a world file with a 0 in a picture's name",
         ReadBack::WorldRefusal(WorldListing("a.tsl", std::string("a\0.tga", 6))), false},
        {"a container", ReadBack::ContainerRefusal(Scripts("Console 1 ;")), true},
        {"a container with a 0 in a script", ReadBack::ContainerRefusal(Scripts(std::string("Console\0 1 ;", 12))),
         false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.refusal.empty(), c.passes) << c.what << ": " << c.refusal;
}
