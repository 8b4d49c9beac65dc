#pragma once

#include <cstdint>

#include "world/CPerso.h"
#include "world/MapLayer.h"
#include "world/MapTile.h"

// Immediate-mode drawing of tiles and sprites in the pixel projection
// (origin top-left, y down). Every quad is given clockwise on screen -
// top-left, top-right, bottom-right, bottom-left - because back faces are
// culled. The current colour is used as it is.

// The tiles of `layer` that fall inside a view of viewWidth x viewHeight
// pixels, tile (0, 0) at (scrollX, scrollY).
void DrawLayer(const MapLayer& layer, std::int32_t scrollX, std::int32_t scrollY,
               std::int32_t viewWidth, std::int32_t viewHeight);

// One 32 x 32 tile with its top-left corner at (x, y), cut from its 16 x 16
// cell sheet: cell 0 top-left, cell 255 bottom-right. Texture 0 draws
// nothing. Expects GL_TEXTURE_2D enabled.
void DrawTile(const MapTile& tile, std::int32_t x, std::int32_t y);

// One character's 32 x 32 sprite. The sheet has four rows, from the top:
// facing up, right, down, left; frames are 3/16 of the sheet wide.
void DrawCharacter(const CPerso& c, std::int32_t scrollX, std::int32_t scrollY);
