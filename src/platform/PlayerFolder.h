#pragma once

#include <string>

// Where the game keeps what is the player's own (screen captures, saved
// games). A game folder the player can write to keeps them itself, as it
// always has; a game installed where the player cannot write (the packaged
// demo under /usr/share) keeps them in a folder of the player's:
// $XDG_DATA_HOME/tessel/<world>/, or ~/.local/share/tessel/<world>/.

// The prefix to put before the data paths of the player's files: empty for
// the game folder (the current folder), else a host path ending in '/',
// made if missing. When no folder of the player's can be found or made, the
// game folder it is, and writing there fails as it would have.
std::string PlayerFolder(const std::string& worldName);

// The player's own folder for a world, from the environment's values (empty
// when unset); empty when neither is set.
std::string PlayerFolderPath(const std::string& worldName, const std::string& xdgDataHome,
                             const std::string& home);
