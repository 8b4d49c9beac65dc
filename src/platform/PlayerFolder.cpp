#include "platform/PlayerFolder.h"

#include <cstdlib>
#include <filesystem>
#include <system_error>

#ifndef _WIN32
#include <unistd.h>
#endif

namespace {

std::string Environment(const char* name)
{
    const char* value = std::getenv(name);
    return value ? value : "";
}

} // namespace

std::string PlayerFolderPath(const std::string& worldName, const std::string& xdgDataHome,
                             const std::string& home)
{
    // The world's name comes from a file of the game folder: a name that is
    // no plain folder name cannot lead the game to write elsewhere.
    const bool plainName = !worldName.empty() && worldName[0] != '.' &&
                           worldName.find_first_of("/\\") == std::string::npos;
    const std::string folderName = plainName ? worldName : "game";
    // A relative XDG_DATA_HOME is invalid and to be ignored.
    std::string base;
    if (!xdgDataHome.empty() && xdgDataHome[0] == '/')
        base = xdgDataHome;
    else if (!home.empty())
        base = home + "/.local/share";
    else
        return "";
    return base + "/tessel/" + folderName + "/";
}

std::string PlayerFolder(const std::string& worldName)
{
#ifdef _WIN32
    (void)worldName;
    return "";
#else
    if (access(".", W_OK) == 0)
        return "";
    const std::string folder = PlayerFolderPath(worldName, Environment("XDG_DATA_HOME"), Environment("HOME"));
    if (folder.empty())
        return "";
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    return std::filesystem::is_directory(folder, error) ? folder : "";
#endif
}
