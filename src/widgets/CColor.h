#pragma once

// A colour with opacity, each component from 0.0 to 1.0.
struct CColor {
    float r = 1.0f;
    float g = 1.0f;
    float b = 1.0f;
    float a = 1.0f;

    CColor() = default;
    CColor(float red, float green, float blue, float alpha) : r(red), g(green), b(blue), a(alpha) {}
};
