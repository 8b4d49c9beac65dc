#include "lib/CommandShape.h"

CommandShape::Kind CommandShape::KindAt(std::size_t index) const
{
    if (index < arguments.size())
        return arguments[index].kind;
    return repeatsLast && !arguments.empty() ? arguments.back().kind : Kind::Any;
}

std::string CommandShape::Usage() const
{
    std::string usage = name;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const bool optional = i >= required;
        usage += std::string(i == 0 ? " " : ", ") + (optional ? "[" : "") + arguments[i].role + (optional ? "]" : "");
    }
    if (repeatsLast)
        usage += ", ...";
    return usage;
}
