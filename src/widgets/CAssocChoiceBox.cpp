#include "widgets/CAssocChoiceBox.h"

void CAssocChoiceBox::SetItemCount(std::int32_t n)
{
    FreeItems();
    CChoiceBox::SetItemCount(n);
    values.emplace(static_cast<std::size_t>(itemCount), 0);
}

void CAssocChoiceBox::FreeItems()
{
    CChoiceBox::FreeItems();
    values.reset();
}

std::int32_t CAssocChoiceBox::GetResult() const
{
    if (!values || selected < 0 || static_cast<std::size_t>(selected) >= values->size())
        return -1;
    return (*values)[static_cast<std::size_t>(selected)];
}

void CAssocChoiceBox::SetSelected(std::int32_t v)
{
    std::int32_t index = 0;
    if (values) {
        for (std::size_t i = 0; i < values->size() && static_cast<std::int32_t>(i) < itemCount; ++i) {
            if ((*values)[i] == v) {
                index = static_cast<std::int32_t>(i);
                break;
            }
        }
    }
    CChoiceBox::SetSelected(index);
}

void CAssocChoiceBox::SetItem(std::int32_t i, const std::string& text, std::int32_t value)
{
    if (!values || i < 0 || i >= itemCount)
        return;
    const std::size_t index = static_cast<std::size_t>(i);
    if (index >= items.size() || index >= values->size())
        return;
    items[index] = text;
    (*values)[index] = value;
}
