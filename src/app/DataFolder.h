#pragma once
#include <filesystem>

// The folder the program keeps its files in (settings, time log, progress history, a custom
// language file) and works in. A folder that already holds AureloSettings.dat or lang_files/ is
// used as it is, so a program started there finds its files where they always were; any other
// start (from the application menu the current folder is the home folder or /) works in
// ${XDG_DATA_HOME:-~/.local/share}/aurelo. Nothing is moved. xdgDataHome and home may be null
// or empty; a relative XDG_DATA_HOME is ignored, as the XDG rules say.
std::filesystem::path ChooseDataFolder(const std::filesystem::path& current, const char* xdgDataHome,
                                       const char* home);

// Makes the chosen folder (created if need be) the current one; where that fails the program
// stays in the current folder.
void EnterDataFolder();
