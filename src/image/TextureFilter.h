#pragma once

// The filter modes of the texture operations. Any other value uploads the
// pixels with glTexImage2D and leaves both filters as OpenGL has them.
enum TextureFilter : unsigned {
    // GL_NEAREST both ways: pixel art drawn one texel per pixel (the game's).
    TextureNearest = 0,
    TextureLinear = 1,
    // Mipmaps built with gluBuild2DMipmaps, minified from the nearest level.
    TextureMipmapNearest = 2,
    // Mipmaps, blended between levels.
    TextureMipmapLinear = 3,
};
