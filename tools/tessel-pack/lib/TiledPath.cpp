#include "lib/TiledPath.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "lib/PathCheck.h"
#include "shared/SourceFile.h"

namespace fs = std::filesystem;

std::string TiledPath::Beside(const std::string& file, const std::string& relative)
{
    const fs::path target(relative);
    if (target.is_absolute())
        return target.lexically_normal().generic_string();
    return (fs::path(file).parent_path() / target).lexically_normal().generic_string();
}

std::string TiledPath::Extension(const std::string& file)
{
    std::string extension = fs::path(file).extension().string();
    std::transform(extension.begin(), extension.end(), extension.begin(),
                   [](unsigned char c) { return char(std::tolower(c)); });
    return extension;
}

std::string TiledPath::Stem(const std::string& file)
{
    return fs::path(file).stem().string();
}

bool TiledPath::ReadText(const std::string& path, std::string& text, std::string& error)
{
    return SourceFile::Read(path, text, error);
}

bool TiledPath::StaysInside(const std::string& display, int line, const std::string& name, Diagnostics& diagnostics)
{
    std::string joined;
    const std::string refusal = PathCheck::ReferenceRefusal(display, name, joined);
    if (refusal.empty())
        return true;
    diagnostics.Error(display, line, 0, "the file name '" + name + "' " + refusal);
    return false;
}
