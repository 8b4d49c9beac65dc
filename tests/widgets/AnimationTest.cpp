#include <gtest/gtest.h>

#include <vector>

#include "widgets/CImage.h"

namespace {

std::vector<int> Steps(CMenuBase& widget, bool opening, int calls)
{
    std::vector<int> seen;
    for (int i = 0; i < calls; ++i) {
        opening ? widget.StepOpen() : widget.StepClose();
        seen.push_back(widget.progress);
    }
    return seen;
}

}  // namespace

TEST(Animation, OpensAndClosesInElevenStepsOf25AndReversesWhereItStands)
{
    CMenuBase widget;
    EXPECT_EQ(Steps(widget, true, 12),
              (std::vector<int>{25, 50, 75, 100, 125, 150, 175, 200, 225, 250, 255, 255}));
    EXPECT_EQ(widget.state, WidgetState::Open);
    EXPECT_EQ(Steps(widget, false, 10), (std::vector<int>{230, 205, 180, 155, 130, 105, 80, 55, 30, 5}));
    EXPECT_EQ(widget.state, WidgetState::Closing);
    EXPECT_EQ(Steps(widget, true, 1), std::vector<int>{30});
    EXPECT_EQ(widget.state, WidgetState::Opening);
    EXPECT_EQ(Steps(widget, false, 3), (std::vector<int>{5, 0, 0}));
    EXPECT_EQ(widget.state, WidgetState::Closed);
    widget.ShowInstantly();
    EXPECT_EQ(widget.progress, 255);
    EXPECT_EQ(widget.state, WidgetState::Open);
}

TEST(Animation, UnanimatedZeroStepAndInvisibleWidgets)
{
    CMenuBase instant;
    instant.animated = false;
    EXPECT_EQ(Steps(instant, true, 1), std::vector<int>{255});
    EXPECT_EQ(Steps(instant, false, 1), std::vector<int>{0});
    EXPECT_EQ(instant.state, WidgetState::Closed);

    CMenuBase zeroSteps;  // would otherwise divide by zero
    zeroSteps.steps = 0;
    EXPECT_EQ(Steps(zeroSteps, true, 1), std::vector<int>{255});

    CImage image;
    image.visible = false;
    image.StepOpen();
    EXPECT_EQ(image.state, WidgetState::Closed);
}
