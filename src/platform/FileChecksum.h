#pragma once

#include <cstdint>
#include <string>
#include <vector>

// A file of the game's folder and the CRC-32 of its bytes.
struct FileChecksum {
    std::string path;  // data path, with '\'
    std::uint32_t crc = 0;

    bool operator==(const FileChecksum& other) const { return path == other.path && crc == other.crc; }
};

// CRC-32 (the zip polynomial) of a run of bytes.
std::uint32_t Crc32(const std::uint8_t* bytes, std::size_t size);

// Every file under the world's folders (wor, map, tsl, tga) of the working
// directory, sorted by path, with its checksum. A missing folder adds nothing.
std::vector<FileChecksum> WorldFolderChecksums();
