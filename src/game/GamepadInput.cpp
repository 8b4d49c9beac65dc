#include "game/GamepadInput.h"

void GamepadInput::SetDirection(Source source, GameAction direction, bool now, std::vector<Change>& changes)
{
    const int index = static_cast<int>(direction);
    const bool before = held[Hat][index] || held[Stick][index];
    held[source][index] = now;
    const bool after = held[Hat][index] || held[Stick][index];
    if (before != after)
        changes.push_back({direction, after});
}

std::vector<GamepadInput::Change> GamepadInput::Translate(const SDL_Event& event)
{
    std::vector<Change> changes;
    switch (event.type) {
    case SDL_JOYHATMOTION:
        if (event.jhat.hat != 0)
            break;
        SetDirection(Hat, GameAction::Left, (event.jhat.value & SDL_HAT_LEFT) != 0, changes);
        SetDirection(Hat, GameAction::Right, (event.jhat.value & SDL_HAT_RIGHT) != 0, changes);
        SetDirection(Hat, GameAction::Up, (event.jhat.value & SDL_HAT_UP) != 0, changes);
        SetDirection(Hat, GameAction::Down, (event.jhat.value & SDL_HAT_DOWN) != 0, changes);
        break;
    case SDL_JOYAXISMOTION:
        if (event.jaxis.axis == 0) {
            SetDirection(Stick, GameAction::Left, event.jaxis.value < -kDeadZone, changes);
            SetDirection(Stick, GameAction::Right, event.jaxis.value > kDeadZone, changes);
        } else if (event.jaxis.axis == 1) {
            SetDirection(Stick, GameAction::Up, event.jaxis.value < -kDeadZone, changes);
            SetDirection(Stick, GameAction::Down, event.jaxis.value > kDeadZone, changes);
        }
        break;
    case SDL_JOYBUTTONDOWN:
    case SDL_JOYBUTTONUP: {
        const bool down = event.type == SDL_JOYBUTTONDOWN;
        if (event.jbutton.button == kActButton)
            changes.push_back({GameAction::Act, down});
        else if (event.jbutton.button == kBackButton)
            changes.push_back({GameAction::Back, down});
        else if (event.jbutton.button == kStartButton)
            changes.push_back({GameAction::Menu, down});
        break;
    }
    default:
        break;
    }
    return changes;
}
