// tessel-map: shows map authors what the engine reads from a .map file.

#include <CLI/CLI.hpp>

#include <iostream>
#include <string>

#include "MapListing.h"
#include "world/MapFileReader.h"

int main(int argc, char** argv)
{
    CLI::App app{"Prints what the engine reads from a map file."};
    std::string path;
    bool grids = false;
    app.add_option("FILE", path, "the .map file")->required();
    app.add_flag("--grids", grids, "also print the walkability grid and the tile scripts");
    CLI11_PARSE(app, argc, argv);

    MapFile map;
    const MapFileResult result = ReadMapFile(path, map);
    if (!result.accepted) {
        std::cerr << path << " is refused: " << result.reason << ".\n";
        return 1;
    }
    WriteMapListing(std::cout, map, grids);
    return 0;
}
