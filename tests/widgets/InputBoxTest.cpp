#include <gtest/gtest.h>

#include <string>

#include "widgets/CInputBox.h"

TEST(InputBox, KeepsOnlyTheCharactersOfItsType)
{
    const struct {
        int type;
        const char* typed;
        const char* kept;
    } cases[] = {
        {0, "12a-. 3", "12-3"}, {1, "-3.5e", "-3.5"},   {2, "Ab c1\xE9", "Abc"},
        {3, "Ab c1-", "Ab c"},  {4, "save_1-a.dat \\/", "save_1-a.dat"},
        {42, "a b2", "a b"},    {-1, "a b2", "a b"},
    };
    for (const auto& c : cases) {
        CInputBox box;
        box.SetInputType(c.type);
        for (const char* p = c.typed; *p; ++p)
            box.AddChar(*p);
        EXPECT_EQ(box.GetInputText(), c.kept) << "type " << c.type;
    }
}

TEST(InputBox, EditingAndReset)
{
    CInputBox box;
    box.SetInputType(4);
    const std::string word = "abcdefghijklmnopqrstuvwxy";
    for (char c : word)
        box.AddChar(c);
    EXPECT_EQ(box.GetInputText(), word);  // longer than the field, kept whole
    box.DeleteLastChar();
    EXPECT_EQ(box.GetInputText(), word.substr(0, 24));
    box.ResetInput();
    box.DeleteLastChar();
    box.AddChar('a');
    EXPECT_EQ(box.GetInputText(), "");
}

TEST(InputBox, LongPromptsGrowTheBoxUpwardAndTheFieldShowsTheTypingEnd)
{
    CInputBox box;
    box.SetRect(50, 352, 540, 105);
    const struct {
        std::string prompt;
        std::int32_t y, h;
    } prompts[] = {
        {"Ton nom ?", 352, 105},
        // Four lines: pen at 26, 88 of text, 22 of field, 10 of margin.
        {std::string(43 * 3, 'a') + " fin", 457 - 146, 146},
    };
    for (const auto& p : prompts) {
        box.ClearPages();
        box.SetPrompt(p.prompt, 457, 105);
        EXPECT_EQ(box.pages.size(), 1u);
        EXPECT_EQ(box.rect.y, p.y);
        EXPECT_EQ(box.rect.h, p.h);
        EXPECT_EQ(box.font.y, p.y + 26);
        EXPECT_LE(box.font.y + static_cast<std::int32_t>(box.TextHeight()) + box.FieldHeight(), 457);
    }
    box.SetInputType(CInputBox::Words);
    box.maxLength = 4;
    for (char c : std::string("abcdef"))
        box.AddChar(c);
    EXPECT_EQ(box.VisibleInputText(), "cdef");
}
