#pragma once

// The files a game writes (captures, saves) outlive the browser's page only
// in the browser's own storage (IndexedDB). In the browser build these
// functions keep one folder there; elsewhere the folder is on disk already
// and they do nothing.

// Makes `folder` (an absolute path) and starts reading its stored files.
void OpenStoredFolder(const char* folder);
// True once the stored files have been read (at once outside the browser).
bool StoredFolderReady();
// Starts writing the folder's files back to the browser's storage.
void SaveStoredFolder();
