#include "game/CFade.h"

#include <GL/gl.h>

void CFade::SetScreen(const std::int32_t* w, const std::int32_t* h)
{
    width = w;
    height = h;
}

void CFade::StartIn(int speed)
{
    level = 100;
    target = 0;
    step = -speed;
    active = true;
}

void CFade::StartOut(int speed)
{
    level = 0;
    target = 100;
    step = speed;
    active = true;
}

void CFade::Advance()
{
    if (!active)
        return;
    level += step;
    // A step of 0 would never reach a target above the level (a fade-in at
    // speed 0): such a fade ends at once instead of holding the game forever.
    if ((step >= 1 && level >= target) || (step <= 0 && level <= target) || step == 0)
        active = false;
}

float CFade::Alpha() const
{
    float alpha = static_cast<float>(level) / 100.0f;
    return alpha < 0.0f ? 0.0f : (alpha > 1.0f ? 1.0f : alpha);
}

void CFade::Draw()
{
    Advance();
    if (level == 0 || !width || !height)
        return;
    float w = static_cast<float>(*width);
    float h = static_cast<float>(*height);
    glDisable(GL_TEXTURE_2D);
    glColor4f(0.0f, 0.0f, 0.0f, Alpha());
    glBegin(GL_QUADS);
    glVertex2f(0, 0);
    glVertex2f(w, 0);
    glVertex2f(w, h);
    glVertex2f(0, h);
    glEnd();
    glColor4f(1.0f, 1.0f, 1.0f, 1.0f);
}
