#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "widgets/CDialogBox.h"

// A dialogue box with a scrollable list of items under its text; the player
// moves a marker over the items and the box returns the selected one.
class CChoiceBox : public CDialogBox {
public:
    virtual ~CChoiceBox() = default;

    // The text, then, once the box is open, the visible items, the marker
    // beside the selected one and blinking arrows when more items are above
    // or below.
    void Draw() override;
    // A new opening first sizes the box to its text and rows.
    void StepOpen() override;

    // Makes room for n empty items; the caller fills `items`.
    virtual void SetItemCount(std::int32_t n);
    virtual void FreeItems();
    // Index of the selected item.
    virtual std::int32_t GetResult() const;
    // Selects item i and scrolls it into view.
    virtual void SetSelected(std::int32_t i);

    // Rows shown at once; also sets the box's height.
    void SetVisibleRows(std::int32_t n);
    void CursorUp();
    void CursorDown();

    std::vector<std::string> items;
    std::int32_t itemCount = 0;
    std::int32_t selected = 0;
    // Item shown in the first visible row.
    std::int32_t firstVisible = 0;
    std::int32_t visibleRows = 0;
    // Frames 0..14 of the scroll arrows' blinking.
    std::int16_t blinkCounter = 0;
    bool blinkOn = false;

protected:
    // Height of one item row.
    std::int32_t RowHeight() const { return font.LineAdvance(); }

private:
    void DrawItems();
    void DrawScrollArrows();
};
