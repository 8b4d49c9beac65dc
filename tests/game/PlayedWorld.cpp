#include "game/PlayedWorld.h"

#include <gtest/gtest.h>

const Rgba PlayedWorld::kGrass{40, 160, 60, 255};
const Rgba PlayedWorld::kHero{200, 40, 40, 255};

PlayedWorld::PlayedWorld(const std::vector<WorldFolder::Script>& extraScripts)
{
    std::vector<WorldFolder::Script> scripts = {
        {1, "CreateHeros 1 , \"Aline\" , 10 ; SetHerosActif 1 ; SetHeros 1 , DROITE , 5 , 5 , 0 , 0 ;"
            " LoadMap \"m\" ; FadeIn ;"},
        {20, "Console \"npc\" IDMOI \",\" TILEX \",\" TILEY \"\\n\" ;"},
        {30, "Console \"step\" TILEX \",\" TILEY \"\\n\" ;"},
        {40, "Console \"tile\" IDMOI \",\" TILEX \",\" TILEY \"\\n\" ;"},
    };
    scripts.insert(scripts.end(), extraScripts.begin(), extraScripts.end());
    folder.World(scripts, 1, {{10, "hero.tga"}});
    folder.SolidPicture("hero.tga", kHero.r, kHero.g, kHero.b);
    folder.SolidPicture("grass.tga", kGrass.r, kGrass.g, kGrass.b);

    MapFileBuilder m(20, 15, 1);
    m.Texture(3, "grass.tga");
    for (int y = 0; y < 15; ++y)
        for (int x = 0; x < 20; ++x)
            m.Tile(0, x, y, 3, 0);
    m.AddNpc({7, 0, 6, 5, 20, 0, "Bran"});
    m.Event(4, 5, 0, 30).Event(5, 6, 40, 0).Block(4, 4);
    folder.Map("m", m);
    folder.Map("n", MapFileBuilder(10, 10, 1));

    StartAgain();
}

void PlayedWorld::StartAgain()
{
    harness.reset();
    auto made = std::make_unique<CGame>();
    if (beforeStart)
        beforeStart(*made);
    harness = std::make_unique<GameHarness>(folder.Path(), std::move(made));
    harness->Start();
    game().scriptEngine.SetOutput(console);
}

void PlayedWorld::StartAgainForDeveloperKeys()
{
    beforeStart = [](CGame& game) {
        game.developer.enabled = true;
        game.developer.watchPeriodMs = 3600 * 1000;
    };
    StartAgain();
}

int PlayedWorld::UntilActive(int limit)
{
    return harness->RunUntil([&] { return game().modes.TopState() == ModeActive; }, limit);
}

int PlayedWorld::UntilExploring(int limit)
{
    return harness->RunUntil(
        [&] { return game().modes.Size() == 1 && game().modes.TopType() == 2 && !game().fade.active; }, limit);
}

std::string PlayedWorld::Printed()
{
    std::string text = console.str();
    console.str("");
    return text;
}
