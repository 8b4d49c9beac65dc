#include <gtest/gtest.h>

#include <GL/gl.h>

#include "support/TestPicture.h"
#include "support/TgaFileBuilder.h"
#include "image/Texture.h"
#include "support/FrameBuffer.h"
#include "support/TempDir.h"
#include "support/TestWindow.h"

namespace {
// Every texel a different colour, so that any flip or shift shows.
TestPicture Distinct(std::uint32_t width, std::uint32_t height)
{
    TestPicture picture;
    picture.width = width;
    picture.height = height;
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
    glTexCoord2f(0, 1);
    glVertex2f(left, top);
    glTexCoord2f(1, 1);
    glVertex2f(left + width, top);
    glTexCoord2f(1, 0);
    glVertex2f(left + width, top + height);
    glTexCoord2f(0, 0);
    glVertex2f(left, top + height);
    glEnd();
    glDisable(GL_TEXTURE_2D);
}

void ExpectDrawnAsPicture(const TestPicture& picture, int left, int top)
{
    std::vector<Rgba> drawn = FrameBuffer::ReadRegion(left, top, static_cast<int>(picture.width),
                                                      static_cast<int>(picture.height));
    for (std::uint32_t y = 0; y < picture.height; ++y)
        for (std::uint32_t x = 0; x < picture.width; ++x) {
            const PicturePixel& p = picture.At(x, y);
            ASSERT_EQ(drawn[y * picture.width + x], (Rgba{p.r, p.g, p.b, 255}))
                << "at texel " << x << ", " << y;
        }
}

GLint TextureParameter(GLenum parameter)
{
    GLint value = -1;
    glGetTexParameteriv(GL_TEXTURE_2D, parameter, &value);
    return value;
}

GLint LevelWidth(GLint level)
{
    GLint width = -1;
    glGetTexLevelParameteriv(GL_TEXTURE_2D, level, GL_TEXTURE_WIDTH, &width);
    return width;
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
    TestWindow window;
    TempDir dir;
};
}  // namespace

TEST_F(TextureRender, TextureUnderAChosenNameShowsThePictureUpright)
{
    TestPicture picture = Distinct(16, 8);
    std::string path = dir.Write("p.tga", TgaFileBuilder(2, 16, 8, 24).RawPicture(picture).Build());
    TgaImage image;
    ASSERT_EQ(LoadTextureInto(image, path, 77, TextureNearest), TgaOk);
    // The pixels are gone once uploaded.
    EXPECT_FALSE(image.loaded);
    EXPECT_EQ(image.pixels, nullptr);

    window.Clear(0, 0, 0);
    DrawTexturedQuad(77, 100, 50, 16, 8);
    ExpectDrawnAsPicture(picture, 100, 50);
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
}

TEST_F(TextureRender, RunLengthTopLeftThirtyTwoBitPictureUnderANewName)
{
    TestPicture picture = Distinct(8, 4);
    std::string path =
        dir.Write("q.tga", TgaFileBuilder(10, 8, 4, 32, 0x28).RunLengthPicture(picture).Build());
    TgaImage image;
    GLuint name = 0;
    ASSERT_EQ(LoadTexture(image, path, &name, TextureNearest), TgaOk);
    ASSERT_NE(name, 0u);
    EXPECT_TRUE(glIsTexture(name));

    window.Clear(0, 0, 0);
    DrawTexturedQuad(name, 10, 300, 8, 4);
    ExpectDrawnAsPicture(picture, 10, 300);
}

TEST_F(TextureRender, NarrowRgbRowsAreUploadedWithoutPadding)
{
    // Rows of 2 x 3 bytes are not a multiple of OpenGL's default 4-byte
    // alignment; read with it, the second row would start two bytes late.
    TestPicture picture = Distinct(2, 2);
    std::string path = dir.Write("n.tga", TgaFileBuilder(2, 2, 2, 24).RawPicture(picture).Build());
    glPixelStorei(GL_UNPACK_ALIGNMENT, 8);
    TgaImage image;
    ASSERT_EQ(LoadTextureInto(image, path, 78, TextureNearest), TgaOk);
    GLint alignment = 0;
    glGetIntegerv(GL_UNPACK_ALIGNMENT, &alignment);
    EXPECT_EQ(alignment, 8) << "the caller's unpack alignment is restored";
    glPixelStorei(GL_UNPACK_ALIGNMENT, 4);

    window.Clear(0, 0, 0);
    DrawTexturedQuad(78, 200, 200, 2, 2);
    ExpectDrawnAsPicture(picture, 200, 200);
}

TEST_F(TextureRender, EachModeSetsItsFiltersAndMipmaps)
{
    TgaImage image;
    std::string path =
        dir.Write("m.tga", TgaFileBuilder(2, 4, 4, 24).RawPicture(Distinct(4, 4)).Build());
    struct Case {
        unsigned mode;
        GLint magnify, minify;
        bool mipmaps;
    };
    // A mode outside the table uploads but leaves OpenGL's own defaults.
    const Case cases[] = {{0, GL_NEAREST, GL_NEAREST, false},
                          {1, GL_LINEAR, GL_LINEAR, false},
                          {2, GL_LINEAR, GL_LINEAR_MIPMAP_NEAREST, true},
                          {3, GL_LINEAR, GL_LINEAR_MIPMAP_LINEAR, true},
                          {7, GL_LINEAR, GL_NEAREST_MIPMAP_LINEAR, false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "mode " << c.mode);
        GLuint name = 0;
        ASSERT_EQ(LoadTexture(image, path, &name, c.mode), TgaOk);
        glBindTexture(GL_TEXTURE_2D, name);
        EXPECT_EQ(TextureParameter(GL_TEXTURE_MAG_FILTER), c.magnify);
        EXPECT_EQ(TextureParameter(GL_TEXTURE_MIN_FILTER), c.minify);
        EXPECT_EQ(LevelWidth(0), 4);
        EXPECT_EQ(LevelWidth(1), c.mipmaps ? 2 : 0);
    }
    GLint hint = 0;
    glGetIntegerv(GL_PERSPECTIVE_CORRECTION_HINT, &hint);
    EXPECT_EQ(hint, GL_NICEST);
}

TEST_F(TextureRender, NearestKeepsTexelsWhileLinearBlendsThem)
{
    TestPicture picture;
    picture.width = 2;
    picture.height = 1;
    picture.pixels = {{0, 0, 0, 255}, {255, 255, 255, 255}};
    std::string path = dir.Write("f.tga", TgaFileBuilder(2, 2, 1, 24).RawPicture(picture).Build());
    TgaImage image;
    ASSERT_EQ(LoadTextureInto(image, path, 81, TextureNearest), TgaOk);
    ASSERT_EQ(LoadTextureInto(image, path, 82, TextureLinear), TgaOk);

    window.Clear(0.5f, 0, 0);
    DrawTexturedQuad(81, 0, 0, 64, 1);
    DrawTexturedQuad(82, 0, 10, 64, 1);
    std::vector<Rgba> nearest = FrameBuffer::ReadRegion(0, 0, 64, 1);
    std::vector<Rgba> linear = FrameBuffer::ReadRegion(0, 10, 64, 1);
    int blended = 0;
    for (int x = 0; x < 64; ++x) {
        EXPECT_TRUE(nearest[x].g == 0 || nearest[x].g == 255) << x;
        blended += linear[x].g > 20 && linear[x].g < 235;
    }
    EXPECT_EQ(nearest[0].g, 0);
    EXPECT_EQ(nearest[63].g, 255);
    EXPECT_GT(blended, 16);
}

TEST_F(TextureRender, NothingIsUploadedForAPictureThatIsNotRead)
{
    TgaImage image;
    EXPECT_EQ(CreateTexture(image, TextureNearest), 0u);

    GLuint name = 1234;
    EXPECT_EQ(LoadTexture(image, dir.File("missing.tga"), &name, TextureNearest), TgaCannotOpen);
    EXPECT_EQ(name, 1234u);

    std::string big = dir.Write("big.tga", TgaFileBuilder(2, 640, 480, 24).Build());
    EXPECT_EQ(LoadTextureInto(image, big, 90, TextureNearest), TgaBadSize);
    EXPECT_FALSE(glIsTexture(90));
    // A null name pointer is allowed.
    std::string good = dir.Write("g.tga", TgaFileBuilder(2, 1, 1, 24).Pixel({1, 2, 3, 255}).Build());
    EXPECT_EQ(LoadTexture(image, good, nullptr, TextureNearest), TgaOk);
}
