#include "text/LanguageFile.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <string_view>

#include "platform/Utf.h"

namespace {

constexpr char16_t kLineFeed = u'\n';
constexpr char16_t kCarriageReturn = u'\r';

bool StartsWith(const std::vector<uint8_t>& bytes, size_t size, std::initializer_list<uint8_t> mark) {
  return size >= mark.size() && std::equal(mark.begin(), mark.end(), bytes.begin());
}

// The characters of the file as text mode with encoding detection delivers them.
std::u16string DecodeText(const std::vector<uint8_t>& bytes) {
  const size_t size = std::min(bytes.size(), kLanguageFileMaxBytes);
  std::u16string units;
  if (StartsWith(bytes, size, {0xEF, 0xBB, 0xBF})) {
    units = Utf8ToUtf16(std::string_view(reinterpret_cast<const char*>(bytes.data()) + 3, size - 3));
  } else {
    // A trailing odd byte is not a whole unit and is ignored.
    for (size_t i = StartsWith(bytes, size, {0xFF, 0xFE}) ? 2 : 0; i + 1 < size; i += 2) {
      units += static_cast<char16_t>(bytes[i] | (bytes[i + 1] << 8));
    }
  }
  std::u16string text;
  text.reserve(units.size());
  for (size_t i = 0; i < units.size(); ++i) {
    if (units[i] == kCarriageReturn && i + 1 < units.size() && units[i + 1] == kLineFeed) continue;
    text += units[i];
  }
  return text;
}

}  // namespace

LanguageTexts ParseLanguageFile(const std::vector<uint8_t>& bytes, int* linesRead) {
  const std::u16string text = DecodeText(bytes);
  LanguageTexts texts;
  std::string lastLine;
  int read = 0;
  size_t pos = 0;
  for (std::string& out : texts) {
    if (pos < text.size()) {
      const size_t lineFeed = text.find(kLineFeed, pos);
      const size_t end = std::min({lineFeed == std::u16string::npos ? text.size() : lineFeed + 1,
                                   pos + kLanguageReadUnits, text.size()});
      std::u16string line = text.substr(pos, end - pos - 1);
      std::erase(line, u'\0');
      lastLine = Utf16ToUtf8(line);
      pos = end;
      ++read;
    }
    out = lastLine;
  }
  if (linesRead != nullptr) *linesRead = read;
  return texts;
}

std::optional<std::vector<uint8_t>> ReadFileBytes(const std::string& path, size_t maxBytes) {
  std::error_code error;
  if (!std::filesystem::is_regular_file(path, error)) return std::nullopt;
  // No language file comes near this size: a bigger one is treated as missing.
  const std::uintmax_t size = std::filesystem::file_size(path, error);
  if (error || size > kLanguageFileMostBytes) return std::nullopt;
  std::ifstream file(path, std::ios::binary);
  if (!file) return std::nullopt;
  std::vector<uint8_t> bytes;
  char chunk[16384];
  while (bytes.size() < maxBytes) {
    const size_t want = std::min(sizeof chunk, maxBytes - bytes.size());
    file.read(chunk, static_cast<std::streamsize>(want));
    bytes.insert(bytes.end(), chunk, chunk + file.gcount());
    if (file.bad()) return std::nullopt;
    if (!file) break;
  }
  return bytes;
}
