#pragma once

#include <gtest/gtest.h>

#include <filesystem>

#include "support/MapFileBuilder.h"
#include "support/TempDir.h"
#include "world/CMap.h"

inline MapFileBuilder::Npc MakeNpc(std::uint16_t id, std::uint16_t x, std::uint16_t y,
                                   std::uint16_t texture = 0, const std::string& name = "")
{
    return MapFileBuilder::Npc{id, texture, x, y, 0, 0, name};
}

template <class Record>
Record& Place(Record& c, int tx, int ty, int ox = 0, int oy = 0)
{
    c.tileX = std::uint16_t(tx);
    c.tileY = std::uint16_t(ty);
    c.offsetX = std::int16_t(ox);
    c.offsetY = std::int16_t(oy);
    return c;
}

// A map loaded from files written into a fresh folder, made the working
// directory for the test because the engine opens "map\<name>.map".
class MapTest : public ::testing::Test {
protected:
    MapTest() : previous(std::filesystem::current_path()) { std::filesystem::current_path(dir.Path()); }
    ~MapTest() override { std::error_code ignored; std::filesystem::current_path(previous, ignored); }

    void Write(const std::string& name, const std::vector<std::uint8_t>& bytes)
    {
        dir.Write("map/" + name + ".map", bytes);
    }
    void Load(const MapFileBuilder& builder, const std::string& name = "m")
    {
        Write(name, builder.Bytes());
        ASSERT_TRUE(map.LoadMap(name));
    }

    TempDir dir;
    std::filesystem::path previous;
    CMap map;
};
