#pragma once
#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "music/NoteEvent.h"

// Musical fragment files (*.aro): 8-bit text of whitespace-separated tokens. Keyword records
// (title, author, tempo, time signature, programs and velocities of the 16 channels) and
// one "channel tick key" line per note event.
namespace fragment {

inline constexpr int32_t kChannels = 16;
inline constexpr int32_t kLastTempo = 38;
inline constexpr int32_t kLastSignature = 15;
inline constexpr int32_t kLastMidiValue = 127;
// Keys 0-36 are piano keys, 37-39 the percussion codes. A fragment recorded from a hardware
// keyboard holds note - 36 for any MIDI note, so a key may lie anywhere from -36 to 91.
inline constexpr int32_t kKeyToNote = kKeyboardKeyToNote;
inline constexpr int32_t kFirstKey = -kKeyToNote;
inline constexpr int32_t kLastKey = kLastMidiValue - kKeyToNote;
// A note pressed in the last three ticks of the count-in may keep a tick down to -3.
inline constexpr int32_t kFirstTick = -3;
// The greatest tick a file may hold: 9999 bars of 8/4, so lengths never overflow.
inline constexpr int32_t kLastTick = 9999 * 96 - 1;

// What a file holds, as the program writes it. Title and author are UTF-8 single tokens.
struct Content {
  std::string title;
  std::string author;
  bool saveTempo = false;
  int32_t tempoIndex = 0;
  int32_t signatureIndex = 3;
  std::array<int32_t, kChannels> programs{};
  std::array<int32_t, kChannels> velocities{};
  std::vector<NoteEvent> events;
  // The keys are keyboard notes (note - 36), never percussion codes: written as the keyword
  // "keyboard_notes" after the events, only by the sequencer that records a hardware keyboard.
  bool keyboardNotes = false;
};

// The bytes of the file: records in their fixed order, lines ending in CR LF. A character
// of the title or author that one byte cannot hold is written as "?".
std::vector<uint8_t> Format(const Content& content);

// Receives the records of a file in the order they come. Only values within their ranges
// arrive: a tempo or signature out of range is skipped, programs and velocities are kept
// within 0-127, an event with a channel, tick or key out of range is dropped.
class Sink {
 public:
  virtual ~Sink() = default;
  virtual void Title(const std::string& /*utf8*/) {}
  virtual void Author(const std::string& /*utf8*/) {}
  virtual void Tempo(int32_t /*index*/) {}
  virtual void Signature(int32_t /*index*/) {}
  virtual void Program(int32_t /*channel*/, int32_t /*program*/) {}
  virtual void Velocity(int32_t /*channel*/, int32_t /*velocity*/) {}
  virtual void Event(const NoteEvent& /*event*/) {}
  // The file says that its keys are keyboard notes.
  virtual void KeyboardNotes() {}
};

// Reads the tokens to the end, or up to the first place where a number is expected and
// something else stands; what was read until then is kept.
void Parse(std::span<const uint8_t> bytes, Sink& sink);

// Text conversions between the program's UTF-8 and the file's one byte per character.
std::string Latin1ToUtf8(std::string_view bytes);
std::string Utf8ToLatin1(std::string_view text);
// Titles and authors keep blanks as "_" in the file: the text with every "_" shown as a blank,
// and the reverse for every blank.
std::string UnderscoresToBlanks(std::string text);
std::string BlanksToUnderscores(std::string text);

}  // namespace fragment
