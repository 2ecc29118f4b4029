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

// Makes the chosen folder the current one when it exists. One still to be made is made by
// EnterNewDataFolder once the program knows it can run: a start that ends at once (no language
// file) leaves no empty folder behind. Until then the current folder stands in for it, which
// holds none of the program's files either.
void EnterDataFolder();
// Creates the folder EnterDataFolder chose but did not find and makes it the current one;
// where that fails the program stays in the current folder. Nothing to do after that or
// without EnterDataFolder.
void EnterNewDataFolder();

// A folder of the data shipped with the program (such as "melodies/level1"): the first of beside
// the program (a build tree), then the installed data folder, that exists; the installed one
// when neither does.
std::filesystem::path ShippedDataFolder(const std::filesystem::path& relative);
// A folder of the user's own files (such as "melodies"): ${XDG_DATA_HOME:-~/.local/share}/aurelo/
// and the relative path, wherever the program works.
std::filesystem::path UserDataFolder(const std::filesystem::path& relative);
