#include "lib/SourceSnapshot.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <regex>

#include "lib/WorldSource.h"

namespace fs = std::filesystem;

namespace {

// The files world.json names, as paths the tool can open.
std::vector<std::string> NamedFiles(const fs::path& sourceDir)
{
    std::ifstream file(sourceDir / "world.json", std::ios::binary);
    const std::string json{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
    WorldSpec world;
    Diagnostics ignored;  // the pass that packs reports them
    WorldSource::Parse(json, "world.json", world, ignored);
    std::vector<std::string> named;
    for (const WorldSpec::Script& script : world.scripts)
        named.push_back(script.source);
    for (const WorldSpec::Texture& texture : world.textures)
        named.push_back(texture.source);
    for (const WorldSpec::Map& map : world.maps)
        named.push_back(map.source);
    if (world.font.wanted && !world.font.ttf.empty())
        named.push_back(world.font.ttf);
    for (std::string& path : named)
        path = (sourceDir / path).lexically_normal().string();
    return named;
}

bool Inside(const fs::path& path, const fs::path& folder)
{
    const fs::path relative = path.lexically_relative(folder);
    return !relative.empty() && *relative.begin() != "..";
}

std::string ReadText(const fs::path& path)
{
    std::ifstream file(path, std::ios::binary);
    return std::string{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

// The files a Tiled map or tileset names (external tilesets, pictures), as
// paths the tool can open: the values of source= and image= in XML, of
// "source" and "image" in JSON.
std::vector<fs::path> TiledReferences(const fs::path& file)
{
    static const std::regex reference(R"re(\b(?:source|image)\s*=\s*"([^"]*)"|"(?:source|image)"\s*:\s*"([^"]*)")re");
    const std::string text = ReadText(file);
    std::vector<fs::path> found;
    for (std::sregex_iterator it(text.begin(), text.end(), reference), end; it != end; ++it) {
        const std::string name = (*it)[1].matched ? (*it)[1].str() : (*it)[2].str();
        if (!name.empty())
            found.push_back((file.parent_path() / name).lexically_normal());
    }
    return found;
}

} // namespace

std::vector<std::string> SourceSnapshot::Outside(const std::string& sourceDir)
{
    std::error_code error;
    const fs::path root = fs::absolute(sourceDir, error).lexically_normal();
    std::vector<fs::path> named;
    for (const std::string& path : NamedFiles(root))
        named.push_back(path);
    // Maps name tilesets, which name pictures: two levels below world.json.
    const std::size_t fromWorld = named.size();
    for (std::size_t i = 0; i < fromWorld; ++i)
        for (const fs::path& tileset : TiledReferences(named[i])) {
            named.push_back(tileset);
            for (const fs::path& picture : TiledReferences(tileset))
                named.push_back(picture);
        }
    std::vector<std::string> outside;
    for (const fs::path& path : named)
        if (!Inside(path, root))
            outside.push_back(path.string());
    return outside;
}

SourceSnapshot SourceSnapshot::Take(const std::string& sourceDir, const std::string& skipDir,
                                    const std::vector<std::string>& outside)
{
    SourceSnapshot snapshot;
    std::error_code error;
    const fs::path root = fs::absolute(sourceDir, error).lexically_normal();
    const fs::path skip = skipDir.empty() ? fs::path() : fs::absolute(skipDir, error).lexically_normal();
    fs::recursive_directory_iterator it(root, fs::directory_options::skip_permission_denied, error), end;
    for (; !error && it != end; it.increment(error)) {
        if (!skip.empty() && it->is_directory(error) && it->path().lexically_normal() == skip) {
            it.disable_recursion_pending();
            continue;
        }
        if (it->is_regular_file(error))
            snapshot.Add(it->path().string());
    }
    for (const std::string& path : outside)
        snapshot.Add(path);
    return snapshot;
}

void SourceSnapshot::Add(const std::string& path)
{
    std::error_code error;
    Stamp stamp;
    const auto modified = fs::last_write_time(path, error);
    if (error)
        return;  // gone meanwhile: it counts as removed
    stamp.modified = static_cast<long long>(modified.time_since_epoch().count());
    stamp.size = fs::file_size(path, error);
    files[path] = stamp;
}

std::string SourceSnapshot::Changed(const SourceSnapshot& before) const
{
    for (const auto& file : files) {
        const auto old = before.files.find(file.first);
        if (old == before.files.end() || !(old->second == file.second))
            return file.first;
    }
    for (const auto& file : before.files)
        if (!files.count(file.first))
            return file.first;
    return "";
}
