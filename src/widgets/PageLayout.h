#pragma once

#include <string>
#include <vector>

// Lays a text out into pages of at most `linesPerPage` lines of at most
// `charsPerLine` characters, breaking lines at newlines and spaces and
// hyphenating words longer than a line.
//
// Every page starts with room for `prefix` on its first line (a speaker's
// label is drawn there), but the prefix itself is not part of the page text.
// A page is its lines joined by "\n" with one space instead of the final
// newline; an empty text gives one empty page.
//
// The last piece of a text that fits on a line is kept whole, even if it
// holds newlines. Lines too narrow for a character and a hyphen take one
// character each, unhyphenated. A prefix that fills a whole page by itself
// gets no room on the pages after it.
std::vector<std::string> LayOutPages(const std::string& text, const std::string& prefix,
                                     int linesPerPage, int charsPerLine);
