#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "widgets/CPersoChoiceBox.h"

TEST(ChoiceBox, SetSelectedScrollsWithinTheList)
{
    CChoiceBox box;
    box.SetVisibleRows(4);
    const int cases[][3] = {
        // items, selected, firstVisible
        {10, 5, 5}, {10, 9, 6}, {10, 2, 0}, {3, 2, 0}, {0, 0, 0},
        // Out of the list: the nearest item, or -1 for an empty list.
        {10, 100, 6}, {10, -3, 0},
    };
    for (const auto& c : cases) {
        box.SetItemCount(c[0]);
        box.SetSelected(c[1]);
        EXPECT_EQ(box.firstVisible, c[2]) << c[0] << " items, item " << c[1];
        EXPECT_EQ(box.GetResult(), c[0] == 0 ? -1 : std::max(0, std::min(c[1], c[0] - 1))) << c[1];
    }
}

TEST(ChoiceBox, CursorScrollsOneRowAtATimeAndStopsAtTheEnds)
{
    CChoiceBox box;
    box.SetItemCount(6);
    box.SetVisibleRows(4);
    box.CursorUp();
    EXPECT_EQ(box.selected, 0);
    for (int i = 0; i < 4; ++i)
        box.CursorDown();
    EXPECT_EQ(box.firstVisible, 1);
    for (int i = 0; i < 2; ++i)
        box.CursorDown();
    EXPECT_EQ(box.GetResult(), 5);
    EXPECT_EQ(box.firstVisible, 2);
    for (int i = 0; i < 4; ++i)
        box.CursorUp();
    EXPECT_EQ(box.selected, 1);
    EXPECT_EQ(box.firstVisible, 1);
}

TEST(ChoiceBox, HeightFollowsRowsAndText)
{
    CChoiceBox box;
    box.SetRect(50, 300, 540, 0);
    box.SetText("Which one?");
    box.SetVisibleRows(4);
    EXPECT_EQ(box.rect.h, 22 * 4 + 22 - 6 + 10);
    box.StepOpen();  // a new opening allows 15 pixels instead
    EXPECT_EQ(box.rect.h, 125);
}

TEST(ChoiceBox, AssociatedValuesAreReturnedAndSelected)
{
    CAssocChoiceBox box;
    EXPECT_EQ(box.GetResult(), -1);
    box.SetItemCount(3);
    box.SetItem(0, "Carte", 10);
    box.SetItem(1, "Statistiques", 20);
    box.SetItem(2, "Objets", 20);
    box.SetItem(3, "too far", 30);
    EXPECT_EQ(box.items, (std::vector<std::string>{"Carte", "Statistiques", "Objets"}));
    box.SetSelected(20);
    EXPECT_EQ(box.selected, 1);
    EXPECT_EQ(box.GetResult(), 20);
    box.SetSelected(30);
    EXPECT_EQ(box.GetResult(), 10);

    CPersoChoiceBox heroes;
    heroes.SetItemCount(2);
    heroes.CursorDown();
    heroes.SetItemCount(1);  // the cursor stays past the last item
    EXPECT_EQ(heroes.GetResult(), -1);
}
