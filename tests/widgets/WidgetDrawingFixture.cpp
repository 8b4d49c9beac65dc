#include "WidgetDrawingFixture.h"

#include <cstdint>

#include "support/TestTexture.h"
#include "widgets/DefaultFontTexture.h"

const Rgba WidgetDrawingTest::kClear{0, 128, 128, 255};
std::unique_ptr<TestWindow> WidgetDrawingTest::window;

void WidgetDrawingTest::SetUpTestSuite()
{
    window = std::make_unique<TestWindow>();
    if (!window->IsOpen())
        return;
    UploadTestTexture(kGlyphSheet, 256, [](int x, int y) {
        const bool e9Cell = x / 16 == 9 && y / 16 == 14;
        const bool inked = !e9Cell || (x % 16 < 8 && y % 16 < 8);
        return Rgba{255, 255, 255, static_cast<std::uint8_t>(inked ? 255 : 0)};
    });
    UploadTestTexture(kCharacterSheet, 64, [](int x, int y) {
        if (x >= 40 && y < 24)
            return Rgba{0, 255, 0, 255};
        return y >= 48 ? Rgba{0, 0, 255, 255} : Rgba{255, 0, 0, 255};
    });
}

void WidgetDrawingTest::TearDownTestSuite()
{
    if (window && window->IsOpen()) {
        const GLuint names[] = {kGlyphSheet, kCharacterSheet};
        glDeleteTextures(2, names);
    }
    window.reset();
}

void WidgetDrawingTest::SetUp()
{
    ASSERT_TRUE(window && window->IsOpen()) << "these tests need an X display (xvfb-run)";
    defaultFontTexture = kGlyphSheet;
    ClearScreen();
}

void WidgetDrawingTest::TearDown()
{
    defaultFontTexture = 0;
}

void WidgetDrawingTest::ClearScreen()
{
    window->Clear(kClear.r / 255.0f, kClear.g / 255.0f, kClear.b / 255.0f);
}
