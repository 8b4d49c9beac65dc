#include <gtest/gtest.h>

#include <GL/gl.h>

#include "image/Texture.h"
#include "support/FrameBuffer.h"
#include "support/TempDir.h"
#include "support/TestPicture.h"
#include "support/TestWindow.h"
#include "support/TgaFileBuilder.h"

namespace {
// Every texel a different colour, so that any flip or shift shows.
TestPicture Distinct(std::uint32_t width, std::uint32_t height)
{
    TestPicture picture{width, height, {}};
    for (std::uint32_t y = 0; y < height; ++y)
        for (std::uint32_t x = 0; x < width; ++x)
            picture.pixels.push_back({static_cast<std::uint8_t>(20 + x * 13),
                                      static_cast<std::uint8_t>(30 + y * 25),
                                      static_cast<std::uint8_t>(240 - x * 5 - y * 3), 255});
    return picture;
}

// A quad with its top-left corner at (left, top), clockwise on screen. Rows
// are stored bottom-up, so the picture's top row is at t = 1.
void DrawTexturedQuad(GLuint name, float left, float top, float width, float height)
{
    glEnable(GL_TEXTURE_2D);
    glBindTexture(GL_TEXTURE_2D, name);
    glBegin(GL_QUADS);
    for (auto [s, t] : {std::pair{0, 1}, {1, 1}, {1, 0}, {0, 0}}) {
        glTexCoord2f(s, t);
        glVertex2f(left + s * width, top + (1 - t) * height);
    }
    glEnd();
    glDisable(GL_TEXTURE_2D);
}

void ExpectDrawnAsPicture(const TestPicture& picture, int left, int top)
{
    SCOPED_TRACE(testing::Message() << "the picture drawn at " << left << ", " << top);
    std::vector<Rgba> drawn = FrameBuffer::ReadRegion(left, top, static_cast<int>(picture.width),
                                                      static_cast<int>(picture.height));
    for (std::uint32_t y = 0; y < picture.height; ++y)
        for (std::uint32_t x = 0; x < picture.width; ++x) {
            const PicturePixel& p = picture.At(x, y);
            ASSERT_EQ(drawn[y * picture.width + x], (Rgba{p.r, p.g, p.b, 255}))
                << "at texel " << x << ", " << y;
        }
}

class TextureRender : public testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(window.IsOpen()); }
    // The game never deletes textures, but each test has a window of its
    // own: giving the names back lets the driver free what it keeps for them
    // before the window closes, so that leak checks see only real leaks.
    void TearDown() override
    {
        std::vector<GLuint> names(1024);
        for (GLuint i = 0; i < names.size(); ++i)
            names[i] = i + 1;
        glDeleteTextures(static_cast<GLsizei>(names.size()), names.data());
    }
    std::string Write(const TgaFileBuilder& builder)
    {
        return dir.Write("f" + std::to_string(files++) + ".tga", builder.Build());
    }
    TestWindow window;
    TempDir dir;
    int files = 0;
    TgaImage image;
};
}  // namespace

// Textures loaded each way, drawn in one frame and read back texel for texel.
TEST_F(TextureRender, LoadedTexturesDrawUpright)
{
    // 32-bit run-length, top row first, under a new name.
    TestPicture created = Distinct(8, 4);
    GLuint name = 0;
    std::string path = Write(TgaFileBuilder(10, 8, 4, 32, 0x28).RunLengthPicture(created));
    ASSERT_EQ(LoadTexture(image, path, &name, TextureNearest), TgaOk);
    // 24-bit raw under names the caller chose, away from the new one; the
    // pixels are freed after.
    const GLuint chosenName = name + 50, narrowName = name + 51;
    TestPicture chosen = Distinct(16, 8);
    path = Write(TgaFileBuilder(2, 16, 8, 24).RawPicture(chosen));
    ASSERT_EQ(LoadTextureInto(image, path, chosenName, TextureNearest), TgaOk);
    EXPECT_FALSE(image.loaded);
    EXPECT_EQ(image.pixels, nullptr);
    // Rows of 2 x 3 bytes are not a multiple of the caller's 8-byte unpack
    // alignment; read with it, the second row would start two bytes late. The
    // caller's alignment is restored afterwards.
    TestPicture narrow = Distinct(2, 2);
    path = Write(TgaFileBuilder(2, 2, 2, 24).RawPicture(narrow));
    glPixelStorei(GL_UNPACK_ALIGNMENT, 8);
    ASSERT_EQ(LoadTextureInto(image, path, narrowName, TextureNearest), TgaOk);
    GLint alignment = 0;
    glGetIntegerv(GL_UNPACK_ALIGNMENT, &alignment);
    EXPECT_EQ(alignment, 8);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 4);

    window.Clear(0, 0, 0);
    DrawTexturedQuad(chosenName, 100, 50, 16, 8);
    DrawTexturedQuad(name, 10, 300, 8, 4);
    DrawTexturedQuad(narrowName, 200, 200, 2, 2);
    ExpectDrawnAsPicture(chosen, 100, 50);
    ExpectDrawnAsPicture(created, 10, 300);
    ExpectDrawnAsPicture(narrow, 200, 200);
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
}

// Each mode's filters, and mipmaps for the mipmap modes only; a mode outside
// the table uploads but leaves OpenGL's defaults. A picture that is not read
// uploads nothing and gives no name.
TEST_F(TextureRender, ModesSetTheirFiltersAndUnreadPicturesUploadNothing)
{
    std::string path = Write(TgaFileBuilder(2, 4, 4, 24).RawPicture(Distinct(4, 4)));
    const struct {
        unsigned mode;
        GLint magnify, minify, level1Width;
    } cases[] = {{0, GL_NEAREST, GL_NEAREST, 0},
                 {1, GL_LINEAR, GL_LINEAR, 0}, {2, GL_LINEAR, GL_LINEAR_MIPMAP_NEAREST, 2},
                 {3, GL_LINEAR, GL_LINEAR_MIPMAP_LINEAR, 2},
                 {7, GL_LINEAR, GL_NEAREST_MIPMAP_LINEAR, 0}};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "mode " << c.mode);
        GLuint name = 0;
        ASSERT_EQ(LoadTexture(image, path, &name, c.mode), TgaOk);
        glBindTexture(GL_TEXTURE_2D, name);
        GLint magnify = -1, minify = -1, level1Width = -1;
        glGetTexParameteriv(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, &magnify);
        glGetTexParameteriv(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, &minify);
        glGetTexLevelParameteriv(GL_TEXTURE_2D, 1, GL_TEXTURE_WIDTH, &level1Width);
        EXPECT_EQ(magnify, c.magnify);
        EXPECT_EQ(minify, c.minify);
        EXPECT_EQ(level1Width, c.level1Width);
    }

    EXPECT_EQ(CreateTexture(image, TextureNearest), 0u);
    GLuint name = 1234;
    EXPECT_EQ(LoadTexture(image, dir.File("missing.tga"), &name, TextureNearest), TgaCannotOpen);
    EXPECT_EQ(name, 1234u);
    std::string big = Write(TgaFileBuilder(2, 640, 480, 24));
    EXPECT_EQ(LoadTextureInto(image, big, 90, TextureNearest), TgaBadSize);
    EXPECT_FALSE(glIsTexture(90));
    EXPECT_EQ(LoadTexture(image, path, nullptr, TextureNearest), TgaOk) << "no name wanted";
}
