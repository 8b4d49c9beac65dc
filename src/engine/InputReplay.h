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

    // Hours of play; a larger file is refused unread.
    static const std::size_t kMaxFileBytes = 16u << 20;
    // A recording without its end line (the game crashed or was killed)
    // plays this many frames past its last line: the recorder writes a line
    // at least every second, which is about 33 frames.
    static const std::uint32_t kFramesAfterCrash = 100;

    // Reads the file; false with the reason in `error` (one line) when it is
    // missing, too large, of another version or damaged.
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
