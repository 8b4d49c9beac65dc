#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

// The statements of one run that loops spend their time in, decoded against
// the run's variables: which kind of statement starts at a position, which
// variable it assigns, where it goes next, and what each operand of its
// expressions reads. A decoded statement is stamped with the epoch of the
// run's name cache and holds until a variable is created, exactly like what
// each word resolved to.
//
// Only indices are kept, never addresses, so a copy of a run keeps a valid
// copy of its decoded statements.
class ResolvedStatements {
public:
    enum OperandKind : std::int8_t { kConstant, kIntVariable, kFloatVariable, kGlobal, kLookedUp, kGroup };

    // How an expression is evaluated: token by token as items; or decoded,
    // as one operand, as one operator, as operators of one precedence level
    // applied left to right, as a chain of operators of several levels, or
    // as a chain whose operands may be parenthesised chains.
    enum Form : std::int8_t { kItems, kSingle, kBinary, kLeftFold, kChain, kNested };

    // One token of a decoded expression.
    struct Operand {
        std::int8_t kind = kConstant;
        std::int8_t code = 0;         // an operator token: its ExprItem code
        // A variable: its index in its list; a group: the position of its
        // closing parenthesis.
        std::int32_t index = -1;
        float value = 0.0f;           // a constant: its value
        // A global: the count of globals added when `index` was found, plus
        // one (0: not looked up yet).
        std::uint32_t globalsStamp = 0;
    };

    struct Statement {
        enum Kind : std::int8_t {
            kOther,       // run by reading its tokens
            kAssignInt,   // int variable = expression ;
            kAssignFloat, // float variable = expression ;
            kCondition,   // if or while with a numeric comparison
            kJump,        // else, endwhile, next: straight to `jump`
            kMarker,      // a token that does nothing (then, endif, do, a stray `;`)
            kFor,         // for with a string literal as its name
            kSetGlobalNum, // SetGlobalNum with a string literal as the name
        };
        std::uint32_t epoch = 0;  // 0: never decoded
        std::int8_t kind = kOther;
        std::int8_t firstForm = kItems;
        std::int8_t secondForm = kItems;
        std::int32_t comparison = 0;  // kCondition: the operator's id
        std::int32_t closing = 0;     // kCondition: the id of `then` or `do`
        // Positions as in the memo's statement plan.
        std::int32_t first = 0;
        std::int32_t second = 0;
        // The variable assigned, or counted by a `for`, or the global set
        // (-1: it does not exist yet).
        std::int32_t variable = -1;
        std::uint32_t globalsStamp = 0;  // kSetGlobalNum: as an operand's
        // Where a false condition, a finished `for` or a jump goes; the
        // memo's kNotFound when the scan found nothing (the run ends).
        std::int32_t jump = 0;
    };

    // Sizes the tables for a token list, keeping what fits it.
    void Fit(std::size_t tokenCount)
    {
        if (statements.size() == tokenCount)
            return;
        statements.assign(tokenCount, Statement());
        operands.assign(tokenCount, Operand());
    }
    void Clear()
    {
        statements.clear();
        operands.clear();
    }

    Statement& StatementAt(std::int32_t position) { return statements[position]; }
    Operand& OperandAt(std::int32_t position) { return operands[position]; }
    Operand* Operands() { return operands.data(); }

private:
    std::vector<Statement> statements;
    std::vector<Operand> operands;
};
