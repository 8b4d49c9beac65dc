#include "game/CGame.h"
#include "platform/QuitSignal.h"

int main(int, char**)
{
    CatchQuitSignals();
    Tessel_Engine* game = new CGame;
    game->Run();
    const int status = game->ExitStatus();
    delete game;
    return status;
}
