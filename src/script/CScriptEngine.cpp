#include "script/CScriptEngine.h"

#include <bitset>
#include <cstdlib>
#include <iostream>

#include "platform/Clock.h"
#include "platform/DataFile.h"
#include "script/ScriptContainer.h"

CScriptEngine::CScriptEngine()
    : output(&std::cout), randomSource([] { return std::rand(); }), clockSource(MillisecondsSinceStart)
{
    // Directions in which characters face, and the two kinds of character.
    SetGlobal("GAUCHE", CScriptValue(0));
    SetGlobal("BAS", CScriptValue(1));
    SetGlobal("DROITE", CScriptValue(2));
    SetGlobal("HAUT", CScriptValue(3));
    SetGlobal("HEROS", CScriptValue(1));
    SetGlobal("PNJ", CScriptValue(2));
}

bool CScriptEngine::LoadScriptFile(const std::string& path)
{
    std::vector<std::uint8_t> bytes;
    if (!ReadDataFile(path, bytes, kMaxContainerBytes))
        return false;
    // A record no RunScript can ever reach costs nothing: id 0 starts
    // nothing, and a record whose id an earlier record of the file has is
    // hidden behind it. Otherwise three zero bytes, or four bytes repeating
    // an id, would each cost a whole compiled script.
    std::bitset<65536> idsOfFile;
    ScriptContainer::ForEach(bytes, [this, &idsOfFile](const ScriptContainer::Record& record) {
        if (record.id == 0 || idsOfFile.test(record.id))
            return;
        idsOfFile.set(record.id);
        AddScript(record.id, record.text);
    });
    return true;
}

void CScriptEngine::AddScript(std::uint16_t id, const std::string& text)
{
    loadedScripts.emplace_back();
    loadedScripts.back().Tokenize(text, id);
}

void CScriptEngine::RunScript(std::uint16_t id, std::int32_t tileX, std::int32_t tileY, std::int32_t ownerId)
{
    if (id == 0)
        return;
    for (const CScript& script : loadedScripts) {
        if (script.id != id)
            continue;
        runQueue.push_back(script);
        // The presets go to the new run at the back, never to the one running.
        CScript& run = runQueue.back();
        run.programCounter = 0;
        run.intVariables.Set("IDMOI", ownerId);
        if (tileX != -1 && tileY != -1) {
            run.intVariables.Set("TILEX", tileX);
            run.intVariables.Set("TILEY", tileY);
        }
        return;
    }
}

void CScriptEngine::RestoreState(std::vector<std::pair<std::string, CScriptValue>> savedGlobals,
                                 std::deque<CScript> runs, std::queue<ScriptCommand> commands, bool isRunning)
{
    // Whatever the words of a run found among the old globals is forgotten:
    // `additions` moves on by more than any cache remembered.
    const std::uint32_t additions = globals.additions + static_cast<std::uint32_t>(savedGlobals.size()) + 1;
    globals.entries = std::move(savedGlobals);
    globals.additions = additions;
    runQueue = std::move(runs);
    commandQueue = std::move(commands);
    running = isRunning;
}

const CScript* CScriptEngine::FindLoadedScript(std::uint16_t id) const
{
    for (const CScript& script : loadedScripts)
        if (script.id == id)
            return &script;
    return nullptr;
}

std::int32_t CScriptEngine::GetInt(const std::string& name) const
{
    return runQueue.empty() ? 0 : runQueue.front().intVariables.Get(name);
}

float CScriptEngine::GetFloat(const std::string& name) const
{
    return runQueue.empty() ? 0.0f : runQueue.front().floatVariables.Get(name);
}

std::string CScriptEngine::GetString(const std::string& name) const
{
    return runQueue.empty() ? std::string() : runQueue.front().stringVariables.Get(name);
}

void CScriptEngine::SetInt(const std::string& name, std::int32_t value)
{
    if (!runQueue.empty())
        runQueue.front().intVariables.Set(name, value);
}

void CScriptEngine::SetFloat(const std::string& name, float value)
{
    if (!runQueue.empty())
        runQueue.front().floatVariables.Set(name, value);
}

void CScriptEngine::SetString(const std::string& name, const std::string& value)
{
    if (!runQueue.empty())
        runQueue.front().stringVariables.Set(name, value);
}

CScriptValue CScriptEngine::GetGlobal(const std::string& name) const
{
    const int index = globals.Find(name);
    return index < 0 ? CScriptValue(0) : globals.entries[index].second;
}

void CScriptEngine::SetGlobal(const std::string& name, const CScriptValue& value)
{
    globals.Set(name, value);
}
