#include "lib/TiledTilesetFile.h"

#include "lib/TiledPath.h"
#include "lib/TmjReader.h"
#include "lib/TmxReader.h"
#include "shared/SourceFile.h"

void ReadExternalTileset(const std::string& mapPath, const std::string& mapDisplay, int line,
                         const std::string& source, TiledTileset& tileset, Diagnostics& diagnostics)
{
    const std::string path = TiledPath::Beside(mapPath, source);
    const std::string display = TiledPath::Beside(mapDisplay, source);
    tileset.file = mapDisplay;
    tileset.line = line;
    if (!TiledPath::StaysInside(mapDisplay, line, source, diagnostics)) {
        tileset.loaded = false;
        return;
    }
    // Not opened here: a pipe would block. The reader refuses what is not
    // a regular file of a sensible size.
    std::string why;
    if (!SourceFile::Fits(path, why) && why == "cannot be opened") {
        diagnostics.Error(mapDisplay, line, 0, "the tileset file '" + source + "' (" + display +
                                                   ") cannot be opened: the map's tiles from it would be lost");
        tileset.loaded = false;
        return;
    }
    const std::string extension = TiledPath::Extension(path);
    if (extension == ".tsx")
        tileset.loaded = TmxReader(path, display, diagnostics).ReadTileset(tileset);
    else if (extension == ".tsj" || extension == ".json")
        tileset.loaded = TmjReader(path, display, diagnostics).ReadTileset(tileset);
    else {
        diagnostics.Error(mapDisplay, line, 0, "the tileset file '" + source +
                                                   "' is neither .tsx nor .tsj/.json: Tiled's tileset formats");
        tileset.loaded = false;
    }
}
