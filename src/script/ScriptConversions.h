#pragma once

#include <cstdint>
#include <string>

// Number <-> text conversions of the script language. The readers behave like
// a formatted stream read (`stream >> value`): leading white space is skipped,
// a sign is optional, the longest prefix that forms a number is taken, a text
// that does not begin with a number gives 0 and an out-of-range number gives
// the largest value of its sign. They are written out by hand because the
// interpreter converts literal texts on every evaluation.

// Reads an int32 from the beginning of `text`; false when a stream read
// would fail (no digits, or out of range). `value` is set either way.
bool ReadInt32Prefix(const std::string& text, std::int32_t& value);
// Reads a float from the beginning of `text`; false when a stream read would
// fail (no number, or out of range). `value` is set either way.
bool ReadFloatPrefix(const std::string& text, float& value);

std::int32_t StrToInt(const std::string& text);
float StrToFloat(const std::string& text);

std::string IntToStr(std::int32_t value);
// A stream's default float format: at most 6 significant digits, no trailing
// zeros, exponent form for exponents below -4 or from 6 on.
std::string FloatToStr(float value);

// Truncates toward zero. Values beyond the int32 range give the nearest end
// of the range and NaN gives 0: a plain cast would be undefined there.
inline std::int32_t TruncateToInt32(float value)
{
    if (value != value)
        return 0;
    if (value >= 2147483648.0f)
        return 2147483647;
    if (value < -2147483648.0f)
        return -2147483647 - 1;
    return static_cast<std::int32_t>(value);
}
// Rounds a double to the nearest float32, as the hardware conversion does:
// only magnitudes from halfway past the largest float on become infinities.
float ToFloat32(double value);
