#include <gtest/gtest.h>

#include <vector>

#include "widgets/CImage.h"
#include "widgets/CMenuBase.h"

namespace {

std::vector<int> ProgressWhileOpening(CMenuBase& widget, int calls)
{
    std::vector<int> seen;
    for (int i = 0; i < calls; ++i) {
        widget.StepOpen();
        seen.push_back(widget.progress);
    }
    return seen;
}

}  // namespace

TEST(MenuBaseAnimation, StartsClosedWithNothingShown)
{
    CMenuBase widget;
    EXPECT_EQ(widget.state, WidgetState::Closed);
    EXPECT_EQ(widget.progress, 0);
    EXPECT_EQ(widget.steps, 10);
    EXPECT_TRUE(widget.animated);
}

TEST(MenuBaseAnimation, OpensInElevenStepsOf25)
{
    CMenuBase widget;
    std::vector<int> seen = ProgressWhileOpening(widget, 10);
    EXPECT_EQ(seen, (std::vector<int>{25, 50, 75, 100, 125, 150, 175, 200, 225, 250}));
    EXPECT_EQ(widget.state, WidgetState::Opening);

    widget.StepOpen();
    EXPECT_EQ(widget.progress, 255);
    EXPECT_EQ(widget.state, WidgetState::Open);

    widget.StepOpen();
    EXPECT_EQ(widget.progress, 255);
    EXPECT_EQ(widget.state, WidgetState::Open);
}

TEST(MenuBaseAnimation, ClosesInElevenStepsOf25)
{
    CMenuBase widget;
    widget.ShowInstantly();
    std::vector<int> seen;
    for (int i = 0; i < 10; ++i) {
        widget.StepClose();
        seen.push_back(widget.progress);
    }
    EXPECT_EQ(seen, (std::vector<int>{230, 205, 180, 155, 130, 105, 80, 55, 30, 5}));
    EXPECT_EQ(widget.state, WidgetState::Closing);

    widget.StepClose();
    EXPECT_EQ(widget.progress, 0);
    EXPECT_EQ(widget.state, WidgetState::Closed);

    widget.StepClose();
    EXPECT_EQ(widget.progress, 0);
    EXPECT_EQ(widget.state, WidgetState::Closed);
}

TEST(MenuBaseAnimation, StepInTheOtherDirectionReversesFromCurrentProgress)
{
    CMenuBase widget;
    ProgressWhileOpening(widget, 4);
    widget.StepClose();
    EXPECT_EQ(widget.progress, 75);
    EXPECT_EQ(widget.state, WidgetState::Closing);
    widget.StepOpen();
    EXPECT_EQ(widget.progress, 100);
    EXPECT_EQ(widget.state, WidgetState::Opening);
}

TEST(MenuBaseAnimation, UnanimatedWidgetOpensAndClosesInOneStep)
{
    CMenuBase widget;
    widget.animated = false;
    widget.StepOpen();
    EXPECT_EQ(widget.progress, 255);
    EXPECT_EQ(widget.state, WidgetState::Open);
    widget.StepClose();
    EXPECT_EQ(widget.progress, 0);
    EXPECT_EQ(widget.state, WidgetState::Closed);
}

TEST(MenuBaseAnimation, ShowInstantlyDuringClosingOpensAtFullSize)
{
    CMenuBase widget;
    widget.ShowInstantly();
    widget.StepClose();
    widget.StepClose();
    widget.ShowInstantly();
    EXPECT_EQ(widget.progress, 255);
    EXPECT_EQ(widget.state, WidgetState::Open);
}

TEST(MenuBaseAnimation, ZeroStepsOpensInOneStepInsteadOfDividingByZero)
{
    CMenuBase widget;
    widget.steps = 0;
    widget.StepOpen();
    EXPECT_EQ(widget.state, WidgetState::Open);
    EXPECT_EQ(widget.progress, 255);
}

TEST(MenuBaseAnimation, ScaledSizeGrowsFromTheTopLeftCorner)
{
    CMenuBase widget;
    widget.SetRect(50, 352, 540, 105);
    widget.progress = 128;
    EXPECT_EQ(widget.ScaledWidth(), 271);
    EXPECT_EQ(widget.ScaledHeight(), 52);
    EXPECT_EQ(widget.rect.x, 50);
    EXPECT_EQ(widget.rect.y, 352);
}

TEST(ImageAnimation, InvisibleImageDoesNotAnimate)
{
    CImage image;
    image.visible = false;
    image.StepOpen();
    EXPECT_EQ(image.state, WidgetState::Closed);
    EXPECT_EQ(image.progress, 0);

    image.visible = true;
    image.StepOpen();
    EXPECT_EQ(image.state, WidgetState::Opening);
    image.ShowInstantly();
    image.visible = false;
    image.StepClose();
    EXPECT_EQ(image.state, WidgetState::Open);
}
