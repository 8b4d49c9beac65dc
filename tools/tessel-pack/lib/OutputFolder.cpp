#include "lib/OutputFolder.h"

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <system_error>

namespace fs = std::filesystem;

OutputFolder::OutputFolder(std::string target, std::string keepMarker)
    : target(std::move(target)), keepMarker(std::move(keepMarker))
{
    while (this->target.size() > 1 && this->target.back() == '/')
        this->target.pop_back();
}

OutputFolder::~OutputFolder()
{
    if (!temporary.empty() && !committed) {
        std::error_code ignored;
        fs::remove_all(temporary, ignored);
    }
}

bool OutputFolder::TargetMayBeReplaced(Diagnostics& diagnostics) const
{
    std::error_code error;
    if (!fs::exists(target, error))
        return true;
    if (!fs::is_directory(target, error)) {
        diagnostics.Error(target, 0, 0, "exists and is not a folder");
        return false;
    }
    if (fs::is_empty(target, error) || fs::exists(fs::path(target) / keepMarker, error))
        return true;
    diagnostics.Error(target, 0, 0, "is not empty and holds no \"" + keepMarker +
                                       "\": it is no folder this tool made, and is not replaced");
    return false;
}

bool OutputFolder::Open(Diagnostics& diagnostics)
{
    if (!TargetMayBeReplaced(diagnostics))
        return false;
    std::error_code error;
    const fs::path parent = fs::absolute(target, error).parent_path();
    fs::create_directories(parent, error);
    temporary = target + ".partial-" + std::to_string(getpid());
    fs::remove_all(temporary, error);
    if (!fs::create_directories(temporary, error)) {
        diagnostics.Error(temporary, 0, 0, "cannot make the folder: " + error.message());
        temporary.clear();
        return false;
    }
    return true;
}

bool OutputFolder::Write(const std::string& relative, const std::vector<std::uint8_t>& bytes,
                         Diagnostics& diagnostics)
{
    const fs::path path = fs::path(temporary) / relative;
    std::error_code error;
    fs::create_directories(path.parent_path(), error);
    std::ofstream file(path, std::ios::binary);
    file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    file.close();
    if (!file) {
        diagnostics.Error(target + "/" + relative, 0, 0, "cannot write the file");
        return false;
    }
    return true;
}

bool OutputFolder::Commit(Diagnostics& diagnostics)
{
    std::error_code error;
    const std::string old = target + ".old-" + std::to_string(getpid());
    const bool replacing = fs::exists(target, error);
    if (replacing) {
        fs::remove_all(old, error);
        fs::rename(target, old, error);
        if (error) {
            diagnostics.Error(target, 0, 0, "cannot be replaced: " + error.message());
            return false;
        }
    }
    fs::rename(temporary, target, error);
    if (error) {
        diagnostics.Error(target, 0, 0, "cannot be written: " + error.message());
        if (replacing)
            fs::rename(old, target, error);
        return false;
    }
    committed = true;
    if (replacing)
        fs::remove_all(old, error);
    return true;
}
