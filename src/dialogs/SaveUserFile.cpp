#include "dialogs/SaveUserFile.h"

#include <unistd.h>

#include <cerrno>

#include "platform/FileWrite.h"
#include "platform/UiHost.h"
#include "platform/ViewHost.h"
#include "text/LanguageTable.h"
#include "text/TextIds.h"

namespace {

FileWriteResult WriteUnlessProtected(const std::string& path, const std::vector<uint8_t>& bytes) {
  if (::access(path.c_str(), F_OK) == 0 && ::access(path.c_str(), W_OK) != 0) return {EACCES};
  return WriteFileAtomically(path, bytes);
}

}  // namespace

std::optional<std::string> AskWhereToSave(SaveKind kind, FileDialogRequest request) {
  request.save = true;
  request.folder = SaveFolder(kind);
  return GetUiHost().FileDialog(request);
}

bool SaveUserFile(SaveKind kind, const std::string& path, const std::vector<uint8_t>& bytes) {
  const FileWriteResult written = WriteUnlessProtected(path, bytes);
  if (written) {
    RememberSaveFolder(kind, path);
    GetViewHost().ShowStatus(T(txt::kSaved) + path);
    return true;
  }
  ReportUnsavedFile(path, written.Reason());
  return false;
}

void ReportUnsavedFile(const std::string& path, const std::string& reason) {
  GetUiHost().MessageBox(T(txt::kFileUnwritable) + path + (reason.empty() ? "" : "\n\n" + reason), "Error!",
                         MB_OK | MB_ICONEXCLAMATION);
}
