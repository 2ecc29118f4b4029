// Fuzzes the reader of the interface language files with arbitrary bytes.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "text/LanguageFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::vector<uint8_t> bytes(data, data + size);
  int linesRead = -1;
  const LanguageTexts texts = ParseLanguageFile(bytes, &linesRead);
  if (linesRead < 0 || linesRead > static_cast<int>(texts.size())) std::abort();
  // A text holds at most one read's characters, each at most three bytes of UTF-8
  // (a lone surrogate becomes U+FFFD).
  for (const std::string& text : texts) {
    if (text.size() > 3 * kLanguageReadUnits) std::abort();
  }
  return 0;
}
