#pragma once

#include <cstdint>

#include "widgets/CColor.h"
#include "widgets/CRect.h"
#include "widgets/WidgetState.h"

// What every box drawn over the map shares: a rectangle, a background and an
// outline colour, a display state, and an animation in which the box grows
// out of its top-left corner when it opens and shrinks back into it when it
// closes. It draws the common frame: a background with a vertical gradient,
// an outline and a one-pixel inner shadow.
//
// Widgets are plain members of the game object and are never deleted through
// a pointer to this class, so it has no virtual destructor.
class CMenuBase {
public:
    static constexpr std::int16_t kFullProgress = 255;

    // Shows the widget at full size at once, whatever it was doing.
    virtual void ShowInstantly();
    // Draws the frame at its current size; a closed widget draws nothing.
    virtual void Draw();
    // One frame of the closing animation.
    virtual void StepClose();
    // One frame of the opening animation.
    virtual void StepOpen();
    virtual void SetRect(std::int32_t x, std::int32_t y, std::int32_t w, std::int32_t h);

    // The size the widget has at its current `progress`.
    std::int32_t ScaledWidth() const;
    std::int32_t ScaledHeight() const;

    WidgetState state = WidgetState::Closed;
    // Frames of an animation: each step moves `progress` by 255 / steps.
    std::uint8_t steps = 10;
    // Top edge of the gradient; the bottom edge is 0.2 lighter.
    CColor backColor;
    CColor borderColor;
    // Position and full size.
    CRect rect;
    // False makes opening and closing take a single step.
    bool animated = true;
    // Openness, from 0 (nothing) to 255 (full size).
    std::int16_t progress = 0;

private:
    std::int16_t ProgressPerStep() const;
};
