#include <iostream>

#include "game/CGame.h"
#include "game/LaunchOptions.h"
#include "platform/QuitSignal.h"

int main(int argc, char** argv)
{
    // The command line is settled, and the game folder entered, before any
    // window opens.
    LaunchOptions options;
    if (!options.Parse(argc, argv, std::cout, std::cerr) || !options.EnterGameFolder(std::cerr))
        return options.ExitStatus();
    CatchQuitSignals();
    CGame* game = new CGame;
    options.ApplyTo(*game);
    game->Run();
    const int status = game->ExitStatus();
    delete game;
    return status;
}
