#include "TileSheet.h"

#include <cmath>

#include "BuildingTiles.h"
#include "FoliageTiles.h"
#include "GroundTiles.h"
#include "Palette.h"

using namespace palette;
using namespace tiles;

Canvas PaintTileSheet() {
    Canvas sheet(512, 512);

    // Row 0: grass and what stands on it.
    PaintGrass(At(sheet, 0, 0), 1, 6);
    PaintGrass(At(sheet, 1, 0), 2, 14);
    Tile yellowFlowers = At(sheet, 2, 0);
    PaintGrass(yellowFlowers, 3, 6);
    for (auto [x, y] : {std::pair{7, 8}, {22, 12}, {14, 23}, {27, 26}}) PaintFlower(yellowFlowers, x, y, yellow);
    Tile redFlowers = At(sheet, 3, 0);
    PaintGrass(redFlowers, 4, 6);
    for (auto [x, y] : {std::pair{10, 6}, {24, 20}, {6, 24}}) PaintFlower(redFlowers, x, y, red);
    PaintFlower(redFlowers, 18, 10, white);
    Tile pebbles = At(sheet, 4, 0);
    PaintGrass(pebbles, 5, 4);
    for (auto [x, y] : {std::pair{9, 12}, {20, 22}, {24, 8}}) {
        pebbles.Set(x, y, stoneLight);
        pebbles.Set(x + 1, y, stone);
        pebbles.Set(x, y + 1, stoneDark);
        pebbles.Set(x + 1, y + 1, stoneDark);
    }
    PaintGrass(At(sheet, 5, 0), 6, 24);
    Tile clover = At(sheet, 6, 0);
    PaintGrass(clover, 7, 4);
    for (auto [x, y] : {std::pair{8, 20}, {20, 9}}) {
        for (auto [dx, dy] : {std::pair{0, 0}, {1, 0}, {0, 1}, {-1, 0}, {0, -1}}) clover.Set(x + dx, y + dy, grassLight);
        clover.Set(x, y, grassTip);
    }
    PaintTallGrass(At(sheet, 7, 0));
    PaintFlowerBed(At(sheet, 8, 0));
    PaintObject(sheet, 9, 0, PaintRock);
    PaintObject(sheet, 10, 0, PaintStump);
    PaintObject(sheet, 11, 0, PaintBush);
    PaintObject(sheet, 12, 0, PaintFenceRail);
    PaintObject(sheet, 13, 0, PaintFencePost);
    PaintObject(sheet, 14, 0, PaintSignpost);
    Tile mushrooms = At(sheet, 15, 0);
    PaintGrass(mushrooms, 8, 6);
    PaintMushrooms(mushrooms);

    // Rows 1, 2: paths and water over grass, one cell per corner pattern.
    for (int bits = 0; bits < 16; ++bits) {
        PaintPath(At(sheet, bits, 1), bits);
        PaintWater(At(sheet, bits, 2), bits);
    }

    // Row 3: water features and outdoor objects.
    PaintLilies(At(sheet, 0, 3));
    PaintWaterRocks(At(sheet, 1, 3));
    PaintSteppingStone(At(sheet, 2, 3), 15);
    PaintBridge(At(sheet, 3, 3), true);
    PaintBridge(At(sheet, 4, 3), false);
    PaintReeds(At(sheet, 5, 3));
    PaintMoonflower(At(sheet, 6, 3));
    PaintObject(sheet, 7, 3, PaintCampfire);
    PaintObject(sheet, 8, 3, PaintLog);
    PaintObject(sheet, 9, 3, PaintBarrel);
    PaintObject(sheet, 10, 3, PaintCrate);
    PaintObject(sheet, 11, 3, PaintHaystack);
    PaintDoorstep(At(sheet, 12, 3));
    PaintObject(sheet, 13, 3, PaintLanternPost);
    PaintSparkleWater(At(sheet, 14, 3));
    PaintPath(At(sheet, 15, 3), 15);
    Tile pathStones = At(sheet, 15, 3);
    for (auto [x, y] : {std::pair{8, 9}, {20, 20}, {25, 7}}) {
        pathStones.Set(x, y, stoneLight);
        pathStones.Set(x + 1, y, stone);
        pathStones.Set(x + 1, y + 1, stoneDark);
    }

    // Row 4: the forest's closed canopy (layer 2), one cell per corner pattern.
    for (int bits = 0; bits < 16; ++bits) PaintCanopyTerrain(At(sheet, bits, 4), bits);

    // Row 5: trees.
    PaintRoundTree(sheet, 0, 5);
    PaintPine(sheet, 3, 5);
    PaintBigTree(sheet, 6, 5);

    // Rows 6, 7: red and blue roofs; chimney.
    PaintRoof(sheet, 0, 6, roofRed, roofRedDark, roofRedLight);
    PaintRoof(sheet, 0, 7, roofBlue, roofBlueDark, roofBlueLight);
    PaintChimney(sheet, 9, 6);

    // Row 8: walls and door; well.
    PaintWalls(sheet, 0, 8);
    PaintWell(sheet, 10, 8);

    // Row 9: stepping stones where the ford meets the bank: over the shore
    // below the water (144) and the island's edge above it (145).
    PaintSteppingStone(At(sheet, 0, 9), 3);
    PaintSteppingStone(At(sheet, 1, 9), 12);

    // Row 12, 13: interiors.
    PaintFloor(At(sheet, 0, 12), 0);
    PaintFloor(At(sheet, 1, 12), 17);
    PaintRug(At(sheet, 2, 12));
    PaintStoneFloor(At(sheet, 3, 12));
    PaintWallTop(At(sheet, 4, 12));
    PaintBackWall(At(sheet, 5, 12), true);
    PaintBackWall(At(sheet, 6, 12), false);
    PaintBackWindow(At(sheet, 7, 12));
    PaintShelf(At(sheet, 8, 12));
    PaintFireplace(sheet, 9, 12);
    PaintFurniture(sheet, 11, 12, PaintCounter);
    PaintFurniture(sheet, 12, 12, PaintCounterEnd);
    PaintFurniture(sheet, 13, 12, PaintTable);
    PaintFurniture(sheet, 14, 12, PaintChair);
    PaintFurniture(sheet, 15, 12, PaintStool);
    PaintBed(sheet, 0, 13);
    PaintFurniture(sheet, 2, 13, PaintInteriorBarrel);
    PaintFurniture(sheet, 3, 13, PaintPlant);
    PaintDoorway(At(sheet, 4, 13));
    PaintSideWall(At(sheet, 5, 13), true);
    PaintSideWall(At(sheet, 6, 13), false);
    PaintBookshelf(At(sheet, 7, 13));

    // Last cell: the marker that authors paint on the "collision" layer.
    Tile marker = At(sheet, 15, 15);
    for (int y = 0; y < kCell; ++y)
        for (int x = 0; x < kCell; ++x) {
            bool cross = std::abs(x - y) < 2 || std::abs(x + y - 31) < 2;
            bool border = x < 2 || y < 2 || x > 29 || y > 29;
            marker.Set(x, y, cross || border ? Rgba{220, 40, 40, 220} : Rgba{220, 40, 40, 70});
        }
    return sheet;
}
