#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

// One colour with straight alpha; alpha 0 is a hole in the picture.
struct Rgba {
    std::uint8_t r = 0, g = 0, b = 0, a = 0;
};

Rgba Hex(std::uint32_t rgb);                 // 0xRRGGBB, opaque
Rgba Mix(Rgba a, Rgba b, float t);           // t = 0 gives a, 1 gives b
Rgba Shade(Rgba c, float factor);            // darker below 1, lighter above

// A picture being painted: plain pixel rows, top row first.
class Canvas {
public:
    Canvas(int width, int height);
    int Width() const { return width; }
    int Height() const { return height; }
    bool Inside(int x, int y) const { return x >= 0 && y >= 0 && x < width && y < height; }
    Rgba Get(int x, int y) const;
    void Set(int x, int y, Rgba c);                  // ignores pixels outside
    void Blend(int x, int y, Rgba c);                // draws c over the pixel by c's alpha
    void FillRect(int x, int y, int w, int h, Rgba c);
    void FillEllipse(float cx, float cy, float rx, float ry, Rgba c);
    // Fills the pixels whose centre satisfies `inside` within the rectangle.
    void FillShape(int x, int y, int w, int h, const std::function<bool(int, int)>& inside, Rgba c);
    void Line(int x0, int y0, int x1, int y1, Rgba c);
    // Copies `source` into this picture at (x, y), drawing only its opaque pixels.
    void Paste(const Canvas& source, int x, int y);
    // Puts `outline` on every transparent or see-through pixel (a soft
    // shadow) that touches an opaque one left, right, above or below, within
    // the rectangle.
    void Outline(int x, int y, int w, int h, Rgba outline);
    bool SavePng(const std::string& path) const;

private:
    int width, height;
    std::vector<Rgba> pixels;
};

// A shape with its own light: filled with `base`, its pixels along the top and
// left border lit and along the bottom and right border shaded, the way
// light from the upper left falls on a rounded object.
struct ShadedShape {
    Rgba base, light, shadow;
};
void FillShaded(Canvas& canvas, int x, int y, int w, int h, const std::function<bool(int, int)>& inside,
                const ShadedShape& colours);

// Repeatable pseudo-random numbers: the same picture every run.
std::uint32_t Hash(int x, int y, int salt);
float Noise01(int x, int y, int salt);
