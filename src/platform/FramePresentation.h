#pragma once

// On the desktop the swap shows the frame's picture at once and the back
// buffer is cleared right after it for the next frame. In the browser the
// swap does nothing: the canvas is shown only once the frame's code has
// returned to the browser, so the buffer must keep the picture until then
// and is cleared when the next frame starts.
#ifdef __EMSCRIPTEN__
constexpr bool kPictureShownAfterFrame = true;
#else
constexpr bool kPictureShownAfterFrame = false;
#endif

// In the browser the page enlarges the canvas by whole factors as it has
// room; the window keys (zoom, fullscreen) leave the canvas as it is.
#ifdef __EMSCRIPTEN__
constexpr bool kPageSizesPicture = true;
#else
constexpr bool kPageSizesPicture = false;
#endif

// In the browser the window's title is the page's, which already reads the
// game's own before the engine starts.
#ifdef __EMSCRIPTEN__
constexpr bool kPageCarriesTitle = true;
#else
constexpr bool kPageCarriesTitle = false;
#endif
