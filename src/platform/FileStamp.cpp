#include "platform/FileStamp.h"

#include <sys/stat.h>

#include "platform/DataFile.h"

FileStamp FileStamp::Of(const std::string& dataPath)
{
    FileStamp stamp;
    struct stat info;
    if (stat(HostPath(dataPath).c_str(), &info) != 0)
        return stamp;
    stamp.exists = true;
    stamp.size = static_cast<std::int64_t>(info.st_size);
#if defined(__APPLE__)
    stamp.modifiedNanoseconds = std::int64_t(info.st_mtimespec.tv_sec) * 1000000000 + info.st_mtimespec.tv_nsec;
#elif defined(_WIN32)
    stamp.modifiedNanoseconds = std::int64_t(info.st_mtime) * 1000000000;
#else
    stamp.modifiedNanoseconds = std::int64_t(info.st_mtim.tv_sec) * 1000000000 + info.st_mtim.tv_nsec;
#endif
    return stamp;
}
