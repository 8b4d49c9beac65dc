#pragma once

#include "TileCell.h"

// Buildings: roofs, walls, doors, the well, and the rooms inside.
namespace tiles {

void PaintRoof(Canvas& sheet, int column, int row, Rgba base, Rgba dark, Rgba light);
void PaintWalls(Canvas& sheet, int column, int row);
void PaintChimney(Canvas& sheet, int column, int row);
void PaintWell(Canvas& sheet, int column, int row);
void PaintFloor(const Tile& t, int salt);
void PaintRug(const Tile& t);
void PaintStoneFloor(const Tile& t);
void PaintWallTop(const Tile& t);
void PaintBackWall(const Tile& t, bool upper);
void PaintBackWindow(const Tile& t);
void PaintShelf(const Tile& t);
void PaintFireplace(Canvas& sheet, int column, int row);
void Counter(Canvas& c, bool end);
void PaintCounter(Canvas& c);
void PaintCounterEnd(Canvas& c);
void PaintTable(Canvas& c);
void PaintChair(Canvas& c);
void PaintStool(Canvas& c);
void PaintPlant(Canvas& c);
void PaintInteriorBarrel(Canvas& c);
void PaintBed(Canvas& sheet, int column, int row);
void PaintDoorway(const Tile& t);
void PaintSideWall(const Tile& t, bool left);
void PaintBookshelf(const Tile& t);
void PaintFurniture(Canvas& sheet, int column, int row, void (*paint)(Canvas&));

}  // namespace tiles
