#include "CharacterSheet.h"

#include <cmath>

#include "Palette.h"

namespace {

enum class Facing { Up, Right, Down, Left };

ShadedShape Tones(Rgba base) {
    return ShadedShape{base, Shade(base, 0.72f), Shade(base, 1.18f)};
}

bool InEllipse(int x, int y, float cx, float cy, float rx, float ry) {
    float dx = (x + 0.5f - cx) / rx, dy = (y + 0.5f - cy) / ry;
    return dx * dx + dy * dy <= 1.0f;
}

// Sizes of one walking frame (24 x 32). A child is smaller: everything above
// the legs moves down and the torso is shorter.
struct Frame {
    const Look& look;
    Facing facing;
    int step;  // 0 and 2 are the strides, 1 standing
    float headX = 12, headY = 11, headRx = 5.6f, headRy = 5.9f;
    int torsoTop = 17, torsoBottom = 24, footY = 30;

    Frame(const Look& l, Facing f, int s) : look(l), facing(f), step(s) {
        if (look.child) {
            headY = 14;
            headRx = 5.3f;
            headRy = 5.5f;
            torsoTop = 20;
        }
    }
    bool Side() const { return facing == Facing::Right; }
};

void PaintLegs(Canvas& c, const Frame& f) {
    const Look& L = f.look;
    auto leg = [&](int x0, int width, int bottom, Rgba cloth) {
        FillShaded(c, x0, f.torsoBottom, width, bottom - f.torsoBottom + 1, [&](int x, int y) {
            return x >= x0 && x < x0 + width && y >= f.torsoBottom && y <= bottom;
        }, Tones(cloth));
        c.FillRect(x0, bottom - 1, width, 2, L.shoes);
    };
    if (!f.Side()) {
        // A stride lifts one foot two pixels; the lifted leg is in shade.
        int leftBottom = f.footY - (f.step == 2 ? 2 : 0), rightBottom = f.footY - (f.step == 0 ? 2 : 0);
        leg(8, 3, leftBottom, f.step == 2 ? Shade(L.trousers, 0.85f) : L.trousers);
        leg(13, 3, rightBottom, f.step == 0 ? Shade(L.trousers, 0.85f) : L.trousers);
    } else if (f.step == 1) {
        leg(10, 4, f.footY, L.trousers);
    } else {
        Rgba back = Shade(L.trousers, 0.8f);
        int frontX = f.step == 0 ? 13 : 12, backX = f.step == 0 ? 8 : 9;
        leg(backX, 3, f.footY - 1, back);
        leg(frontX, 3, f.footY, L.trousers);
    }
}

void PaintTorso(Canvas& c, const Frame& f) {
    const Look& L = f.look;
    int left = f.Side() ? 9 : 7, right = f.Side() ? 15 : 16;
    int bottom = L.robe ? f.footY - 1 : f.torsoBottom;
    auto inside = [&](int x, int y) {
        if (y < f.torsoTop || y > bottom) return false;
        int flare = L.robe ? (y - f.torsoTop) / 4 : 0;
        return x >= left - flare && x <= right + flare;
    };
    FillShaded(c, 0, 0, 24, 32, inside, Tones(L.shirt));
    if (L.robe) {
        for (int x = 0; x < 24; ++x) {
            if (inside(x, bottom)) c.Set(x, bottom, Shade(L.trousers, 0.8f));
        }
    } else {
        for (int x = left; x <= right; ++x) c.Set(x, f.torsoBottom - 1, Shade(L.trousers, 0.7f));  // belt
    }
    if (L.apron && f.facing != Facing::Up) {
        int ax0 = f.Side() ? 13 : 9, ax1 = f.Side() ? 15 : 14;
        c.FillRect(ax0, f.torsoTop + 2, ax1 - ax0 + 1, bottom - f.torsoTop - 3, L.accent);
    }
    // Collar or scarf.
    if (f.facing != Facing::Up) {
        for (int x = left + 1; x < right; ++x) c.Set(x, f.torsoTop, L.accent);
    } else {
        for (int x = left + 1; x < right; ++x) c.Set(x, f.torsoTop, Shade(L.accent, 0.8f));
    }
}

void PaintArms(Canvas& c, const Frame& f, bool front) {
    const Look& L = f.look;
    Rgba sleeve = Shade(L.shirt, 0.9f);
    auto arm = [&](int x0, int top) {
        FillShaded(c, x0, top, 2, 6, [&](int x, int y) { return x >= x0 && x < x0 + 2 && y >= top && y < top + 5; },
                   Tones(sleeve));
        c.FillRect(x0, top + 5, 2, 1, L.skin);
    };
    int top = f.torsoTop + 1;
    if (!f.Side()) {
        if (!front) return;
        arm(5, top - (f.step == 0 ? 1 : 0));
        arm(17, top - (f.step == 2 ? 1 : 0));
    } else if (front) {
        int shift = f.step == 0 ? 2 : f.step == 2 ? -2 : 0;
        arm(11 + shift, top);
    }
}

void PaintHairBack(Canvas& c, const Frame& f) {
    const Look& L = f.look;
    Rgba hair = L.hair;
    if (L.hairStyle == Hair::Long || L.hat == Hat::Hood) {
        Rgba colour = L.hat == Hat::Hood ? L.hatColour : hair;
        // Hair (or hood) hanging behind the shoulders.
        FillShaded(c, 0, 0, 24, 32, [&](int x, int y) {
            return y >= f.headY && y <= f.headY + 8 && std::abs(x + 0.5f - f.headX) <= 6.5f;
        }, Tones(colour));
    }
    if (L.hairStyle == Hair::Ponytail && f.facing != Facing::Down) {
        float tailX = f.Side() ? f.headX - 6 : f.headX;
        float tailY = f.facing == Facing::Up ? f.headY + 5 : f.headY + 2;
        FillShaded(c, 0, 0, 24, 32, [&](int x, int y) { return InEllipse(x, y, tailX, tailY, 2.2f, 4.5f); },
                   Tones(hair));
    }
}

void PaintHead(Canvas& c, const Frame& f) {
    const Look& L = f.look;
    float hx = f.headX + (f.Side() ? 0.5f : 0);
    FillShaded(c, 0, 0, 24, 32, [&](int x, int y) { return InEllipse(x, y, hx, f.headY, f.headRx, f.headRy); },
               Tones(L.skin));
    if (f.Side()) {
        c.Set(int(hx + f.headRx), int(f.headY + 1), L.skin);  // nose
    }
}

void PaintFace(Canvas& c, const Frame& f) {
    const Look& L = f.look;
    int eyeY = int(f.headY + 1);
    Rgba eye = Shade(L.eyes, 0.55f);
    if (f.facing == Facing::Down) {
        for (int x : {9, 14}) {
            c.Set(x, eyeY, eye);
            c.Set(x, eyeY + 1, eye);
        }
        c.Set(8, eyeY + 2, Mix(L.skin, palette::pink, 0.35f));
        c.Set(15, eyeY + 2, Mix(L.skin, palette::pink, 0.35f));
    } else if (f.facing == Facing::Right) {
        c.Set(15, eyeY, eye);
        c.Set(15, eyeY + 1, eye);
        c.Set(11, eyeY + 1, Shade(L.skin, 0.8f));  // ear
    }
}

void PaintHairFront(Canvas& c, const Frame& f) {
    const Look& L = f.look;
    Rgba hair = L.hair;
    float hx = f.headX, hy = f.headY;
    auto fill = [&](auto inside, Rgba colour) { FillShaded(c, 0, 0, 24, 32, inside, Tones(colour)); };
    if (L.hairStyle != Hair::Bald) {
        if (f.facing == Facing::Up) {
            fill([&](int x, int y) { return InEllipse(x, y, hx, hy, f.headRx + 0.4f, f.headRy + 0.3f) && y <= hy + 4; }, hair);
        } else if (f.facing == Facing::Down) {
            fill([&](int x, int y) {
                if (!InEllipse(x, y, hx, hy - 1, f.headRx + 0.5f, f.headRy)) return false;
                if (y <= hy - 2) return true;
                bool sides = x <= hx - 5 || x >= hx + 4;
                bool fringe = y == int(hy - 1) && (x + 1) % 3 != 0;
                return (sides && y <= hy + 2) || fringe;
            }, hair);
        } else {
            fill([&](int x, int y) {
                if (!InEllipse(x, y, hx + 0.5f, hy - 1, f.headRx + 0.5f, f.headRy)) return false;
                return y <= hy - 2 || (x <= hx - 1 && y <= hy + 3) || (y == int(hy - 1) && x <= hx + 3);
            }, hair);
        }
    } else {
        // A crown of white hair around a bald head.
        fill([&](int x, int y) {
            return InEllipse(x, y, hx, hy, f.headRx + 0.5f, f.headRy + 0.3f) && y >= hy - 2 && y <= hy + 1 &&
                   (f.facing == Facing::Up || x <= hx - 4 || (f.facing == Facing::Down && x >= hx + 3));
        }, hair);
    }
    if (L.hairStyle == Hair::Spiky) {
        for (int k = 0; k < 3; ++k) {
            int sx = int(hx) - 4 + k * 3 + (f.Side() ? -1 : 0);
            int sy = int(hy - f.headRy);
            c.Set(sx, sy - 1, hair);
            c.Set(sx + 1, sy - 1, Shade(hair, 0.8f));
            c.Set(sx + 1, sy - 2, hair);
        }
    }
    if (L.hairStyle == Hair::Bun) {
        float bx = f.Side() ? hx - 3 : hx;
        fill([&](int x, int y) { return InEllipse(x, y, bx, hy - f.headRy - 0.5f, 2.6f, 2.4f); }, hair);
    }
    if (L.hairStyle == Hair::Ponytail && f.facing == Facing::Down) {
        fill([&](int x, int y) { return InEllipse(x, y, hx + 6.5f, hy + 2, 1.6f, 3.5f); }, hair);
    }
    if (L.beard && f.facing != Facing::Up) {
        float bx = f.Side() ? hx + 2 : hx;
        float length = L.old ? 4.5f : 2.6f;
        fill([&](int x, int y) {
            return InEllipse(x, y, bx, hy + 3.5f + length / 2, f.Side() ? 3.2f : 4.6f, length) && y >= hy + 3;
        }, hair);
        if (f.facing == Facing::Down) c.Set(int(hx), int(hy + 4), Shade(L.skin, 0.6f));  // mouth
    }
}

void PaintHat(Canvas& c, const Frame& f) {
    const Look& L = f.look;
    float hx = f.headX + (f.Side() ? 0.5f : 0), hy = f.headY;
    auto fill = [&](auto inside, Rgba colour) { FillShaded(c, 0, 0, 24, 32, inside, Tones(colour)); };
    switch (L.hat) {
    case Hat::None:
        break;
    case Hat::Cap:
        fill([&](int x, int y) { return InEllipse(x, y, hx, hy - 2, f.headRx + 0.6f, 4.2f) && y <= hy - 2; }, L.hatColour);
        if (f.facing == Facing::Down) c.FillRect(int(hx) - 5, int(hy - 2), 11, 1, Shade(L.hatColour, 0.7f));
        if (f.Side()) c.FillRect(int(hx) + 2, int(hy - 2), 5, 1, Shade(L.hatColour, 0.7f));
        break;
    case Hat::Helmet:
        fill([&](int x, int y) { return InEllipse(x, y, hx, hy - 1, f.headRx + 0.8f, 5.0f) && y <= hy - 1; }, L.hatColour);
        c.FillRect(int(hx - f.headRx), int(hy - 1), int(2 * f.headRx) + 1, 1, Shade(L.hatColour, 0.7f));
        if (f.facing == Facing::Down) c.FillRect(int(hx), int(hy - 1), 1, 3, Shade(L.hatColour, 0.8f));
        break;
    case Hat::WideHat:
        fill([&](int x, int y) { return InEllipse(x, y, hx, hy - 2, 8.5f, 2.4f); }, Shade(L.hatColour, 0.9f));
        fill([&](int x, int y) { return InEllipse(x, y, hx, hy - 4, 5.0f, 3.5f) && y <= hy - 2; }, L.hatColour);
        break;
    case Hat::Hood:
        fill([&](int x, int y) {
            if (!InEllipse(x, y, hx, hy, f.headRx + 1.2f, f.headRy + 1.0f)) return false;
            if (f.facing == Facing::Up) return true;
            if (f.facing == Facing::Down) return !InEllipse(x, y, hx, hy + 1.5f, f.headRx - 1.2f, f.headRy - 1.5f);
            return !(InEllipse(x, y, hx + 2.5f, hy + 1.5f, f.headRx - 1.5f, f.headRy - 1.5f));
        }, L.hatColour);
        break;
    case Hat::Scarf:
        fill([&](int x, int y) {
            return InEllipse(x, y, hx, hy - 1, f.headRx + 0.7f, f.headRy) && (y <= hy - 2 || (f.facing == Facing::Up && y <= hy + 3));
        }, L.hatColour);
        break;
    }
}

Canvas PaintFrame(const Look& look, Facing facing, int step) {
    Canvas c(24, 32);
    bool mirror = facing == Facing::Left;
    Frame f(look, mirror ? Facing::Right : facing, step);
    // Soft ground shadow first, so that the outline does not go round it.
    Canvas frame(24, 32);
    PaintHairBack(frame, f);
    if (f.facing == Facing::Up) PaintArms(frame, f, true);
    if (f.Side()) {
        // The far arm, behind the body.
        Canvas far(24, 32);
        Frame back = f;
        back.step = 2 - f.step;
        PaintArms(far, back, true);
        frame.Paste(far, -1, 0);
    }
    PaintLegs(frame, f);
    PaintTorso(frame, f);
    if (f.facing != Facing::Up) PaintArms(frame, f, true);
    PaintHead(frame, f);
    PaintFace(frame, f);
    PaintHairFront(frame, f);
    PaintHat(frame, f);
    frame.Outline(0, 0, 24, 32, palette::outline);
    c.FillEllipse(12, 30.5f, 6.5f, 1.6f, Rgba{20, 20, 30, 70});
    c.Paste(frame, 0, 0);
    if (!mirror) return c;
    Canvas flipped(24, 32);
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 24; ++x) flipped.Set(23 - x, y, c.Get(x, y));
    return flipped;
}

// ---- portrait (48 x 48) ---------------------------------------------------

void PaintPortrait(Canvas& sheet, const Look& L) {
    Canvas bg(48, 48), p(48, 48);
    for (int y = 0; y < 48; ++y)
        for (int x = 0; x < 48; ++x) {
            Rgba c = Mix(Shade(L.background, 1.12f), Shade(L.background, 0.85f), y / 47.0f);
            if (((x + y) / 3) % 5 == 0) c = Shade(c, 1.04f);
            bg.Set(x, y, c);
        }
    auto fill = [&](auto inside, Rgba colour) { FillShaded(p, 0, 0, 48, 48, inside, Tones(colour)); };
    const float cx = 24, cy = 23, rx = 11.5f, ry = 13.5f;
    bool hood = L.hat == Hat::Hood;
    // Behind the head: long hair or hood.
    if (L.hairStyle == Hair::Long || hood) {
        fill([&](int x, int y) { return InEllipse(x, y, cx, cy + 6, rx + 4, ry + 8); }, hood ? L.hatColour : L.hair);
    }
    if (L.hairStyle == Hair::Ponytail) {
        fill([&](int x, int y) { return InEllipse(x, y, cx + 13, cy + 4, 4, 11); }, L.hair);
    }
    // Shoulders and neck.
    fill([&](int x, int y) { return InEllipse(x, y, cx, 52, 21, 14); }, L.shirt);
    for (int x = 14; x < 34; ++x) {
        if (InEllipse(x, 40, cx, 52, 21, 14)) p.Set(x, 40, L.accent);
        if (InEllipse(x, 41, cx, 52, 21, 14)) p.Set(x, 41, Shade(L.accent, 0.8f));
    }
    if (L.apron) fill([&](int x, int y) { return y >= 43 && x >= 19 && x <= 29; }, L.accent);
    fill([&](int x, int y) { return x >= 20 && x <= 28 && y >= 31 && y <= 41; }, Shade(L.skin, 0.85f));
    // Ears, then the face.
    fill([&](int x, int y) { return InEllipse(x, y, cx - rx, cy + 2, 2.5f, 3.5f) || InEllipse(x, y, cx + rx, cy + 2, 2.5f, 3.5f); },
         L.skin);
    fill([&](int x, int y) {
        // A softer chin: the lower half narrows.
        float k = y > cy ? 1.0f - 0.25f * (y - cy) / ry : 1.0f;
        return InEllipse(x, y, cx, cy, rx * k, ry);
    }, L.skin);
    // Cheek shadow on the right, away from the light.
    for (int y = 0; y < 48; ++y)
        for (int x = 30; x < 36; ++x)
            if (p.Get(x, y).a && p.Get(x, y).r == L.skin.r && p.Get(x, y).g == L.skin.g && (x + y) % 2 == 0 && y > 18)
                p.Set(x, y, Shade(L.skin, 0.86f));
    // Eyes: white, iris, pupil, highlight; brows above.
    int eyeY = int(cy + 1);
    for (int side = 0; side < 2; ++side) {
        int ex = side == 0 ? 17 : 27;
        p.FillRect(ex, eyeY, 5, 3, palette::white);
        p.FillRect(ex + 1, eyeY - 1, 3, 1, palette::outline);
        p.FillRect(ex + (side == 0 ? 2 : 1), eyeY, 2, 3, L.eyes);
        p.Set(ex + (side == 0 ? 3 : 2), eyeY + 1, palette::outline);
        p.Set(ex + (side == 0 ? 2 : 1), eyeY, palette::white);
        p.FillRect(ex, eyeY - 1, 1, 1, palette::outline);
        p.FillRect(ex + 4, eyeY - 1, 1, 1, palette::outline);
        int browY = eyeY - (L.smile ? 4 : 3);
        Rgba brow = L.hairStyle == Hair::Bald ? L.hair : Shade(L.hair, 0.75f);
        p.FillRect(ex, browY, 5, 1, brow);
        if (!L.smile) p.Set(side == 0 ? ex + 4 : ex, browY + 1, brow);
        if (L.old) p.FillRect(ex + 1, eyeY + 4, 3, 1, Shade(L.skin, 0.8f));
    }
    // Nose and mouth.
    p.Set(24, eyeY + 4, Shade(L.skin, 0.78f));
    p.Set(25, eyeY + 5, Shade(L.skin, 0.7f));
    p.Set(23, eyeY + 5, Shade(L.skin, 0.9f));
    int mouthY = eyeY + 8;
    Rgba lip = Mix(Shade(L.skin, 0.6f), palette::red, 0.3f);
    p.FillRect(21, mouthY, 6, 1, lip);
    if (L.smile) {
        p.Set(20, mouthY - 1, lip);
        p.Set(27, mouthY - 1, lip);
    }
    if (!L.old) {
        p.FillRect(16, eyeY + 5, 3, 1, Mix(L.skin, palette::pink, 0.45f));
        p.FillRect(30, eyeY + 5, 3, 1, Mix(L.skin, palette::pink, 0.45f));
    }
    // Beard.
    if (L.beard) {
        float length = L.old ? 12 : 6;
        fill([&](int x, int y) {
            bool jaw = InEllipse(x, y, cx, cy + 8 + length / 3, rx - 1, length) && y >= cy + 5;
            bool mouth = y >= mouthY - 1 && y <= mouthY + 1 && x >= 21 && x <= 26;
            return jaw && !mouth;
        }, L.hair);
        p.FillRect(21, mouthY, 6, 1, Shade(L.hair, 0.5f));
        fill([&](int x, int y) { return y >= mouthY - 3 && y <= mouthY - 2 && x >= 19 && x <= 28; }, L.hair);  // moustache
    }
    // Hair on top.
    Rgba hair = L.hair;
    if (L.hairStyle == Hair::Bald) {
        fill([&](int x, int y) {
            return InEllipse(x, y, cx, cy, rx + 1.5f, ry) && y > cy - 6 && y < cy + 4 && (x < cx - 9 || x > cx + 9);
        }, hair);
        p.Set(19, 13, Shade(L.skin, 1.2f));
        p.Set(20, 12, Shade(L.skin, 1.2f));
    } else if (!hood) {
        fill([&](int x, int y) {
            if (!InEllipse(x, y, cx, cy - 3, rx + 1.5f, ry - 1)) return false;
            if (y <= cy - 8) return true;
            // A fringe of locks over the forehead and hair down the temples.
            bool temple = (x < cx - rx + 3 || x > cx + rx - 3) && y < cy + 4;
            int lock = (x * 5) % 7;
            bool fringe = y <= cy - 6 + (lock < 3 ? 1 : 0) - (L.hairStyle == Hair::Spiky ? 0 : 1);
            return temple || fringe;
        }, hair);
        if (L.hairStyle == Hair::Spiky) {
            for (int k = 0; k < 5; ++k) {
                int sx = 13 + k * 5;
                fill([&](int x, int y) { return y >= 6 && y <= 12 && std::abs(x + 0.5f - sx) <= (y - 6) * 0.45f; }, hair);
            }
        }
        if (L.hairStyle == Hair::Bun) {
            fill([&](int x, int y) { return InEllipse(x, y, cx, cy - ry - 1, 6, 5); }, hair);
        }
        // A lit streak.
        for (int x = 18; x < 24; ++x) p.Set(x, int(cy - ry + 3 + (x - 18) / 3), Shade(hair, 1.25f));
    }
    // Hats.
    switch (L.hat) {
    case Hat::None:
        break;
    case Hat::Cap:
        fill([&](int x, int y) { return InEllipse(x, y, cx, cy - 6, rx + 2, ry - 3) && y <= cy - 7; }, L.hatColour);
        fill([&](int x, int y) { return y >= cy - 8 && y <= cy - 6 && x >= 10 && x <= 40; }, Shade(L.hatColour, 0.8f));
        break;
    case Hat::Helmet:
        fill([&](int x, int y) { return InEllipse(x, y, cx, cy - 4, rx + 2.5f, ry - 1) && y <= cy - 5; }, L.hatColour);
        fill([&](int x, int y) { return y >= cy - 6 && y <= cy - 4 && InEllipse(x, y, cx, cy - 4, rx + 3, ry); },
             Shade(L.hatColour, 0.8f));
        fill([&](int x, int y) { return x >= 23 && x <= 25 && y >= cy - 4 && y <= cy + 3; }, Shade(L.hatColour, 0.9f));
        p.Set(20, 10, palette::white);
        break;
    case Hat::WideHat:
        fill([&](int x, int y) { return InEllipse(x, y, cx, cy - 8, 21, 5); }, Shade(L.hatColour, 0.9f));
        fill([&](int x, int y) { return InEllipse(x, y, cx, cy - 12, 11, 8) && y <= cy - 8; }, L.hatColour);
        break;
    case Hat::Hood:
        fill([&](int x, int y) {
            return InEllipse(x, y, cx, cy - 2, rx + 5, ry + 3) && !InEllipse(x, y, cx, cy + 3, rx - 1, ry - 2);
        }, L.hatColour);
        fill([&](int x, int y) { return InEllipse(x, y, cx, cy - 2, rx + 2, ry - 3) && y <= cy - 6 && !InEllipse(x, y, cx, cy + 1, rx - 1, ry - 4); },
             hair);
        break;
    case Hat::Scarf:
        fill([&](int x, int y) { return InEllipse(x, y, cx, cy - 4, rx + 2.5f, ry - 1) && y <= cy - 6; }, L.hatColour);
        for (int x = 12; x < 37; x += 4) p.Set(x, int(cy - 10), palette::yellow);
        break;
    }
    p.Outline(0, 0, 48, 48, palette::outline);
    bg.Paste(p, 0, 0);
    // A thin frame of the background's dark tone.
    for (int i = 0; i < 48; ++i) {
        for (auto [x, y] : {std::pair{i, 0}, {i, 47}, {0, i}, {47, i}}) bg.Set(x, y, Shade(L.background, 0.55f));
    }
    sheet.Paste(bg, 80, 0);
}

}  // namespace

Canvas PaintCharacterSheet(const Look& look) {
    Canvas sheet(128, 128);
    const Facing rows[4] = {Facing::Up, Facing::Right, Facing::Down, Facing::Left};
    for (int row = 0; row < 4; ++row) {
        for (int step = 0; step < 3; ++step) {
            sheet.Paste(PaintFrame(look, rows[row], step), step * 24, row * 32);
        }
    }
    PaintPortrait(sheet, look);
    return sheet;
}
