#include "game/CWorld.h"

#include "platform/DataFile.h"
#include "world/ByteReader.h"

namespace {

// A world names at most a few thousand files; anything far larger is not a
// world file and is refused before it is held in memory.
const std::size_t kMaxWorldFileBytes = 16 * 1024 * 1024;

std::string At(const ByteReader& in)
{
    return " at byte " + std::to_string(in.Position());
}

// A zero-terminated string of at most 255 bytes.
bool ReadName(ByteReader& in, std::string& value, const std::string& item, std::string& why)
{
    const std::size_t start = in.Position();
    if (!in.ReadString(value)) {
        why = item + " starting at byte " + std::to_string(start) +
              " has no terminating zero byte before the end of the file";
        return false;
    }
    if (value.size() > CWorld::kMaxStringLength) {
        why = item + " starting at byte " + std::to_string(start) + " is " + std::to_string(value.size()) +
              " bytes long; at most 255 are allowed";
        return false;
    }
    return true;
}

// A list ends where the next entry would start with a 0 byte, which is
// consumed.
bool AtListEnd(ByteReader& in, bool& ended, const std::string& list, std::string& why)
{
    std::uint8_t next = 0;
    if (!in.ReadU8(next)) {
        why = "the " + list + " has no end: the file stops" + At(in);
        return false;
    }
    ended = next == 0;
    if (!ended)
        in.Unread(1);
    return true;
}

bool ParseInto(CWorld& world, ByteReader& in, std::string& why)
{
    for (bool ended = false;;) {
        if (!AtListEnd(in, ended, "script list", why))
            return false;
        if (ended)
            break;
        CWorld::ScriptEntry entry;
        entry.number = static_cast<std::uint32_t>(world.scripts.size() + 1);
        if (!ReadName(in, entry.file, "script file name " + std::to_string(entry.number), why))
            return false;
        world.scripts.push_back(entry);
    }
    for (bool ended = false;;) {
        if (!AtListEnd(in, ended, "texture list", why))
            return false;
        if (ended)
            break;
        CWorld::TextureEntry entry;
        const std::string item = "texture entry " + std::to_string(world.textures.size() + 1);
        if (!in.ReadU16(entry.name)) {
            why = "the name of " + item + " is cut short" + At(in);
            return false;
        }
        if (!ReadName(in, entry.file, "the file name of " + item, why))
            return false;
        world.textures.push_back(entry);
    }
    std::uint16_t start = 0;
    if (!in.ReadU16(start)) {
        why = "the start script is cut short" + At(in) + ": 2 bytes expected, " +
              std::to_string(in.Remaining()) + " present";
        return false;
    }
    world.startScript = start;
    return true;
}

} // namespace

void CWorld::ClearWorld()
{
    scripts.clear();
    textures.clear();
    startScript = 0;
    fileName.clear();
    loaded = false;
}

bool CWorld::ParseWorld(const std::vector<std::uint8_t>& bytes, std::string* whyRefused)
{
    ClearWorld();
    ByteReader in(bytes.data(), bytes.size());
    std::string why;
    if (!ParseInto(*this, in, why)) {
        startScript = 0;
        if (whyRefused)
            *whyRefused = why;
        return false;
    }
    loaded = true;
    return true;
}

bool CWorld::ReadWorld(const std::string& path)
{
    ClearWorld();
    std::vector<std::uint8_t> bytes;
    if (!ReadDataFile(path, bytes, kMaxWorldFileBytes))
        return false;
    if (!ParseWorld(bytes))
        return false;
    fileName = path;
    return true;
}
