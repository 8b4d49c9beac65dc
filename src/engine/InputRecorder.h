#pragma once

#include <cstdint>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "engine/RecordedKey.h"
#include "platform/FileChecksum.h"

// Writes a played session as plain text: a version line, the random seed,
// the checksum of every world file, then one line per frame that had key
// events or read the clock, and the number of frames at the end.
//
// Lines reach the file as the frames go: the file is flushed at least once
// a second, with a line holding only the frame's number when that frame had
// nothing else, so that the recording of a session that crashed or was
// killed plays back up to there.
//
//   tessel-session 1
//   seed 1733480000
//   file 8a1f03c2 map\m.map
//   input
//   12 time 5034 down 113 113 up 113
//   end 57
class InputRecorder {
public:
    static const int kVersion = 1;

    ~InputRecorder();
    // False when the file cannot be written.
    bool Open(const std::string& path, unsigned seed, const std::vector<FileChecksum>& files);
    void Key(const RecordedKey& key) { keys.push_back(key); }
    void Time(std::uint32_t ms);
    // Writes the frame's line if it had anything to record.
    void EndFrame(std::uint32_t frame);
    // Writes the end line and closes the file; later calls do nothing.
    void Finish(std::uint32_t frames);
    // Milliseconds that tell when to flush; the program's clock by default.
    void SetFlushClock(std::function<std::uint32_t()> clock) { flushClock = std::move(clock); }

    static const std::uint32_t kFlushIntervalMs = 1000;

private:
    std::FILE* file = nullptr;
    std::function<std::uint32_t()> flushClock;
    std::uint32_t lastFlush = 0;
    std::vector<RecordedKey> keys;
    bool hasTime = false;
    std::uint32_t time = 0;
};
