#pragma once

// The files a game writes (captures, saves) outlive the browser's page only
// in the browser's own storage (IndexedDB). In the browser build these
// functions keep folders there; elsewhere the folders are on disk already
// and they do nothing.

// Makes `folder` (an absolute path) one whose files are kept.
void KeepFolderStored(const char* folder);
// Starts reading the kept folders' files from the browser's storage.
void LoadStoredFolders();
// True once they have been read (at once outside the browser).
bool StoredFoldersReady();
// Starts writing the kept folders' files back to the browser's storage.
void SaveStoredFolders();
