#include "lib/ScriptVocabulary.h"

#include <set>

namespace {

using Kind = CommandShape::Kind;

bool In(const std::set<std::string>& words, const std::string& word)
{
    return words.count(word) != 0;
}

// Every command the game knows, with the arguments it reads. The game reads
// a missing argument as 0 or an empty text and passes over extra ones.
const std::vector<CommandShape>& Commands()
{
    static const std::vector<CommandShape> commands = {
        // Carried out by the interpreter at once.
        {"Console", true, {{"text", Kind::Any}}, 1, false},
        {"SetGlobalString", true, {{"global name", Kind::Global}, {"text", Kind::Any}}, 2, false},
        {"SetGlobalNum", true, {{"global name", Kind::Global}, {"number", Kind::Number}}, 2, false},
        {"NumToStr", true, {{"number", Kind::Number}, {"variable name", Kind::Local}}, 2, false},
        {"Clock", true, {{"variable name", Kind::Local}}, 1, false},
        {"Hasard", true, {{"low", Kind::Number}, {"high", Kind::Number}, {"variable name", Kind::Local}}, 3, false},
        {"ListeVariables", true, {}, 0, false},
        // Queued for the game.
        {"Lire", false, {{"text", Kind::Text}}, 1, true},
        {"Dire", false, {{"kind", Kind::Number}, {"id", Kind::Number}, {"text", Kind::Text}}, 3, true},
        {"Choix", false,
         {{"question", Kind::Text}, {"kind", Kind::Number}, {"id", Kind::Number}, {"variable name", Kind::Local},
          {"item", Kind::Text}},
         5, true},
        {"Input", false,
         {{"prompt", Kind::Text}, {"kind", Kind::Number}, {"id", Kind::Number}, {"variable name", Kind::Local},
          {"type", Kind::InputType}},
         5, false},
        {"GetDirHeros", false, {{"hero id", Kind::Number}, {"variable name", Kind::Local}}, 2, false},
        {"GetDirPNJ", false, {{"character id", Kind::Number}, {"variable name", Kind::Local}}, 2, false},
        {"SetDirHeros", false, {{"hero id", Kind::Number}, {"direction", Kind::Number}}, 2, false},
        {"SetDirPNJ", false, {{"character id", Kind::Number}, {"direction", Kind::Number}}, 2, false},
        {"SetHeros", false,
         {{"hero id", Kind::Number}, {"direction", Kind::Number}, {"tile x", Kind::Number}, {"tile y", Kind::Number},
          {"offset x", Kind::Number}, {"offset y", Kind::Number}},
         6, false},
        {"SetHerosActif", false, {{"hero id", Kind::Number}}, 1, false},
        {"SetFont", false, {{"texture", Kind::Number}}, 1, false},
        {"CreateHeros", false, {{"id", Kind::Number}, {"name", Kind::Text}, {"texture", Kind::Number}}, 3, false},
        {"LoadMap", false, {{"map name", Kind::Text}, {"no start script", Kind::Any}}, 1, false},
        {"FadeOut", false, {{"speed", Kind::Number}}, 0, false},
        {"FadeIn", false, {{"speed", Kind::Number}}, 0, false},
        {"Deplace", false, {{"x", Kind::Number}, {"y", Kind::Number}}, 2, false},
    };
    return commands;
}

int IndexOfKind(const std::string& command, Kind kind)
{
    const CommandShape* shape = ScriptVocabulary::Shape(command);
    if (shape == nullptr)
        return -1;
    for (std::size_t i = 0; i < shape->arguments.size(); ++i)
        if (shape->arguments[i].kind == kind)
            return static_cast<int>(i);
    return -1;
}

} // namespace

const CommandShape* ScriptVocabulary::Shape(const std::string& command)
{
    for (const CommandShape& shape : Commands())
        if (command == shape.name)
            return &shape;
    return nullptr;
}

bool ScriptVocabulary::IsBuiltIn(const std::string& word)
{
    const CommandShape* shape = Shape(word);
    return shape != nullptr && shape->builtIn;
}

bool ScriptVocabulary::IsWorldCommand(const std::string& word)
{
    const CommandShape* shape = Shape(word);
    return shape != nullptr && !shape->builtIn;
}

bool ScriptVocabulary::IsPredefinedGlobal(const std::string& word)
{
    static const std::set<std::string> words = {
        "GAUCHE",      "BAS",        "DROITE",     "HAUT",       "HEROS",        "PNJ",
        "CarteEnCours", "CartePre",  "CartePrePre", "PosXPre",   "PosYPre",      "PosXPrePre",
        "PosYPrePre",  "DecalXPre",  "DecalYPre",  "DecalXPrePre", "DecalYPrePre"};
    return In(words, word);
}

bool ScriptVocabulary::IsNumericName(const std::string& word)
{
    static const std::set<std::string> words = {"GAUCHE", "BAS", "DROITE", "HAUT", "HEROS", "PNJ",
                                                "IDMOI", "TILEX", "TILEY"};
    return In(words, word);
}

bool ScriptVocabulary::IsPreset(const std::string& word)
{
    return word == "IDMOI" || word == "TILEX" || word == "TILEY";
}

bool ScriptVocabulary::IsInputType(const std::string& word)
{
    static const std::set<std::string> words = {"Entier", "R\xE9" "el", "Mot", "Mots", "Fichier"};
    return In(words, word);
}

int ScriptVocabulary::ResultArgument(const std::string& command)
{
    return IndexOfKind(command, Kind::Local);
}

int ScriptVocabulary::GlobalArgument(const std::string& command)
{
    return IndexOfKind(command, Kind::Global);
}

bool ScriptVocabulary::AnswersLater(const std::string& command)
{
    return command == "Choix" || command == "Input" || command == "GetDirHeros" || command == "GetDirPNJ";
}
