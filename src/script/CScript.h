#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "script/ResolvedStatements.h"
#include "script/ScriptMemo.h"
#include "script/ScriptNameCache.h"
#include "script/ScriptToken.h"
#include "script/ScriptTokenRef.h"
#include "script/ScriptVariableList.h"

// One compiled script, and also one run of it: the interpreter works on a
// copy with its own program counter and local variables. Copying a CScript
// copies its tokens and variables.
class CScript {
public:
    // Resets the script, then compiles `text` under `scriptId`.
    void Tokenize(const std::string& text, std::uint16_t scriptId);
    void Reset();

    // The token at the program counter, re-typed against the variables the
    // script has now; the counter then advances. At the end of the list:
    // {"", TokEnd, 0} and the counter stays.
    ScriptToken NextToken();
    // The token at the program counter (re-typed), then the counter goes
    // back by one. {"", TokEnd, 0} when there is no token there; a negative
    // counter stays where it is.
    ScriptToken PrevToken();
    void Rewind() { programCounter = 0; }

    // NextToken without the copy, for the interpreter.
    ScriptTokenRef ReadToken();
    // What NextToken would make of the stored token at `index`.
    ScriptTokenRef TokenAt(std::int32_t index) const;
    // The same answer as TokenAt, remembered per token until a variable is
    // created; the reference also carries the token's position.
    ScriptTokenRef TokenAtRemembered(std::int32_t index) const;
    // The first int variable named by the text of the token at `position`
    // (-1: none), remembered until a variable is created.
    int IntVariableIndexAt(std::int32_t position) const
    {
        ScriptNameCache::Entry& entry = names.At(static_cast<std::size_t>(position), tokens.size(), Additions());
        if (entry.epoch != names.Epoch()) {
            entry.epoch = names.Epoch();
            entry.type = TokIntVar;
            entry.variableIndex = intVariables.Find(tokens[position].text);
        }
        return entry.variableIndex;
    }
    // Brings what the words resolved to up to date with the variables. The
    // interpreter calls it before each statement; within a statement no
    // word is read after a variable is created.
    void RefreshNames() const { names.Refresh(tokens.size(), Additions()); }
    // Changes, after RefreshNames, whenever a variable has been created.
    std::uint32_t NamesEpoch() const { return names.Epoch(); }
    // What the word at `position` resolves to, after RefreshNames and with
    // no variable created since.
    const ScriptNameCache::Entry& WordAt(std::int32_t position) const
    {
        const ScriptNameCache::Entry& entry = names.Checked(static_cast<std::size_t>(position));
        return entry.epoch == names.Epoch() ? entry : ResolveWord(position);
    }
    // ReadToken through TokenAtRemembered.
    ScriptTokenRef ReadTokenRemembered();
    // The index of the global named by the word at `position`, as
    // `findGlobal(name)` gives it, remembered while no global is added
    // (`globalsAdded` counts them).
    template <typename FindGlobal>
    int GlobalIndexAt(std::int32_t position, std::uint32_t globalsAdded, FindGlobal findGlobal) const;
    bool HasTokenAt(std::int32_t index) const
    {
        return index >= 0 && static_cast<std::size_t>(index) < tokens.size();
    }

    std::uint16_t id = 0;
    std::int32_t programCounter = 0;
    // This run has been suspended at the interpreter's statement limit
    // (and said so) at least once.
    bool overranFrame = false;
    // Likewise at the limit of commands waiting to be carried out.
    bool waitedForCommands = false;
    std::string source;
    std::vector<ScriptToken> tokens;
    ScriptVariableList<std::int32_t> intVariables;
    ScriptVariableList<float> floatVariables;
    ScriptVariableList<std::string> stringVariables;
    // What the token list decides, shared by every copy of the compiled
    // script; null until Tokenize. The tokens must not change after it.
    std::shared_ptr<ScriptMemo> memo;
    // The statements of this run decoded against its variables, for the
    // interpreter's fast path.
    ResolvedStatements resolved;

private:
    static ScriptToken ToCopy(const ScriptTokenRef& ref);
    // The stored token at `index` as it was compiled, with its position;
    // the end token past the list.
    ScriptTokenRef StoredAt(std::int32_t index) const;
    ScriptTokenRef Retype(ScriptTokenRef ref) const;
    // Looks the word at `position` up and remembers the answer.
    const ScriptNameCache::Entry& ResolveWord(std::int32_t position) const;

    static const ScriptToken kEndToken;
    std::uint32_t Additions() const
    {
        return intVariables.additions + floatVariables.additions + stringVariables.additions;
    }
    // What this run's words resolved to; copied with the run.
    mutable ScriptNameCache names;
};

inline ScriptTokenRef CScript::StoredAt(std::int32_t index) const
{
    ScriptTokenRef ref;
    if (!HasTokenAt(index)) {
        ref.token = &kEndToken;
        return ref;
    }
    ref.token = &tokens[index];
    ref.type = ref.token->type;
    ref.position = index;
    return ref;
}

inline ScriptTokenRef CScript::TokenAtRemembered(std::int32_t index) const
{
    ScriptTokenRef ref = StoredAt(index);
    if (ref.type != TokWord)
        return ref;
    names.Refresh(tokens.size(), Additions());
    const ScriptNameCache::Entry& entry = WordAt(index);
    ref.type = entry.type;
    ref.variableIndex = entry.variableIndex;
    return ref;
}

inline ScriptTokenRef CScript::ReadTokenRemembered()
{
    ScriptTokenRef ref = TokenAtRemembered(programCounter);
    if (!ref.IsEnd())
        ++programCounter;
    return ref;
}

template <typename FindGlobal>
int CScript::GlobalIndexAt(std::int32_t position, std::uint32_t globalsAdded, FindGlobal findGlobal) const
{
    ScriptNameCache::Entry& entry = names.At(static_cast<std::size_t>(position), tokens.size(), Additions());
    const std::uint32_t stamp = globalsAdded + 1;
    if (entry.globalsSize != stamp) {
        entry.globalIndex = findGlobal(tokens[position].text);
        entry.globalsSize = stamp;
    }
    return entry.globalIndex;
}
