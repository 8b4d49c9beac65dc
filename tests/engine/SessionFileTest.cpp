#include <gtest/gtest.h>

#include "engine/InputReplay.h"
#include "support/TempDir.h"

namespace {
const std::vector<FileChecksum> kWorld = {{"map\\m.map", 0x1234abcdu}, {"wor\\Sylva.world", 7u}};
}

// What is recorded is read back by the game tests that replay a session.
TEST(SessionFile, BadFilesAreRefusedWithOneLine)
{
    const struct {
        const char* text;  // null: no file
        const char* says;
    } cases[] = {
        {nullptr, "cannot read"}, {"hello\n", "is not a recorded session"},
        {"tessel-session 2\nseed 1\ninput\nend 1\n", "recorded by version 2, this game plays version 1"},
        {"tessel-session 1\nseed 1\ninput\n3 jump\nend 4\n", "line 4 cannot be read"},
        {"tessel-session 1\nseed 1\ninput\n3 down 113\nend 4\n", "line 4 cannot be read"},
        {"tessel-session 1\nseed 1\ninput\n3 down 99999 0\nend 4\n", "line 4 cannot be read"},  // past the key table
        {"tessel-session 1\nseed 1\ninput\n3 up -5\nend 4\n", "line 4 cannot be read"},
        {"tessel-session 1\nseed 1\ninput\n3 down 113 70000\nend 4\n", "line 4 cannot be read"},
        {"tessel-session 1\nseed 1\nfile zz\ninput\nend 4\n", "line 3 cannot be read"},
        {"tessel-session 1\nseed 1\ninput\n3 time 5\n", "has no end line"},
    };
    for (const auto& c : cases) {
        TempDir dir;
        if (c.text)
            dir.Write("s.txt", std::string(c.text));
        InputReplay replay;
        std::string error;
        EXPECT_FALSE(replay.Load(dir.File("s.txt"), error)) << (c.text ? c.text : "(none)");
        EXPECT_NE(error.find(c.says), std::string::npos) << error;
        EXPECT_EQ(error.find('\n'), std::string::npos);
    }
}

TEST(SessionFile, ChangedMissingOrAddedWorldFilesAreNamed)
{
    InputReplay replay;
    replay.files = kWorld;
    EXPECT_EQ(replay.CompareFiles(kWorld), "");
    const struct {
        std::vector<FileChecksum> now;
        const char* says;
    } cases[] = {
        {{{"map\\m.map", 0x1234abceu}, {"wor\\Sylva.world", 7u}}, "map\\m.map has changed"},
        {{{"wor\\Sylva.world", 7u}}, "map\\m.map is missing"},
        {{{"map\\m.map", 0x1234abcdu}, {"map\\n.map", 1u}, {"wor\\Sylva.world", 7u}}, "map\\n.map was not there"},
    };
    for (const auto& c : cases)
        EXPECT_NE(replay.CompareFiles(c.now).find(c.says), std::string::npos) << c.says;
}
