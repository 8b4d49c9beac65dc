#pragma once

#include "TileCell.h"

// Ground: grass, paths and water by corner pattern, and the small objects that stand on it.
namespace tiles {

void PaintGrass(const Tile& t, int salt, int tufts);
void PaintFlower(const Tile& t, int x, int y, Rgba petal);
float CornerBlend(int bits, int x, int y);
void PaintPath(const Tile& t, int bits);
void PaintWaterPixel(const Tile& t, int x, int y, float depth);
void PaintWater(const Tile& t, int bits);
void Shadow(Canvas& c, float cx, float cy, float rx);
void PaintRock(Canvas& c);
void PaintStump(Canvas& c);
void PaintBush(Canvas& c);
void PaintFenceRail(Canvas& c);
void PaintFencePost(Canvas& c);
void PaintSignpost(Canvas& c);
void PaintMushrooms(const Tile& t);
// A stone to step on over water of the corner pattern `bits` (15: open water).
void PaintSteppingStone(const Tile& t, int bits);
void PaintBridge(const Tile& t, bool horizontal);
void PaintReeds(const Tile& t);
bool InPetal(int x, int y, float cx, float cy);
void PaintMoonflower(const Tile& t);
// The plant alone, on what the cell already holds: in bloom, or picked.
void PaintMoonflowerPlant(const Tile& t, bool inBloom);
void PaintCampfire(Canvas& c);
void PaintLog(Canvas& c);
void PaintBarrel(Canvas& c);
void PaintCrate(Canvas& c);
void PaintHaystack(Canvas& c);
void PaintDoorstep(const Tile& t);
void PaintLanternPost(Canvas& c);
void PaintTallGrass(const Tile& t);
void PaintLilies(const Tile& t);
void PaintWaterRocks(const Tile& t);
void PaintSparkleWater(const Tile& t);
void PaintFlowerBed(const Tile& t);

}  // namespace tiles
