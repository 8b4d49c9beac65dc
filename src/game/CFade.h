#pragma once

#include <cstdint>

// The black full-screen overlay used to fade the map in and out. The level
// runs from 0 (clear) to 100 (black); while active it moves by `step` each
// time the overlay is drawn.
class CFade {
public:
    std::int32_t step = 2;
    std::int32_t target = 0;
    std::int32_t level = 0;
    bool active = false;

    // The window size, read when drawing; set by the game's Init.
    void SetScreen(const std::int32_t* width, const std::int32_t* height);

    void StartIn(int speed);   // from black to clear
    void StartOut(int speed);  // from clear to black

    // Moves the level one step while active. The level is not clamped: it
    // may pass the target by less than one step.
    void Advance();
    // Opacity of the overlay, 0..1.
    float Alpha() const;
    // Advance, then draw the overlay unless the level is 0.
    void Draw();

private:
    const std::int32_t* width = nullptr;
    const std::int32_t* height = nullptr;
};
