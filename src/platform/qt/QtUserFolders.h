#pragma once
#include <string>

// The user's documents folder as the desktop names it (XDG_DOCUMENTS_DIR in
// $XDG_CONFIG_HOME/user-dirs.dirs, else ~/Documents), whether it exists or not.
std::string DocumentsFolder();
// The user's home folder.
std::string HomeFolder();
