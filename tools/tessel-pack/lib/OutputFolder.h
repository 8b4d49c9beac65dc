#pragma once

#include <cstdint>
#include <functional>
#include <set>
#include <string>
#include <vector>

#include "lib/Diagnostics.h"

// A folder this tool writes into without ever touching a file it did not
// write. The new files go to a temporary folder beside the target first;
// only when all of them are written does Commit move them in, replacing the
// files the tool wrote there before and removing those of them it no longer
// writes. Which files those are, a list kept in the folder says
// (kManifest). Every other file (a player's captures, an author's notes, a
// .git) stays as it is. Dropped without Commit, the temporary folder is
// removed and the target is left as it was; a failing Commit puts the old
// files back.
class OutputFolder {
public:
    // The list of the files the tool wrote, kept in the folder.
    static const char* const kManifest;

    // Which files of a folder written before the list existed count as the
    // tool's own (`relative` uses '/').
    using LegacyRule = std::function<bool(const std::string& relative)>;

    // `readFrom` is the folder the output is made from: the target may not
    // be it, lie inside it, or hold it. `legacyMarker` is a file or folder
    // whose presence shows that a target without a list was made by this
    // tool ("wor" for a game, "world.json" for sources); any other
    // non-empty target without a list is refused.
    OutputFolder(std::string target, std::string readFrom, std::string legacyMarker, LegacyRule legacyOwned);
    ~OutputFolder();
    OutputFolder(const OutputFolder&) = delete;
    OutputFolder& operator=(const OutputFolder&) = delete;

    bool Open(Diagnostics& diagnostics);
    // `relative` uses '/'; parent folders are made.
    bool Write(const std::string& relative, const std::vector<std::uint8_t>& bytes, Diagnostics& diagnostics);
    bool Commit(Diagnostics& diagnostics);

    // The temporary folder, for writers that make their own files.
    const std::string& Path() const { return temporary; }

    // The files of a game folder that tessel-pack wrote before it kept its
    // list: the settings and the files of wor, map, tsl and tga it makes.
    static bool IsLegacyGameFile(const std::string& relative);

    // Whether `target` is apart from `readFrom` (neither is, or holds, the
    // other); reports it when not.
    static bool IsApart(const std::string& target, const std::string& readFrom, Diagnostics& diagnostics);
    // The files of an existing game folder that the tool wrote: its list,
    // or for a folder packed before the list, the IsLegacyGameFile ones.
    // False, reported, when the list is damaged.
    static bool GameFilesOwned(const std::string& gameDir, std::set<std::string>& owned, Diagnostics& diagnostics);
    // The text of the list of `files`.
    static std::string ManifestText(const std::vector<std::string>& files);

private:
    bool TargetMayBeWritten(Diagnostics& diagnostics);
    static bool ReadManifest(const std::string& folder, std::set<std::string>& owned, Diagnostics& diagnostics);
    static void AddLegacyFiles(const std::string& folder, const LegacyRule& rule, std::set<std::string>& owned);
    std::vector<std::string> NewFiles() const;
    bool MoveAll(const std::string& from, const std::string& to, const std::vector<std::string>& files,
                 std::vector<std::string>& moved, std::string& error) const;
    void RemoveEmptyFolders(const std::vector<std::string>& files) const;

    std::string target;
    std::string readFrom;
    std::string legacyMarker;
    LegacyRule legacyOwned;
    std::string temporary;
    std::set<std::string> owned;
    bool committed = false;
};
