#include "lib/ReadBack.h"

#include "lib/MapFileWriter.h"
#include "game/CWorld.h"
#include "script/ScriptContainer.h"
#include "world/MapFileReader.h"

std::string ReadBack::MapRefusal(const std::vector<std::uint8_t>& bytes)
{
    MapFile map;
    const MapFileResult parsed = ParseMapFile(bytes, map);
    if (!parsed.accepted)
        return parsed.reason;
    return WriteMapFile(map) == bytes ? "" : "the game reads other values than were packed";
}

std::string ReadBack::WorldRefusal(const WorldFile& meant)
{
    CWorld world;
    std::string why;
    if (!world.ParseWorld(meant.Bytes(), &why))
        return why.empty() ? "the world file is refused" : why;
    bool same = world.scripts.size() == meant.scripts.size() && world.textures.size() == meant.textures.size() &&
                world.startScript == meant.startScript;
    for (std::size_t i = 0; same && i < meant.scripts.size(); ++i)
        same = world.scripts[i].file == meant.scripts[i];
    for (std::size_t i = 0; same && i < meant.textures.size(); ++i)
        same = world.textures[i].name == meant.textures[i].name && world.textures[i].file == meant.textures[i].file;
    return same ? "" : "the game would read other lists than were packed (a name holds a 0 byte)";
}

std::string ReadBack::ContainerRefusal(const std::vector<SourceScript>& meant)
{
    const std::vector<ScriptContainer::Record> records = ScriptContainer::Parse(ScriptSource::Container(meant));
    bool same = records.size() == meant.size();
    for (std::size_t i = 0; same && i < meant.size(); ++i)
        same = records[i].id == meant[i].id && records[i].text == meant[i].text;
    return same ? "" : "the game would read other scripts than were packed (a script holds a 0 byte)";
}
