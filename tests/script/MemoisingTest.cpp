#include <gtest/gtest.h>

#include <string>

#include "ScriptDifferential.h"
#include "ScriptGenerator.h"
#include "ScriptHarness.h"

TEST(Memoising, WordsFollowDeclarationsMadeInsideLoops)
{
    ExpectOutputs({
        // A missing local reads as the global until it is declared; once it
        // exists, `int x` names a new variable after x's value instead.
        {"int i = 0 ; while i < 3 do Console x \" \" ; int x = i ; i = i + 1 ; endwhile", "0 0 0 "},
        {"int i = 0 ; while i < 3 do Console x \" \" ; int \"x\" = i ; i = i + 1 ; endwhile", "0 0 1 "},
        {"int i = 0 ; while i < 2 do Console HAUT \" \" ; int HAUT = 9 ; i = i + 1 ; endwhile", "3 9 "},
        // A float of the same name wins over the int from then on.
        {"int v = 1 ; int i = 0 ; while i < 2 do Console v \" \" ; float \"v\" = 2.5 ; i = i + 1 ; endwhile",
         "1 2.5 "},
        {"int i = 0 ; while i < 2 do Console v \" \" ; string v = \"t\" ; int v = 4 ; i = i + 1 ; endwhile", "0 t "},
        // The loop variable that `for` creates, and a global added mid-loop.
        {"for \"k\" to 2 do Console k ; next Console k ;", "123"},
        {"int s = 0 ; int i = 0 ; while i < 2 do s = s + k ; for \"k\" to 1 do next i = i + 1 ; endwhile Console s ;",
         "2"},
        {"int i = 0 ; while i < 2 do Console G \" \" ; SetGlobalNum \"G\" , 4 ; i = i + 1 ; endwhile", "0 4 "},
        {"int i = 0 ; while i < 2 do Console G \" \" ; SetGlobalString \"G\" , \"g\" ; i = i + 1 ; endwhile",
         "0 g "},
        // Commands that store into new locals.
        {"int i = 0 ; while i < 2 do Console n \" \" ; NumToStr i + 0.5 , \"n\" ; i = i + 1 ; endwhile", "0 0.5 "},
        // A remembered expression whose terminator depends on the statement.
        {"int i = 0 ; while i < 2 do i = i + 1 ; Dire i , 2 ; endwhile Console i ;", "2@Dire\t1\t2\n@Dire\t2\t2\n"},
    });
}

TEST(Memoising, RunsOfOneScriptShareItsMemoAndKeepTheirOwnVariables)
{
    for (bool memoising : {true, false}) {
        ScriptHarness harness(memoising);
        harness.Add(1, "int i = IDMOI ; while i < 3 do i = i + 1 ; Console i ; endwhile Console \"|\" ;");
        harness.Start(1, -1, -1, 0);
        harness.Start(1, -1, -1, 2);
        harness.RunToEnd();
        EXPECT_EQ(harness.TakeOutput(), "123|3|") << "memoising " << memoising;
    }
}

TEST(Memoising, LocalsCreatedByTheHostDuringBloqueAreSeen)
{
    for (bool memoising : {true, false}) {
        ScriptHarness harness(memoising);
        harness.Add(1, "int i = 0 ; while i < 2 do Console y \" \" HAUT \" \" ; bloque i = i + 1 ; endwhile");
        harness.Start(1);
        harness.engine.Resume();
        harness.engine.Execute();
        harness.engine.SetInt("y", 5);
        harness.engine.SetFloat("HAUT", 1.5f);
        harness.RunToEnd();
        EXPECT_EQ(harness.TakeOutput(), "0 3 5 1.5 ") << "memoising " << memoising;
    }
}

// The differential test: random well-formed and damaged scripts must give
// the same transcript with memoising on and off.
TEST(Memoising, RandomScriptsBehaveTheSameWithAndWithoutIt)
{
    const std::uint32_t kPrograms = 300;
    int failures = 0;
    int withCommands = 0;
    int withListings = 0;
    for (std::uint32_t seed = 1; seed <= kPrograms && failures < 3; ++seed) {
        const std::string script = ScriptGenerator(seed).Generate();
        const std::string remembered = RunTranscript(script, true);
        const std::string reworked = RunTranscript(script, false);
        if (remembered != reworked) {
            ++failures;
            ADD_FAILURE() << "seed " << seed << ", script:\n" << script;
            EXPECT_EQ(remembered, reworked);
        }
        withCommands += remembered.find("\n@") != std::string::npos;
        withListings += remembered.find("Entiers") != std::string::npos;
    }
    // The generator must reach the interpreter's parts, not only fail early.
    EXPECT_GT(withCommands, 30);
    EXPECT_GT(withListings, 100);
}
