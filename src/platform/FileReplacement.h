#pragma once

#include <cstddef>
#include <string>

// Writing a file that must never be left half-written: the bytes go to a
// file beside it first, are flushed to the disk, and only then take the
// target's name in one rename. A crash at any moment leaves either the old
// file or the new one whole. In the browser the file is then written to the
// browser's storage at once, not with the next periodic write: a page closed
// right after a save keeps it.

// Writes `size` bytes to `dataPath` that way. False when any step failed;
// the target is then as it was (the file beside it is removed).
bool ReplaceDataFile(const std::string& dataPath, const void* data, std::size_t size);

// Creates the folder `dataPath` if it does not exist yet. False when it does
// not exist afterwards.
bool MakeDataFolder(const std::string& dataPath);
