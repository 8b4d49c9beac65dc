#pragma once

// Where the game's fixed-size picture lands in a window of another size: a
// whole-number factor, so every game pixel stays a square block, centred with
// black bars around it.
class PixelScale {
public:
    // The largest whole factor (at least 1) at which the picture fits the area.
    static int LargestFactor(int gameWidth, int gameHeight, int areaWidth, int areaHeight);
    // The picture scaled by the largest factor that fits the window, centred.
    static PixelScale Fit(int gameWidth, int gameHeight, int windowWidth, int windowHeight);

    // True when the window shows the picture pixel for pixel at its origin.
    bool Identity() const;
    // A window position (origin top-left) in game pixels.
    float ToGameX(int windowX) const;
    float ToGameY(int windowY) const;

    int gameWidth = 640;
    int gameHeight = 480;
    int windowWidth = 640;
    int windowHeight = 480;
    int factor = 1;
    // Top-left corner of the scaled picture in the window.
    int offsetX = 0;
    int offsetY = 0;
};
