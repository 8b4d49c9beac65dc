#include <gtest/gtest.h>

#include "lib/Cp1252.h"
#include "lib/ScriptSource.h"

namespace {

std::string Messages(const Diagnostics& diagnostics)
{
    std::string text;
    for (const Diagnostic& d : diagnostics.All())
        text += Diagnostics::Format(d) + "\n";
    return text;
}

} // namespace

TEST(ScriptSource, SplitsAtScriptLinesAndConvertsToWindows1252)
{
    Diagnostics diagnostics;
    const auto scripts = ScriptSource::Parse(
        "\xEF\xBB\xBF\n@script 12 ouverture\r\nLire \"\xC3\xA9t\xC3\xA9 \xE2\x82\xAC\" ;\n@script 7\n@script 65535",
        "v.txt", diagnostics);
    EXPECT_EQ(Messages(diagnostics), "");
    ASSERT_EQ(scripts.size(), 3u);
    EXPECT_EQ(scripts[0].id, 12);
    EXPECT_EQ(scripts[0].name, "ouverture");
    EXPECT_EQ(scripts[0].text, "Lire \"\xE9t\xE9 \x80\" ;\n");
    EXPECT_EQ(scripts[0].firstLine, 3);
    EXPECT_EQ(scripts[1].id, 7);
    EXPECT_EQ(scripts[1].text, "");
    EXPECT_EQ(scripts[2].id, 65535);
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
    for (int byte = 0; byte < 256; ++byte) {
        unsigned char again = 0;
        EXPECT_TRUE(Cp1252::FromUnicode(Cp1252::ToUnicode(static_cast<unsigned char>(byte)), again));
        EXPECT_EQ(again, byte);
    }
}
