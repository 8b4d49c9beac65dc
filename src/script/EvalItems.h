#pragma once

#include <cmath>
#include <cstdint>
#include <vector>

#include "script/ExprItem.h"
#include "script/ScriptConversions.h"

// Evaluates a numeric expression given as a flat list of items: innermost
// parentheses first, then `^`, then `*` and `/`, then `+` and `-`, each
// level left to right, every step in float32. Unbalanced parentheses give 0;
// division by 0 gives 0.
//
// An operator without a number on one side (a leading `-`, two operators in
// a row, an operator at the end) takes 0 for that side and leaves the
// neighbouring operator in place, so `- 5` gives -5 and `2 * - 3` gives -3.
float EvalItems(std::vector<ExprItem> items);

// The same, working on (and consuming) the caller's list.
float EvalItemsInPlace(std::vector<ExprItem>& items);
// The same again, with a list the caller keeps for the inner parts of
// parentheses, so that nothing is allocated once it has grown.
float EvalItemsInPlace(std::vector<ExprItem>& items, std::vector<ExprItem>& scratch);

// One binary operation of an expression (item codes kPower, kTimes, kDivide,
// kPlus, kMinus), in float32; division by 0 gives 0.
// Inline: a loop pass applies a few of them.
inline float ApplyOperator(std::int32_t code, float left, float right)
{
    switch (code) {
    case ExprItem::kPower:
        return ToFloat32(std::pow(static_cast<double>(left), static_cast<double>(right)));
    case ExprItem::kTimes:
        return left * right;
    case ExprItem::kDivide:
        return right == 0.0f ? 0.0f : left / right;
    case ExprItem::kPlus:
        return left + right;
    case ExprItem::kMinus:
        return left - right;
    default:
        return 0.0f;
    }
}


// A list without parentheses, evaluated in place.
float EvalFlat(std::vector<ExprItem>& items);
