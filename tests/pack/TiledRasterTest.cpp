#include "TiledFixture.h"

#include <filesystem>
#include <memory>

#include "support/FrameBuffer.h"
#include "image/Texture.h"
#include "lib/Picture.h"
#include "support/TestWindow.h"
#include "world/CMap.h"

namespace {

const int W = 9, H = 7;

// Cross-check with Tiled's own renderer: the engine draws layers 0 and 1
// of the imported map exactly as tmxrasterizer pictures the source map
// (over black, since the rasterizer leaves the background transparent).
// The tile sheets go the way of a packed game: converted to TGA as the tool
// does, loaded as the engine loads a map's pictures.
TEST_F(TiledFixture, TheEngineDrawsTheMapAsTiledRendersIt)
{
    if (!HaveProgram("tmxrasterizer"))
        GTEST_SKIP() << "tmxrasterizer is not installed: the cross-check with Tiled's renderer is skipped";
    TestWindow window;
    if (!window.IsOpen())
        GTEST_SKIP() << "no display for an OpenGL window";

    std::vector<std::uint32_t> ground(W * H), details(W * H, 0);
    for (int i = 0; i < W * H; ++i) {
        ground[i] = std::uint32_t(1 + i * 29 % 256);  // grass, opaque
        if (i % 4 == 1)
            details[i] = std::uint32_t(257 + i * 53 % 256);  // house tiles with transparent corners
    }
    ASSERT_TRUE(Import("raster.tmx", TiledTestMap(W, H)
                                         .Tileset(1, "grass", 7, "../art/grass.png")
                                         .Tileset(257, "house", 9, "../art/house.png")
                                         .Layer("ground", ground)
                                         .Layer("details", details)
                                         .Tmx()))
        << Messages();
    ASSERT_TRUE(RunQuietly("QT_QPA_PLATFORM=offscreen tmxrasterizer --no-smoothing '" + dir.File("maps/raster.tmx") +
                           "' '" + dir.File("tiled.png") + "'"));
    Picture tiled;
    std::string error;
    ASSERT_TRUE(Picture::Load(dir.File("tiled.png"), tiled, error)) << error;
    ASSERT_EQ(tiled.width, W * 32);
    ASSERT_EQ(tiled.height, H * 32);
    ASSERT_EQ(tiled.channels, 4);

    // The game folder: the map file and its pictures as textures under
    // the names of its texture table.
    dir.Write("game/map/raster.map", imported.mapBytes);
    for (const MapPicture& picture : imported.pictures) {
        Picture sheet;
        ASSERT_TRUE(Picture::Load(picture.sourcePath, sheet, error)) << error;
        dir.Write("game/tga/" + picture.tgaFile, sheet.Tga());
    }
    const std::filesystem::path previous = std::filesystem::current_path();
    std::filesystem::current_path(dir.File("game"));
    CMap map;
    const bool loaded = map.LoadMap("raster");
    int uploaded = 0;
    for (const MapTexture& texture : map.Textures()) {
        TgaImage image;
        uploaded += LoadTextureInto(image, "tga\\" + texture.file, texture.name, 0) == TgaOk;
    }
    std::filesystem::current_path(previous);
    ASSERT_TRUE(loaded);
    ASSERT_EQ(uploaded, 2);
    window.Clear(0, 0, 0);
    map.SetViewSize(&window.Width(), &window.Height());
    map.CenterOn(0, 0);  // a small map is centred in the view
    map.DrawMapLayer(0);
    map.DrawMapLayer(1);
    const std::vector<Rgba> drawn = FrameBuffer::ReadRegion(map.ScrollX(), map.ScrollY(), W * 32, H * 32);
    GLuint names[] = {7, 9};
    glDeleteTextures(2, names);

    int differences = 0;
    for (int y = 0; y < H * 32; ++y)
        for (int x = 0; x < W * 32; ++x) {
            const std::uint8_t* source = &tiled.pixels[4 * (std::size_t(y) * tiled.width + x)];
            const auto over = [&](int c) { return std::uint8_t((source[c] * source[3] + 127) / 255); };
            const Rgba expected{over(0), over(1), over(2), 255};
            const Rgba& seen = drawn[std::size_t(y) * W * 32 + x];
            if (seen != expected && differences++ < 5)
                ADD_FAILURE() << "pixel " << x << ", " << y << ": the engine drew " << seen << ", Tiled " << expected;
        }
    EXPECT_EQ(differences, 0);
    // The picture is not a blank one: both sheets show.
    EXPECT_EQ(drawn[0].r, 1 - 1);  // ground cell 0 at the top-left
    EXPECT_EQ(drawn[std::size_t(16) * W * 32 + 32 + 20].b, 100 + 4 * 20);  // a house texel at (1, 0)
}

}  // namespace
