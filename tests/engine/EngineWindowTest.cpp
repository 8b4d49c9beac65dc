#include <gtest/gtest.h>

#include <GL/gl.h>

#include "support/FrameBuffer.h"
#include "support/TestWindow.h"

TEST(EngineWindow, OpensWithPixelProjection)
{
    TestWindow window;
    ASSERT_TRUE(window.IsOpen());
    EXPECT_EQ(window.Width(), 640);
    EXPECT_EQ(window.Height(), 480);

    window.Clear(0, 0, 0);
    // A quad given in clockwise screen order is a front face and is drawn;
    // its top-left corner is the pixel (10, 20) of the window.
    glColor3f(1, 0, 0);
    glBegin(GL_QUADS);
    glVertex2f(10, 20);
    glVertex2f(30, 20);
    glVertex2f(30, 40);
    glVertex2f(10, 40);
    glEnd();
    EXPECT_EQ(FrameBuffer::ReadPixel(10, 20), (Rgba{255, 0, 0, 255}));
    EXPECT_EQ(FrameBuffer::ReadPixel(29, 39), (Rgba{255, 0, 0, 255}));
    EXPECT_EQ(FrameBuffer::ReadPixel(9, 20), (Rgba{0, 0, 0, 255}));
    EXPECT_EQ(FrameBuffer::ReadPixel(10, 40), (Rgba{0, 0, 0, 255}));
}
