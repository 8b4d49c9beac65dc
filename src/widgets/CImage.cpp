#include "widgets/CImage.h"

#include <GL/gl.h>

void CImage::Draw()
{
    if (!visible || state == WidgetState::Closed)
        return;
    CMenuBase::Draw();

    const std::int32_t w = ScaledWidth();
    const std::int32_t h = ScaledHeight();
    // Inset 2 pixels on the left and 1 on the other sides, so that the
    // frame's outline and shadow stay visible around the picture.
    const std::int32_t left = rect.x + 2;
    const std::int32_t top = rect.y + 1;
    const std::int32_t right = rect.x + w - 1;
    const std::int32_t bottom = rect.y + h - 1;

    glColor4f(1, 1, 1, 1);
    glEnable(GL_TEXTURE_2D);
    glBindTexture(GL_TEXTURE_2D, textureId);
    glBegin(GL_QUADS);
    glTexCoord2f(texRect.s0, texRect.t0);
    glVertex2i(left, top);
    glTexCoord2f(texRect.s1, texRect.t0);
    glVertex2i(right, top);
    glTexCoord2f(texRect.s1, texRect.t1);
    glVertex2i(right, bottom);
    glTexCoord2f(texRect.s0, texRect.t1);
    glVertex2i(left, bottom);
    glEnd();
    glDisable(GL_TEXTURE_2D);
}

void CImage::StepClose()
{
    if (visible)
        CMenuBase::StepClose();
}

void CImage::StepOpen()
{
    if (visible)
        CMenuBase::StepOpen();
}
