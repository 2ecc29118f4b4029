#include "text/KeyValueText.h"

#include <algorithm>
#include <charconv>
#include <optional>
#include <vector>

void ForEachKeyValue(std::string_view text, const std::function<void(std::string_view, std::string_view)>& take) {
  while (!text.empty()) {
    const size_t end = std::min(text.find('\n'), text.size());
    std::string_view line = text.substr(0, end);
    text.remove_prefix(std::min(end + 1, text.size()));
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    const size_t equals = line.find('=');
    if (equals == std::string_view::npos) continue;
    take(line.substr(0, equals), line.substr(equals + 1));
  }
}

std::optional<int32_t> BoundedNumber(std::string_view text, int32_t lowest, int32_t highest) {
  int32_t value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size() || value < lowest || value > highest) {
    return std::nullopt;
  }
  return value;
}

std::string ReadKeyValueFile(const std::string& path, size_t mostBytes) {
  const std::optional<std::vector<uint8_t>> bytes = ReadWholeFile(path, mostBytes + 1);
  if (!bytes || bytes->size() > mostBytes) return {};
  return std::string(bytes->begin(), bytes->end());
}

FileWriteResult WriteKeyValueFile(const std::string& path, const std::string& text) {
  return WriteFileAtomically(path, std::vector<uint8_t>(text.begin(), text.end()));
}
