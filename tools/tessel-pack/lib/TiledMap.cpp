#include "lib/TiledMap.h"

#include <exception>
#include <new>

#include "lib/MapFileWriter.h"
#include "lib/TiledMapConverter.h"
#include "lib/TiledPath.h"
#include "lib/TmjReader.h"
#include "lib/TmxReader.h"
#include "lib/TmxWriter.h"
#include "world/MapFileReader.h"

bool ImportTiledMap(const std::string& path, const std::string& displayPath, ImportedMap& out,
                    Diagnostics& diagnostics)
{
    out = ImportedMap();
    const std::size_t errorsBefore = diagnostics.ErrorCount();
    try {
        TiledSource source;
        const std::string extension = TiledPath::Extension(path);
        bool read = false;
        if (extension == ".tmx")
            read = TmxReader(path, displayPath, diagnostics).ReadMap(source);
        else if (extension == ".tmj" || extension == ".json")
            read = TmjReader(path, displayPath, diagnostics).ReadMap(source);
        else
            diagnostics.Error(displayPath, 0, 0, "is not a Tiled map: the extension must be .tmx, .tmj or .json");
        if (!read)
            return false;
        MapFile map;
        if (!TiledMapConverter(source, diagnostics).Convert(map, out.pictures) ||
            diagnostics.ErrorCount() != errorsBefore) {
            out = ImportedMap();
            return false;
        }
        out.mapBytes = WriteMapFile(map);
        return true;
    } catch (const std::bad_alloc&) {
        diagnostics.Error(displayPath, 0, 0, "the map is too large to convert in memory");
    } catch (const std::exception& error) {
        diagnostics.Error(displayPath, 0, 0, std::string("cannot be converted: ") + error.what());
    }
    out = ImportedMap();
    return false;
}

bool ExportTiledMap(const std::vector<std::uint8_t>& mapBytes, const std::string& tmxPath,
                    const std::function<std::string(const std::string& tgaFile)>& pictureForTga,
                    Diagnostics& diagnostics)
{
    MapFile map;
    const MapFileResult parsed = ParseMapFile(mapBytes, map);
    if (!parsed.accepted) {
        diagnostics.Error(tmxPath, 0, 0, "the map file cannot be read: " + parsed.reason);
        return false;
    }
    try {
        return WriteTmxMap(map, tmxPath, pictureForTga, diagnostics);
    } catch (const std::exception& error) {
        diagnostics.Error(tmxPath, 0, 0, std::string("cannot be written: ") + error.what());
        return false;
    }
}
