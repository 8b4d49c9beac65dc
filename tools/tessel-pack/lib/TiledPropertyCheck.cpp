#include "lib/TiledPropertyCheck.h"

#include <cmath>
#include <cstdlib>

#include "lib/TiledText.h"

namespace {

const long long kMaxU16 = 65535;

std::string Quoted(const std::string& text) { return "'" + text + "'"; }

}  // namespace

bool TiledPropertyCheck::Number(const TiledProperty& property, const std::string& file, int ownerLine,
                               const std::string& owner, long long min, long long max, long long& value)
{
    const char* text = property.value.c_str();
    char* end = nullptr;
    const double parsed = std::strtod(text, &end);
    const bool whole = !property.value.empty() && *end == '\0' && std::floor(parsed) == parsed;
    if (whole && parsed >= double(min) && parsed <= double(max)) {
        value = (long long)parsed;
        return true;
    }
    diagnostics.Error(file, property.line ? property.line : ownerLine, 0,
                      owner + ": property " + Quoted(property.name) + " is " + Quoted(property.value) +
                          "; it must be a whole number from " + std::to_string(min) + " to " + std::to_string(max) +
                          (max == kMaxU16 ? " (16 bits in the map file)" : ""));
    return false;
}

bool TiledPropertyCheck::Text(const std::string& utf8, const std::string& what, const std::string& file, int line,
                             std::string& cp1252)
{
    std::string bad;
    if (TiledText::ToCp1252(utf8, cp1252, bad)) {
        if (cp1252.find('\0') == std::string::npos)
            return true;
        // The game's files end each text with a 0 byte: one inside would cut it.
        diagnostics.Error(file, line, 0, what + " holds the character U+0000, which no text of the game can hold");
        return false;
    }
    diagnostics.Error(file, line, 0,
                      what + " " + Quoted(utf8) + " holds " +
                          (bad == "?" ? std::string("bytes that are not UTF-8")
                                      : "the character " + Quoted(bad) + ", which Windows-1252 cannot write"));
    return false;
}

void TiledPropertyCheck::WarnUnknown(const TiledProperties& properties, const std::set<std::string>& known,
                                    const std::string& file, int ownerLine, const std::string& owner)
{
    for (const TiledProperty& property : properties.All())
        if (!known.count(property.name))
            diagnostics.Warning(file, property.line ? property.line : ownerLine, 0,
                                owner + ": the property " + Quoted(property.name) +
                                    " means nothing to the engine and is ignored");
}
