// A rhythm level file is plain text (UTF-8 or ASCII), one statement a line:
//
//   # The quarters and halves of the first level.   (a comment: from # to the end of the line)
//   aurelo-rhythms 1                                 (the first statement of every level file)
//   time 3/4                                         (1-8 beats over 4 or 8; holds until the next)
//   q q q | h q                                      (a rhythm: one to four bars split by |)
//   e e {e e e} q | q. e rq                          (dotted, a triplet, a rest)
//
// A rhythm is a row of note values: w h q e s (whole, half, quarter, eighth, sixteenth), a dot
// after one makes it dotted (q. is three eighths), r before one makes it a rest (rq, re.). Braces
// make a triplet: the values inside take two thirds of their written length ({e e e} lasts a
// quarter). A closing bar line at the end may be written or left out. Every bar fills its time
// signature exactly, a rhythm sounds at least one note, and no rhythm stands twice in a file.
// Blank lines are ignored, CR LF line ends are read as LF. A file that breaks any rule is
// refused whole, with the line and what is wrong.
#include "tasks/rhythm/RhythmFile.h"

#include <algorithm>
#include <map>
#include <numeric>
#include <optional>
#include <string_view>

namespace rhythm {
namespace {

constexpr std::string_view kHeader = "aurelo-rhythms 1";
constexpr int32_t kWholeTicks = 4 * kTicksPerQuarter;
constexpr size_t kMostQuotedChars = 16;

std::string Quoted(std::string_view token) {
  std::string shown;
  for (const char c : token.substr(0, kMostQuotedChars)) shown += (c >= ' ' && c <= '~') ? c : '?';
  if (token.size() > kMostQuotedChars) shown += "...";
  return "\"" + shown + "\"";
}

std::string_view Trimmed(std::string_view s) {
  const size_t first = s.find_first_not_of(" \t\r");
  if (first == std::string_view::npos) return {};
  return s.substr(first, s.find_last_not_of(" \t\r") - first + 1);
}

std::optional<TimeSignature> SignatureOf(std::string_view text) {
  if (text.size() != 3 || text[1] != '/' || text[0] < '1' || text[0] > '8') return std::nullopt;
  if (text[2] != '4' && text[2] != '8') return std::nullopt;
  return TimeSignature{text[0] - '0', text[2] - '0'};
}

struct Value {
  int32_t ticks = 0;
  bool rest = false;
};

std::optional<Value> ValueOf(std::string_view token) {
  Value v;
  if (!token.empty() && token.front() == 'r') {
    v.rest = true;
    token.remove_prefix(1);
  }
  const bool dotted = !token.empty() && token.back() == '.';
  if (dotted) token.remove_suffix(1);
  if (token.size() != 1) return std::nullopt;
  static constexpr std::string_view kLetters = "whqes";
  const size_t index = kLetters.find(token.front());
  if (index == std::string_view::npos) return std::nullopt;
  v.ticks = kWholeTicks >> index;
  if (dotted) v.ticks += v.ticks / 2;
  return v;
}

// Braces and bar lines are tokens of their own even when written against a value.
std::vector<std::string_view> Tokens(std::string_view text) {
  std::vector<std::string_view> tokens;
  size_t i = 0;
  while (i < text.size()) {
    const char c = text[i];
    if (c == ' ' || c == '\t') {
      ++i;
    } else if (c == '{' || c == '}' || c == '|') {
      tokens.push_back(text.substr(i++, 1));
    } else {
      const size_t end = text.find_first_of(" \t{}|", i);
      tokens.push_back(text.substr(i, end - i));
      i = end == std::string_view::npos ? text.size() : end;
    }
  }
  return tokens;
}

// "1/8", or "2 whole notes": an amount of ticks as a part of a whole note.
std::string AsNoteValue(int32_t ticks) {
  const int32_t common = std::gcd(ticks, kWholeTicks);
  const int32_t num = ticks / common;
  const int32_t den = kWholeTicks / common;
  if (den == 1) return std::to_string(num) + (num == 1 ? " whole note" : " whole notes");
  return std::to_string(num) + "/" + std::to_string(den);
}

class LineParser {
 public:
  LineParser(std::string_view text, TimeSignature time) : time_(time) { rhythm_.time = time; rhythm_.text = text; }

  // The rhythm, or an empty optional and the reason in error.
  std::optional<Rhythm> Parse(std::string& error) {
    if (!Read(error)) return std::nullopt;
    return std::move(rhythm_);
  }

 private:
  // Keeps the reason; false.
  static bool Fail(std::string& error, std::string text) {
    error = std::move(text);
    return false;
  }

  bool Read(std::string& error) {
    std::vector<std::string_view> tokens = Tokens(rhythm_.text);
    if (!tokens.empty() && tokens.back() == "|") tokens.pop_back();  // a closing bar line may be written
    for (const std::string_view token : tokens) {
      if (!Take(token, error)) return false;
    }
    if (inTriplet_) return Fail(error, "a triplet is not closed");
    if (!EndBar(error)) return false;
    if (rhythm_.notes.empty()) return Fail(error, "no note, only rests");
    return true;
  }

  bool Take(std::string_view token, std::string& error) {
    if (token == "{") {
      if (inTriplet_) return Fail(error, "\"{\" inside a triplet");
      inTriplet_ = true;
      tripletValues_ = 0;
      return true;
    }
    if (token == "}") {
      if (!inTriplet_) return Fail(error, "\"}\" without \"{\"");
      if (tripletValues_ == 0) return Fail(error, "an empty triplet");
      inTriplet_ = false;
      return true;
    }
    if (token == "|") {
      if (inTriplet_) return Fail(error, "a bar line inside a triplet");
      if (!EndBar(error)) return false;
      if (rhythm_.bars == kMostBars) return Fail(error, "more than " + std::to_string(kMostBars) + " bars");
      ++rhythm_.bars;
      barFill_ = 0;
      barValues_ = 0;
      return true;
    }
    const std::optional<Value> value = ValueOf(token);
    if (!value) {
      return Fail(error, Quoted(token) + " is no note value (w h q e s, a dot after for dotted, r before for a rest)");
    }
    const int32_t ticks = inTriplet_ ? value->ticks * 2 / 3 : value->ticks;
    if (inTriplet_) ++tripletValues_;
    if (!value->rest) rhythm_.notes.push_back({BarStart() + barFill_, ticks});
    barFill_ += ticks;
    ++barValues_;
    return true;
  }

  // Whether the bar now ending fills the signature.
  bool EndBar(std::string& error) {
    if (barValues_ == 0) return Fail(error, "bar " + std::to_string(rhythm_.bars) + " is empty");
    if (barFill_ != time_.BarTicks()) return Fail(error, BarError());
    return true;
  }

  std::string BarError() const {
    const bool isLong = barFill_ > time_.BarTicks();
    const int32_t off = isLong ? barFill_ - time_.BarTicks() : time_.BarTicks() - barFill_;
    return "bar " + std::to_string(rhythm_.bars) + " is too " + (isLong ? "long" : "short") + " by " + AsNoteValue(off) +
           " for " +
           std::to_string(time_.beats) + "/" + std::to_string(time_.unit);
  }

  int32_t BarStart() const { return (rhythm_.bars - 1) * time_.BarTicks(); }

  TimeSignature time_;
  Rhythm rhythm_;
  int32_t barFill_ = 0;
  int32_t barValues_ = 0;
  bool inTriplet_ = false;
  int32_t tripletValues_ = 0;
};

// What tells two rhythms apart: the signature, the bars and the notes' onsets and lengths.
std::vector<int32_t> Identity(const Rhythm& r) {
  std::vector<int32_t> key{r.time.beats, r.time.unit, r.bars};
  for (const Note& n : r.notes) {
    key.push_back(n.tick);
    key.push_back(n.length);
  }
  return key;
}

}  // namespace

LevelRead ParseLevel(std::span<const uint8_t> bytes) {
  LevelRead read;
  const std::string_view all(reinterpret_cast<const char*>(bytes.data()), bytes.size());
  const auto refuse = [&read](int32_t line, const std::string& what) {
    read.rhythms.clear();
    read.error = "line " + std::to_string(line) + ": " + what;
    return read;
  };
  std::optional<TimeSignature> time;
  bool headerSeen = false;
  std::map<std::vector<int32_t>, int32_t> lineOf;
  int32_t lineNumber = 0;
  for (size_t start = 0; start < all.size();) {
    const size_t end = std::min(all.find('\n', start), all.size());
    ++lineNumber;
    std::string_view text = all.substr(start, end - start);
    start = end + 1;
    text = Trimmed(text.substr(0, text.find('#')));
    if (text.empty()) continue;
    if (!headerSeen) {
      if (text != kHeader) return refuse(lineNumber, "the file does not start with \"" + std::string(kHeader) + "\"");
      headerSeen = true;
    } else if (text.starts_with("time") && (text.size() == 4 || text[4] == ' ' || text[4] == '\t')) {
      const std::string_view signature = Trimmed(text.substr(4));
      time = SignatureOf(signature);
      if (!time) {
        return refuse(lineNumber, "unknown time signature " + Quoted(signature) +
                                      " (1 to 8 beats over 4 or 8, such as 3/4 or 6/8)");
      }
    } else if (!time) {
      return refuse(lineNumber, "a rhythm before the first \"time\" line");
    } else {
      std::string error;
      std::optional<Rhythm> rhythm = LineParser(text, *time).Parse(error);
      if (!rhythm) return refuse(lineNumber, error);
      rhythm->line = lineNumber;
      const auto [at, fresh] = lineOf.emplace(Identity(*rhythm), lineNumber);
      if (!fresh) return refuse(lineNumber, "the same rhythm as line " + std::to_string(at->second));
      read.rhythms.push_back(std::move(*rhythm));
    }
  }
  if (read.rhythms.empty()) read.error = "the file holds no rhythm";
  return read;
}

}  // namespace rhythm
