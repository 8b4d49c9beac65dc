#pragma once

#include "TileCell.h"

// Foliage: the canopy terrain and the trees, crowns on layer 2 and trunks on layer 1.
namespace tiles {

Rgba LeafColour(int x, int y, int salt, Rgba dark, Rgba base, Rgba light, Rgba tip);
void PaintCanopyTerrain(const Tile& t, int bits);
void PaintCanopyBlob(Canvas& c, float cx, float cy, float rx, float ry, int salt);
void PaintTrunk(Canvas& c, int cx, int top, int bottom, int halfWidth);
void PaintRoundTree(Canvas& sheet, int column, int row);
void PaintPine(Canvas& sheet, int column, int row);
void PaintBigTree(Canvas& sheet, int column, int row);
void CutInto(Canvas& sheet, const Canvas& picture, int pictureColumn, int pictureRow, int column, int row);

}  // namespace tiles
