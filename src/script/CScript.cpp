#include "script/CScript.h"

#include "script/ScriptLexer.h"

const ScriptToken CScript::kEndToken{"", TokEnd, 0};

void CScript::Reset()
{
    id = 0;
    programCounter = 0;
    overranFrame = false;
    waitedForCommands = false;
    source.clear();
    tokens.clear();
    intVariables.entries.clear();
    floatVariables.entries.clear();
    stringVariables.entries.clear();
    memo.reset();
    names.Clear();
    resolved.Clear();
}

void CScript::Tokenize(const std::string& text, std::uint16_t scriptId)
{
    Reset();
    id = scriptId;
    source = text;
    ScriptLexer lexer(source);
    while (!lexer.AtEnd())
        tokens.push_back(lexer.Next());
    // An empty script leaves nothing to remember: every one shares one memo.
    static const std::shared_ptr<ScriptMemo> emptyMemo = std::make_shared<ScriptMemo>(std::vector<ScriptToken>{});
    memo = tokens.empty() ? emptyMemo : std::make_shared<ScriptMemo>(tokens);
}

ScriptTokenRef CScript::TokenAt(std::int32_t index) const
{
    ScriptTokenRef ref = StoredAt(index);
    ref.position = -1;  // read by name, not through the remembered answers
    return Retype(ref);
}

ScriptTokenRef CScript::Retype(ScriptTokenRef ref) const
{
    if (ref.type != TokWord)
        return ref;
    // A name present in several lists reads as string, then float, then int.
    const std::string& name = ref.token->text;
    if ((ref.variableIndex = stringVariables.Find(name)) >= 0)
        ref.type = TokStringVar;
    else if ((ref.variableIndex = floatVariables.Find(name)) >= 0)
        ref.type = TokFloatVar;
    else if ((ref.variableIndex = intVariables.Find(name)) >= 0)
        ref.type = TokIntVar;
    return ref;
}

const ScriptNameCache::Entry& CScript::ResolveWord(std::int32_t position) const
{
    ScriptNameCache::Entry& entry = names.Checked(static_cast<std::size_t>(position));
    ScriptTokenRef ref;
    ref.token = &tokens[position];
    ref.type = TokWord;
    const ScriptTokenRef found = Retype(ref);
    entry.epoch = names.Epoch();
    entry.type = found.type;
    entry.variableIndex = found.variableIndex;
    return entry;
}

ScriptTokenRef CScript::ReadToken()
{
    ScriptTokenRef ref = TokenAt(programCounter);
    if (!ref.IsEnd())
        ++programCounter;
    return ref;
}

ScriptToken CScript::ToCopy(const ScriptTokenRef& ref)
{
    ScriptToken copy = *ref.token;
    copy.type = ref.type;
    return copy;
}

ScriptToken CScript::NextToken()
{
    return ToCopy(ReadToken());
}

ScriptToken CScript::PrevToken()
{
    if (programCounter < 0)
        return kEndToken;
    ScriptTokenRef ref = TokenAt(programCounter);
    --programCounter;
    return ToCopy(ref);
}
