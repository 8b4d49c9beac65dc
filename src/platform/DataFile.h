#pragma once

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

// Data files name their paths with '\' as the directory separator
// ("wor\Sylva.world", "tga\font.tga"). This is the one place where such a
// path becomes a path of the host system; every file the engine reads or
// writes is opened through it.

// The host form of a data path: '\' becomes '/' on systems that use '/'.
std::string HostPath(const std::string& dataPath);

// fopen of a data path; null when the file cannot be opened.
std::FILE* OpenDataFile(const std::string& dataPath, const char* mode);

// Reads a whole file into `bytes` in one go. Returns false (and leaves
// `bytes` empty) when the file cannot be opened or read, or holds more than
// `maxBytes` (which is found without reading past that many).
bool ReadDataFile(const std::string& dataPath, std::vector<std::uint8_t>& bytes,
                  std::size_t maxBytes = SIZE_MAX);

// ReadDataFile with the reason of a failure: the file cannot be opened or
// read, or it holds more than `maxBytes` (found without reading past that
// many, so /dev/zero or a huge sparse file costs no more).
enum class CappedRead { Done, Unreadable, TooLarge };
CappedRead ReadDataFileCapped(const std::string& dataPath, std::vector<std::uint8_t>& bytes, std::size_t maxBytes);

// Reads at most the first `count` bytes of a file (fewer when it is
// shorter). False when the file cannot be opened or read.
bool ReadDataFilePrefix(const std::string& dataPath, std::size_t count, std::vector<std::uint8_t>& bytes);

// Writes `size` bytes to a file, replacing it. Returns false on failure.
bool WriteDataFile(const std::string& dataPath, const void* data, std::size_t size);

// Writes `size` bytes to a file that must not exist yet: false, writing
// nothing, when the name is taken, by a symbolic link too (which is never
// followed).
bool WriteNewDataFile(const std::string& dataPath, const void* data, std::size_t size);
