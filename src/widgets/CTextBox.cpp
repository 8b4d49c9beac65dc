#include "widgets/CTextBox.h"

#include <GL/gl.h>

#include <algorithm>
#include <cmath>
#include <limits>

#include "widgets/PageLayout.h"

namespace {

// Boxes too low for a single line still hold this many per page.
const std::int32_t kLinesInLowBox = 25;
// Gap between the frame and the text on every side.
const std::int32_t kInnerMargin = 10;

// How many advances of `step` pixels fit in `room` pixels, truncated; a zero
// step counts as one pixel.
std::int32_t Fit(std::int64_t room, std::int32_t step)
{
    const double quotient = static_cast<double>(room) / (step == 0 ? 1 : step);
    const double limit = std::numeric_limits<std::int32_t>::max();
    return static_cast<std::int32_t>(std::trunc(std::max(-limit, std::min(limit, quotient))));
}

}  // namespace

void CTextBox::ShowInstantly()
{
    shownChars = CurrentPageLength();
    CMenuBase::ShowInstantly();
}

void CTextBox::Draw()
{
    if (state == WidgetState::Closed)
        return;
    CMenuBase::Draw();
    if (!pages.empty() && shownChars > 0)
        font.Draw(prefix + pages.front().substr(0, shownChars));
    glColor4f(1, 1, 1, 1);
}

void CTextBox::StepClose()
{
    shownChars = 0;
    CMenuBase::StepClose();
}

void CTextBox::StepOpen()
{
    if (state != WidgetState::Typing) {
        CMenuBase::StepOpen();
        if (state == WidgetState::Open)
            state = WidgetState::Typing;
        if (!animated) {
            shownChars = CurrentPageLength();
            state = WidgetState::Open;
        }
    }
    if (state == WidgetState::Typing) {
        // A step of 0, or one lowered below the counter, still reveals: the
        // counter reaching or passing the step is what triggers.
        const std::uint32_t step = typingStep > 0 ? typingStep : 1;
        ++typingCounter;
        if (typingCounter >= step) {
            shownChars += step;
            typingCounter = 0;
            const std::uint32_t length = CurrentPageLength();
            if (shownChars >= length) {
                shownChars = length;
                state = WidgetState::Open;
            }
        }
    }
}

void CTextBox::SetRect(std::int32_t x, std::int32_t y, std::int32_t w, std::int32_t h)
{
    CMenuBase::SetRect(x, y, w, h);
    font.x = x + kInnerMargin;
    font.y = y + font.glyphHeight + kInnerMargin;
}

void CTextBox::SetText(const std::string& text)
{
    for (std::string& page : LayOutPages(text, prefix, LinesPerPage(), CharsPerLine()))
        pages.push(std::move(page));
}

void CTextBox::ShowText(const std::string& text)
{
    ClearPages();
    SetText(text);
    StepOpen();
}

void CTextBox::ClearPages()
{
    pages = std::queue<std::string>();
    typingCounter = 0;
    shownChars = 0;
}

void CTextBox::NextPage()
{
    if (!pages.empty())
        pages.pop();
    shownChars = 0;
    typingCounter = 0;
    state = WidgetState::Typing;
}

bool CTextBox::HasNoPage() const
{
    return pages.empty();
}

std::uint32_t CTextBox::LineCount() const
{
    if (pages.empty() || pages.front().empty())
        return 0;
    const std::string& page = pages.front();
    return 1 + static_cast<std::uint32_t>(std::count(page.begin(), page.end(), '\n'));
}

std::uint32_t CTextBox::TextHeight() const
{
    return LineCount() * static_cast<std::uint32_t>(font.LineAdvance());
}

std::int32_t CTextBox::LinesPerPage() const
{
    const std::int64_t topMargin =
        static_cast<std::int64_t>(font.y) - font.glyphHeight - rect.y;
    const std::int32_t lines =
        Fit(rect.h - 2 * topMargin + font.lineSpacing, font.LineAdvance());
    // Also for a negative count, which a rectangle shorter than its margins
    // gives and which no page could ever fill.
    return lines < 1 ? kLinesInLowBox : lines;
}

std::int32_t CTextBox::CharsPerLine() const
{
    const std::int64_t leftMargin = static_cast<std::int64_t>(font.x) - rect.x;
    return Fit(rect.w - 2 * leftMargin + font.spacing, font.CharAdvance());
}

std::uint32_t CTextBox::CurrentPageLength() const
{
    return pages.empty() ? 0 : static_cast<std::uint32_t>(pages.front().size());
}
