#pragma once
#include <array>
#include <string>

#include "text/TextIds.h"

// The interface texts of the current language, by text id (0-440, then the added texts of TextIds.h).
class CLanguageTable {
 public:
  static constexpr int kTextCount = txt::kEnd;

  // Text n; an id out of range gives an empty text.
  const std::string& Text(int id) const;
  void SetText(int id, std::string text);
  void SetAll(const std::array<std::string, kTextCount>& texts) { texts_ = texts; }

  // Reads the file of the language index into the texts. A missing file, or an index
  // outside 0-4, shows its message and ends the program with exit code 4. Added texts the file
  // does not reach are taken from the English file (empty when that lacks them too).
  void LoadLanguage(int index);

  // File names by language index, relative to the language folder.
  static constexpr const char* kFileNames[5] = {"english.lng", "german.lng", "russian.lng", "portuguese.lng",
                                                "custom.lng"};

 private:
  std::array<std::string, kTextCount> texts_{};
};

inline CLanguageTable languageTable;

// Shorthand for text n of the current language.
inline const std::string& T(int id) { return languageTable.Text(id); }
