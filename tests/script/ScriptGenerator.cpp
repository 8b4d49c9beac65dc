#include "ScriptGenerator.h"

namespace {

// Names used for locals and globals alike, so that they shadow each other.
const std::vector<const char*> kNames = {"a", "b", "c", "x", "f", "s", "G1", "HAUT", "PNJ", "IDMOI"};
const std::vector<const char*> kNumbers = {"0", "1", "2", "3", "7", "-5", "2.5", "0.1", "1e2", "16777217", "3abc",
                                          "3e", "1e+"};
const std::vector<const char*> kStrings = {"\"\"", "\"x\"", "\"12\"", "\"a b\"", "\"4.5z\"", "\"\\n\""};
const std::vector<const char*> kOperators = {"+", "-", "*", "/", "^", "+", "-", "*"};
const std::vector<const char*> kComparisons = {"==", "!=", ">=", ">", "<=", "<"};
const std::vector<const char*> kJunk = {";", ",", ")", "(", "=", "then", "do", "else", "endif", "to",
                                        "step", "continue", "break", "label", ":", "goto", "a", "1", "\"a\""};

} // namespace

std::string ScriptGenerator::Name()
{
    return PickOf(kNames);
}

void ScriptGenerator::Number(int depth)
{
    const int terms = 1 + Pick(depth > 1 ? 2 : 4);
    for (int i = 0; i < terms; ++i) {
        if (i > 0)
            Emit(PickOf(kOperators));
        const int kind = Pick(10);
        if (kind < 4 || (kind >= 8 && depth >= 3)) {
            Emit(Name());
        } else if (kind < 7) {
            Emit(PickOf(kNumbers));
        } else if (kind < 8) {
            Emit(PickOf(kStrings));
        } else {
            Emit("(");
            Number(depth + 1);
            if (!Chance(5))
                Emit(")");
        }
    }
}

void ScriptGenerator::Text()
{
    const int parts = 1 + Pick(3);
    for (int i = 0; i < parts; ++i) {
        if (i > 0 && Chance(30))
            Emit("+");
        Emit(Chance(50) ? std::string(PickOf(kStrings)) : Chance(70) ? Name() : std::string(PickOf(kNumbers)));
    }
}

void ScriptGenerator::Condition()
{
    if (Chance(15)) {
        Emit({PickOf(kStrings), Chance(50) ? "==" : "!="});
        Text();
    } else {
        Number(1);
        Emit(PickOf(kComparisons));
        Number(1);
    }
}

void ScriptGenerator::Loop(int depth, bool isFor)
{
    const std::string counter = "w" + std::to_string(counters++);
    ++loopDepth;
    if (isFor) {
        // Now and then a counter near the top of the int range, where a
        // step can carry it past the range.
        const bool nearTop = Chance(10);
        Emit({"int", counter, "=", nearTop ? "2147483520" : std::to_string(Pick(3)), ";", "for"});
        // The name as a literal, or through a string expression.
        if (Chance(80))
            Emit("\"" + counter + "\"");
        else
            Emit({"\"w\"", std::to_string(counters - 1)});
        Emit("to");
        if (nearTop)
            Emit({"2147483647", "step", PickOf({"64", "1000000000"})});
        else
            Emit(std::to_string(Pick(6)));
        if (!nearTop && Chance(25))
            Emit({"step", PickOf({"1", "2", "-1", "0"})});
        Emit("do");
        Block(depth + 1, 1 + Pick(3));
        Emit("next");
    } else {
        Emit({"int", counter, "=", "0", ";", "while", counter, "<", std::to_string(1 + Pick(5)), "do", counter, "=",
              counter, "+", "1", ";"});
        Block(depth + 1, 1 + Pick(3));
        Emit("endwhile");
    }
    --loopDepth;
}

void ScriptGenerator::Statement(int depth)
{
    const int kind = Pick(depth >= 3 ? 14 : 20);
    switch (kind) {
    case 0:
    case 1: {
        const char* type = PickOf({"int", "float", "string"});
        Emit({type, Chance(10) ? std::string(PickOf(kStrings)) : Name()});
        const int form = Pick(4);
        if (form < 2) {
            Emit("=");
            std::string(type) == "string" ? Text() : Number(1);
            Emit(";");
        } else if (form == 2) {
            Emit(";");
        } else {
            Emit({",", Name(), ",", Name(), ";"});
        }
        break;
    }
    case 2:
    case 3:
    case 4:
        Emit({Name(), "="});
        Chance(30) ? Text() : Number(1);
        Emit(";");
        break;
    case 5:
    case 6:
        Emit("Console");
        Text();
        Emit({"\" \"", ";"});
        break;
    case 7:
        Emit({Chance(60) ? "SetGlobalNum" : "SetGlobalString", "\"" + Name() + "\"", ","});
        Chance(50) ? Number(1) : Text();
        Emit(";");
        break;
    case 8: {
        const int which = Pick(4);
        if (which == 3) {
            Emit("ListeVariables");
            break;
        }
        if (which == 0) {
            Emit("NumToStr");
            Number(1);
            Emit(",");
        } else if (which == 1) {
            Emit("Hasard");
            Number(2);
            Emit(",");
            Number(2);
            Emit(",");
        } else {
            Emit("Clock");
        }
        Emit({"\"" + Name() + "\"", ";"});
        break;
    }
    case 9:
        Emit(PickOf({"Dire", "Bouge", "SetHerosActif"}));
        for (int i = Pick(3); i > 0; --i) {
            Chance(50) ? Text() : Number(2);
            Emit(",");
        }
        if (Chance(80))
            Number(2);
        Emit(";");
        break;
    case 10:
        if (loopDepth == 0) {
            Emit("bloque");
            break;
        }
        Emit(Chance(60) ? "break" : "continue");
        if (Chance(30))
            Emit(PickOf({"2", "0"}));
        Emit(";");
        break;
    case 11:
        if (Chance(50))
            Emit({"label", "\"L" + std::to_string(Pick(3)) + "\"", ":"});
        else
            Emit({"goto", "\"L" + std::to_string(Pick(4)) + "\"", ";"});
        break;
    case 12:
        Emit(Chance(80) ? "bloque" : "stop");
        break;
    case 13:
        Emit("ListeVariables");
        break;
    case 14:
    case 15:
    case 16:
        Emit("if");
        Condition();
        Emit("then");
        Block(depth + 1, 1 + Pick(3));
        if (Chance(50)) {
            Emit("else");
            Block(depth + 1, 1 + Pick(2));
        }
        Emit("endif");
        break;
    default:
        Loop(depth, kind == 17 || (kind == 19 && Chance(50)));
        break;
    }
}

void ScriptGenerator::Block(int depth, int statements)
{
    for (int i = 0; i < statements; ++i)
        Statement(depth);
}

void ScriptGenerator::Damage()
{
    const int changes = 1 + Pick(3);
    for (int change = 0; change < changes && !tokens.empty(); ++change) {
        const int at = Pick(static_cast<int>(tokens.size()));
        const int how = Pick(4);
        if (how == 0)
            tokens.resize(at);
        else if (how == 1)
            tokens.erase(tokens.begin() + at);
        else
            (how == 2 ? tokens[at] : *tokens.insert(tokens.begin() + at, "")) = PickOf(kJunk);
    }
}

std::string ScriptGenerator::Generate()
{
    tokens.clear();
    loopDepth = 0;
    counters = 0;
    Block(0, 3 + Pick(8));
    Emit({"Console", "\"end\"", ";", "ListeVariables"});
    if (Chance(33))
        Damage();
    std::string text;
    for (const std::string& token : tokens)
        text += token + (Chance(10) ? "\n" : " ");
    return text;
}
