#include "world/CMap.h"
#include "world/DepthOrder.h"
#include "world/MapDrawing.h"

void CMap::SetViewSize(const std::int32_t* viewWidthSource, const std::int32_t* viewHeightSource)
{
    viewWidth = viewWidthSource;
    viewHeight = viewHeightSource;
}

std::int32_t CMap::ViewWidth() const
{
    return viewWidth ? *viewWidth : kDefaultViewWidth;
}

std::int32_t CMap::ViewHeight() const
{
    return viewHeight ? *viewHeight : kDefaultViewHeight;
}

namespace {

// One axis of CenterOn: the view is `view` pixels long (taken as a 16-bit
// size), the map `tiles` tiles long.
std::int32_t CenteredScroll(std::int32_t view, std::int32_t pixel, std::uint16_t tiles)
{
    const std::int32_t viewSize = std::uint16_t(view);
    const std::int32_t mapSize = CMap::kTileSize * std::int32_t(tiles);
    std::int32_t scroll = std::int32_t(std::uint32_t(viewSize) >> 1) - pixel;
    if (scroll >= 1)
        scroll = 0;
    else if (scroll < viewSize - mapSize)
        scroll = viewSize - mapSize;
    if (mapSize <= viewSize)
        scroll = (viewSize - mapSize) / 2;
    return scroll;
}

}  // namespace

void CMap::CenterOn(std::int32_t px, std::int32_t py)
{
    scrollX = CenteredScroll(ViewWidth(), px, width);
    scrollY = CenteredScroll(ViewHeight(), py, height);
}

void CMap::CenterOnCharacter(int kind, std::int32_t identifier)
{
    const CPerso* c = FindCharacter(kind, identifier);
    if (c)
        CenterOn(kTileSize * c->tileX + c->offsetX, kTileSize * c->tileY + c->offsetY);
}

void CMap::DrawMapLayer(int index) const
{
    if (index < 0 || index >= layerCount || width == 0)
        return;
    DrawLayer(layers[index], scrollX, scrollY, ViewWidth(), ViewHeight());
}

void CMap::DrawCharacters()
{
    SortByDepth(npcs);
    SortByDepth(heroes);
    for (const CPerso* c : DrawOrder(npcs, heroes))
        DrawCharacter(*c, scrollX, scrollY);
}
