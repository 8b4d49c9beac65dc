#pragma once

#include <cstddef>
#include <string>
#include <vector>

// What a command of the script language takes: its arguments in order, how
// many of them must be given, and whether the last one may come again.
struct CommandShape {
    enum class Kind {
        Number,     // read as a number: a text gives 0
        Text,       // read as a text: a number gives an empty text
        Local,      // a string literal naming the local variable the command writes
        Global,     // a string literal naming the global variable the command writes
        InputType,  // one of the type words of Input
        Any         // read either way
    };
    struct Argument {
        const char* role;
        Kind kind;
    };

    const char* name = "";
    bool builtIn = false;  // carried out by the interpreter, not queued for the game
    std::vector<Argument> arguments;
    std::size_t required = 0;
    bool repeatsLast = false;

    // The most arguments the command reads; 0 with repeatsLast means no limit.
    std::size_t MaxCount() const { return repeatsLast ? 0 : arguments.size(); }
    // The kind of the argument at `index` (0-based); Any beyond the list.
    Kind KindAt(std::size_t index) const;
    // "Dire kind, id, text, ..." as the author's guide writes it.
    std::string Usage() const;
};
