#include "engine/PixelScale.h"

#include <algorithm>

int PixelScale::LargestFactor(int gameWidth, int gameHeight, int areaWidth, int areaHeight)
{
    if (gameWidth <= 0 || gameHeight <= 0)
        return 1;
    return std::max(1, std::min(areaWidth / gameWidth, areaHeight / gameHeight));
}

PixelScale PixelScale::Fit(int gameWidth, int gameHeight, int windowWidth, int windowHeight)
{
    PixelScale scale;
    scale.gameWidth = gameWidth;
    scale.gameHeight = gameHeight;
    scale.windowWidth = windowWidth;
    scale.windowHeight = windowHeight;
    scale.factor = LargestFactor(gameWidth, gameHeight, windowWidth, windowHeight);
    scale.offsetX = std::max(0, (windowWidth - gameWidth * scale.factor) / 2);
    scale.offsetY = std::max(0, (windowHeight - gameHeight * scale.factor) / 2);
    return scale;
}

bool PixelScale::Identity() const
{
    return factor == 1 && offsetX == 0 && offsetY == 0 && windowWidth == gameWidth &&
           windowHeight == gameHeight;
}

float PixelScale::ToGameX(int windowX) const
{
    return static_cast<float>(windowX - offsetX) / static_cast<float>(factor);
}

float PixelScale::ToGameY(int windowY) const
{
    return static_cast<float>(windowY - offsetY) / static_cast<float>(factor);
}
