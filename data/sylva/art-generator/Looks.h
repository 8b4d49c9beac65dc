#pragma once

#include <string>
#include <vector>

#include "Canvas.h"

enum class Hair { Short, Spiky, Long, Ponytail, Bun, Bald };
enum class Hat { None, Cap, Hood, WideHat, Helmet, Scarf };

// What one character looks like: enough to paint its walking frames and
// its portrait, and different enough from the others to be told apart.
struct Look {
    std::string file;  // picture name without extension
    Rgba skin, hair, eyes;
    Hair hairStyle = Hair::Short;
    bool beard = false;
    Hat hat = Hat::None;
    Rgba hatColour;
    Rgba shirt, trousers, shoes;
    bool robe = false;   // a dress or robe down to the ankles
    bool apron = false;
    bool child = false;
    bool old = false;
    bool smile = true;
    Rgba accent;         // scarf, belt or collar
    Rgba background;     // behind the portrait
};

std::vector<Look> SylvaLooks();
