#pragma once

#include <cstdint>
#include <string>
#include <vector>

// What an author should know about a picture that the engine does read, but
// not as the author may think: a colour map that the engine takes for pixels,
// and pixel data that stops early (the engine pads it with bytes of 255).
// One sentence each; none for a picture without surprises.
std::vector<std::string> TgaWarnings(const std::vector<std::uint8_t>& file);
