#include "image/TextureRegistry.h"

#include "image/Texture.h"

int TextureRegistry::Load(TgaImage& image, const std::string& path, GLuint name, unsigned mode)
{
    const int code = LoadTextureInto(image, path, name, mode);
    if (code == TgaOk)
        sources[name] = Source{path, mode};
    return code;
}

int TextureRegistry::ReuploadAll(TgaImage& image) const
{
    int loaded = 0;
    for (const auto& [name, source] : sources)
        if (LoadTextureInto(image, source.path, name, source.mode) == TgaOk)
            ++loaded;
    return loaded;
}
