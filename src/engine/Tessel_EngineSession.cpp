// Recorded sessions: the keys of every frame written down, or played back
// instead of the keyboard's, with the clock the scripts read.

#include "engine/Tessel_Engine.h"

#include "platform/Clock.h"
#include "platform/FileChecksum.h"
#include "platform/KeyNumbers.h"

void Tessel_Engine::ReplayFrameKeys()
{
    const InputReplay::Frame* frame = replay->At(frameNumber);
    if (!frame)
        return;
    for (const RecordedKey& key : frame->keys) {
        if (key.down) {
            SDL_keysym keysym = {};
            keysym.sym = static_cast<SDLKey>(SymFromKeyNumber(key.sym));
            keysym.unicode = static_cast<Uint16>(key.unicode);
            PressKey(keysym);
        } else {
            ReleaseKey(static_cast<SDLKey>(SymFromKeyNumber(key.sym)));
        }
    }
}

bool Tessel_Engine::StartRecording(const std::string& path, unsigned seed)
{
    recorder = std::make_unique<InputRecorder>();
    if (recorder->Open(path, seed, WorldFolderChecksums()))
        return true;
    recorder.reset();
    return false;
}

bool Tessel_Engine::StartReplay(const std::string& path, std::string& error)
{
    auto session = std::make_unique<InputReplay>();
    if (!session->Load(path, error))
        return false;
    error = session->CompareFiles(WorldFolderChecksums());
    if (!error.empty())
        return false;
    replay = std::move(session);
    return true;
}

std::uint32_t Tessel_Engine::SessionClock()
{
    if (replay) {
        const InputReplay::Frame* frame = replay->At(frameNumber);
        if (frame && frame->hasTime)
            frameClock = frame->time;
        return frameClock;
    }
    // One reading a frame, so that the recording holds the value every
    // reader of this frame saw.
    if (!clockReadThisFrame) {
        clockReadThisFrame = true;
        frameClock = MillisecondsSinceStart();
        if (recorder)
            recorder->Time(frameClock);
    }
    return frameClock;
}

void Tessel_Engine::FinishRecording()
{
    if (recorder)
        recorder->Finish(frameNumber);
}

