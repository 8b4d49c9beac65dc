#pragma once

#include <string>

// A name or file name from an author's file, fit for one line of a tool's
// listing: control bytes (a line feed among them) are shown as \xNN, so a
// name can never forge lines of its own.
std::string Printable(const std::string& text);
