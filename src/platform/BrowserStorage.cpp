#include "platform/BrowserStorage.h"

#ifdef __EMSCRIPTEN__

#include <emscripten.h>

void OpenStoredFolder(const char* folder)
{
    // clang-format off
    EM_ASM({
        var folder = UTF8ToString($0);
        Module.tesselStoredReady = false;
        try { FS.mkdir(folder); } catch (e) {}
        FS.mount(IDBFS, {}, folder);
        FS.syncfs(true, function(error) {
            if (error) console.log('stored files could not be read: ' + error);
            Module.tesselStoredReady = true;
        });
    }, folder);
    // clang-format on
}

bool StoredFolderReady()
{
    return EM_ASM_INT({ return Module.tesselStoredReady ? 1 : 0; }) != 0;
}

void SaveStoredFolder()
{
    // clang-format off
    EM_ASM({
        if (Module.tesselSaving) return;
        Module.tesselSaving = true;
        FS.syncfs(false, function(error) {
            Module.tesselSaving = false;
            if (error) console.log('stored files could not be written: ' + error);
        });
    });
    // clang-format on
}

#else

void OpenStoredFolder(const char*) {}

bool StoredFolderReady()
{
    return true;
}

void SaveStoredFolder() {}

#endif
