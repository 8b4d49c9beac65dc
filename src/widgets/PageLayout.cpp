#include "widgets/PageLayout.h"

#include <algorithm>

namespace {

// Takes the next line off the front of `rest`.
std::string TakeLine(std::string& rest, std::size_t width)
{
    std::string line;
    if (rest.size() <= width) {
        line.swap(rest);
        return line;
    }
    const std::size_t newline = rest.find('\n');
    if (newline < width) {
        line = rest.substr(0, newline);
        rest.erase(0, newline + 1);
        return line;
    }
    // The first character that does not fit is a space: break there and
    // drop it.
    if (rest[width] == ' ') {
        line = rest.substr(0, width);
        rest.erase(0, width + 1);
        return line;
    }
    for (std::size_t p = width - 1; p >= 1; --p) {
        if (rest[p] == ' ') {
            line = rest.substr(0, p);
            rest.erase(0, p + 1);
            return line;
        }
    }
    if (width >= 2) {
        line = rest.substr(0, width - 1) + "-";
        rest.erase(0, width - 1);
        return line;
    }
    // No room for a hyphen beside a character.
    line = rest.substr(0, 1);
    rest.erase(0, 1);
    return line;
}

// The label stands at the start of the page's first lines. Its characters
// (and a hyphen that split it, and a space or line feed dropped at a break
// inside it) are taken out of them, however many lines it spans: the box
// draws the label itself, and a page must not show it twice.
std::string JoinPage(std::vector<std::string>& lines, const std::string& label)
{
    std::size_t taken = 0;
    for (std::string& line : lines) {
        if (taken == label.size())
            break;
        std::size_t j = 0;
        while (j < line.size() && taken < label.size() && line[j] == label[taken]) {
            ++j;
            ++taken;
        }
        if (taken < label.size() && j + 1 == line.size() && line[j] == '-')
            ++j;
        line.erase(0, j);
        if (!line.empty())
            break;
        if (taken < label.size() && (label[taken] == ' ' || label[taken] == '\n'))
            ++taken;
    }
    std::string page;
    for (const std::string& line : lines) {
        page += line;
        page += '\n';
    }
    if (!page.empty())
        page.back() = ' ';
    return page;
}

}  // namespace

std::vector<std::string> LayOutPages(const std::string& text, const std::string& prefix,
                                     int linesPerPage, int charsPerLine)
{
    const std::size_t maxLines = static_cast<std::size_t>(std::max(1, linesPerPage));
    const std::size_t width = static_cast<std::size_t>(std::max(1, charsPerLine));

    std::vector<std::string> pages;
    std::vector<std::string> lines;
    std::string label = prefix;
    std::string rest = label + text;
    std::size_t textLeft = text.size();
    for (;;) {
        if (lines.size() == maxLines || rest.empty()) {
            pages.push_back(JoinPage(lines, label));
            lines.clear();
            if (rest.empty())
                break;
            if (rest.size() >= textLeft) {
                // The label alone filled the page: giving it room again would
                // lay out the same page for ever, so the rest goes without it.
                rest.erase(0, rest.size() - textLeft);
                label.clear();
            }
            textLeft = rest.size();
            rest = label + rest;
        }
        lines.push_back(TakeLine(rest, width));
    }
    return pages;
}
