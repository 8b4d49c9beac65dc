#include "game/CGame.h"

int main(int, char**)
{
    Tessel_Engine* game = new CGame;
    game->Run();
    const int status = game->ExitStatus();
    delete game;
    return status;
}
