#include "platform/FileChecksum.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "platform/DataFile.h"

std::uint32_t Crc32(const std::uint8_t* bytes, std::size_t size)
{
    std::uint32_t crc = 0xFFFFFFFFu;
    for (std::size_t i = 0; i < size; ++i) {
        crc ^= bytes[i];
        for (int bit = 0; bit < 8; ++bit)
            crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
    }
    return ~crc;
}

std::vector<FileChecksum> WorldFolderChecksums()
{
    std::vector<FileChecksum> files;
    for (const char* folder : {"wor", "map", "tsl", "tga"}) {
        std::error_code error;
        std::filesystem::directory_iterator entries(HostPath(folder), error);
        if (error)
            continue;
        for (const auto& entry : entries) {
            if (!entry.is_regular_file(error))
                continue;
            FileChecksum file;
            file.path = std::string(folder) + "\\" + entry.path().filename().string();
            std::vector<std::uint8_t> bytes;
            ReadDataFile(file.path, bytes);
            file.crc = Crc32(bytes.data(), bytes.size());
            files.push_back(file);
        }
    }
    std::sort(files.begin(), files.end(),
              [](const FileChecksum& a, const FileChecksum& b) { return a.path < b.path; });
    return files;
}
