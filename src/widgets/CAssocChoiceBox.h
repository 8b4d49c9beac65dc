#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "widgets/CChoiceBox.h"

// A choice box whose items each carry an integer; it returns the selected
// item's integer instead of its index.
class CAssocChoiceBox : public CChoiceBox {
public:
    ~CAssocChoiceBox() override = default;

    // Also makes room for one value per item, all 0.
    void SetItemCount(std::int32_t n) override;
    void FreeItems() override;
    // The selected item's value; -1 without values or without a selected item.
    std::int32_t GetResult() const override;
    // Selects the first item carrying value v, or the first item if none does.
    void SetSelected(std::int32_t v) override;

    // Sets item i's text and value; ignored outside the items.
    void SetItem(std::int32_t i, const std::string& text, std::int32_t value);

    // One value per item; absent until SetItemCount.
    std::optional<std::vector<std::int32_t>> values;
};
