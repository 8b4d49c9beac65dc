#pragma once

#include <cstdint>
#include <queue>
#include <string>

#include "widgets/CFont.h"
#include "widgets/CMenuBase.h"

// A box that shows longer texts: it lays a text out into pages that fit its
// rectangle and, once its frame has opened, reveals the current page like a
// typewriter, one character per frame.
class CTextBox : public CMenuBase {
public:
    // Shows the whole current page at full size.
    void ShowInstantly() override;
    void Draw() override;
    // Hides the text, then one frame of the closing animation.
    void StepClose() override;
    // One frame of the opening animation, then of the typing.
    void StepOpen() override;
    // Also places the pen 10 pixels inside the frame.
    void SetRect(std::int32_t x, std::int32_t y, std::int32_t w, std::int32_t h) override;

    // Lays the text out into pages and appends them to those queued.
    void SetText(const std::string& text);
    // Replaces the queued pages with the text's and starts opening.
    void ShowText(const std::string& text);
    void ClearPages();
    // Drops the current page and starts typing the next one; the caller
    // closes the box when `HasNoPage` says none is left.
    void NextPage();
    bool HasNoPage() const;
    // Lines of the current page; 0 without a page or for an empty one.
    std::uint32_t LineCount() const;
    // Height in pixels taken by the current page's lines.
    std::uint32_t TextHeight() const;

    // What fits in the rectangle with the current font and pen origin.
    std::int32_t LinesPerPage() const;
    std::int32_t CharsPerLine() const;

    // Font and pen origin of the first line.
    CFont font;
    // Drawn in front of every page's visible text (a speaker's label).
    std::string prefix;
    // Every `typingStep` frames, `typingStep` more characters are revealed.
    std::uint32_t typingStep = 1;
    // Characters of the current page revealed so far.
    std::uint32_t shownChars = 0;
    // Frames since the last reveal.
    std::uint32_t typingCounter = 0;
    // Laid-out pages; the front one is shown.
    std::queue<std::string> pages;

protected:
    // 0 when no page is queued.
    std::uint32_t CurrentPageLength() const;
};
