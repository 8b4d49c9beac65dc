#include "lib/GameFolderUpdate.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>

namespace fs = std::filesystem;

namespace {

const char* const kOwnFolders[] = {"wor", "map", "tsl", "tga"};

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
    for (const bool last : {false, true})
        for (const auto& file : files) {
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
            ++changed;
        }
    for (const char* folder : kOwnFolders) {
        std::vector<fs::path> stale;
        for (fs::directory_iterator it(fs::path(gameDir) / folder, error), end; !error && it != end; it.increment(error))
            if (it->is_regular_file(error) && !files.count(std::string(folder) + "/" + it->path().filename().string()))
                stale.push_back(it->path());
        for (const fs::path& path : stale)
            if (fs::remove(path, error))
                ++changed;
    }
    return true;
}
