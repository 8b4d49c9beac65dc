#pragma once

#include <cstdint>
#include <string>
#include <vector>

// A fresh folder under the system's temporary directory, removed with
// everything in it when the object goes away.
class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::string& Path() const { return path; }
    // Path of a file or folder inside this one ("a/b" style).
    std::string File(const std::string& name) const { return path + "/" + name; }
    // Writes bytes (or text) to a file inside, creating parent folders.
    std::string Write(const std::string& name, const std::vector<std::uint8_t>& bytes) const;
    std::string Write(const std::string& name, const std::string& text) const;

private:
    std::string path;
};
