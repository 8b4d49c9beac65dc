#pragma once

#include <gtest/gtest.h>

#include <GL/gl.h>

#include <memory>

#include "support/FrameBuffer.h"
#include "support/TestWindow.h"

// Draws widgets in the real game window and reads the back buffer, with two
// textures: a 256 x 256 glyph sheet, all opaque white except the cell of
// byte 0xE9 (column 9, row 14 from the top), where only the top-left 8 x 8
// quarter is inked; and a 64 x 64 character sheet, red with a green top-right
// 24 x 24 corner (the portrait) and a blue bottom band of 16 rows.
class WidgetDrawingTest : public ::testing::Test {
public:
    static constexpr GLuint kGlyphSheet = 901;
    static constexpr GLuint kCharacterSheet = 902;
    static const Rgba kClear;

    static void SetUpTestSuite();
    static void TearDownTestSuite();

protected:
    void SetUp() override;
    void TearDown() override;
    void ClearScreen();

    static std::unique_ptr<TestWindow> window;
};
