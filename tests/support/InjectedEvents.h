#pragma once

#include <SDL/SDL.h>

// Puts events into SDL's queue as if the window had received them; the
// engine's next PollEvents sees them in order.
namespace InjectedEvents {
void KeyDown(SDLKey sym);
// A key-down that types `key.unicode`.
void KeyDown(const SDL_keysym& key);
void KeyUp(SDLKey sym);
void MouseMotion(int x, int y);
void MouseButton(int x, int y);
void Quit();

// Empties SDL's queue and marks every key released, so that one test's
// events never reach the next.
void Reset();
}
