#include "support/TempDir.h"

#include <cstdlib>

namespace fs = std::filesystem;

TempWorkDir::TempWorkDir() : previous_(fs::current_path()) {
  std::string pattern = (fs::temp_directory_path() / "aurelo-test-XXXXXX").string();
  path_ = mkdtemp(pattern.data());
  fs::current_path(path_);
}

TempWorkDir::~TempWorkDir() {
  std::error_code ec;
  fs::current_path(previous_, ec);
  fs::remove_all(path_, ec);
}

void TempWorkDir::CopyLanguageFiles() const {
  const fs::path source = fs::path(AURELO_SOURCE_DIR) / "lang_files";
  fs::create_directories(path_ / "lang_files");
  for (const auto& entry : fs::directory_iterator(source)) {
    if (entry.path().extension() == ".lng") fs::copy_file(entry.path(), path_ / "lang_files" / entry.path().filename());
  }
}
