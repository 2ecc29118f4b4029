#include "text/LanguageTable.h"

const std::string& CLanguageTable::Text(int id) const {
  static const std::string empty;
  if (id < 0 || id >= kTextCount) return empty;
  return texts_[static_cast<size_t>(id)];
}

void CLanguageTable::SetText(int id, std::string text) {
  if (id < 0 || id >= kTextCount) return;
  texts_[static_cast<size_t>(id)] = std::move(text);
}
