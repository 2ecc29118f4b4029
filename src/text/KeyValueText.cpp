#include "text/KeyValueText.h"

#include <algorithm>
#include <charconv>

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
