#pragma once

// An area of a texture, from (s0, t0) to (s1, t1) in texture coordinates.
struct CTexRect {
    float s0 = 0.0f;
    float t0 = 0.0f;
    float s1 = 0.0f;
    float t1 = 0.0f;

    CTexRect() = default;
    // From an origin and a size. Pictures are addressed from their top edge
    // downwards, and t decreases towards the bottom of an image, so the
    // second corner lies `dt` below the first.
    CTexRect(float s, float t, float ds, float dt) : s0(s), t0(t), s1(s + ds), t1(t - dt) {}
};
