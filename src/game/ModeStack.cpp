#include "game/ModeStack.h"

void ModeStack::Pop()
{
    if (!entries.empty())
        entries.pop_back();
}

std::uint16_t& ModeStack::TopType()
{
    if (entries.empty()) {
        emptyValue = 0;
        return emptyValue;
    }
    return entries.back().type;
}

std::uint16_t& ModeStack::TopState()
{
    if (entries.empty()) {
        emptyValue = 0;
        return emptyValue;
    }
    return entries.back().state;
}
