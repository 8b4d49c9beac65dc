#include "lib/ScriptVocabulary.h"

#include <set>

namespace {

bool In(const std::set<std::string>& words, const std::string& word)
{
    return words.count(word) != 0;
}

} // namespace

bool ScriptVocabulary::IsBuiltIn(const std::string& word)
{
    static const std::set<std::string> words = {"Console", "SetGlobalString", "SetGlobalNum", "NumToStr",
                                                "Clock",   "Hasard",          "ListeVariables"};
    return In(words, word);
}

bool ScriptVocabulary::IsWorldCommand(const std::string& word)
{
    static const std::set<std::string> words = {
        "Lire",      "Dire",          "Choix",   "Input",       "GetDirHeros", "GetDirPNJ",
        "SetDirHeros", "SetDirPNJ",   "SetHeros", "SetHerosActif", "SetFont",  "CreateHeros",
        "LoadMap",   "FadeOut",       "FadeIn",  "Deplace"};
    return In(words, word);
}

bool ScriptVocabulary::IsPredefinedGlobal(const std::string& word)
{
    static const std::set<std::string> words = {
        "GAUCHE",      "BAS",        "DROITE",     "HAUT",       "HEROS",        "PNJ",
        "CarteEnCours", "CartePre",  "CartePrePre", "PosXPre",   "PosYPre",      "PosXPrePre",
        "PosYPrePre",  "DecalXPre",  "DecalYPre",  "DecalXPrePre", "DecalYPrePre"};
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
    if (command == "Clock")
        return 0;
    if (command == "NumToStr" || command == "GetDirHeros" || command == "GetDirPNJ")
        return 1;
    if (command == "Hasard")
        return 2;
    if (command == "Choix" || command == "Input")
        return 3;
    return -1;
}

int ScriptVocabulary::GlobalArgument(const std::string& command)
{
    return command == "SetGlobalString" || command == "SetGlobalNum" ? 0 : -1;
}

bool ScriptVocabulary::AnswersLater(const std::string& command)
{
    return command == "Choix" || command == "Input" || command == "GetDirHeros" || command == "GetDirPNJ";
}
