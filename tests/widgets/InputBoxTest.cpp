#include <gtest/gtest.h>

#include <string>

#include "widgets/CInputBox.h"

namespace {

std::string Type(CInputBox& box, const std::string& keys)
{
    for (char c : keys)
        box.AddChar(c);
    return box.GetInputText();
}

}  // namespace

TEST(InputBoxFiltering, IntegerTakesDigitsAndMinus)
{
    CInputBox box;
    box.SetInputType(0);
    EXPECT_EQ(Type(box, "12a"), "12");
    EXPECT_EQ(Type(box, "-. 3"), "12-3");
}

TEST(InputBoxFiltering, RealNumberAlsoTakesThePoint)
{
    CInputBox box;
    box.SetInputType(1);
    EXPECT_EQ(Type(box, "-3.5e"), "-3.5");
}

TEST(InputBoxFiltering, OneWordTakesOnlyLetters)
{
    CInputBox box;
    box.SetInputType(2);
    EXPECT_EQ(Type(box, "Ab c1\xE9"), "Abc");
}

TEST(InputBoxFiltering, WordsTakeLettersAndSpaces)
{
    CInputBox box;
    box.SetInputType(3);
    EXPECT_EQ(Type(box, "Ab c1-"), "Ab c");
}

TEST(InputBoxFiltering, FileNameTakesLettersDigitsAndSeparators)
{
    CInputBox box;
    box.SetInputType(4);
    EXPECT_EQ(Type(box, "save_1-a.dat \\/"), "save_1-a.dat");
}

TEST(InputBoxFiltering, UnknownTypeBecomesWords)
{
    CInputBox box;
    box.SetInputType(42);
    EXPECT_EQ(box.inputType, 5);
    EXPECT_EQ(Type(box, "a b2"), "a b");
    box.SetInputType(-1);
    EXPECT_EQ(box.inputType, 5);
}

TEST(InputBoxFiltering, NothingIsAcceptedBeforeAnyTypeOrAfterReset)
{
    CInputBox box;
    EXPECT_FALSE(box.AcceptsChar('1'));
    EXPECT_FALSE(box.AcceptsChar('\0'));
    box.SetInputType(0);
    Type(box, "42");
    box.ResetInput();
    EXPECT_EQ(box.GetInputText(), "");
    EXPECT_EQ(Type(box, "7a"), "");
}

TEST(InputBoxEditing, DeleteRemovesTheLastCharacterUntilEmpty)
{
    CInputBox box;
    box.SetInputType(2);
    Type(box, "ab");
    box.DeleteLastChar();
    EXPECT_EQ(box.GetInputText(), "a");
    box.DeleteLastChar();
    box.DeleteLastChar();
    EXPECT_EQ(box.GetInputText(), "");
}

TEST(InputBoxEditing, TextLongerThanTheFieldIsKeptWhole)
{
    CInputBox box;
    box.SetInputType(4);
    const std::string word = "abcdefghijklmnopqrstuvwxy";
    EXPECT_EQ(Type(box, word), word);
}
