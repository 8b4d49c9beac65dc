#include "platform/BrowserStorage.h"

#ifdef __EMSCRIPTEN__

#include <emscripten.h>

void KeepFolderStored(const char* folder)
{
    // clang-format off
    EM_ASM({
        var folder = UTF8ToString($0);
        try { FS.mkdir(folder); } catch (e) {}
        FS.mount(IDBFS, {}, folder);
    }, folder);
    // clang-format on
}

void LoadStoredFolders()
{
    // clang-format off
    EM_ASM({
        Module.tesselStoredReady = false;
        FS.syncfs(true, function(error) {
            if (error) console.log('stored files could not be read: ' + error);
            Module.tesselStoredReady = true;
        });
    });
    // clang-format on
}

bool StoredFoldersReady()
{
    return EM_ASM_INT({ return Module.tesselStoredReady ? 1 : 0; }) != 0;
}

void SaveStoredFolders()
{
    // clang-format off
    EM_ASM({
        // One writing at a time; files written meanwhile go in one more.
        if (Module.tesselSaving) {
            Module.tesselSaveAgain = true;
            return;
        }
        Module.tesselSaving = true;
        var save = function() {
            Module.tesselSaveAgain = false;
            FS.syncfs(false, function(error) {
                if (error) console.log('stored files could not be written: ' + error);
                if (Module.tesselSaveAgain) save();
                else Module.tesselSaving = false;
            });
        };
        save();
    });
    // clang-format on
}

#else

void KeepFolderStored(const char*) {}

void LoadStoredFolders() {}

bool StoredFoldersReady()
{
    return true;
}

void SaveStoredFolders() {}

#endif
