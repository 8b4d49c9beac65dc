#include "platform/FileReplacement.h"

#include <cstdio>

#include <sys/stat.h>
#ifdef _WIN32
#include <direct.h>
#include <io.h>
#include <windows.h>
#else
#include <unistd.h>
#endif

#include "platform/BrowserStorage.h"
#include "platform/DataFile.h"

namespace {

bool FlushToDisk(std::FILE* file)
{
    if (std::fflush(file) != 0)
        return false;
#ifdef _WIN32
    return _commit(_fileno(file)) == 0;
#else
    return fsync(fileno(file)) == 0;
#endif
}

bool RenameOver(const std::string& from, const std::string& to)
{
#ifdef _WIN32
    return MoveFileExA(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
#else
    return std::rename(from.c_str(), to.c_str()) == 0;
#endif
}

} // namespace

bool ReplaceDataFile(const std::string& dataPath, const void* data, std::size_t size)
{
    const std::string aside = dataPath + ".new";
    std::FILE* file = OpenDataFile(aside, "wb");
    if (!file)
        return false;
    bool ok = std::fwrite(data, 1, size, file) == size;
    ok = FlushToDisk(file) && ok;
    ok = (std::fclose(file) == 0) && ok;
    ok = ok && RenameOver(HostPath(aside), HostPath(dataPath));
    if (!ok)
        std::remove(HostPath(aside).c_str());
    else
        SaveStoredFolders();  // in the browser, the disk is its storage
    return ok;
}

bool MakeDataFolder(const std::string& dataPath)
{
    const std::string path = HostPath(dataPath);
#ifdef _WIN32
    _mkdir(path.c_str());
    struct _stat info;
    return _stat(path.c_str(), &info) == 0 && (info.st_mode & _S_IFDIR);
#else
    mkdir(path.c_str(), 0777);
    struct stat info;
    return stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
#endif
}
