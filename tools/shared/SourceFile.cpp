#include "shared/SourceFile.h"

#include <filesystem>
#include <fstream>
#include <system_error>

namespace fs = std::filesystem;

bool SourceFile::Fits(const std::string& path, std::string& error, std::size_t maxBytes)
{
    std::error_code failure;
    const fs::file_status status = fs::status(path, failure);
    if (failure || !fs::exists(status)) {
        error = "cannot be opened";
        return false;
    }
    if (!fs::is_regular_file(status)) {
        error = "is not a regular file";
        return false;
    }
    const std::uintmax_t size = fs::file_size(path, failure);
    if (!failure && size > maxBytes) {
        error = "is too large: " + std::to_string(size) + " bytes, where a file of a game may have " +
                std::to_string(maxBytes);
        return false;
    }
    return true;
}

bool SourceFile::Read(const std::string& path, std::string& bytes, std::string& error, std::size_t maxBytes)
{
    bytes.clear();
    if (!Fits(path, error, maxBytes))
        return false;
    std::error_code failure;
    const std::uintmax_t size = fs::file_size(path, failure);
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        error = "cannot be opened";
        return false;
    }
    // The size can change while reading: never read past the cap.
    bytes.resize(static_cast<std::size_t>(failure || size > maxBytes ? maxBytes : size) + 1);
    file.read(&bytes[0], static_cast<std::streamsize>(bytes.size()));
    bytes.resize(static_cast<std::size_t>(file.gcount()));
    if (file.bad()) {
        error = "cannot be read";
        bytes.clear();
        return false;
    }
    if (bytes.size() > maxBytes) {
        error = "is too large: more than the " + std::to_string(maxBytes) + " bytes a file of a game may have";
        bytes.clear();
        return false;
    }
    return true;
}
