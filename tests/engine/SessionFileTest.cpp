#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "engine/InputRecorder.h"
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
        {"", "is larger than 16 MB"},  // made 2 GB below, without taking the room
    };
    for (const auto& c : cases) {
        TempDir dir;
        if (c.text)
            dir.Write("s.txt", std::string(c.text));
        if (c.text && !*c.text)
            std::filesystem::resize_file(dir.File("s.txt"), std::uintmax_t(2) << 30);
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

// The recording of a session that crashes or is killed holds everything up
// to its last flush (at most a second old), and plays back.
TEST(SessionFile, RecordingsReachTheFileAsTheyGoAndPlayWithoutTheirEndLine)
{
    TempDir dir;
    const std::string path = dir.File("s.txt");
    auto onDisk = [&path] {
        std::ifstream file(path, std::ios::binary);
        std::ostringstream text;
        text << file.rdbuf();
        return text.str();
    };
    std::uint32_t now = 5000;
    InputRecorder recorder;
    recorder.SetFlushClock([&now] { return now; });
    ASSERT_TRUE(recorder.Open(path, 9, kWorld));
    const std::string header = onDisk();
    EXPECT_EQ(header.substr(header.size() - 6), "input\n");

    recorder.Key({true, 0, 0});  // a media key: SDL has no name for it
    recorder.Key({false, 0, 0});
    recorder.EndFrame(3);
    now += 999;
    recorder.EndFrame(4);
    now += 1;
    recorder.EndFrame(40);
    EXPECT_EQ(onDisk(), header + "3 down 0 0 up 0\n40\n");
    now += 5000;
    recorder.Time(77);
    recorder.EndFrame(41);
    EXPECT_EQ(onDisk(), header + "3 down 0 0 up 0\n40\n41 time 77\n");

    InputReplay replay;
    std::string error;
    ASSERT_TRUE(replay.Load(path, error)) << error;
    EXPECT_EQ(replay.seed, 9u);
    EXPECT_EQ(replay.endFrame, 42 + InputReplay::kFramesAfterCrash);
    ASSERT_NE(replay.At(3), nullptr);
    ASSERT_EQ(replay.At(3)->keys.size(), 2u);
    EXPECT_EQ(replay.At(3)->keys[0].sym, 0);
    EXPECT_TRUE(replay.At(3)->keys[0].down);
    EXPECT_EQ(replay.At(41)->time, 77u);

    recorder.Finish(50);
    InputReplay finished;
    ASSERT_TRUE(finished.Load(path, error)) << error;
    EXPECT_EQ(finished.endFrame, 50u) << "a finished recording ends where it says";
}
