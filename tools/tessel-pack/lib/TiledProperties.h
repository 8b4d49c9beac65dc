#pragma once

#include <string>
#include <vector>

#include "lib/TiledProperty.h"

// The custom properties of one Tiled element, in the order they were read.
class TiledProperties {
public:
    void Add(const TiledProperty& property) { all.push_back(property); }
    // The property of that name, or null.
    const TiledProperty* Find(const std::string& name) const
    {
        for (const TiledProperty& property : all)
            if (property.name == name)
                return &property;
        return nullptr;
    }
    const std::vector<TiledProperty>& All() const { return all; }

private:
    std::vector<TiledProperty> all;
};
