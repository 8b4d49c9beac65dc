#pragma once

#include <map>
#include <string>

#include <GL/gl.h>

#include "image/TgaImage.h"

// Which file every texture name was loaded from, so that all of them can be
// uploaded again when the OpenGL context has been made anew (a new video
// mode may lose it). A name loaded twice keeps its latest file.
class TextureRegistry {
public:
    struct Source {
        std::string path;
        unsigned mode = 0;
    };

    // LoadTextureInto, remembering the file when it loaded. Returns ReadTga's code.
    int Load(TgaImage& image, const std::string& path, GLuint name, unsigned mode);
    // Uploads every remembered texture again from its file; the number of
    // textures that loaded.
    int ReuploadAll(TgaImage& image) const;
    const std::map<GLuint, Source>& Sources() const { return sources; }

private:
    std::map<GLuint, Source> sources;
};
