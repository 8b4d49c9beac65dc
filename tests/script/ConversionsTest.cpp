#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "script/CScriptValue.h"
#include "script/ScriptConversions.h"

TEST(ScriptConversions, NumberReadsMatchAFormattedStreamRead)
{
    // Texts chosen around the edges of the stream number grammar.
    const std::vector<std::string> texts = {
        "0", "12", "-5", "+7", "007", "  42", "\t-3x", "3abc", "5.", ".5", "-.5", "+.", ".", "-", "+", "",
        "abc", "1e3", "1E3", "1e-2", "2.5e+1x", "1.2.3", "e5", "0x1A", "2147483647", "2147483648",
        "-2147483648", "-2147483649", "99999999999", "1e39", "-1e39", "1e-50", "16777217", "3.40282e38",
        "0.1", "--1", "+-1", "1 2", "\v9", "1,5",
    };
    for (const std::string& text : texts) {
        std::istringstream intStream(text);
        int expectedInt = 0;
        intStream >> expectedInt;
        std::int32_t intValue = 0;
        EXPECT_EQ(ReadInt32Prefix(text, intValue), !intStream.fail()) << '"' << text << '"';
        EXPECT_EQ(intValue, expectedInt) << '"' << text << '"';

        std::istringstream floatStream(text);
        float expectedFloat = 0.0f;
        floatStream >> expectedFloat;
        float floatValue = 0.0f;
        EXPECT_EQ(ReadFloatPrefix(text, floatValue), !floatStream.fail()) << '"' << text << '"';
        EXPECT_EQ(floatValue, expectedFloat) << '"' << text << '"';
    }
}

TEST(ScriptConversions, AnExponentWithoutDigitsEndsTheNumberBeforeIt)
{
    // A stream read fails as a whole here; the longest prefix that forms a
    // number is read instead.
    const std::vector<std::pair<std::string, float>> cases = {
        {"1e", 1.0f}, {"3E", 3.0f}, {"1e+", 1.0f}, {"2.5e-", 2.5f}, {"-4e+x", -4.0f}, {"7.ex", 7.0f}, {"1e-2e", 0.01f},
    };
    for (const auto& c : cases) {
        float value = 0.0f;
        EXPECT_TRUE(ReadFloatPrefix(c.first, value)) << '"' << c.first << '"';
        EXPECT_EQ(value, c.second) << '"' << c.first << '"';
        EXPECT_EQ(StrToFloat(c.first), c.second) << '"' << c.first << '"';
    }
}

TEST(ScriptConversions, ToFloat32RoundsToTheNearestFloat)
{
    const double largest = std::numeric_limits<float>::max();
    const double halfStep = std::ldexp(1.0, 103); // half the spacing below 2^128
    const float infinity = std::numeric_limits<float>::infinity();
    const std::vector<std::pair<double, float>> cases = {
        {largest + halfStep * 0.999, std::numeric_limits<float>::max()}, {largest + halfStep, infinity},
        {-(largest + halfStep / 2), -std::numeric_limits<float>::max()}, {-(largest + halfStep), -infinity},
        {1e300, infinity}, {-1e300, -infinity}, {0.1, 0.1f}, {16777217.0, 16777216.0f},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ToFloat32(c.first), c.second) << c.first;
}

TEST(ScriptConversions, FloatToStrUsesTheDefaultStreamFormat)
{
    // Six significant digits, no trailing zeros, exponent below 1e-4 and from 1e6.
    for (float value : {2.5f, 3.0f, 0.1f, -7.0f, -0.333333f, 100000.0f, 123456.0f, 1000000.0f, 1234567.0f,
                        16777216.0f, 3.4e38f, 0.0001f, 0.00001f, 1e-7f}) {
        std::ostringstream stream;
        stream << value;
        EXPECT_EQ(FloatToStr(value), stream.str());
    }
}

TEST(CScriptValueReadings, FloatsTruncateAndStringsReadZero)
{
    EXPECT_EQ(CScriptValue(-2.75f).AsInt(), -2);
    EXPECT_EQ(CScriptValue(std::string("12")).AsInt(), 0);
    EXPECT_EQ(CScriptValue(std::string("12")).AsFloat(), 0.0f);
}
