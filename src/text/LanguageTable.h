#pragma once
#include <array>
#include <string>

// The interface texts of the current language, by text id (0-440).
class CLanguageTable {
 public:
  static constexpr int kTextCount = 441;

  // Text n; an id out of range gives an empty text.
  const std::string& Text(int id) const;
  void SetText(int id, std::string text);
  void SetAll(const std::array<std::string, kTextCount>& texts) { texts_ = texts; }

 private:
  std::array<std::string, kTextCount> texts_{};
};

inline CLanguageTable languageTable;

// Shorthand for text n of the current language.
inline const std::string& T(int id) { return languageTable.Text(id); }
