#include "MapFolder.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace fs = std::filesystem;

MapFolder::MapFolder() : previous(fs::current_path().string())
{
    fs::current_path(dir.Path());
}

MapFolder::~MapFolder()
{
    std::error_code ignored;
    fs::current_path(previous, ignored);
}

std::string MapFolder::WriteMap(const std::string& name, const std::vector<std::uint8_t>& bytes) const
{
    return dir.Write("map/" + name + ".map", bytes);
}
