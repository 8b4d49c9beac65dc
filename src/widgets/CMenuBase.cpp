#include "widgets/CMenuBase.h"

#include <GL/gl.h>

#include "widgets/GlShapes.h"

namespace {

std::int32_t Scale(std::int16_t progress, std::int32_t length)
{
    // Widened so that no rectangle, however large, overflows while scaling.
    return static_cast<std::int32_t>(static_cast<std::int64_t>(progress) * length /
                                     CMenuBase::kFullProgress);
}

}  // namespace

void CMenuBase::ShowInstantly()
{
    progress = kFullProgress;
    state = WidgetState::Open;
}

void CMenuBase::Draw()
{
    if (state == WidgetState::Closed)
        return;
    const std::int32_t w = ScaledWidth();
    const std::int32_t h = ScaledHeight();
    // Not clamped: OpenGL clamps a colour above 1 itself.
    const CColor lighter(backColor.r + 0.2f, backColor.g + 0.2f, backColor.b + 0.2f, backColor.a);
    GlShapes::FillRect(rect.x, rect.y, w, h, backColor, lighter);
    GlShapes::OutlineRect(rect.x, rect.y, w, h, borderColor);
    GlShapes::DrawInnerShadow(rect.x, rect.y, w, h, CColor(0, 0, 0, 1));
    glColor4f(1, 1, 1, 1);
}

void CMenuBase::StepClose()
{
    if (state == WidgetState::Closed)
        return;
    if (!animated) {
        progress = 0;
        state = WidgetState::Closed;
        return;
    }
    state = WidgetState::Closing;
    progress = static_cast<std::int16_t>(progress - ProgressPerStep());
    if (progress <= 0) {
        progress = 0;
        state = WidgetState::Closed;
    }
}

void CMenuBase::StepOpen()
{
    if (state == WidgetState::Open)
        return;
    if (!animated) {
        progress = kFullProgress;
        state = WidgetState::Open;
        return;
    }
    state = WidgetState::Opening;
    progress = static_cast<std::int16_t>(progress + ProgressPerStep());
    if (progress >= kFullProgress) {
        progress = kFullProgress;
        state = WidgetState::Open;
    }
}

void CMenuBase::SetRect(std::int32_t x, std::int32_t y, std::int32_t w, std::int32_t h)
{
    rect = CRect(x, y, w, h);
}

std::int32_t CMenuBase::ScaledWidth() const
{
    return Scale(progress, rect.w);
}

std::int32_t CMenuBase::ScaledHeight() const
{
    return Scale(progress, rect.h);
}

std::int16_t CMenuBase::ProgressPerStep() const
{
    // A step count of 0 would divide by zero; such a widget opens in one step.
    return static_cast<std::int16_t>(kFullProgress / (steps == 0 ? 1 : steps));
}
