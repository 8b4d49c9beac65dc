#include "platform/DataFile.h"

#include <algorithm>

std::string HostPath(const std::string& dataPath)
{
    std::string path = dataPath;
#ifndef _WIN32
    std::replace(path.begin(), path.end(), '\\', '/');
#endif
    return path;
}

namespace {
bool WriteOpened(std::FILE* file, const void* data, std::size_t size)
{
    if (!file)
        return false;
    bool ok = std::fwrite(data, 1, size, file) == size;
    ok = (std::fclose(file) == 0) && ok;
    return ok;
}
}  // namespace

std::FILE* OpenDataFile(const std::string& dataPath, const char* mode)
{
    return std::fopen(HostPath(dataPath).c_str(), mode);
}

bool ReadDataFile(const std::string& dataPath, std::vector<std::uint8_t>& bytes, std::size_t maxBytes)
{
    return ReadDataFileCapped(dataPath, bytes, maxBytes) == CappedRead::Done;
}

CappedRead ReadDataFileCapped(const std::string& dataPath, std::vector<std::uint8_t>& bytes, std::size_t maxBytes)
{
    bytes.clear();
    std::FILE* file = OpenDataFile(dataPath, "rb");
    if (!file)
        return CappedRead::Unreadable;

    // Read in chunks rather than trusting a size from fseek/ftell, so that
    // pipes and files that change under us are still read correctly.
    std::uint8_t chunk[65536];
    CappedRead result = CappedRead::Done;
    for (;;) {
        std::size_t got = std::fread(chunk, 1, sizeof chunk, file);
        bytes.insert(bytes.end(), chunk, chunk + got);
        if (bytes.size() > maxBytes) {
            result = CappedRead::TooLarge;
            break;
        }
        if (got < sizeof chunk) {
            if (std::ferror(file))
                result = CappedRead::Unreadable;
            break;
        }
    }
    std::fclose(file);
    if (result != CappedRead::Done) {
        bytes.clear();
        bytes.shrink_to_fit();
    }
    return result;
}

bool ReadDataFilePrefix(const std::string& dataPath, std::size_t count, std::vector<std::uint8_t>& bytes)
{
    bytes.assign(count, 0);
    std::FILE* file = OpenDataFile(dataPath, "rb");
    if (!file) {
        bytes.clear();
        return false;
    }
    const std::size_t got = std::fread(bytes.data(), 1, count, file);
    const bool ok = !std::ferror(file);
    std::fclose(file);
    bytes.resize(ok ? got : 0);
    return ok;
}

bool WriteDataFile(const std::string& dataPath, const void* data, std::size_t size)
{
    return WriteOpened(OpenDataFile(dataPath, "wb"), data, size);
}

bool WriteNewDataFile(const std::string& dataPath, const void* data, std::size_t size)
{
    // "x": created exclusively (O_EXCL), which fails on any existing name,
    // dangling links included.
    return WriteOpened(OpenDataFile(dataPath, "wbx"), data, size);
}
