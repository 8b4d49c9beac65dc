#pragma once

#include <string>

#include "lib/CommandShape.h"

// The words a script may use besides keywords, operators and its own
// variables: the commands the interpreter runs itself, the world commands
// the game carries out, and the variables the game gives every script.
class ScriptVocabulary {
public:
    // The arguments a command takes; null for a word that is no command.
    static const CommandShape* Shape(const std::string& command);
    static bool IsBuiltIn(const std::string& word);
    static bool IsWorldCommand(const std::string& word);
    // GAUCHE, BAS, DROITE, HAUT, HEROS, PNJ and the map history of LoadMap.
    static bool IsPredefinedGlobal(const std::string& word);
    // Names that always hold numbers: the direction and kind constants and
    // the presets.
    static bool IsNumericName(const std::string& word);
    // IDMOI, TILEX, TILEY: set when a script is started.
    static bool IsPreset(const std::string& word);
    // The type words of Input: "Entier", "R\xE9el", "Mot", "Mots", "Fichier".
    static bool IsInputType(const std::string& word);

    // The argument (0-based) that names a local variable the command stores
    // its result in, or -1.
    static int ResultArgument(const std::string& command);
    // The argument that names a global variable the command writes, or -1.
    static int GlobalArgument(const std::string& command);
    // World commands that store a result, which they do only when the game
    // carries them out: after the script has waited with "bloque" (Choix and
    // Input once the player has answered, GetDirHeros and GetDirPNJ).
    static bool AnswersLater(const std::string& command);
};
