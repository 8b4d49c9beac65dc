#include "engine/InputRecorder.h"

#include "platform/Clock.h"
#include "platform/DataFile.h"

InputRecorder::~InputRecorder()
{
    if (file)
        std::fclose(file);
}

bool InputRecorder::Open(const std::string& path, unsigned seed, const std::vector<FileChecksum>& files)
{
    file = OpenDataFile(path, "w");
    if (!file)
        return false;
    std::fprintf(file, "tessel-session %d\nseed %u\n", kVersion, seed);
    for (const FileChecksum& world : files)
        std::fprintf(file, "file %08x %s\n", static_cast<unsigned>(world.crc), world.path.c_str());
    std::fprintf(file, "input\n");
    if (!flushClock)
        flushClock = MillisecondsSinceStart;
    lastFlush = flushClock();
    std::fflush(file);
    return true;
}

void InputRecorder::Time(std::uint32_t ms)
{
    hasTime = true;
    time = ms;
}

void InputRecorder::EndFrame(std::uint32_t frame)
{
    if (!file) {
        keys.clear();
        hasTime = false;
        return;
    }
    const std::uint32_t now = flushClock();
    const bool flush = now - lastFlush >= kFlushIntervalMs;
    if (hasTime || !keys.empty() || flush) {
        std::fprintf(file, "%u", static_cast<unsigned>(frame));
        if (hasTime)
            std::fprintf(file, " time %u", static_cast<unsigned>(time));
        for (const RecordedKey& key : keys) {
            if (key.down)
                std::fprintf(file, " down %d %d", key.sym, key.unicode);
            else
                std::fprintf(file, " up %d", key.sym);
        }
        std::fprintf(file, "\n");
    }
    if (flush) {
        std::fflush(file);
        lastFlush = now;
    }
    keys.clear();
    hasTime = false;
}

void InputRecorder::Finish(std::uint32_t frames)
{
    if (!file)
        return;
    std::fprintf(file, "end %u\n", static_cast<unsigned>(frames));
    std::fclose(file);
    file = nullptr;
}
