#include "support/WorldFolder.h"

#include "support/TestPicture.h"
#include "support/TgaFileBuilder.h"

std::vector<std::uint8_t> WorldFolder::WorldBytes(const std::vector<std::string>& scriptFiles,
                                                  const std::vector<Texture>& textures,
                                                  std::uint16_t startScript)
{
    std::vector<std::uint8_t> bytes;
    for (const std::string& file : scriptFiles)
        PutString(bytes, file);
    bytes.push_back(0);
    for (const Texture& texture : textures) {
        PutU16(bytes, texture.name);
        PutString(bytes, texture.file);
    }
    bytes.push_back(0);
    PutU16(bytes, startScript);
    return bytes;
}

void WorldFolder::World(const std::vector<Script>& scripts, std::uint16_t startScript,
                        const std::vector<Texture>& textures) const
{
    std::vector<std::uint8_t> container;
    for (const Script& script : scripts) {
        PutU16(container, script.first);
        PutString(container, script.second);
    }
    dir.Write("tsl/main.tsl", container);
    dir.Write("wor/Sylva.world", WorldBytes({"main.tsl"}, textures, startScript));
}

void WorldFolder::Map(const std::string& name, const MapFileBuilder& map) const
{
    dir.Write("map/" + name + ".map", map.Bytes());
}

void WorldFolder::SolidPicture(const std::string& file, std::uint8_t r, std::uint8_t g, std::uint8_t b) const
{
    TestPicture picture;
    picture.width = picture.height = 32;
    picture.pixels.assign(32 * 32, PicturePixel{r, g, b, 255});
    dir.Write("tga/" + file, TgaFileBuilder(2, 32, 32, 24).RawPicture(picture).Build());
}
