#include "platform/WorkingDirectory.h"

#include <sys/stat.h>

#include <cstdlib>

#ifdef _WIN32
#include <direct.h>
#else
#include <unistd.h>
#endif

bool IsDirectory(const std::string& path)
{
    struct stat info;
    return stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

bool ChangeWorkingDirectory(const std::string& path)
{
#ifdef _WIN32
    return _chdir(path.c_str()) == 0;
#else
    return chdir(path.c_str()) == 0;
#endif
}

bool SetEnvironmentVariable(const std::string& name, const std::string& value)
{
#ifdef _WIN32
    return _putenv_s(name.c_str(), value.c_str()) == 0;
#else
    return setenv(name.c_str(), value.c_str(), 1) == 0;
#endif
}

std::string CurrentWorkingDirectory()
{
    char buffer[4096];
#ifdef _WIN32
    return _getcwd(buffer, sizeof buffer) ? std::string(buffer) : std::string();
#else
    return getcwd(buffer, sizeof buffer) ? std::string(buffer) : std::string();
#endif
}
