#include "image/Texture.h"

#include <GL/glu.h>

#ifdef __EMSCRIPTEN__
#include <emscripten.h>
#endif

namespace {
void SetFilters(GLint magnify, GLint minify)
{
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, magnify);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, minify);
}

#ifdef __EMSCRIPTEN__
extern "C" void glGenerateMipmap(GLenum target);

// WebGL binds only the texture names it handed out itself, but the world
// picks its textures' names: the name is given a texture object first, and
// names handed out later start above it.
void ClaimTextureName(GLuint name)
{
    // clang-format off
    EM_ASM({
        if (!GL.textures[$0]) {
            for (var i = GL.textures.length; i < $0; i++) GL.textures[i] = null;
            var texture = GLctx.createTexture();
            texture.name = $0;
            GL.textures[$0] = texture;
        }
        if (GL.counter <= $0) GL.counter = $0 + 1;
    }, name);
    // clang-format on
}

// The browser's WebGL takes no number of components for the texture's own
// format, only the pixels' format again, and has no GLU: it builds the
// smaller levels itself. Textures drawn without mipmaps (the game's) come
// out texel for texel as on the desktop.
void UploadPixels(const TgaImage& image, unsigned mode)
{
    GLenum format = image.bytesPerPixel == 4 ? GL_RGBA : GL_RGB;
    glTexImage2D(GL_TEXTURE_2D, 0, format, static_cast<GLsizei>(image.width),
                 static_cast<GLsizei>(image.height), 0, format, GL_UNSIGNED_BYTE, image.pixels);
    if (mode == TextureMipmapNearest || mode == TextureMipmapLinear)
        glGenerateMipmap(GL_TEXTURE_2D);
}
#else
void UploadPixels(const TgaImage& image, unsigned mode)
{
    GLint components = static_cast<GLint>(image.bytesPerPixel);
    GLenum format = image.bytesPerPixel == 4 ? GL_RGBA : GL_RGB;
    GLsizei width = static_cast<GLsizei>(image.width);
    GLsizei height = static_cast<GLsizei>(image.height);
    if (mode == TextureMipmapNearest || mode == TextureMipmapLinear)
        gluBuild2DMipmaps(GL_TEXTURE_2D, components, width, height, format, GL_UNSIGNED_BYTE,
                          image.pixels);
    else
        glTexImage2D(GL_TEXTURE_2D, 0, components, width, height, 0, format, GL_UNSIGNED_BYTE,
                     image.pixels);
}

void ClaimTextureName(GLuint) {}
#endif
}  // namespace

GLuint CreateTexture(TgaImage& image, unsigned mode)
{
    if (!image.loaded)
        return 0;
    GLuint name = 0;
    glGenTextures(1, &name);
    UploadTexture(image, name, mode);
    return name;
}

void UploadTexture(TgaImage& image, GLuint name, unsigned mode)
{
    if (!image.loaded)
        return;
    ClaimTextureName(name);
    glBindTexture(GL_TEXTURE_2D, name);

    // Rows of 3-byte pixels are packed without padding (a 1- or 2-pixel-wide
    // RGB row is not a multiple of 4 bytes); with OpenGL's default alignment
    // of 4 the upload would read past the end of the buffer.
    GLint previousAlignment = 4;
    glGetIntegerv(GL_UNPACK_ALIGNMENT, &previousAlignment);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    UploadPixels(image, mode);
    glPixelStorei(GL_UNPACK_ALIGNMENT, previousAlignment);

    switch (mode) {
    case TextureNearest:
        SetFilters(GL_NEAREST, GL_NEAREST);
        break;
    case TextureLinear:
        SetFilters(GL_LINEAR, GL_LINEAR);
        break;
    case TextureMipmapNearest:
        SetFilters(GL_LINEAR, GL_LINEAR_MIPMAP_NEAREST);
        break;
    case TextureMipmapLinear:
        SetFilters(GL_LINEAR, GL_LINEAR_MIPMAP_LINEAR);
        break;
    default:
        break;
    }
    glHint(GL_PERSPECTIVE_CORRECTION_HINT, GL_NICEST);
}

int LoadTexture(TgaImage& image, const std::string& path, GLuint* name, unsigned mode)
{
    int code = ReadTga(image, path);
    if (code != TgaOk)
        return code;
    GLuint created = CreateTexture(image, mode);
    if (name)
        *name = created;
    FreeImage(image);
    return TgaOk;
}

int LoadTextureInto(TgaImage& image, const std::string& path, GLuint name, unsigned mode)
{
    int code = ReadTga(image, path);
    if (code != TgaOk)
        return code;
    UploadTexture(image, name, mode);
    FreeImage(image);
    return TgaOk;
}
