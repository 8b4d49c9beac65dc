#include "script/EvalItems.h"

#include <cmath>

#include "script/ScriptConversions.h"

namespace {

// One left-to-right pass over the operators of one precedence level.
void ApplyLevel(std::vector<ExprItem>& items, ExprItem::Code first, ExprItem::Code second)
{
    std::size_t i = 0;
    while (i < items.size()) {
        const ExprItem& item = items[i];
        if (!item.IsOperator() || !(item.Is(first) || item.Is(second))) {
            ++i;
            continue;
        }
        // Never read past the list: a missing or operator neighbour is 0.
        const bool hasLeft = i > 0 && !items[i - 1].IsOperator();
        const bool hasRight = i + 1 < items.size() && !items[i + 1].IsOperator();
        const float left = hasLeft ? items[i - 1].Value() : 0.0f;
        const float right = hasRight ? items[i + 1].Value() : 0.0f;
        const float result = ApplyOperator(item.code, left, right);
        const std::size_t begin = hasLeft ? i - 1 : i;
        const std::size_t end = hasRight ? i + 2 : i + 1;
        items[begin] = ExprItem::Float(result);
        items.erase(items.begin() + begin + 1, items.begin() + end);
        i = begin + 1;
    }
}

bool IsOpen(const ExprItem& item)
{
    return item.itemClass == ExprItem::kParenthesis && item.Is(ExprItem::kOpen);
}

bool IsClose(const ExprItem& item)
{
    return item.itemClass == ExprItem::kParenthesis && item.Is(ExprItem::kClose);
}

bool IsBalanced(const std::vector<ExprItem>& items)
{
    int depth = 0;
    for (const ExprItem& item : items) {
        if (IsOpen(item))
            ++depth;
        else if (IsClose(item) && --depth < 0)
            return false;
    }
    return depth == 0;
}

// Removes "( )" pairs and the parentheses of "( number )" until none is left.
void Simplify(std::vector<ExprItem>& items)
{
    bool changed = true;
    while (changed) {
        changed = false;
        std::size_t i = 0;
        while (i < items.size()) {
            if (IsOpen(items[i]) && i + 1 < items.size() && IsClose(items[i + 1])) {
                items.erase(items.begin() + i, items.begin() + i + 2);
                changed = true;
            } else if (IsOpen(items[i]) && i + 2 < items.size() && items[i + 1].IsNumber() &&
                       IsClose(items[i + 2])) {
                items.erase(items.begin() + i + 2);
                items.erase(items.begin() + i);
                changed = true;
            } else {
                ++i;
            }
        }
    }
}

} // namespace

float EvalFlat(std::vector<ExprItem>& items)
{
    ApplyLevel(items, ExprItem::kPower, ExprItem::kPower);
    ApplyLevel(items, ExprItem::kTimes, ExprItem::kDivide);
    ApplyLevel(items, ExprItem::kPlus, ExprItem::kMinus);
    if (items.empty() || !items.front().IsNumber())
        return 0.0f;
    return items.front().Value();
}

float EvalItemsInPlace(std::vector<ExprItem>& items)
{
    std::vector<ExprItem> inner;
    return EvalItemsInPlace(items, inner);
}

float EvalItemsInPlace(std::vector<ExprItem>& items, std::vector<ExprItem>& inner)
{
    if (items.size() == 1)
        return items[0].IsNumber() ? items[0].Value() : 0.0f;
    bool anyParenthesis = false;
    for (const ExprItem& item : items)
        anyParenthesis = anyParenthesis || item.itemClass == ExprItem::kParenthesis;
    if (!anyParenthesis)
        return items.empty() ? 0.0f : EvalFlat(items);
    if (!IsBalanced(items))
        return 0.0f;
    for (;;) {
        Simplify(items);
        if (items.empty())
            return 0.0f;
        if (items.size() == 1)
            return items[0].IsNumber() ? items[0].Value() : 0.0f;
        std::size_t close = 0;
        while (close < items.size() && !IsClose(items[close]))
            ++close;
        if (close == items.size())
            return EvalFlat(items);
        std::size_t open = close;
        while (!IsOpen(items[open]))
            --open;
        inner.assign(items.begin() + open + 1, items.begin() + close);
        items[open] = ExprItem::Float(EvalFlat(inner));
        items.erase(items.begin() + open + 1, items.begin() + close + 1);
    }
}

float EvalItems(std::vector<ExprItem> items)
{
    return EvalItemsInPlace(items);
}
