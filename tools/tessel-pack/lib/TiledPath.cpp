#include "lib/TiledPath.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <sstream>

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

bool TiledPath::ReadText(const std::string& path, std::string& text)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return false;
    std::ostringstream buffer;
    buffer << in.rdbuf();
    text = buffer.str();
    return bool(in) || in.eof();
}
