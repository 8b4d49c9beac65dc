#pragma once

#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <string>

// A file's bytes, empty when it cannot be read.
inline std::string FileText(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

// Every file under `folder`, relative to it, with '/' between folders.
inline std::set<std::string> FolderFiles(const std::string& folder)
{
    std::set<std::string> files;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(folder))
        if (entry.is_regular_file())
            files.insert(std::filesystem::relative(entry.path(), folder).generic_string());
    return files;
}
