#pragma once

#include <cstddef>
#include <string>

// Reads a file an author or a game hands to a tool, whole, but only when it
// is a regular file of a sensible size: "/dev/zero", a pipe or a file of
// gigabytes would otherwise be read until memory runs out.
class SourceFile {
public:
    // Far above any script, map, picture or font a game needs.
    static const std::size_t kMaxBytes = std::size_t(32) << 20;

    // Whether `path` is a regular file of at most `maxBytes`, without
    // reading it; `error` says why not.
    static bool Fits(const std::string& path, std::string& error, std::size_t maxBytes = kMaxBytes);

    // False, with `error` saying why ("is larger than ..."), when the file
    // cannot be opened, is no regular file or holds more than `maxBytes`.
    static bool Read(const std::string& path, std::string& bytes, std::string& error,
                     std::size_t maxBytes = kMaxBytes);
};
