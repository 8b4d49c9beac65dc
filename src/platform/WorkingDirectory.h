#pragma once

#include <string>

// The process's working directory, which every data path is relative to,
// and the environment the game reads its session options from.

// True when `path` (a path of the host system) names a directory.
bool IsDirectory(const std::string& path);
// Makes `path` the working directory; false when it cannot be entered.
bool ChangeWorkingDirectory(const std::string& path);
// Sets an environment variable for this process; false on failure.
bool SetEnvironmentVariable(const std::string& name, const std::string& value);
// The working directory as an absolute path; empty when it cannot be had.
std::string CurrentWorkingDirectory();
