#include "lib/OutputFolder.h"

#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <system_error>

#include "lib/PathCheck.h"
#include "shared/SourceFile.h"

namespace fs = std::filesystem;

const char* const OutputFolder::kManifest = ".tessel-pack-files";

namespace {

std::string WithoutTrailingSlashes(std::string path)
{
    while (path.size() > 1 && path.back() == '/')
        path.pop_back();
    return path;
}

// Whether `inner` is `outer` or lies inside it (both absolute and canonical).
bool Within(const fs::path& inner, const fs::path& outer)
{
    auto part = inner.begin();
    for (const fs::path& outerPart : outer) {
        if (outerPart.empty())
            continue;
        if (part == inner.end() || *part != outerPart)
            return false;
        ++part;
    }
    return true;
}

bool Exists(const fs::path& path)
{
    std::error_code error;
    return fs::exists(fs::symlink_status(path, error));
}

bool EndsWith(const std::string& text, const std::string& ending)
{
    return text.size() >= ending.size() && text.compare(text.size() - ending.size(), ending.size(), ending) == 0;
}

} // namespace

OutputFolder::OutputFolder(std::string target, std::string readFrom, std::string legacyMarker,
                           LegacyRule legacyOwned)
    : target(WithoutTrailingSlashes(std::move(target))), readFrom(WithoutTrailingSlashes(std::move(readFrom))),
      legacyMarker(std::move(legacyMarker)), legacyOwned(std::move(legacyOwned))
{
}

OutputFolder::~OutputFolder()
{
    if (!temporary.empty() && !committed) {
        std::error_code ignored;
        fs::remove_all(temporary, ignored);
    }
}

bool OutputFolder::IsLegacyGameFile(const std::string& relative)
{
    if (relative == "game.cfg")
        return true;
    const std::size_t slash = relative.find('/');
    if (slash == std::string::npos || relative.find('/', slash + 1) != std::string::npos)
        return false;
    const std::string folder = relative.substr(0, slash);
    return (folder == "wor" && EndsWith(relative, ".world")) || (folder == "map" && EndsWith(relative, ".map")) ||
           (folder == "tsl" && EndsWith(relative, ".tsl")) || (folder == "tga" && EndsWith(relative, ".tga"));
}

bool OutputFolder::IsApart(const std::string& target, const std::string& readFrom, Diagnostics& diagnostics)
{
    std::error_code error;
    const fs::path out = fs::weakly_canonical(fs::absolute(target, error), error);
    const fs::path in = fs::weakly_canonical(fs::absolute(readFrom, error), error);
    if (error)
        return true;  // the reading has failed or will fail and say so
    std::string why;
    if (out == in)
        why = "is the folder it is made from";
    else if (Within(out, in))
        why = "lies inside " + readFrom + ", the folder it is made from";
    else if (Within(in, out))
        why = "holds " + readFrom + ", the folder it is made from";
    if (why.empty())
        return true;
    diagnostics.Error(target, 0, 0, why + ": choose an output folder apart from it");
    return false;
}

bool OutputFolder::ReadManifest(const std::string& folder, std::set<std::string>& owned, Diagnostics& diagnostics)
{
    const fs::path manifest = fs::path(folder) / kManifest;
    std::string text;
    std::string why;
    if (!SourceFile::Read(manifest.string(), text, why)) {
        diagnostics.Error(manifest.string(), 0, 0, why);
        return false;
    }
    std::istringstream lines(text);
    std::string line;
    for (int number = 1; std::getline(lines, line); ++number) {
        if (line.empty() || line[0] == '#')
            continue;
        std::string joined;
        const std::string refusal = PathCheck::ReferenceRefusal("", line, joined);
        if (!refusal.empty() || joined != line) {
            diagnostics.Error(manifest.string(), number, 0,
                              "names a file that " + (refusal.empty() ? "is not written plainly" : refusal) +
                                  ": the list is damaged, so nothing in the folder is replaced");
            return false;
        }
        owned.insert(line);
    }
    return true;
}

void OutputFolder::AddLegacyFiles(const std::string& folder, const LegacyRule& rule, std::set<std::string>& owned)
{
    // Written before the list was kept: only the kinds of file the tool
    // makes count as its own; nothing else is removed.
    std::error_code error;
    for (fs::recursive_directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
        if (!fs::is_regular_file(it->symlink_status()))
            continue;
        const std::string relative = fs::relative(it->path(), folder, error).generic_string();
        if (!error && rule && rule(relative))
            owned.insert(relative);
    }
}

bool OutputFolder::GameFilesOwned(const std::string& gameDir, std::set<std::string>& owned,
                                  Diagnostics& diagnostics)
{
    owned.clear();
    if (Exists(fs::path(gameDir) / kManifest))
        return ReadManifest(gameDir, owned, diagnostics);
    AddLegacyFiles(gameDir, IsLegacyGameFile, owned);
    return true;
}

std::string OutputFolder::ManifestText(const std::vector<std::string>& files)
{
    std::string list = "# The files tessel-pack wrote here. It replaces or removes only these when it writes\n"
                       "# this folder again, and leaves every other file alone.\n";
    for (const std::string& file : files)
        list += file + "\n";
    return list;
}

bool OutputFolder::TargetMayBeWritten(Diagnostics& diagnostics)
{
    std::error_code error;
    if (!Exists(target))
        return true;
    if (!fs::is_directory(target, error)) {
        diagnostics.Error(target, 0, 0, "exists and is not a folder");
        return false;
    }
    if (Exists(fs::path(target) / kManifest))
        return ReadManifest(target, owned, diagnostics);
    if (fs::is_empty(target, error))
        return true;
    if (!Exists(fs::path(target) / legacyMarker)) {
        diagnostics.Error(target, 0, 0, "is not empty and holds no \"" + legacyMarker +
                                           "\": it is no folder this tool made, and is not replaced");
        return false;
    }
    AddLegacyFiles(target, legacyOwned, owned);
    return true;
}

bool OutputFolder::Open(Diagnostics& diagnostics)
{
    if (!IsApart(target, readFrom, diagnostics) || !TargetMayBeWritten(diagnostics))
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

std::vector<std::string> OutputFolder::NewFiles() const
{
    std::vector<std::string> files;
    std::error_code error;
    for (fs::recursive_directory_iterator it(temporary, error), end; !error && it != end; it.increment(error))
        if (!it->is_directory(error))
            files.push_back(fs::relative(it->path(), temporary, error).generic_string());
    std::sort(files.begin(), files.end());
    return files;
}

bool OutputFolder::MoveAll(const std::string& from, const std::string& to, const std::vector<std::string>& files,
                           std::vector<std::string>& moved, std::string& error) const
{
    for (const std::string& file : files) {
        std::error_code failure;
        const fs::path destination = fs::path(to) / file;
        fs::create_directories(destination.parent_path(), failure);
        fs::rename(fs::path(from) / file, destination, failure);
        if (failure) {
            error = file + ": " + failure.message();
            return false;
        }
        moved.push_back(file);
    }
    return true;
}

void OutputFolder::RemoveEmptyFolders(const std::vector<std::string>& files) const
{
    for (const std::string& file : files) {
        std::error_code error;
        for (fs::path folder = fs::path(file).parent_path(); !folder.empty(); folder = folder.parent_path()) {
            const fs::path path = fs::path(target) / folder;
            if (!fs::is_directory(fs::symlink_status(path, error)) || !fs::is_empty(path, error) ||
                !fs::remove(path, error))
                break;
        }
    }
}

bool OutputFolder::Commit(Diagnostics& diagnostics)
{
    std::vector<std::string> files = NewFiles();
    const std::string list = ManifestText(files);
    if (!Write(kManifest, std::vector<std::uint8_t>(list.begin(), list.end()), diagnostics))
        return false;
    files.push_back(kManifest);
    owned.insert(kManifest);

    // A file of someone else's where a new one would go stops everything.
    for (const std::string& file : files) {
        const fs::path path = fs::path(target) / file;
        if (Exists(path) && (!owned.count(file) || fs::is_directory(fs::symlink_status(path)))) {
            diagnostics.Error(path.string(), 0, 0,
                              "exists and was not written by tessel-pack: it is left alone, and nothing is "
                              "written; move it away first");
            return false;
        }
    }
    std::vector<std::string> old;
    for (const std::string& file : owned)
        if (Exists(fs::path(target) / file))
            old.push_back(file);

    std::error_code error;
    fs::create_directories(target, error);
    const std::string backup = target + ".old-" + std::to_string(getpid());
    fs::remove_all(backup, error);
    std::vector<std::string> movedOld, movedNew, ignored;
    std::string why;
    bool done = MoveAll(target, backup, old, movedOld, why) && MoveAll(temporary, target, files, movedNew, why);
    if (!done) {
        diagnostics.Error(target, 0, 0, "cannot be written (" + why + "); the earlier files are put back");
        for (const std::string& file : movedNew)
            fs::remove(fs::path(target) / file, error);
        std::string lost;
        if (!MoveAll(backup, target, movedOld, ignored, lost))
            diagnostics.Error(backup, 0, 0, "holds the earlier files, which cannot be put back: " + lost);
        else
            fs::remove_all(backup, error);  // only its emptied folders are left
        RemoveEmptyFolders(movedNew);
        return false;
    }
    committed = true;
    fs::remove_all(backup, error);
    fs::remove_all(temporary, error);
    std::vector<std::string> gone;
    for (const std::string& file : old)
        if (std::find(files.begin(), files.end(), file) == files.end())
            gone.push_back(file);
    RemoveEmptyFolders(gone);
    return true;
}
