#pragma once

#include <gtest/gtest.h>

#include <string>

#include "TiledTestMap.h"
#include "pack/PackMessages.h"
#include "lib/TiledMap.h"
#include "support/TempDir.h"
#include "world/MapFile.h"
#include "world/MapFileReader.h"

// A source folder with two tile sheets, art/grass.png and art/house.png,
// in which the tests write maps and import them.
class TiledFixture : public ::testing::Test {
protected:
    TiledFixture()
    {
        WriteSheetPng(dir.Write("art/grass.png", std::string()), 0);
        WriteSheetPng(dir.Write("art/house.png", std::string()), 100, true);
    }

    // Writes `text` as maps/<name> and imports it.
    bool Import(const std::string& name, const std::string& text)
    {
        dir.Write("maps/" + name, text);
        return ImportFile(name);
    }
    bool ImportFile(const std::string& name)
    {
        diagnostics = Diagnostics();
        return ImportTiledMap(dir.File("maps/" + name), "maps/" + name, imported, diagnostics);
    }
    // The imported bytes as the engine reads them.
    MapFile Parsed() const
    {
        MapFile map;
        const MapFileResult result = ParseMapFile(imported.mapBytes, map);
        EXPECT_TRUE(result.accepted) << result.reason;
        return map;
    }
    std::string Messages() const { return ::Messages(diagnostics); }

    TempDir dir;
    ImportedMap imported;
    Diagnostics diagnostics;
};
