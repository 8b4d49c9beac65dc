#include "game/CGame.h"

int main(int, char**)
{
    Tessel_Engine* game = new CGame;
    game->Run();
    delete game;
    return 0;
}
