#include "lib/GameFolderUpdate.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>

#include "lib/OutputFolder.h"

namespace fs = std::filesystem;

namespace {

bool SameBytes(const fs::path& path, const std::vector<std::uint8_t>& bytes)
{
    std::ifstream file(path, std::ios::binary);
    if (!file)
        return false;
    const std::vector<std::uint8_t> old{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
    return old == bytes;
}

// The world file and the settings last: a game that looks in the middle of
// an update finds the new maps and scripts before the world that names them.
bool WrittenLast(const std::string& relative)
{
    return relative.rfind("wor/", 0) == 0 || relative.find('/') == std::string::npos;
}

} // namespace

bool GameFolderUpdate::CanUpdate(const std::string& gameDir)
{
    std::error_code error;
    return fs::is_directory(fs::path(gameDir) / "wor", error);
}

bool GameFolderUpdate::Apply(const std::string& gameDir, const std::map<std::string, std::vector<std::uint8_t>>& files,
                             Diagnostics& diagnostics, std::size_t& changed)
{
    changed = 0;
    std::error_code error;
    // Only files the packer wrote are replaced or removed (see OutputFolder).
    std::set<std::string> owned;
    if (!OutputFolder::GameFilesOwned(gameDir, owned, diagnostics))
        return false;
    for (const auto& file : files) {
        const fs::path path = fs::path(gameDir) / file.first;
        if (fs::exists(fs::symlink_status(path, error)) && !owned.count(file.first)) {
            diagnostics.Error(path.string(), 0, 0, "exists and was not written by tessel-pack: it is left alone, and "
                                                   "nothing is written; move it away first");
            return false;
        }
    }
    std::map<std::string, std::vector<std::uint8_t>> all = files;
    std::vector<std::string> names;
    for (const auto& file : files)
        names.push_back(file.first);
    const std::string list = OutputFolder::ManifestText(names);
    all[OutputFolder::kManifest] = std::vector<std::uint8_t>(list.begin(), list.end());
    for (const bool last : {false, true})
        for (const auto& file : all) {
            if (WrittenLast(file.first) != last)
                continue;
            const fs::path path = fs::path(gameDir) / file.first;
            if (SameBytes(path, file.second))
                continue;
            fs::create_directories(path.parent_path(), error);
            const fs::path partial = path.string() + ".partial";
            std::ofstream out(partial, std::ios::binary);
            out.write(reinterpret_cast<const char*>(file.second.data()), static_cast<std::streamsize>(file.second.size()));
            out.close();
            fs::rename(partial, path, error);
            if (!out || error) {
                fs::remove(partial, error);
                diagnostics.Error(gameDir + "/" + file.first, 0, 0, "cannot write the file");
                return false;
            }
            if (file.first != OutputFolder::kManifest)
                ++changed;
        }
    for (const std::string& file : owned)
        if (!all.count(file) && fs::remove(fs::path(gameDir) / file, error))
            ++changed;
    return true;
}
