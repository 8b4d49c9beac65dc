// Reading the script containers again while the game runs, for authors who
// change a script and want to see it without starting over.

#include "script/CScriptEngine.h"

namespace {

const CScript* FirstWithId(const std::vector<CScript>& scripts, std::uint16_t id)
{
    for (const CScript& script : scripts)
        if (script.id == id)
            return &script;
    return nullptr;
}

} // namespace

std::vector<std::uint16_t> CScriptEngine::ReloadScripts(const std::vector<std::string>& paths,
                                                        std::vector<std::string>& unreadable)
{
    loadedScripts.clear();
    for (const std::string& path : paths)
        if (!LoadScriptFile(path))
            unreadable.push_back(path);

    std::vector<std::uint16_t> dropped;
    for (auto run = runQueue.begin(); run != runQueue.end();) {
        const CScript* now = FirstWithId(loadedScripts, run->id);
        if (now && now->source == run->source) {
            ++run;
            continue;
        }
        // A run that has started cannot be carried over: its position and
        // locals belong to the old text.
        if (!now || run->programCounter > 0) {
            dropped.push_back(run->id);
            run = runQueue.erase(run);
            continue;
        }
        CScript fresh = *now;
        fresh.programCounter = 0;
        for (const char* preset : {"IDMOI", "TILEX", "TILEY"})
            if (run->intVariables.Find(preset) >= 0)
                fresh.intVariables.Set(preset, run->intVariables.Get(preset));
        *run = std::move(fresh);
        ++run;
    }
    return dropped;
}
