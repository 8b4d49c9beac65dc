#include <gtest/gtest.h>

#include "pack/PackMessages.h"
#include "lib/Cp1252.h"
#include "lib/ScriptSource.h"

TEST(ScriptSource, SplitsAtScriptLinesAndConvertsToWindows1252)
{
    Diagnostics diagnostics;
    const auto scripts = ScriptSource::Parse(
        "\xEF\xBB\xBF\n@script 12 ouverture\r\nLire \"\xC3\xA9t\xC3\xA9 \xE2\x82\xAC\" ;\n@script 7\n@script 65535",
        "v.txt", diagnostics);
    EXPECT_EQ(Messages(diagnostics), "");
    ASSERT_EQ(scripts.size(), 3u);
    EXPECT_EQ(scripts[0].name, "ouverture");
    EXPECT_EQ(scripts[0].firstLine, 3);
    // Identifiers and texts, as the game reads them.
    const std::vector<std::uint8_t> container = ScriptSource::Container(scripts);
    const std::vector<std::uint8_t> expected = {12, 0, 'L', 'i', 'r', 'e', ' ', '"', 0xE9, 't', 0xE9, ' ', 0x80, '"',
                                                ' ', ';', '\n', 0, 7, 0, 0, 0xFF, 0xFF, 0};
    EXPECT_EQ(container, expected);
}

TEST(ScriptSource, ReportsEachBadLineAndCharacterAtItsPlace)
{
    Diagnostics diagnostics;
    ScriptSource::Parse("Lire ;\n@script x\n@script 0\n@script 70000\n@script 3\nok \xE2\x86\x92 \xFF ok\n", "v.txt",
                        diagnostics);
    EXPECT_EQ(Messages(diagnostics),
              "v.txt:1:1: error: text before the first \"@script ID\" line belongs to no script\n"
              "v.txt:2:9: error: \"@script\" needs a script identifier from 1 to 65535, not \"x\"\n"
              "v.txt:3:9: error: \"@script\" needs a script identifier from 1 to 65535, not \"0\"\n"
              "v.txt:4:9: error: \"@script\" needs a script identifier from 1 to 65535, not \"70000\"\n"
              "v.txt:6:4: error: character '\xE2\x86\x92' (U+2192) has no Windows-1252 byte\n"
              "v.txt:6:6: error: the file is not UTF-8 text here\n");
}

TEST(ScriptSource, WritesBackWhatItReadsForEveryByte)
{
    std::string every;
    for (int byte = 1; byte < 256; ++byte)
        every += static_cast<char>(byte);
    std::vector<SourceScript> scripts(2);
    scripts[0].id = 4;
    scripts[0].text = every;  // no final line break: one is added before the next "@script"
    scripts[1].id = 9;
    scripts[1].text = "stop";
    Diagnostics diagnostics;
    const auto back = ScriptSource::Parse(ScriptSource::Write(scripts), "v.txt", diagnostics);
    EXPECT_EQ(Messages(diagnostics), "");
    ASSERT_EQ(back.size(), 2u);
    EXPECT_EQ(back[0].text, every + "\n");
    EXPECT_EQ(back[1].text, "stop");
    EXPECT_FALSE(ScriptSource::HasHeaderLine(every));
    EXPECT_FALSE(ScriptSource::HasHeaderLine("Lire \"@script 2\" ;\n@scripts\n"));
    EXPECT_TRUE(ScriptSource::HasHeaderLine("Lire \"a\" ;\n@script 2\n"));
    EXPECT_TRUE(ScriptSource::HasHeaderLine("@script"));
    for (int byte = 0; byte < 256; ++byte) {
        unsigned char again = 0;
        EXPECT_TRUE(Cp1252::FromUnicode(Cp1252::ToUnicode(static_cast<unsigned char>(byte)), again));
        EXPECT_EQ(again, byte);
    }
}

// (Characters without a Windows-1252 byte are refused in the bad-line test.)
TEST(ScriptSource, RefusesMalformedUtf8)
{
    const struct {
        std::string bytes;
        bool decodes;
        char32_t character;
        std::size_t length;
    } cases[] = {
        {"A", true, 0x41, 1},
        {"\xC3\xA9", true, 0xE9, 2},
        {"\xE2\x82\xAC", true, 0x20AC, 3},
        {"\xF0\x9F\x98\x80", true, 0x1F600, 4},
        {"\xC0\xAF", false, 0, 1},          // overlong '/'
        {"\xED\xA0\x80", false, 0, 1},     // a surrogate half
        {"\xE2\x82", false, 0, 1},          // cut short
        {"\x80", false, 0, 1},               // a continuation byte alone
        {"\xF4\x90\x80\x80", false, 0, 1}, // beyond U+10FFFF
    };
    for (const auto& c : cases) {
        std::size_t position = 0;
        char32_t character = 0;
        EXPECT_EQ(Cp1252::DecodeUtf8(c.bytes, position, character), c.decodes) << c.bytes;
        EXPECT_EQ(position, c.length) << c.bytes;
        if (c.decodes) {
            EXPECT_EQ(character, c.character) << c.bytes;
        }
    }
}
