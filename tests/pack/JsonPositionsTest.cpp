#include <gtest/gtest.h>

#include <string>

#include "lib/JsonPositions.h"

TEST(JsonPositions, NamesTheLineAndColumnOfEveryValue)
{
    // Columns count characters, not bytes ("\xC3\xA9" is one).
    const std::string text = "{\n"
                             "  \"title\": \"Caf\xC3\xA9\", \"n\": 1,\n"
                             "  \"list\": [\n"
                             "    {\"a\": true},\n"
                             "    [2, \"\xC3\xA9\xC3\xA9\", 3]\n"
                             "  ]\n"
                             "}\n";
    const JsonPositions positions(text);
    const struct {
        std::string pointer;
        int line;
        int column;
    } cases[] = {
        {"", 1, 1},
        {"/title", 2, 12},
        {"/n", 2, 25},
        {"/list", 3, 11},
        {"/list/0", 4, 5},
        {"/list/0/a", 4, 11},
        {"/list/1/1", 5, 9},
        {"/list/1/2", 5, 15},
        // Unknown values are placed at the nearest value that holds them.
        {"/list/0/b/c", 4, 5},
        {"/none", 1, 1},
    };
    for (const auto& c : cases) {
        int line = 0, column = 0;
        EXPECT_TRUE(positions.Find(c.pointer, line, column)) << c.pointer;
        EXPECT_EQ(line, c.line) << c.pointer;
        EXPECT_EQ(column, c.column) << c.pointer;
    }
}

TEST(JsonPositions, NestingIsCappedOutsideStringsOnly)
{
    const auto nested = [](std::size_t depth) {
        return std::string(depth, '[') + std::string(depth, ']');
    };
    const std::string quoted = "{\"a\": \"[[[[\\\"[[\", \"b\": " + nested(JsonPositions::kMaxDepth - 1) + "}";
    const struct {
        std::string text;
        bool tooDeep;
        std::size_t offset;
    } cases[] = {
        {nested(JsonPositions::kMaxDepth), false, 0},
        {nested(JsonPositions::kMaxDepth + 1), true, JsonPositions::kMaxDepth},
        {"[" + nested(JsonPositions::kMaxDepth - 1) + "," + nested(JsonPositions::kMaxDepth) + "]", true,
         1 + 2 * (JsonPositions::kMaxDepth - 1) + 1 + JsonPositions::kMaxDepth - 1},
        {quoted, false, 0},
    };
    for (const auto& c : cases) {
        std::size_t offset = 0;
        EXPECT_EQ(JsonPositions::TooDeep(c.text, offset), c.tooDeep) << c.text.substr(0, 40);
        EXPECT_EQ(offset, c.offset) << c.text.substr(0, 40);
    }
    // A text too deep is not indexed (the readers refuse it first).
    int line = 0, column = 0;
    EXPECT_FALSE(JsonPositions(nested(50000)).Find("", line, column));
    EXPECT_TRUE(JsonPositions(nested(JsonPositions::kMaxDepth)).Find("/0/0", line, column));
}
