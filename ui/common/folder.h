// SPDX-License-Identifier: MIT
// Where the user file lives: the user's configuration folder, a folder of the program's own
// inside it, and the tests on folders that finding it needs.
#pragma once

#include <string>

namespace valdora {

// The user's application-data folder (csidl 26) or "" when it cannot be found; other
// folder ids give "".
std::string SpecialFolderPath(int csidl);

// The folder to use when the application-data folder cannot be found: the home folder,
// or "" when there is none.
std::string FirstFixedDrive();

// True when the trimmed `path` names an existing folder.
bool FolderExists(const std::string& path);

// <application-data folder>/<folderName>/<fileName>; creates the folder (and any missing
// parent) when it does not exist yet.
std::string AppDataFilePath(const std::string& fileName, const std::string& folderName);

}  // namespace valdora
