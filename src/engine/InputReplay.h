#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "engine/RecordedKey.h"
#include "platform/FileChecksum.h"

// A session written by InputRecorder, read back to be played again.
class InputReplay {
public:
    struct Frame {
        bool hasTime = false;
        std::uint32_t time = 0;
        std::vector<RecordedKey> keys;
    };

    // Reads the file; false with the reason in `error` (one line) when it is
    // missing, of another version or damaged.
    bool Load(const std::string& path, std::string& error);
    // Empty when `current` holds the recorded world files unchanged;
    // otherwise the reason the replay cannot be trusted.
    std::string CompareFiles(const std::vector<FileChecksum>& current) const;
    // The recorded frame, or null when it had nothing recorded.
    const Frame* At(std::uint32_t frame) const;

    unsigned seed = 0;
    std::vector<FileChecksum> files;
    // Frames the session ran; the replay ends there.
    std::uint32_t endFrame = 0;

private:
    std::map<std::uint32_t, Frame> frames;
};
