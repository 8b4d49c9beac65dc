#include <gtest/gtest.h>

#include <SDL/SDL.h>

#include <string>
#include <utility>

#include "platform/KeyNumbers.h"

// touches.txt names keys as the desktop's SDL does: the table the browser
// build uses too must give every key the desktop's name, and no other.
TEST(KeyNumbers, NamesAreTheDesktopSdlNames)
{
    ASSERT_EQ(kKeyNumberEnd, SDLK_LAST);
    const char* driver = std::getenv("SDL_VIDEODRIVER");
    const std::string saved = driver ? driver : "";
    setenv("SDL_VIDEODRIVER", "dummy", 1);
    ASSERT_EQ(SDL_InitSubSystem(SDL_INIT_VIDEO), 0) << SDL_GetError();
    int named = 0;
    for (int number = 0; number < kKeyNumberEnd; ++number) {
        const std::string sdlName = SDL_GetKeyName(static_cast<SDLKey>(number));
        const char* ours = KeyNumberName(number);
        if (sdlName == "unknown key") {
            EXPECT_EQ(ours, nullptr) << number;
        } else {
            ASSERT_NE(ours, nullptr) << number << " " << sdlName;
            EXPECT_EQ(sdlName, ours) << number;
            ++named;
        }
    }
    SDL_QuitSubSystem(SDL_INIT_VIDEO);
    if (driver)
        setenv("SDL_VIDEODRIVER", saved.c_str(), 1);
    else
        unsetenv("SDL_VIDEODRIVER");
    EXPECT_GT(named, 200);
    EXPECT_EQ(KeyNumberName(-1), nullptr);
    EXPECT_EQ(KeyNumberName(kKeyNumberEnd), nullptr);
}

// The browser's SDL: typed keys by their ASCII code, the others as 1024 +
// their scan code; recordings and touches.txt hold the desktop's numbers.
// The way back, and every number's name, are checked for all keys below and
// above.
TEST(KeyNumbers, BrowserSymbolsMapToDesktopNumbers)
{
    const std::pair<int, int> cases[] = {
        {'q', SDLK_q},          {13, SDLK_RETURN},         {27, SDLK_ESCAPE},        {8, SDLK_BACKSPACE},
        {32, SDLK_SPACE},       {127, SDLK_DELETE},        {1024 | 82, SDLK_UP},     {1024 | 81, SDLK_DOWN},
        {1024 | 80, SDLK_LEFT}, {1024 | 79, SDLK_RIGHT},   {1024 | 58, SDLK_F1},     {1024 | 62, SDLK_F5},
        {1024 | 68, SDLK_F11},  {1024 | 69, SDLK_F12},     {1024 | 225, SDLK_LSHIFT}, {1024 | 229, SDLK_RSHIFT},
        {1024 | 226, SDLK_LALT}, {1024 | 224, SDLK_LCTRL}, {1024 | 98, SDLK_KP0},    {1024 | 97, SDLK_KP9},
        {1024 | 74, SDLK_HOME}, {1024 | 78, SDLK_PAGEDOWN}, {145, SDLK_SCROLLOCK},
        // Punctuation the browser reports by its DOM key code.
        {186, SDLK_SEMICOLON},  {187, SDLK_EQUALS},        {189, SDLK_MINUS},
        // Symbols of neither kind have no number.
        {0, 0},                 {1024 | 300, 0},
    };
    for (auto [browserSym, number] : cases)
        EXPECT_EQ(KeyNumberFromBrowserSym(browserSym), number) << browserSym;
    EXPECT_EQ(BrowserSymFromKeyNumber(0), 0);
    EXPECT_EQ(BrowserSymFromKeyNumber(SDLK_POWER), 0);
}

// Every browser key with a number comes back as itself.
TEST(KeyNumbers, BrowserMappingRoundTrips)
{
    for (int sym = 1; sym < 2048; ++sym) {
        const int number = KeyNumberFromBrowserSym(sym);
        if (number == 0 || sym == 186 || sym == 187 || sym == 189)
            continue;
        EXPECT_EQ(BrowserSymFromKeyNumber(number), sym) << sym;
    }
}

// The browser gives a key that types nothing its own symbol as character;
// the desktop gives 0. Typed characters are kept.
TEST(KeyNumbers, BrowserKeysThatTypeNothingTypeZero)
{
    EXPECT_EQ(BrowserTypedCharacter(1024 | 82, 1024 | 82), 0);
    EXPECT_EQ(BrowserTypedCharacter(1024 | 69, 1024 | 69), 0);
    EXPECT_EQ(BrowserTypedCharacter('q', 'q'), 'q');
    EXPECT_EQ(BrowserTypedCharacter('q', 'Q'), 'Q');
    EXPECT_EQ(BrowserTypedCharacter(27, 27), 27);
    EXPECT_EQ(BrowserTypedCharacter(1024 | 98, '0'), '0');
    // The desktop build passes its keys through unchanged.
    EXPECT_EQ(KeyNumberFromSym(SDLK_UP), SDLK_UP);
    EXPECT_EQ(SymFromKeyNumber(SDLK_F12), SDLK_F12);
    EXPECT_EQ(TypedCharacter(SDLK_UP, 0), 0);
}
