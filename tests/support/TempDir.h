#pragma once
#include <filesystem>
#include <string>

// A fresh temporary folder that becomes the current directory for the test's lifetime.
class TempWorkDir {
 public:
  TempWorkDir();
  ~TempWorkDir();
  TempWorkDir(const TempWorkDir&) = delete;
  TempWorkDir& operator=(const TempWorkDir&) = delete;

  const std::filesystem::path& Path() const { return path_; }
  // Copies the shipped language files into lang_files/ of this folder.
  void CopyLanguageFiles() const;

 private:
  std::filesystem::path previous_;
  std::filesystem::path path_;
};
