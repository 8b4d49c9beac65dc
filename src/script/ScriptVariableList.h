#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

// Variables of one type in creation order. Lookups are linear: a script has
// a handful of variables, and the first of a name is the one that counts.
template <typename T>
class ScriptVariableList {
public:
    // Index of the first variable of that name, -1 when there is none.
    int Find(const std::string& name) const
    {
        for (std::size_t i = 0; i < entries.size(); ++i)
            if (entries[i].first == name)
                return static_cast<int>(i);
        return -1;
    }

    T Get(const std::string& name) const
    {
        const int index = Find(name);
        return index < 0 ? T() : entries[index].second;
    }

    void Set(const std::string& name, T value)
    {
        const int index = Find(name);
        if (index < 0)
            Append(name, std::move(value));
        else
            entries[index].second = std::move(value);
    }

    void Append(const std::string& name, T value)
    {
        entries.emplace_back(name, std::move(value));
        ++additions;
    }

    // Variables are added through Set or Append, never removed (but all at
    // once by clearing): `additions` counts them, so that what a name
    // resolved to can be kept until it changes.
    std::vector<std::pair<std::string, T>> entries;
    std::uint32_t additions = 0;
};
