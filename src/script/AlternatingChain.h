#pragma once

#include <cstdint>

#include "script/EvalItems.h"
#include "script/ExprItem.h"

// A numeric expression that alternates number, operator, number, ... with
// only + - * / ^ as operators, evaluated in one pass. The three passes of
// EvalItems (powers, then products, then sums, each left to right) are
// folded together: the same operations on the same operands in the same
// order, so the same float results.
// `chain.NextOperand()` reads the next number, `chain.NextOperator()` the
// ExprItem code of the next operator, or 0 at the end of the expression.
template <typename Chain>
inline float FoldChain(Chain& chain)
{
    float power = chain.NextOperand();
    float product = 0.0f;
    float sum = 0.0f;
    std::int32_t productCode = 0;
    std::int32_t sumCode = 0;
    for (std::int32_t code = chain.NextOperator(); code != 0; code = chain.NextOperator()) {
        const float operand = chain.NextOperand();
        if (code == ExprItem::kPower) {
            power = ApplyOperator(code, power, operand);
            continue;
        }
        product = productCode != 0 ? ApplyOperator(productCode, product, power) : power;
        if (code == ExprItem::kTimes || code == ExprItem::kDivide) {
            productCode = code;
        } else {
            sum = sumCode != 0 ? ApplyOperator(sumCode, sum, product) : product;
            sumCode = code;
            productCode = 0;
        }
        power = operand;
    }
    product = productCode != 0 ? ApplyOperator(productCode, product, power) : power;
    return sumCode != 0 ? ApplyOperator(sumCode, sum, product) : product;
}
