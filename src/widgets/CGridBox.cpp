#include "widgets/CGridBox.h"

#include <algorithm>

std::string CGridBox::PadToWidth(const std::string& text, std::int32_t width, char fill)
{
    if (width < 0)
        return text;
    const std::size_t target = static_cast<std::size_t>(width);
    if (text.size() >= target)
        return text.substr(0, target);
    return text + std::string(target - text.size(), fill);
}

void CGridBox::StepOpen()
{
    CTextBox::StepOpen();
    if (state == WidgetState::Typing) {
        shownChars = CurrentPageLength();
        state = WidgetState::Open;
    }
}

void CGridBox::Resize(std::int32_t rowCount, std::int32_t columnCount)
{
    FreeCells();
    rows = std::max(0, rowCount);
    columns = std::max(0, columnCount);
    cells.emplace(static_cast<std::size_t>(rows) * static_cast<std::size_t>(columns));
    columnWidths.emplace(static_cast<std::size_t>(columns), -1);
}

void CGridBox::FreeCells()
{
    cells.reset();
    columnWidths.reset();
}

bool CGridBox::Holds(std::int32_t row, std::int32_t column) const
{
    return cells && row >= 0 && row < rows && column >= 0 && column < columns;
}

void CGridBox::SetColumnWidth(std::int32_t column, std::int32_t width)
{
    if (columnWidths && column >= 0 && column < columns)
        (*columnWidths)[static_cast<std::size_t>(column)] = width;
}

void CGridBox::SetCell(std::int32_t row, std::int32_t column, const std::string& text)
{
    if (Holds(row, column))
        (*cells)[static_cast<std::size_t>(row) * columns + column] = text;
}

std::string CGridBox::GetCell(std::int32_t row, std::int32_t column) const
{
    return Holds(row, column) ? (*cells)[static_cast<std::size_t>(row) * columns + column]
                              : std::string();
}

void CGridBox::FitToContent()
{
    std::int32_t characters = 0;
    if (columnWidths) {
        for (std::int32_t width : *columnWidths)
            characters += width;
    }
    // The 20 pixels are the inner margins on both sides.
    rect.w = font.CharAdvance() * characters - font.spacing + 20;
    rect.h = font.LineAdvance() * rows + 20;
}

void CGridBox::Rebuild()
{
    if (!cells)
        return;
    std::string page;
    for (std::int32_t row = 0; row < rows; ++row) {
        for (std::int32_t column = 0; column < columns; ++column)
            page += PadToWidth(GetCell(row, column), (*columnWidths)[static_cast<std::size_t>(column)], ' ');
        page += '\n';
    }
    pages = std::queue<std::string>();
    pages.push(std::move(page));
    // A grid that is showing keeps showing its page whole when its cells
    // change (the statistics after a raise).
    if (state == WidgetState::Open)
        shownChars = CurrentPageLength();
}
