// SPDX-License-Identifier: MIT
#pragma once

#include <string>

namespace stratavex {

class Host;

// Where an installed copy keeps its bundled files, relative to the folder of
// its executable: bin/ and share/stratavex/ under one prefix.
extern const char* const installedDataFolder;

// Where the program runs: the folder of its executable and the values of the
// environment variables XDG_DATA_HOME and HOME (empty when unset).
struct FolderPlaces {
    std::string executableFolder;
    std::string xdgDataHome;
    std::string home;
};

// The folder the game works in, from which every file is opened by bare name.
// A program folder that holds the game's files and can be written to is used
// in place, as a build folder or a portable copy is. An installed copy, or a
// program folder that cannot be written to, uses the player's own folder
// (userFolder) instead, after copying into it every bundled file it does not
// have yet; a file already there is never replaced. Problems are shown through
// the host, and the best folder left to play from is returned.
std::string chooseGameFolder(Host& host, const FolderPlaces& places);

// $XDG_DATA_HOME/stratavex, or ~/.local/share/stratavex when XDG_DATA_HOME is
// unset or not an absolute path; empty when there is no home folder either.
std::string userFolder(const FolderPlaces& places);

// True when a new file can be made in folder, found out by making one.
bool canCreateFilesIn(const std::string& folder);

} // namespace stratavex
