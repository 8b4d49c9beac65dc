#include "game/KeyBindings.h"

#include <sstream>
#include <vector>

#include "game/TrimmedText.h"
#include "platform/DataFile.h"
#include "platform/KeyNumbers.h"

namespace {
const char* const kActionNames[] = {"left", "right", "up", "down", "act", "menu", "back", "erase"};

// Keys the game keeps for itself (quit, zoom, fullscreen, capture): bound
// to an action, they would do their own work and the action nothing.
const SDLKey kReservedKeys[] = {SDLK_ESCAPE, SDLK_F5, SDLK_F11, SDLK_F12};

// A line echoed in a report: control bytes shown as \xNN, so that a binary
// file cannot write raw bytes to the terminal or forge lines.
std::string Printable(const std::string& text)
{
    std::string out;
    for (unsigned char c : text) {
        if (c < 0x20 || c == 0x7F) {
            static const char kHex[] = "0123456789ABCDEF";
            out += "\\x";
            out += kHex[c >> 4];
            out += kHex[c & 0xF];
        } else {
            out += static_cast<char>(c);
        }
    }
    return out;
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

bool KeyBindings::Reserved(SDLKey key)
{
    for (SDLKey reserved : kReservedKeys)
        if (key == reserved)
            return true;
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
    if (ReadDataFileCapped(dataPath, bytes, kMaxFileBytes) == CappedRead::TooLarge)
        report << dataPath << ": larger than " << kMaxFileBytes / 1024 << " KB, ignored" << std::endl;
    if (bytes.empty())
        return;
    std::istringstream text(std::string(bytes.begin(), bytes.end()));
    std::string line;
    for (int number = 1; std::getline(text, line); ++number) {
        line = TrimmedText(line);
        if (line.empty() || line[0] == '#')
            continue;
        const std::size_t equals = line.find('=');
        GameAction action = GameAction::Count;
        SDLKey key = SDLK_UNKNOWN;
        if (equals == std::string::npos) {
            report << dataPath << " line " << number << ": expected \"action = key\"" << std::endl;
        } else if (!ActionNamed(TrimmedText(line.substr(0, equals)), action)) {
            report << dataPath << " line " << number << ": unknown action \""
                   << Printable(TrimmedText(line.substr(0, equals))) << "\"" << std::endl;
        } else if (!KeyNamed(TrimmedText(line.substr(equals + 1)), key)) {
            report << dataPath << " line " << number << ": unknown key \""
                   << Printable(TrimmedText(line.substr(equals + 1))) << "\"" << std::endl;
        } else if (Reserved(key)) {
            report << dataPath << " line " << number << ": the key \"" << TrimmedText(line.substr(equals + 1))
                   << "\" is the game's own" << std::endl;
        } else {
            keys[static_cast<int>(action)] = key;
        }
    }
}
