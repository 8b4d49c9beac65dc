#pragma once

#include <sstream>
#include <string>

#include "lib/Diagnostics.h"

// Every message, one line each, as the tool prints them.
inline std::string Messages(const Diagnostics& diagnostics)
{
    std::ostringstream text;
    diagnostics.Print(text);
    return text.str();
}
