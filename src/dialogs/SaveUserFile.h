#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "platform/FileFolders.h"
#include "platform/UiHost.h"

// Shows the request as a save dialog that opens in the folder of the kind (SaveFolder); the
// chosen path, or nullopt when the user cancelled.
std::optional<std::string> AskWhereToSave(SaveKind kind, FileDialogRequest request);

// Writes a file the user asked to save (fragment, MIDI or CSV export, log of results) with
// WriteFileAtomically. A write-protected file is not replaced, although its folder would allow it.
// Once written, the status bar says "Saved: " and the path, and the file's folder becomes the
// kind's folder. When the file cannot be written, an "Error!" message box tells the user so,
// with the path and, on a line of its own, the system's reason; then the answer is false.
bool SaveUserFile(SaveKind kind, const std::string& path, const std::vector<uint8_t>& bytes);

// The "Error!" message box of a file that could not be saved: the path and, when there is one,
// the reason on a line of its own.
void ReportUnsavedFile(const std::string& path, const std::string& reason);
