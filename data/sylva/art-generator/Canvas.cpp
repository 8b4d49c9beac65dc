#include "Canvas.h"

#include <algorithm>
#include <cmath>

#define STB_IMAGE_WRITE_IMPLEMENTATION
#include <stb_image_write.h>

Rgba Hex(std::uint32_t rgb) {
    return Rgba{std::uint8_t(rgb >> 16), std::uint8_t(rgb >> 8), std::uint8_t(rgb), 255};
}

Rgba Mix(Rgba a, Rgba b, float t) {
    auto channel = [t](int p, int q) { return std::uint8_t(std::lround(p + (q - p) * t)); };
    return Rgba{channel(a.r, b.r), channel(a.g, b.g), channel(a.b, b.b), channel(a.a, b.a)};
}

Rgba Shade(Rgba c, float factor) {
    if (factor >= 1.0f) {
        return Mix(c, Rgba{255, 250, 230, c.a}, std::min(1.0f, factor - 1.0f));
    }
    // Shadows lean towards a cool purple instead of grey, which keeps the
    // colours rich the way hand-made palettes are.
    Rgba dark{40, 24, 60, c.a};
    return Mix(c, dark, std::min(1.0f, 1.0f - factor));
}

Canvas::Canvas(int w, int h) : width(w), height(h), pixels(std::size_t(w) * h) {}

Rgba Canvas::Get(int x, int y) const {
    return Inside(x, y) ? pixels[std::size_t(y) * width + x] : Rgba{};
}

void Canvas::Set(int x, int y, Rgba c) {
    if (Inside(x, y)) {
        pixels[std::size_t(y) * width + x] = c;
    }
}

void Canvas::Blend(int x, int y, Rgba c) {
    if (!Inside(x, y) || c.a == 0) {
        return;
    }
    Rgba under = Get(x, y);
    if (under.a == 0 || c.a == 255) {
        Set(x, y, c);
        return;
    }
    Rgba mixed = Mix(under, c, c.a / 255.0f);
    mixed.a = std::max(under.a, c.a);
    Set(x, y, mixed);
}

void Canvas::FillRect(int x, int y, int w, int h, Rgba c) {
    for (int j = y; j < y + h; ++j) {
        for (int i = x; i < x + w; ++i) {
            Blend(i, j, c);
        }
    }
}

void Canvas::FillEllipse(float cx, float cy, float rx, float ry, Rgba c) {
    int x0 = int(std::floor(cx - rx)), x1 = int(std::ceil(cx + rx));
    int y0 = int(std::floor(cy - ry)), y1 = int(std::ceil(cy + ry));
    FillShape(x0, y0, x1 - x0 + 1, y1 - y0 + 1,
              [&](int px, int py) {
                  float dx = (px + 0.5f - cx) / rx, dy = (py + 0.5f - cy) / ry;
                  return dx * dx + dy * dy <= 1.0f;
              },
              c);
}

void Canvas::FillShape(int x, int y, int w, int h, const std::function<bool(int, int)>& inside, Rgba c) {
    for (int j = y; j < y + h; ++j) {
        for (int i = x; i < x + w; ++i) {
            if (inside(i, j)) {
                Blend(i, j, c);
            }
        }
    }
}

void Canvas::Line(int x0, int y0, int x1, int y1, Rgba c) {
    int dx = std::abs(x1 - x0), dy = -std::abs(y1 - y0);
    int sx = x0 < x1 ? 1 : -1, sy = y0 < y1 ? 1 : -1;
    int err = dx + dy;
    while (true) {
        Blend(x0, y0, c);
        if (x0 == x1 && y0 == y1) {
            break;
        }
        int e2 = 2 * err;
        if (e2 >= dy) {
            err += dy;
            x0 += sx;
        }
        if (e2 <= dx) {
            err += dx;
            y0 += sy;
        }
    }
}

void Canvas::Paste(const Canvas& source, int x, int y) {
    for (int j = 0; j < source.Height(); ++j) {
        for (int i = 0; i < source.Width(); ++i) {
            Blend(x + i, y + j, source.Get(i, j));
        }
    }
}

void Canvas::Outline(int x, int y, int w, int h, Rgba outline) {
    auto opaque = [&](int i, int j) {
        return i >= x && j >= y && i < x + w && j < y + h && Get(i, j).a >= 128;
    };
    std::vector<std::pair<int, int>> marks;
    for (int j = y; j < y + h; ++j) {
        for (int i = x; i < x + w; ++i) {
            if (Get(i, j).a < 128 && (opaque(i - 1, j) || opaque(i + 1, j) || opaque(i, j - 1) || opaque(i, j + 1))) {
                marks.emplace_back(i, j);
            }
        }
    }
    for (auto [i, j] : marks) {
        Set(i, j, outline);
    }
}

bool Canvas::SavePng(const std::string& path) const {
    return stbi_write_png(path.c_str(), width, height, 4, pixels.data(), width * 4) != 0;
}

void FillShaded(Canvas& canvas, int x, int y, int w, int h, const std::function<bool(int, int)>& inside,
                const ShadedShape& colours) {
    for (int j = y; j < y + h; ++j) {
        for (int i = x; i < x + w; ++i) {
            if (!inside(i, j)) {
                continue;
            }
            Rgba c = colours.base;
            if (!inside(i + 1, j) || !inside(i, j + 1)) {
                c = colours.shadow;
            } else if (!inside(i - 1, j) || !inside(i, j - 1)) {
                c = colours.light;
            }
            canvas.Blend(i, j, c);
        }
    }
}

std::uint32_t Hash(int x, int y, int salt) {
    std::uint32_t h = std::uint32_t(x) * 374761393u + std::uint32_t(y) * 668265263u + std::uint32_t(salt) * 2246822519u;
    h = (h ^ (h >> 13)) * 1274126177u;
    return h ^ (h >> 16);
}

float Noise01(int x, int y, int salt) {
    return (Hash(x, y, salt) & 0xFFFF) / 65535.0f;
}
