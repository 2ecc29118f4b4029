#pragma once
#include <string>

// The kinds of file the user saves. Each kind remembers, for the run, the folder it was last
// saved to, apart from the other kinds and from the folder files were last opened from.
enum class SaveKind { kResultsLog, kProgressCsv, kFragment, kMidiFile, kCount };

// Where a save dialog for the kind opens: the folder last saved to, while it exists; else the
// user's documents folder (XDG_DOCUMENTS_DIR of user-dirs.dirs, else ~/Documents), while it
// exists; else the home folder.
std::string SaveFolder(SaveKind kind);
// The folder of the file just saved becomes the kind's folder.
void RememberSaveFolder(SaveKind kind, const std::string& filePath);

// Where an open dialog opens: the folder a file was last opened from; empty (the current
// folder) before the first one.
std::string OpenFolder();
void RememberOpenFolder(const std::string& filePath);

// Forgets every folder, as at the start of a run (tests).
void ForgetFileFolders();
