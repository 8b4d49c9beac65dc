#include <gtest/gtest.h>

#include <string>

#include "lib/PathCheck.h"

// Every name an author's or a game's file gives goes through these two
// checks, so they are tested here once rather than at each place that reads
// a name.
TEST(PathCheck, AFileNameIsOnePlainName)
{
    const struct {
        std::string name;
        std::string refusal;
    } cases[] = {
        {"sheet.tga", ""},
        {"Caf\xE9 2.tga", ""},
        {".hidden", ""},
        {"", "is empty"},
        {".", "is no file name"},
        {"..", "is no file name"},
        {"../../../x", "holds a '/': it must be one file name, without folders"},
        {"sub\\sheet.tga", "holds a '\\': write folders with '/'"},
        {"/etc/passwd", "is an absolute path: name a file inside the folder"},
        {"C:sheet.tga", "starts with a drive letter: name a file inside the folder"},
        {"ab:c", "holds a ':'"},
        {std::string("a\0b", 3), "holds a control character"},
        {"del\x7F", "holds a control character"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(PathCheck::FileNameRefusal(c.name), c.refusal) << c.name;
}

TEST(PathCheck, AReferenceStaysInsideItsFolderAfterJoining)
{
    const struct {
        std::string from;
        std::string name;
        std::string refusal;
        std::string joined;
    } cases[] = {
        {"world.json", "art/hero.png", "", "art/hero.png"},
        {"world.json", "./art//hero.png", "", "art/hero.png"},
        {"maps/a.tmx", "../art/t.png", "", "art/t.png"},
        {"maps/deep/a.tmx", "../../art/t.png", "", "art/t.png"},
        {"maps/a.tmx", "sets/s.tsx", "", "maps/sets/s.tsx"},
        {"world.json", "a/../b.txt", "", "b.txt"},
        {"world.json", "../outside.txt", "leads outside the folder (\"..\" past its top)", ""},
        {"maps/a.tmx", "../../x", "leads outside the folder (\"..\" past its top)", ""},
        {"world.json", "a/../../b", "leads outside the folder (\"..\" past its top)", ""},
        {"world.json", "/dev/zero", "is an absolute path: name a file inside the folder", ""},
        {"world.json", "D:/art/t.png", "starts with a drive letter: name a file inside the folder", ""},
        {"maps/a.tmx", "..\\art\\t.png", "holds a '\\': write folders with '/'", ""},
        {"world.json", std::string("art/\0.png", 9), "holds a control character", ""},
        {"world.json", "", "is empty", ""},
        {"world.json", "art/..", "names no file", ""},
        {"", "scripts/s.txt", "", "scripts/s.txt"},
        {std::string("m\x1F/a.tmx"), "t.png", "is named from a file whose path holds a control character or a '\\'",
         ""},
    };
    for (const auto& c : cases) {
        std::string joined = "left over";
        EXPECT_EQ(PathCheck::ReferenceRefusal(c.from, c.name, joined), c.refusal) << c.from << " + " << c.name;
        EXPECT_EQ(joined, c.joined) << c.from << " + " << c.name;
    }
}
