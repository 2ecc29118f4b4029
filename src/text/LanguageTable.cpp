#include "text/LanguageTable.h"

#include <algorithm>
#include <filesystem>
#include <vector>

#include "platform/UiHost.h"
#include "text/LanguageFile.h"

namespace {

namespace fs = std::filesystem;

constexpr int kExitNoLanguageFile = 4;

const char* MissingFileMessage(int index) {
  switch (index) {
    case 0:
      return "It is impossible to open english.lng file in <lang_files> folder! The program cannot work without this "
             "file and will be closed. Try to reinstall program to guarantee presence of this file.";
    case 1:
      return "Es ist unmöglich, die Datei german.lng in der Mappe lang_files zu öffnen! Das Programm kann ohne diese "
             "Datei nicht arbeiten und wird geschlossen sein. Versuchen Sie von neuem, das Programm zu installieren, "
             "um die Anwesenheit dieser Datei zu garantieren.";
    case 2:
      return "Невозможно открыть файл russian.lng в папке lang_files! Программа не может работать без этого файла и "
             "будет закрыта. Попробуйте заново инсталлировать программу, чтобы гарантировать присутствие этого файла.";
    case 3:
      return "It is impossible to open portuguese.lng file in <lang_files> folder! The program cannot work without "
             "this file and will be closed. Try to reinstall program to guarantee presence of this file.";
    case 4:
      return "It is impossible to open custom.lng file in <lang_files> folder! The program cannot work without this "
             "file and will be closed. Try to reinstall program to guarantee presence of this file.";
    default:
      return "It is impossible to open *.lng file in <lang_files> folder! The program cannot work without this file "
             "and will be closed. Try to reinstall program to guarantee presence of this file.";
  }
}

// Where the language files are looked for, in order: lang_files/ in the current folder, beside
// the program, in the installed data folder.
std::vector<fs::path> LanguageFolders() {
  std::error_code ec;
  std::vector<fs::path> folders = {fs::absolute("lang_files", ec)};
  if (ec) folders[0] = "lang_files";
  const fs::path exe = fs::read_symlink("/proc/self/exe", ec);
  if (!ec) folders.push_back(exe.parent_path() / "lang_files");
  folders.push_back(fs::path(AURELO_DATA_DIR) / "lang_files");
  return folders;
}

std::optional<std::vector<uint8_t>> ReadLanguageFile(const char* name) {
  for (const fs::path& folder : LanguageFolders()) {
    if (auto bytes = ReadFileBytes((folder / name).string())) return bytes;
  }
  return std::nullopt;
}

// The missing-file message, then the folders looked in, in the language of the message.
std::string MissingFileReport(int index) {
  const char* heading = index == 1 ? "Durchsuchte Ordner:" : index == 2 ? "Просмотренные папки:" : "Folders searched:";
  std::string report = std::string(MissingFileMessage(index)) + "\n\n" + heading;
  for (const fs::path& folder : LanguageFolders()) report += "\n" + folder.string();
  return report;
}

}  // namespace

const std::string& CLanguageTable::Text(int id) const {
  static const std::string empty;
  if (id < 0 || id >= kTextCount) return empty;
  return texts_[static_cast<size_t>(id)];
}

void CLanguageTable::SetText(int id, std::string text) {
  if (id < 0 || id >= kTextCount) return;
  texts_[static_cast<size_t>(id)] = std::move(text);
}

void CLanguageTable::LoadLanguage(int index) {
  std::optional<std::vector<uint8_t>> bytes;
  if (index >= 0 && index < 5) bytes = ReadLanguageFile(kFileNames[index]);
  if (!bytes) {
    UiHost& host = GetUiHost();
    host.MessageBox(MissingFileReport(index), "Error!", MB_OK | MB_ICONEXCLAMATION);
    host.ExitProcess(kExitNoLanguageFile);
  }
  int linesRead = 0;
  texts_ = ParseLanguageFile(*bytes, &linesRead);
  const int firstMissing = std::max(linesRead, txt::kFirstAdded);
  if (firstMissing >= kTextCount) return;
  // An older file that stops before the added texts: English for those, not its last line again.
  int englishLines = 0;
  LanguageTexts english{};
  if (index != 0) {
    if (auto englishBytes = ReadLanguageFile(kFileNames[0])) english = ParseLanguageFile(*englishBytes, &englishLines);
  }
  for (int id = firstMissing; id < kTextCount; ++id) {
    texts_[static_cast<size_t>(id)] = id < englishLines ? english[static_cast<size_t>(id)] : std::string();
  }
}
