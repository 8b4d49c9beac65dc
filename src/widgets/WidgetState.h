#pragma once

#include <cstdint>

// Display state of a widget.
enum class WidgetState : std::int32_t {
    Open = 0,     // fully shown
    Opening = 1,  // the opening animation is running
    Closing = 2,  // the closing animation is running
    Closed = 3,   // hidden; drawing does nothing
    Typing = 4,   // text boxes only: open, and still revealing the current page
};
