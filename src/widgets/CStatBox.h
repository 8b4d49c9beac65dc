#pragma once

#include <cstdint>
#include <optional>

#include "widgets/CGridBox.h"

struct CHero;
class CMap;

// The statistics panel of the in-game menu: nineteen rows of a label and a
// hero's value.
//
// It remembers the hero by identifier, not by address: the game's hero list
// is re-sorted and may grow while the panel shows a hero, so Refresh finds
// the hero again by its identifier.
class CStatBox : public CGridBox {
public:
    static const std::int32_t kRows = 19;
    static const std::int32_t kLabelWidth = 12;
    static const std::int32_t kValueWidth = 6;

    // Labels in place, values empty, sized to the grid.
    CStatBox();

    // Shows this hero's values; a null hero leaves the box as it was.
    void SetHero(const CHero* hero);
    // Shows the current values of the hero last set, found in the map by
    // identifier; when it is no longer there the box stays as it was.
    void Refresh(const CMap& map);

    // Identifier of the hero shown, if any.
    std::optional<std::uint16_t> heroId;
};
