#include "engine/InputReplay.h"

#include <cstdio>
#include <cstdlib>
#include <sstream>

#include "engine/InputRecorder.h"
#include "platform/DataFile.h"
#include "platform/KeyNumbers.h"

namespace {
bool ReadFrameLine(std::istringstream& words, InputReplay::Frame& frame)
{
    std::string word;
    while (words >> word) {
        if (word == "time") {
            frame.hasTime = true;
            if (!(words >> frame.time))
                return false;
        } else if (word == "down" || word == "up") {
            RecordedKey key;
            key.down = word == "down";
            if (!(words >> key.sym) || (key.down && !(words >> key.unicode)))
                return false;
            // The key indexes the key table: a damaged file must not reach
            // past it. 0 is a key SDL has no name for (a media key): the
            // game received it, so it is played back too.
            if (key.sym < 0 || key.sym >= kKeyNumberEnd || key.unicode < 0 || key.unicode > 0xFFFF)
                return false;
            frame.keys.push_back(key);
        } else {
            return false;
        }
    }
    return true;
}
}  // namespace

bool InputReplay::Load(const std::string& path, std::string& error)
{
    std::vector<std::uint8_t> bytes;
    const CappedRead read = ReadDataFileCapped(path, bytes, kMaxFileBytes);
    if (read == CappedRead::TooLarge) {
        error = "Replay: " + path + " is larger than " + std::to_string(kMaxFileBytes >> 20) + " MB";
        return false;
    }
    if (read != CappedRead::Done) {
        error = "Replay: cannot read " + path;
        return false;
    }
    std::istringstream text(std::string(bytes.begin(), bytes.end()));
    std::string line;
    int version = 0;
    std::getline(text, line);
    if (std::sscanf(line.c_str(), "tessel-session %d", &version) != 1) {
        error = "Replay: " + path + " is not a recorded session";
        return false;
    }
    if (version != InputRecorder::kVersion) {
        error = "Replay: " + path + " was recorded by version " + std::to_string(version) +
                ", this game plays version " + std::to_string(InputRecorder::kVersion);
        return false;
    }
    bool inInput = false;
    bool ended = false;
    int lineNumber = 1;
    while (std::getline(text, line)) {
        ++lineNumber;
        std::istringstream words(line);
        std::string first;
        if (!(words >> first))
            continue;
        bool good = true;
        if (!inInput && first == "seed") {
            good = static_cast<bool>(words >> seed);
        } else if (!inInput && first == "file") {
            FileChecksum file;
            good = static_cast<bool>(words >> std::hex >> file.crc >> std::dec);
            std::getline(words >> std::ws, file.path);
            good = good && !file.path.empty();
            files.push_back(file);
        } else if (!inInput && first == "input") {
            inInput = true;
        } else if (inInput && first == "end") {
            good = static_cast<bool>(words >> endFrame);
            ended = good;
        } else if (inInput && first.find_first_not_of("0123456789") == std::string::npos) {
            good = first.size() <= 9 &&
                   ReadFrameLine(words, frames[static_cast<std::uint32_t>(std::strtoul(first.c_str(), nullptr, 10))]);
        } else {
            good = false;
        }
        if (!good) {
            error = "Replay: " + path + " line " + std::to_string(lineNumber) + " cannot be read";
            return false;
        }
    }
    // A session that crashed has no end line: it plays up to its last
    // frame written and a little on, to where the crash came.
    if (!ended)
        endFrame = (frames.empty() ? 0 : frames.rbegin()->first + 1) + kFramesAfterCrash;
    return true;
}

std::string InputReplay::CompareFiles(const std::vector<FileChecksum>& current) const
{
    for (const FileChecksum& recorded : files) {
        bool found = false;
        for (const FileChecksum& now : current) {
            if (now.path != recorded.path)
                continue;
            found = true;
            if (now.crc != recorded.crc)
                return "Replay refused: " + recorded.path + " has changed since the recording";
        }
        if (!found)
            return "Replay refused: " + recorded.path + " is missing";
    }
    for (const FileChecksum& now : current) {
        bool recordedToo = false;
        for (const FileChecksum& recorded : files)
            recordedToo = recordedToo || recorded.path == now.path;
        if (!recordedToo)
            return "Replay refused: " + now.path + " was not there when the session was recorded";
    }
    return "";
}

const InputReplay::Frame* InputReplay::At(std::uint32_t frame) const
{
    auto found = frames.find(frame);
    return found == frames.end() ? nullptr : &found->second;
}
