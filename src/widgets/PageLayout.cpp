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

// A line laid out, with where it starts in the page's text (label first)
// and how many characters of that text it used up (a hyphen it added is not
// one of them; a space or line feed dropped at its break is).
struct LaidLine {
    std::string text;
    std::size_t start = 0;
    std::size_t used = 0;
};

// The label stands at the start of the page's text. Its characters are taken
// out of every line they reach, with the hyphen of a line that holds nothing
// else: the box draws the label itself, and a page must not show it twice.
std::string JoinPage(std::vector<LaidLine>& lines, std::size_t labelLength)
{
    std::string page;
    for (LaidLine& line : lines) {
        if (line.start < labelLength) {
            const bool hyphenated = line.used < line.text.size();
            const std::size_t own = line.text.size() - (hyphenated ? 1 : 0);
            const std::size_t label = std::min(labelLength - line.start, own);
            line.text.erase(0, label == own ? line.text.size() : label);
        }
        page += line.text;
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
    std::vector<LaidLine> lines;
    std::string label = prefix;
    std::string rest = label + text;
    std::size_t textLeft = text.size();
    for (;;) {
        if (lines.size() == maxLines || rest.empty()) {
            pages.push_back(JoinPage(lines, label.size()));
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
        LaidLine line;
        line.start = lines.empty() ? 0 : lines.back().start + lines.back().used;
        const std::size_t before = rest.size();
        line.text = TakeLine(rest, width);
        line.used = before - rest.size();
        lines.push_back(std::move(line));
    }
    return pages;
}
