#pragma once

#include <cstdint>
#include <string>

// When a file was last written and how long it is: enough to notice that an
// author saved it again, even twice within one second.
struct FileStamp {
    bool exists = false;
    std::int64_t modifiedNanoseconds = 0;
    std::int64_t size = 0;

    bool operator==(const FileStamp& other) const
    {
        return exists == other.exists && modifiedNanoseconds == other.modifiedNanoseconds && size == other.size;
    }
    bool operator!=(const FileStamp& other) const { return !(*this == other); }

    // The stamp of a data path ('\' separated); a missing file gives a stamp
    // whose `exists` is false.
    static FileStamp Of(const std::string& dataPath);
};
