#include <gtest/gtest.h>

#include "game/PlayedWorld.h"

// Every test starts from the played world's start script: the hero is
// created, the map loaded and faded in (UntilExploring).

TEST(GameWorld, FadesAndMapChangesBlockTheCommandsBehindThem)
{
    PlayedWorld world({{2, "FadeOut ; LoadMap \"n\" , 1 ; FadeIn ; SetHerosActif 9 ;"}});
    CGame& game = world.game();
    ASSERT_TRUE(world.RunWhenExploring(2));
    int fading = -1, loaded = -1, active = -1;
    for (int frame = 1; frame <= 120 && active < 0; ++frame) {
        world.run().RunFrames(1);
        if (fading < 0 && game.modes.TopType() == 3)
            fading = frame;
        if (loaded < 0 && game.map.Name() == "n")
            loaded = frame;
        if (game.activeHero == 9)
            active = frame;
    }
    // Each fade takes 25 frames to end and one more to leave its mode.
    ASSERT_GT(fading, 0);
    EXPECT_EQ(loaded, fading + 26);
    EXPECT_EQ(active, loaded + 26);
    EXPECT_EQ(game.modes.TopType(), 2);
}

TEST(GameWorld, MapHistoryKeepsTheLastTwoMapsAndPlaces)
{
    PlayedWorld world({{2, "LoadMap \"n\" , 1 ; SetHeros 1 , BAS , 3 , 4 , 0.5 , 0 ; LoadMap \"m\" , 1 ;"
                           " SetHeros 1 , GAUCHE , 7 , 8 , 0 , 0 ; LoadMap \"absent\" ;"}});
    CGame& game = world.game();
    ASSERT_TRUE(world.RunWhenExploring(2));
    world.run().RunFrames(3);
    const auto global = [&](const char* name) { return game.scriptEngine.GetGlobal(name); };
    EXPECT_EQ(global("CarteEnCours").stringValue + "|" + global("CartePre").stringValue + "|" +
                  global("CartePrePre").stringValue, "absent|m|n");
    EXPECT_EQ((std::vector<int>{global("PosXPre").intValue, global("PosYPre").intValue,
                                global("PosXPrePre").intValue, global("PosYPrePre").intValue}),
              (std::vector<int>{7, 8, 3, 4}));
    EXPECT_FLOAT_EQ(global("DecalXPrePre").floatValue, 0.5f);
    EXPECT_EQ(global("DecalXPre").kind, CScriptValue::kFloat);
    // A map that cannot be read: no map, no start script, exploring; the
    // hero walks and the frame draws without harm.
    EXPECT_EQ(game.map.Width(), 0);
    EXPECT_EQ(game.map.StartScript(), 0);
    EXPECT_EQ(game.modes.TopType(), 2);
    world.run().Press(SDLK_UP);
    world.run().RunFrames(3);
    EXPECT_EQ(world.hero().tileY, 8);
    EXPECT_EQ(world.hero().facing, 3);
}

TEST(GameWorld, MessagePagesNeedAConfirmationEachAndHoldTheCommandsBehind)
{
    PlayedWorld world({{2, "Lire \"Premi\xE8re page\" , \"Seconde page\" ; SetHerosActif 5 ;"}});
    CGame& game = world.game();
    ASSERT_TRUE(world.RunWhenExploring(2));
    for (int page = 0; page < 2; ++page) {
        ASSERT_GT(world.UntilActive(), 0) << page;
        EXPECT_EQ(game.modes.TopType(), 5);
        EXPECT_EQ(game.activeHero, 1) << "the command behind Lire waits";
        world.run().Hit(SDLK_q);
    }
    EXPECT_EQ(game.modes.TopState(), ModeClosing);
    world.run().RunFrames(15);
    EXPECT_EQ(game.modes.TopType(), 2);
    EXPECT_EQ(game.activeHero, 5);
}

TEST(GameWorld, DialogueShowsTheSpeakersNameAndPortrait)
{
    PlayedWorld world({{2, "Dire HEROS , 1 , \"Bonjour !\" ;"}, {3, "Dire HEROS , 8 , \"Personne\" ;"}});
    CGame& game = world.game();
    ASSERT_GT(world.UntilExploring(), 0);
    // A box without speaker skipped while it opens keeps its portrait
    // closed, so the next speaker's portrait grows with its box.
    world.Run(3);
    world.run().RunFrames(2);
    world.run().Hit(SDLK_q);
    EXPECT_EQ(game.dialogBox.portrait.state, WidgetState::Closed);
    world.run().Hit(SDLK_q);
    world.run().RunFrames(20);

    world.Run(2);
    world.run().RunFrames(3);
    EXPECT_NE(game.dialogBox.portrait.state, WidgetState::Open);
    ASSERT_GT(world.UntilActive(), 0);
    EXPECT_EQ(game.dialogBox.prefix, "Aline: ");
    EXPECT_TRUE(game.dialogBox.portrait.visible);
    EXPECT_EQ(world.run().Pixel(34, 386), PlayedWorld::kHero);
}

TEST(GameWorld, ChoicesStoreTheIndexOfTheChosenItem)
{
    const std::string longQuestion = "Par quel chemin veux-tu passer pour rejoindre la mer ?";
    PlayedWorld world({{2, "int a ; int b ; Choix \"" + longQuestion + "\" , HEROS , 1 , \"a\" , \"Nord\" , \"Sud\" ;"
                           " bloque Choix \"Lequel ?\" , PNJ , 7 , \"b\" , \"1\" , \"2\" , \"3\" , \"4\" , \"5\" , \"6\" ;"
                           " bloque Console a \"|\" b ;"}});
    CGame& game = world.game();
    ASSERT_TRUE(world.RunWhenExploring(2));
    ASSERT_GT(world.UntilActive(), 0);
    EXPECT_EQ(game.choiceBox.visibleRows, 2);
    EXPECT_NE(game.choiceBox.pages.front().find("mer ?"), std::string::npos) << "the whole question is shown";
    world.run().Hit(SDLK_DOWN);
    world.run().Hit(SDLK_q);

    ASSERT_GT(world.UntilActive(), 0);
    EXPECT_EQ(game.choiceBox.visibleRows, 4);
    EXPECT_EQ(game.choiceBox.prefix, "Bran: ");
    for (int i = 0; i < 4; ++i)
        world.run().Hit(SDLK_DOWN);
    world.run().Hit(SDLK_q);
    world.run().RunFrames(20);
    EXPECT_EQ(world.Printed(), "1|4");
}

TEST(GameWorld, InputsStoreTheTypedTextByType)
{
    PlayedWorld world({{2, "int n ; float f ; string s ;"
                           " Input \"Combien ?\" , HEROS , 1 , \"n\" , \"Entier\" ; bloque"
                           " Input \"Et en r\xE9" "el ?\" , HEROS , 1 , \"f\" , \"R\xE9" "el\" ; bloque"
                           " Input \"Ton nom ?\" , HEROS , 1 , \"s\" , \"Mots\" ; bloque"
                           " Console n \"|\" f \"|\" s ;"}});
    CGame& game = world.game();
    ASSERT_TRUE(world.RunWhenExploring(2));
    auto type = [&](const std::vector<std::pair<SDLKey, Uint16>>& keys) {
        ASSERT_GT(world.UntilActive(), 0);
        EXPECT_EQ(game.modes.TopType(), 8);
        for (auto [sym, unicode] : keys)
            world.run().Type(sym, unicode);
        world.run().RunFrames(1);
    };
    // Modifier keys type nothing; the keypad types its digits and minus;
    // a Backspace shorter than a frame types nothing but erases once.
    type({{SDLK_LSHIFT, 0}, {SDLK_KP_MINUS, '-'}, {SDLK_KP1, '1'}, {SDLK_2, '2'},
          {SDLK_CAPSLOCK, 0}, {SDLK_9, '9'}, {SDLK_9, '9'}, {SDLK_BACKSPACE, 8}});
    EXPECT_EQ(game.inputBox.GetInputText(), "-129");
    world.run().Hit(SDLK_BACKSPACE);
    world.run().Hit(SDLK_RETURN);
    type({{SDLK_3, '3'}, {SDLK_PERIOD, '.'}, {SDLK_5, '5'}});
    world.run().Hit(SDLK_RETURN);
    // A character that is not in the code page (here U+0100) types nothing.
    type({{SDLK_l, 'L'}, {SDLK_a, 0x100}, {SDLK_e, 'e'}, {SDLK_a, 'a'}});
    world.run().Hit(SDLK_RETURN);
    world.run().RunFrames(20);
    EXPECT_EQ(world.Printed(), "-12|3.5|Lea");
}

TEST(GameWorld, MapKeysActOnWhatIsInFrontStepOnTilesAndNeedAHero)
{
    PlayedWorld world({{2, "SetHerosActif 4 ;"}});
    ASSERT_GT(world.UntilExploring(), 0);
    world.Printed();
    // (Facing Bran, the action key talks to him: see the controls tests.)
    // Facing down: the point (176, 200) hits no character; tile (5, 6) acts.
    world.hero().facing = 1;
    world.run().Hit(SDLK_q);
    world.run().RunFrames(3);
    EXPECT_EQ(world.Printed(), "tile-1,5,6\n");

    // Stepping on (4, 5) starts its script on arrival, not while standing.
    world.run().Press(SDLK_LEFT);
    world.run().RunFrames(8);
    world.run().Release(SDLK_LEFT);
    world.run().RunFrames(10);
    EXPECT_EQ(world.hero().tileX, 4);
    EXPECT_EQ(world.Printed(), "step4,5\n");
    // (4, 4) is blocked: Up only turns the hero, which starts the script again.
    world.run().Hit(SDLK_UP);
    world.run().RunFrames(3);
    EXPECT_EQ(world.hero().facing, 3);
    EXPECT_EQ(world.Printed(), "step4,5\n");

    // Without an active hero the map keys do nothing and the game goes on.
    world.Run(2);
    world.run().RunFrames(2);
    testing::internal::CaptureStdout();
    world.run().Press(SDLK_LEFT);
    world.run().Hit(SDLK_q);
    world.run().RunFrames(2);
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "NULL returned: 4\nNULL returned: 4\nNULL returned: 4\n");
    EXPECT_EQ(world.hero().tileX, 4);
}
