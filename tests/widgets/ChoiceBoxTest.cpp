#include <gtest/gtest.h>

#include <string>

#include "widgets/CAssocChoiceBox.h"
#include "widgets/CChoiceBox.h"
#include "widgets/CPersoChoiceBox.h"

namespace {

void Fill(CChoiceBox& box, int count, int rows)
{
    box.SetItemCount(count);
    box.SetVisibleRows(rows);
    for (int i = 0; i < count; ++i)
        box.items[static_cast<std::size_t>(i)] = "item " + std::to_string(i);
}

}  // namespace

TEST(ChoiceBoxScrolling, SetSelectedScrollsTheItemIntoViewWithinTheList)
{
    CChoiceBox box;
    Fill(box, 10, 4);
    box.SetSelected(5);
    EXPECT_EQ(box.selected, 5);
    EXPECT_EQ(box.firstVisible, 5);
    box.SetSelected(9);
    EXPECT_EQ(box.firstVisible, 6);
    box.SetSelected(2);
    EXPECT_EQ(box.firstVisible, 0);
}

TEST(ChoiceBoxScrolling, FewerItemsThanRowsNeverScrollBeforeTheFirstItem)
{
    CChoiceBox box;
    Fill(box, 3, 4);
    box.SetSelected(2);
    EXPECT_EQ(box.firstVisible, 0);

    CChoiceBox empty;
    empty.SetVisibleRows(4);
    empty.SetSelected(0);
    EXPECT_EQ(empty.firstVisible, 0);
}

TEST(ChoiceBoxScrolling, CursorStopsAtBothEnds)
{
    CChoiceBox box;
    Fill(box, 3, 4);
    box.SetSelected(0);
    box.CursorUp();
    EXPECT_EQ(box.selected, 0);
    box.CursorDown();
    box.CursorDown();
    box.CursorDown();
    EXPECT_EQ(box.selected, 2);
    EXPECT_EQ(box.firstVisible, 0);
}

TEST(ChoiceBoxScrolling, CursorScrollsOneRowAtATime)
{
    CChoiceBox box;
    Fill(box, 6, 4);
    box.SetSelected(0);
    for (int i = 0; i < 3; ++i)
        box.CursorDown();
    EXPECT_EQ(box.firstVisible, 0);
    box.CursorDown();
    EXPECT_EQ(box.selected, 4);
    EXPECT_EQ(box.firstVisible, 1);
    box.CursorDown();
    EXPECT_EQ(box.firstVisible, 2);
    EXPECT_EQ(box.GetResult(), 5);

    for (int i = 0; i < 3; ++i)
        box.CursorUp();
    EXPECT_EQ(box.firstVisible, 2);
    box.CursorUp();
    EXPECT_EQ(box.selected, 1);
    EXPECT_EQ(box.firstVisible, 1);
}

TEST(ChoiceBoxSize, HeightFollowsRowsAndText)
{
    CChoiceBox box;
    box.SetRect(50, 300, 540, 0);
    box.SetText("Which one?");
    box.SetItemCount(6);
    box.SetVisibleRows(4);
    EXPECT_EQ(box.rect.h, 22 * 4 + 22 - 6 + 10);

    // A new opening sizes the box with a 15-pixel allowance instead.
    box.StepOpen();
    EXPECT_EQ(box.rect.h, 125);
    box.rect.h = 1;
    box.StepOpen();
    EXPECT_EQ(box.rect.h, 1);
}

TEST(ChoiceBoxItems, SetItemCountReplacesTheItemsButKeepsTheCursor)
{
    CChoiceBox box;
    Fill(box, 5, 4);
    box.SetSelected(3);
    box.SetItemCount(2);
    EXPECT_EQ(box.itemCount, 2);
    EXPECT_EQ(box.items, (std::vector<std::string>{"", ""}));
    EXPECT_EQ(box.selected, 3);

    box.SetItemCount(-4);
    EXPECT_EQ(box.itemCount, 0);
    EXPECT_TRUE(box.items.empty());
}

TEST(AssocChoiceBox, ReturnsTheSelectedItemsValue)
{
    CAssocChoiceBox box;
    EXPECT_EQ(box.GetResult(), -1);
    box.SetItemCount(3);
    box.SetVisibleRows(3);
    box.SetItem(0, "Carte", 10);
    box.SetItem(1, "Statistiques", 20);
    box.SetItem(2, "Objets", 20);
    EXPECT_EQ(box.items[1], "Statistiques");

    box.SetSelected(20);
    EXPECT_EQ(box.selected, 1);
    EXPECT_EQ(box.GetResult(), 20);
    box.CursorDown();
    EXPECT_EQ(box.GetResult(), 20);
    box.SetSelected(99);
    EXPECT_EQ(box.selected, 0);
    EXPECT_EQ(box.GetResult(), 10);
}

TEST(AssocChoiceBox, IgnoresItemsOutsideTheList)
{
    CAssocChoiceBox box;
    box.SetItem(0, "nothing yet", 1);
    EXPECT_TRUE(box.items.empty());

    box.SetItemCount(2);
    box.SetItem(2, "too far", 7);
    box.SetItem(-1, "before", 7);
    EXPECT_EQ(box.items, (std::vector<std::string>{"", ""}));
    EXPECT_EQ(*box.values, (std::vector<std::int32_t>{0, 0}));
}

TEST(AssocChoiceBox, ResultWithoutASelectableItemIsMinusOne)
{
    CPersoChoiceBox heroes;
    heroes.SetItemCount(2);
    heroes.SetItem(0, "Al", 1);
    heroes.SetItem(1, "Bea", 2);
    heroes.CursorDown();
    EXPECT_EQ(heroes.GetResult(), 2);

    // The list shrinks under a cursor that stays where it was.
    heroes.SetItemCount(1);
    EXPECT_EQ(heroes.GetResult(), -1);
    heroes.SetItemCount(0);
    EXPECT_EQ(heroes.GetResult(), -1);

    heroes.FreeItems();
    EXPECT_FALSE(heroes.values.has_value());
    EXPECT_EQ(heroes.GetResult(), -1);
}
