#include "widgets/DefaultFontTexture.h"

std::uint32_t defaultFontTexture = 0;
