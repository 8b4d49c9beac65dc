#include "widgets/CChoiceBox.h"

#include <GL/gl.h>

#include <algorithm>

#include "widgets/GlShapes.h"

namespace {

// Items are indented this far from the text.
const std::int32_t kItemIndent = 25;
// The scroll arrows are shown for this many frames, then hidden as long.
const std::int16_t kBlinkFrames = 15;

const CColor kMarkerColor(1, 1, 1, 0.7f);

}  // namespace

void CChoiceBox::Draw()
{
    CDialogBox::Draw();
    // Items and marker appear once the question has finished typing.
    if (state != WidgetState::Open)
        return;
    DrawItems();

    blinkCounter = static_cast<std::int16_t>((blinkCounter + 1) % kBlinkFrames);
    if (blinkCounter == 0)
        blinkOn = !blinkOn;
    if (blinkOn && visibleRows < itemCount)
        DrawScrollArrows();
    glColor4f(1, 1, 1, 1);
}

void CChoiceBox::DrawItems()
{
    const std::int32_t textX = font.x;
    const std::int32_t textY = font.y;
    const std::int32_t textHeight = static_cast<std::int32_t>(TextHeight());
    font.x += kItemIndent;
    font.y += textHeight;

    // Rows that lie outside the items (a stale scroll position, fewer items
    // than the count says) are skipped rather than read.
    const std::int32_t available =
        std::min(itemCount, static_cast<std::int32_t>(items.size()));
    for (std::int32_t r = std::max(0, firstVisible);
         r < available && r < firstVisible + visibleRows; ++r) {
        font.Draw(items[static_cast<std::size_t>(r)]);
        font.y += RowHeight();
    }

    // With no items this leaves -1: the marker then points at the line
    // above the first row.
    if (selected < 0)
        selected = 0;
    if (selected > itemCount - 1)
        selected = itemCount - 1;

    const std::int32_t cx = textX + 10;
    const std::int32_t cy = textY + textHeight + (selected - firstVisible) * RowHeight() -
                            font.glyphHeight + 3;
    GlShapes::FillTriangle(cx, cy, cx + 10, cy + 5, cx, cy + 10, kMarkerColor);

    font.x = textX;
    font.y = textY;
}

void CChoiceBox::DrawScrollArrows()
{
    glColor4f(1, 1, 1, 1);
    const std::int32_t cx = rect.x + rect.w / 2 - 5;
    if (firstVisible > 0)
        GlShapes::FillTriangle(cx + 10, rect.y + 8, cx, rect.y + 8, cx + 5, rect.y - 2, kMarkerColor);
    if (firstVisible + visibleRows < itemCount) {
        const std::int32_t bottom = rect.y + rect.h;
        GlShapes::FillTriangle(cx, bottom - 8, cx + 10, bottom - 8, cx + 5, bottom + 2, kMarkerColor);
    }
}

void CChoiceBox::StepOpen()
{
    if (state == WidgetState::Closed)
        rect.h = RowHeight() * visibleRows + static_cast<std::int32_t>(TextHeight()) + 15;
    CDialogBox::StepOpen();
}

void CChoiceBox::SetItemCount(std::int32_t n)
{
    FreeItems();
    const std::int32_t count = std::max(0, n);
    items.assign(static_cast<std::size_t>(count), std::string());
    itemCount = count;
}

void CChoiceBox::FreeItems()
{
    items.clear();
    items.shrink_to_fit();
}

std::int32_t CChoiceBox::GetResult() const
{
    return selected;
}

void CChoiceBox::SetSelected(std::int32_t i)
{
    // Every reader sees an item of the list (-1 only for an empty list).
    selected = std::max(std::min(i, itemCount - 1), itemCount > 0 ? 0 : -1);
    firstVisible = selected >= visibleRows ? selected : 0;
    if (firstVisible > itemCount - visibleRows)
        firstVisible = itemCount - visibleRows;
    // Fewer items than rows: the list starts at its first item.
    if (firstVisible < 0)
        firstVisible = 0;
}

void CChoiceBox::SetVisibleRows(std::int32_t n)
{
    visibleRows = n;
    rect.h = RowHeight() * n + static_cast<std::int32_t>(TextHeight()) - font.lineSpacing + 10;
}

void CChoiceBox::CursorUp()
{
    if (selected > 0) {
        --selected;
        if (selected < firstVisible)
            --firstVisible;
    }
}

void CChoiceBox::CursorDown()
{
    if (selected < itemCount - 1) {
        ++selected;
        if (selected >= firstVisible + visibleRows)
            ++firstVisible;
    }
}
