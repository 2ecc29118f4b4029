#include "app/StatusMessages.h"

#include <algorithm>

namespace {
// Enough for every message of a start (sound, folder, history, keyboards) and a few later ones.
constexpr size_t kMessagesKept = 6;
}  // namespace

void StatusMessages::Add(const std::string& text) {
  if (text.empty()) {
    messages_.clear();
    return;
  }
  std::erase(messages_, text);
  messages_.insert(messages_.begin(), text);
  if (messages_.size() > kMessagesKept) messages_.resize(kMessagesKept);
}

std::string StatusMessages::Latest() const { return messages_.empty() ? std::string() : messages_.front(); }

std::string StatusMessages::AllLines() const {
  std::string lines;
  for (const std::string& message : messages_) lines += (lines.empty() ? "" : "\n") + message;
  return lines;
}
