#include "formats/FragmentFile.h"

#include <algorithm>
#include <optional>
#include <string_view>

#include "platform/Utf.h"

namespace fragment {
namespace {

constexpr std::string_view kTitle = "song_name";
constexpr std::string_view kAuthor = "author_name";
constexpr std::string_view kTempo = "temp_index";
constexpr std::string_view kSignature = "signature_index";
constexpr std::string_view kPrograms = "patch_list";
constexpr std::string_view kVelocities = "velocity_list";
constexpr std::string_view kKeyboardNotes = "keyboard_notes";

bool IsSpace(uint8_t c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f'; }

// The whitespace-separated tokens of the file, one after another.
class Tokens {
 public:
  explicit Tokens(std::span<const uint8_t> bytes) : bytes_(bytes) {}

  std::optional<std::string_view> Next() {
    while (pos_ < bytes_.size() && IsSpace(bytes_[pos_])) ++pos_;
    if (pos_ == bytes_.size()) return std::nullopt;
    const size_t start = pos_;
    while (pos_ < bytes_.size() && !IsSpace(bytes_[pos_])) ++pos_;
    return std::string_view(reinterpret_cast<const char*>(bytes_.data()) + start, pos_ - start);
  }

  // The next token as a whole signed decimal integer; nullopt for anything else.
  std::optional<int32_t> NextInt() {
    const std::optional<std::string_view> token = Next();
    if (!token) return std::nullopt;
    size_t i = 0;
    const bool negative = (*token)[0] == '-';
    if (negative || (*token)[0] == '+') ++i;
    if (i == token->size()) return std::nullopt;
    int64_t value = 0;
    for (; i < token->size(); ++i) {
      const char c = (*token)[i];
      if (c < '0' || c > '9') return std::nullopt;
      value = value * 10 + (c - '0');
      if (value > INT32_MAX) return std::nullopt;
    }
    return static_cast<int32_t>(negative ? -value : value);
  }

 private:
  std::span<const uint8_t> bytes_;
  size_t pos_ = 0;
};

// The leading decimal number of a token, 0 when it starts with none; kept within int32.
int32_t LeadingInt(std::string_view token) {
  size_t i = 0;
  const bool negative = !token.empty() && token[0] == '-';
  if (!token.empty() && (token[0] == '-' || token[0] == '+')) ++i;
  int64_t value = 0;
  for (; i < token.size() && token[i] >= '0' && token[i] <= '9'; ++i) {
    value = std::min<int64_t>(value * 10 + (token[i] - '0'), int64_t{INT32_MAX} + 1);
  }
  return static_cast<int32_t>(std::clamp<int64_t>(negative ? -value : value, INT32_MIN, INT32_MAX));
}

bool InRange(int32_t value, int32_t low, int32_t high) { return value >= low && value <= high; }

void Append(std::string& out, std::string_view text) { out.append(text); }

void AppendLine(std::string& out, std::string_view text) {
  out.append(text);
  out.append("\r\n");
}

// Reads the 16 values of a channel list; false when one is not a number.
template <class Store>
bool ReadChannelList(Tokens& tokens, Store store) {
  for (int32_t channel = 0; channel < kChannels; ++channel) {
    const std::optional<int32_t> value = tokens.NextInt();
    if (!value) return false;
    store(channel, std::clamp(*value, 0, kLastMidiValue));
  }
  return true;
}

}  // namespace

std::string Latin1ToUtf8(std::string_view bytes) {
  std::u16string units;
  units.reserve(bytes.size());
  for (char c : bytes) units.push_back(static_cast<char16_t>(static_cast<uint8_t>(c)));
  return Utf16ToUtf8(units);
}

std::string Utf8ToLatin1(std::string_view text) {
  std::string out;
  const std::u16string units = Utf8ToUtf16(text);
  for (size_t i = 0; i < units.size(); ++i) {
    const char16_t u = units[i];
    if (u <= 0xFF) {
      out.push_back(static_cast<char>(static_cast<uint8_t>(u)));
      continue;
    }
    out.push_back('?');
    // A surrogate pair is one character.
    if (u >= 0xD800 && u <= 0xDBFF && i + 1 < units.size()) ++i;
  }
  return out;
}

std::vector<uint8_t> Format(const Content& content) {
  std::string out;
  auto keywordLine = [&out](std::string_view keyword, const std::string& value) {
    Append(out, keyword);
    Append(out, " ");
    AppendLine(out, value);
  };
  if (!content.title.empty()) keywordLine(kTitle, Utf8ToLatin1(content.title));
  if (!content.author.empty()) keywordLine(kAuthor, Utf8ToLatin1(content.author));
  if (content.saveTempo) keywordLine(kTempo, std::to_string(content.tempoIndex));
  keywordLine(kSignature, std::to_string(content.signatureIndex));
  auto channelList = [&out](std::string_view keyword, const std::array<int32_t, kChannels>& values) {
    Append(out, keyword);
    for (int32_t v : values) {
      Append(out, " ");
      Append(out, std::to_string(v));
    }
    AppendLine(out, "");
  };
  channelList(kPrograms, content.programs);
  channelList(kVelocities, content.velocities);
  for (const NoteEvent& e : content.events) {
    AppendLine(out, std::to_string(e.channel) + " " + std::to_string(e.tick) + " " + std::to_string(e.key));
  }
  // Last, so that a reader that does not know the keyword stops there with every event read.
  if (content.keyboardNotes) AppendLine(out, kKeyboardNotes);
  return {out.begin(), out.end()};
}

void Parse(std::span<const uint8_t> bytes, Sink& sink) {
  Tokens tokens(bytes);
  while (const std::optional<std::string_view> token = tokens.Next()) {
    if (*token == kTempo || *token == kSignature) {
      const std::optional<int32_t> value = tokens.NextInt();
      if (!value) return;
      if (*token == kTempo && InRange(*value, 0, kLastTempo)) sink.Tempo(*value);
      if (*token == kSignature && InRange(*value, 0, kLastSignature)) sink.Signature(*value);
    } else if (*token == kTitle || *token == kAuthor) {
      const std::optional<std::string_view> value = tokens.Next();
      if (!value) return;
      if (*token == kTitle) {
        sink.Title(Latin1ToUtf8(*value));
      } else {
        sink.Author(Latin1ToUtf8(*value));
      }
    } else if (*token == kKeyboardNotes) {
      sink.KeyboardNotes();
    } else if (*token == kVelocities) {
      if (!ReadChannelList(tokens, [&sink](int32_t ch, int32_t v) { sink.Velocity(ch, v); })) return;
    } else if (*token == kPrograms) {
      if (!ReadChannelList(tokens, [&sink](int32_t ch, int32_t v) { sink.Program(ch, v); })) return;
    } else {
      const int32_t channel = LeadingInt(*token);
      const std::optional<int32_t> tick = tokens.NextInt();
      if (!tick) return;
      const std::optional<int32_t> key = tokens.NextInt();
      if (!key) return;
      if (InRange(channel, 0, kChannels - 1) && InRange(*tick, kFirstTick, kLastTick) && InRange(*key, kFirstKey, kLastKey)) {
        sink.Event({channel, *tick, *key});
      }
    }
  }
}

std::string UnderscoresToBlanks(std::string text) {
  std::replace(text.begin(), text.end(), '_', ' ');
  return text;
}

std::string BlanksToUnderscores(std::string text) {
  std::replace_if(
      text.begin(), text.end(), [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }, '_');
  return text;
}

}  // namespace fragment
