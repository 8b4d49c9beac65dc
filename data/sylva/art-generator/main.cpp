// Paints the pictures of the demo world Sylva: the tile sheet and the
// character sheets (the moonflower has one too). Usage: sylva-art-generator OUTPUT_FOLDER
#include <cstdio>
#include <string>

#include "CharacterSheet.h"
#include "Looks.h"
#include "MoonflowerSheet.h"
#include "TileSheet.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT_FOLDER\n", argv[0]);
        return 2;
    }
    std::string folder = argv[1];
    bool ok = PaintTileSheet().SavePng(folder + "/sylva-tiles.png");
    ok = PaintMoonflowerSheet().SavePng(folder + "/moonflower.png") && ok;
    for (const Look& look : SylvaLooks()) {
        ok = PaintCharacterSheet(look).SavePng(folder + "/" + look.file + ".png") && ok;
    }
    if (!ok) {
        std::fprintf(stderr, "could not write the pictures into %s\n", folder.c_str());
        return 1;
    }
    return 0;
}
