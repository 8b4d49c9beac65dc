#pragma once

#include <cstdint>

// One element of a numeric expression as the evaluator sees it.
struct ExprItem {
    enum Class : std::int32_t { kInvalid = 1, kOperator = 2, kParenthesis = 3, kNumber = 4 };
    enum Code : std::int32_t {
        kInvalidCode = 1,
        kPower = 2,
        kPlus = 3,
        kMinus = 4,
        kTimes = 5,
        kDivide = 6,
        kOpen = 7,
        kClose = 8,
        kIntNumber = 9,
        kFloatNumber = 10,
    };

    static ExprItem Invalid() { return ExprItem{kInvalid, kInvalidCode, 0, 0.0f}; }
    static ExprItem Operator(Code code) { return ExprItem{kOperator, code, 0, 0.0f}; }
    static ExprItem Parenthesis(Code code) { return ExprItem{kParenthesis, code, 0, 0.0f}; }
    static ExprItem Int(std::int32_t value) { return ExprItem{kNumber, kIntNumber, value, 0.0f}; }
    static ExprItem Float(float value) { return ExprItem{kNumber, kFloatNumber, 0, value}; }

    bool IsNumber() const { return itemClass == kNumber; }
    bool IsOperator() const { return itemClass == kOperator; }
    bool Is(Code wanted) const { return code == wanted; }
    // A number's value; an int goes through float32 like every operand.
    float Value() const { return code == kFloatNumber ? floatValue : static_cast<float>(intValue); }

    std::int32_t itemClass = kInvalid;
    std::int32_t code = kInvalidCode;
    std::int32_t intValue = 0;
    float floatValue = 0.0f;
};
