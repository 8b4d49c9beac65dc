#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <sstream>
#include <string>
#include <vector>

#include "script/CScriptValue.h"
#include "script/ScriptConversions.h"

namespace {

// Texts chosen around the edges of the stream number grammar.
const std::vector<std::string> kNumberTexts = {
    "0", "12", "-5", "+7", "007", "  42", "\t-3x", "3abc", "5.", ".5", "-.5", "+.", ".", "-", "+", "",
    "abc", "1e3", "1E3", "1e", "1e+", "1e-2", "2.5e+1x", "1.2.3", "e5", "0x1A", "2147483647", "2147483648",
    "-2147483648", "-2147483649", "99999999999", "1e39", "-1e39", "1e-50", "16777217", "3.40282e38",
    "0.1", "--1", "+-1", "1 2", "\v9", "1,5",
};

} // namespace

TEST(ScriptConversions, IntReadsMatchAFormattedStreamRead)
{
    for (const std::string& text : kNumberTexts) {
        std::istringstream stream(text);
        int expected = 0;
        stream >> expected;
        std::int32_t value = 0;
        const bool ok = ReadInt32Prefix(text, value);
        EXPECT_EQ(value, expected) << '"' << text << '"';
        EXPECT_EQ(ok, !stream.fail()) << '"' << text << '"';
        EXPECT_EQ(StrToInt(text), expected) << '"' << text << '"';
    }
}

TEST(ScriptConversions, FloatReadsMatchAFormattedStreamRead)
{
    for (const std::string& text : kNumberTexts) {
        std::istringstream stream(text);
        float expected = 0.0f;
        stream >> expected;
        float value = 0.0f;
        const bool ok = ReadFloatPrefix(text, value);
        EXPECT_EQ(value, expected) << '"' << text << '"';
        EXPECT_EQ(ok, !stream.fail()) << '"' << text << '"';
        EXPECT_EQ(StrToFloat(text), expected) << '"' << text << '"';
    }
}

TEST(ScriptConversions, FloatToStrUsesTheDefaultStreamFormat)
{
    EXPECT_EQ(FloatToStr(2.5f), "2.5");
    EXPECT_EQ(FloatToStr(3.0f), "3");
    EXPECT_EQ(FloatToStr(0.1f), "0.1");
    EXPECT_EQ(FloatToStr(100000.0f), "100000");
    EXPECT_EQ(FloatToStr(1000000.0f), "1e+06");
    EXPECT_EQ(FloatToStr(1234567.0f), "1.23457e+06");
    EXPECT_EQ(FloatToStr(0.00001f), "1e-05");
    EXPECT_EQ(FloatToStr(0.0001f), "0.0001");
    EXPECT_EQ(FloatToStr(-7.0f), "-7");
    for (float value : {0.0f, 1.5f, -0.333333f, 123456.0f, 1e-7f, 3.4e38f, 16777216.0f}) {
        std::ostringstream stream;
        stream << value;
        EXPECT_EQ(FloatToStr(value), stream.str());
    }
}

TEST(ScriptConversions, TruncationTowardZeroStaysInRange)
{
    EXPECT_EQ(TruncateToInt32(3.5f), 3);
    EXPECT_EQ(TruncateToInt32(-3.5f), -3);
    EXPECT_EQ(TruncateToInt32(1e10f), std::numeric_limits<std::int32_t>::max());
    EXPECT_EQ(TruncateToInt32(-1e10f), std::numeric_limits<std::int32_t>::min());
    EXPECT_EQ(TruncateToInt32(std::numeric_limits<float>::infinity()), std::numeric_limits<std::int32_t>::max());
    EXPECT_EQ(TruncateToInt32(std::nanf("")), 0);
    EXPECT_EQ(TruncateToInt32(-2147483648.0f), std::numeric_limits<std::int32_t>::min());
}

TEST(CScriptValueReadings, IntFloatAndString)
{
    const CScriptValue i(7);
    const CScriptValue f(-2.75f);
    const CScriptValue s(std::string("12"));
    EXPECT_EQ(i.kind, 1);
    EXPECT_EQ(f.kind, 2);
    EXPECT_EQ(s.kind, 3);
    EXPECT_EQ(CScriptValue().kind, 0);
    EXPECT_EQ(i.AsFloat(), 7.0f);
    EXPECT_EQ(f.AsInt(), -2);
    EXPECT_EQ(f.AsFloat(), -2.75f);
    // A string reads as 0 both ways, whatever its text.
    EXPECT_EQ(s.AsInt(), 0);
    EXPECT_EQ(s.AsFloat(), 0.0f);
}
