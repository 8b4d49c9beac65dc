#include "support/InjectedEvents.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {
void Push(SDL_Event& event)
{
    EXPECT_EQ(SDL_PushEvent(&event), 0) << SDL_GetError();
}
}

namespace InjectedEvents {

void KeyDown(SDLKey sym)
{
    KeyDown(SDL_keysym{0, sym, KMOD_NONE, Uint16(sym < 128 ? sym : 0)});
}

void KeyDown(const SDL_keysym& key)
{
    SDL_Event event{};
    event.type = SDL_KEYDOWN;
    event.key.state = SDL_PRESSED;
    event.key.keysym = key;
    Push(event);
}

void KeyUp(SDLKey sym)
{
    SDL_Event event{};
    event.type = SDL_KEYUP;
    event.key.state = SDL_RELEASED;
    event.key.keysym.sym = sym;
    Push(event);
}

void MouseMotion(int x, int y)
{
    SDL_Event event{};
    event.type = SDL_MOUSEMOTION;
    event.motion.x = static_cast<Uint16>(x);
    event.motion.y = static_cast<Uint16>(y);
    event.motion.xrel = 1;
    event.motion.yrel = 1;
    Push(event);
}

void MouseButton(int x, int y)
{
    SDL_Event event{};
    event.type = SDL_MOUSEBUTTONDOWN;
    event.button.button = SDL_BUTTON_LEFT;
    event.button.state = SDL_PRESSED;
    event.button.x = static_cast<Uint16>(x);
    event.button.y = static_cast<Uint16>(y);
    Push(event);
}

void Quit()
{
    SDL_Event event{};
    event.type = SDL_QUIT;
    Push(event);
}

void Reset()
{
    SDL_Event event;
    while (SDL_PollEvent(&event)) {
    }
    int count = 0;
    Uint8* keys = SDL_GetKeyState(&count);
    if (keys)
        std::memset(keys, 0, static_cast<size_t>(count));
}

}  // namespace InjectedEvents
