#pragma once

#include <vector>

#include "script/ExprItem.h"

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

// A list without parentheses, evaluated in place.
float EvalFlat(std::vector<ExprItem>& items);
