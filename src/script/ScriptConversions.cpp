#include "script/ScriptConversions.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>

namespace {

// White space as a stream skips it in the "C" locale.
bool IsStreamSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

std::size_t SkipSpace(const std::string& text)
{
    std::size_t i = 0;
    while (i < text.size() && IsStreamSpace(text[i]))
        ++i;
    return i;
}

} // namespace

bool ReadInt32Prefix(const std::string& text, std::int32_t& value)
{
    std::size_t i = SkipSpace(text);
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    const std::int64_t limit = negative ? -static_cast<std::int64_t>(std::numeric_limits<std::int32_t>::min())
                                        : std::numeric_limits<std::int32_t>::max();
    std::int64_t magnitude = 0;
    bool anyDigit = false;
    bool overflow = false;
    for (; i < text.size() && IsDigit(text[i]); ++i) {
        anyDigit = true;
        if (!overflow) {
            magnitude = magnitude * 10 + (text[i] - '0');
            overflow = magnitude > limit;
        }
    }
    if (!anyDigit) {
        value = 0;
        return false;
    }
    if (overflow) {
        value = negative ? std::numeric_limits<std::int32_t>::min() : std::numeric_limits<std::int32_t>::max();
        return false;
    }
    value = static_cast<std::int32_t>(negative ? -magnitude : magnitude);
    return true;
}

bool ReadFloatPrefix(const std::string& text, float& value)
{
    // Gather the characters a stream would accept, then convert them all.
    std::size_t i = SkipSpace(text);
    std::string gathered;
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
        gathered += text[i++];
    bool foundDecimalPoint = false;
    bool foundExponent = false;
    bool foundMantissa = false;
    while (i < text.size()) {
        const char c = text[i];
        if (c == '.' && !foundDecimalPoint && !foundExponent) {
            gathered += '.';
            foundDecimalPoint = true;
        } else if (IsDigit(c)) {
            gathered += c;
            foundMantissa = true;
        } else if ((c == 'e' || c == 'E') && !foundExponent && foundMantissa) {
            // An exponent counts only with a digit: `3e` and `1e+` read as
            // the number before the `e`, the longest prefix that is one.
            std::size_t digit = i + 1;
            if (digit < text.size() && (text[digit] == '+' || text[digit] == '-'))
                ++digit;
            if (digit >= text.size() || !IsDigit(text[digit]))
                break;
            gathered.append(text, i, digit - i);
            foundExponent = true;
            i = digit - 1;
        } else {
            break;
        }
        ++i;
    }
    char* end = nullptr;
    const float read = std::strtof(gathered.c_str(), &end);
    if (gathered.empty() || end != gathered.c_str() + gathered.size()) {
        value = 0.0f;
        return false;
    }
    if (std::isinf(read)) {
        value = read > 0 ? std::numeric_limits<float>::max() : -std::numeric_limits<float>::max();
        return false;
    }
    value = read;
    return true;
}

std::int32_t StrToInt(const std::string& text)
{
    std::int32_t value = 0;
    ReadInt32Prefix(text, value);
    return value;
}

float StrToFloat(const std::string& text)
{
    float value = 0.0f;
    ReadFloatPrefix(text, value);
    return value;
}

std::string IntToStr(std::int32_t value)
{
    return std::to_string(value);
}

std::string FloatToStr(float value)
{
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%g", static_cast<double>(value));
    return buffer;
}

float ToFloat32(double value)
{
    // Rounded to the nearest float: a result above the largest float but
    // below the midpoint to the next power of two still rounds down to the
    // largest float; only from that midpoint on (ties go to the even
    // neighbour, infinity) is it infinite. The comparison comes first
    // because converting an out-of-range double is undefined.
    const double largest = std::numeric_limits<float>::max();
    const double halfStep = std::ldexp(1.0, std::numeric_limits<float>::max_exponent - std::numeric_limits<float>::digits - 1);
    const double roundsToInfinity = largest + halfStep;
    if (value >= roundsToInfinity)
        return std::numeric_limits<float>::infinity();
    if (value <= -roundsToInfinity)
        return -std::numeric_limits<float>::infinity();
    if (value > largest)
        return std::numeric_limits<float>::max();
    if (value < -largest)
        return -std::numeric_limits<float>::max();
    return static_cast<float>(value);
}
