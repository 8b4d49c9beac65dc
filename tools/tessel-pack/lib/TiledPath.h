#pragma once

#include <string>

#include "lib/Diagnostics.h"

// Paths inside Tiled files are relative to the file that names them.
namespace TiledPath {
// `relative` as seen from the folder of `file` ("maps/a.tmx" + "../art/t.png"
// -> "art/t.png"); an absolute `relative` stays as it is.
std::string Beside(const std::string& file, const std::string& relative);
// The extension in lower case, with its dot (".tmx"), or "".
std::string Extension(const std::string& file);
// The file name without folder and extension ("art/grass.png" -> "grass").
std::string Stem(const std::string& file);
// The whole file, within the size any source may have; `error` says why not.
bool ReadText(const std::string& path, std::string& text, std::string& error);
// Whether `name`, read at `line` of the file `display` (relative to the
// source folder), names a file inside the source folder; reports it when not.
bool StaysInside(const std::string& display, int line, const std::string& name, Diagnostics& diagnostics);
}
