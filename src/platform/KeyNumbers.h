#pragma once

// The engine numbers keys as SDL 1.2 does on the desktop: recorded sessions
// and touches.txt hold these numbers and names on every build. The browser
// build's SDL emulation numbers keys otherwise (letters and other typed keys
// by their ASCII code as well, but arrows, function keys, modifiers and the
// keypad as 1024 + their scan code); the functions below are the one place
// where the two meet.

// One past the highest key number (SDL 1.2's SDLK_LAST).
constexpr int kKeyNumberEnd = 323;

// The key number of a key symbol of this build's SDL, and back (0 when this
// build has no such key). Both are the identity on the desktop.
int KeyNumberFromSym(int sym);
int SymFromKeyNumber(int number);

// The character a key-down typed, as the desktop reports it: the browser
// build reports a key that types nothing with its own symbol instead of 0.
int TypedCharacter(int sym, int unicode);

// The name touches.txt gives the key ("up", "left shift", "f5", "q"), or
// null for a number no key has.
const char* KeyNumberName(int number);

// The browser build's mapping, built on every build so that it is tested.
int KeyNumberFromBrowserSym(int browserSym);
int BrowserSymFromKeyNumber(int number);
int BrowserTypedCharacter(int browserSym, int unicode);

// The browser build's SDL writes its key table itself as it hands out each
// event, which would undo a tap pressed and released within one batch: the
// engine keeps a table of its own there, of this many entries (indexed by
// the build's key symbols). Elsewhere the engine uses SDL's table.
#ifdef __EMSCRIPTEN__
#define TESSEL_PRIVATE_KEY_TABLE 1
constexpr int kPrivateKeyTableSize = 0x10000;
#else
#define TESSEL_PRIVATE_KEY_TABLE 0
#endif
