#pragma once

#include <cstdint>

#include "widgets/CMenuBase.h"
#include "widgets/CTexRect.h"

// A frame with a picture inside it, such as the speaker's portrait beside a
// dialogue box.
class CImage : public CMenuBase {
public:
    void Draw() override;
    void StepClose() override;
    void StepOpen() override;

    // When false the image neither draws (not even its frame) nor animates.
    bool visible = true;
    // OpenGL texture name of the picture.
    std::uint16_t textureId = 0;
    // The area of the texture shown.
    CTexRect texRect;
};
