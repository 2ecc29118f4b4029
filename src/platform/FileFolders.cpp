#include "platform/FileFolders.h"

#include <array>
#include <filesystem>
#include <system_error>

#include "platform/qt/QtUserFolders.h"

namespace {

std::array<std::string, static_cast<size_t>(SaveKind::kCount)> saveFolders;
std::string openFolder;

bool IsFolder(const std::string& path) {
  std::error_code error;
  return !path.empty() && std::filesystem::is_directory(path, error);
}

std::string FolderOf(const std::string& filePath) {
  std::error_code error;
  const std::filesystem::path full = std::filesystem::absolute(filePath, error);
  return error ? std::string() : full.parent_path().string();
}

}  // namespace

std::string SaveFolder(SaveKind kind) {
  const std::string& remembered = saveFolders[static_cast<size_t>(kind)];
  if (IsFolder(remembered)) return remembered;
  const std::string documents = DocumentsFolder();
  return IsFolder(documents) ? documents : HomeFolder();
}

void RememberSaveFolder(SaveKind kind, const std::string& filePath) {
  saveFolders[static_cast<size_t>(kind)] = FolderOf(filePath);
}

std::string OpenFolder() { return IsFolder(openFolder) ? openFolder : std::string(); }

void RememberOpenFolder(const std::string& filePath) { openFolder = FolderOf(filePath); }

void ForgetFileFolders() {
  for (std::string& folder : saveFolders) folder.clear();
  openFolder.clear();
}
