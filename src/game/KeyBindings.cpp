#include "game/KeyBindings.h"

#include <sstream>
#include <vector>

#include "platform/DataFile.h"
#include "platform/KeyNumbers.h"

namespace {
const char* const kActionNames[] = {"left", "right", "up", "down", "act", "menu", "back", "erase"};

std::string Trimmed(const std::string& text)
{
    const std::size_t first = text.find_first_not_of(" \t\r");
    if (first == std::string::npos)
        return "";
    const std::size_t last = text.find_last_not_of(" \t\r");
    return text.substr(first, last - first + 1);
}
}  // namespace

KeyBindings::KeyBindings()
    : keys{SDLK_LEFT, SDLK_RIGHT, SDLK_UP, SDLK_DOWN, SDLK_q, SDLK_RETURN, SDLK_w, SDLK_BACKSPACE}
{
}

bool KeyBindings::KeyNamed(const std::string& name, SDLKey& key)
{
    // The names are the desktop's on every build, so that one touches.txt
    // serves the game wherever it runs.
    for (int number = 1; number < kKeyNumberEnd; ++number) {
        const char* known = KeyNumberName(number);
        const int sym = SymFromKeyNumber(number);
        if (known && name == known && sym != 0) {
            key = static_cast<SDLKey>(sym);
            return true;
        }
    }
    return false;
}

bool KeyBindings::ActionNamed(const std::string& name, GameAction& action)
{
    for (int i = 0; i < static_cast<int>(GameAction::Count); ++i) {
        if (name == kActionNames[i]) {
            action = static_cast<GameAction>(i);
            return true;
        }
    }
    return false;
}

void KeyBindings::Load(const std::string& dataPath, std::ostream& report)
{
    std::vector<std::uint8_t> bytes;
    if (!ReadDataFile(dataPath, bytes, 1 << 16))
        return;
    std::istringstream text(std::string(bytes.begin(), bytes.end()));
    std::string line;
    for (int number = 1; std::getline(text, line); ++number) {
        line = Trimmed(line);
        if (line.empty() || line[0] == '#')
            continue;
        const std::size_t equals = line.find('=');
        GameAction action = GameAction::Count;
        SDLKey key = SDLK_UNKNOWN;
        if (equals == std::string::npos) {
            report << dataPath << " line " << number << ": expected \"action = key\"" << std::endl;
        } else if (!ActionNamed(Trimmed(line.substr(0, equals)), action)) {
            report << dataPath << " line " << number << ": unknown action \""
                   << Trimmed(line.substr(0, equals)) << "\"" << std::endl;
        } else if (!KeyNamed(Trimmed(line.substr(equals + 1)), key)) {
            report << dataPath << " line " << number << ": unknown key \""
                   << Trimmed(line.substr(equals + 1)) << "\"" << std::endl;
        } else {
            keys[static_cast<int>(action)] = key;
        }
    }
}
