#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "widgets/CTextBox.h"

// A text box whose text is a table: rows of cells, each column padded or cut
// to a fixed number of characters, one row per line. It builds exactly one
// page from its cells and shows it whole as soon as its frame has opened.
class CGridBox : public CTextBox {
public:
    // A width below 0 keeps the text whole; a longer text is cut to the
    // width, a shorter one filled up to it.
    static std::string PadToWidth(const std::string& text, std::int32_t width, char fill);

    // The opening animation without the typing: once the frame has reached
    // full size the whole page is shown.
    void StepOpen() override;

    // Makes room for rows x columns empty cells, every column without a
    // fixed width.
    void Resize(std::int32_t rowCount, std::int32_t columnCount);
    // Forgets the cells and the widths.
    void FreeCells();
    // These ignore positions outside the table.
    void SetColumnWidth(std::int32_t column, std::int32_t width);
    void SetCell(std::int32_t row, std::int32_t column, const std::string& text);
    // Empty outside the table.
    std::string GetCell(std::int32_t row, std::int32_t column) const;

    // Sizes the rectangle (not its position) to the columns and rows with
    // the current font.
    void FitToContent();
    // Replaces the pages with the one page made from the cells; without
    // cells it does nothing.
    void Rebuild();

    std::int32_t columns = 0;
    std::int32_t rows = 0;
    // Row-major; absent until Resize.
    std::optional<std::vector<std::string>> cells;
    // Characters per column; -1 takes the cell whole.
    std::optional<std::vector<std::int32_t>> columnWidths;

private:
    bool Holds(std::int32_t row, std::int32_t column) const;
};
