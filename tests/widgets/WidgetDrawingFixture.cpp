#include "WidgetDrawingFixture.h"

#include <chrono>
#include <cstdint>
#include <thread>
#include <vector>

#include "widgets/DefaultFontTexture.h"

namespace {

using Pixels = std::vector<std::uint8_t>;

void Upload(GLuint name, int size, const Pixels& rgba)
{
    glBindTexture(GL_TEXTURE_2D, name);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA, size, size, 0, GL_RGBA, GL_UNSIGNED_BYTE, rgba.data());
    glBindTexture(GL_TEXTURE_2D, 0);
}

void Put(Pixels& rgba, int size, int column, int memoryRow, std::uint8_t r, std::uint8_t g,
         std::uint8_t b, std::uint8_t a)
{
    std::uint8_t* p = &rgba[(static_cast<std::size_t>(memoryRow) * size + column) * 4];
    p[0] = r;
    p[1] = g;
    p[2] = b;
    p[3] = a;
}

// Texture memory starts with the bottom row of the image (t = 0).
void MakeGlyphSheet()
{
    const int size = 256;
    Pixels rgba(size * size * 4, 255);
    const int cellLeft = 9 * 16;
    const int cellTopRowFromTop = 14 * 16;
    for (int dy = 0; dy < 16; ++dy) {
        const int memoryRow = size - 1 - (cellTopRowFromTop + dy);
        for (int dx = 0; dx < 16; ++dx) {
            const bool inked = dx < 8 && dy < 8;
            Put(rgba, size, cellLeft + dx, memoryRow, 255, 255, 255, inked ? 255 : 0);
        }
    }
    Upload(WidgetDrawingTest::kGlyphSheet, size, rgba);
}

void MakeCharacterSheet()
{
    const int size = 64;
    Pixels rgba(size * size * 4, 0);
    for (int memoryRow = 0; memoryRow < size; ++memoryRow)
        for (int column = 0; column < size; ++column) {
            const bool portrait = column >= 40 && memoryRow >= 40;
            const bool bottomBand = memoryRow < 16;
            if (portrait)
                Put(rgba, size, column, memoryRow, 0, 255, 0, 255);
            else if (bottomBand)
                Put(rgba, size, column, memoryRow, 0, 0, 255, 255);
            else
                Put(rgba, size, column, memoryRow, 255, 0, 0, 255);
        }
    Upload(WidgetDrawingTest::kCharacterSheet, size, rgba);
}

}  // namespace

const Rgba WidgetDrawingTest::kClear{0, 128, 128, 255};
std::unique_ptr<TestWindow> WidgetDrawingTest::window;

void WidgetDrawingTest::SetUpTestSuite()
{
    // A virtual X server that has only just started may not take
    // connections yet; give it a moment before calling the display missing.
    for (int attempt = 0; attempt < 5; ++attempt) {
        window = std::make_unique<TestWindow>();
        if (window->IsOpen())
            break;
        std::this_thread::sleep_for(std::chrono::milliseconds(300));
    }
    if (!window->IsOpen())
        return;
    MakeGlyphSheet();
    MakeCharacterSheet();
}

void WidgetDrawingTest::TearDownTestSuite()
{
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
