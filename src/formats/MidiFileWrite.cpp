#include <algorithm>

#include "formats/MidiBytes.h"
#include "formats/MidiFile.h"
#include "music/MidiMessage.h"

namespace smf {
namespace {

constexpr int32_t kDefaultMicrosPerQuarter = 500000;
constexpr uint32_t kSingleTrack = 0;
constexpr uint32_t kManyTracks = 1;
// Time signature meta event: MIDI clocks per metronome click, 32nd notes per quarter note.
constexpr uint8_t kClocksPerClick = 24;
constexpr uint8_t kThirtySecondsPerQuarter = 8;
constexpr uint8_t kLargestPowerOfTwo = 7;

// The events of one track, each after the time since the one before.
class TrackWriter {
 public:
  void Event(uint32_t pulses, std::initializer_list<uint8_t> bytes) {
    Delta(pulses);
    for (uint8_t b : bytes) body_.Byte(b);
  }
  void Meta(uint32_t pulses, uint8_t type, std::span<const uint8_t> data) {
    Delta(pulses);
    body_.Byte(kMeta);
    body_.Byte(type);
    body_.VariableLength(static_cast<uint32_t>(data.size()));
    body_.Bytes(data);
  }
  // The end-of-track event at pulses, and the chunk into file.
  void End(uint32_t pulses, ByteWriter& file) {
    Meta(pulses, kEndOfTrack, {});
    file.Chunk("MTrk", body_.Bytes());
  }

 private:
  void Delta(uint32_t pulses) {
    body_.VariableLength(pulses - now_);
    now_ = pulses;
  }
  ByteWriter body_;
  uint32_t now_ = 0;
};

void WriteFirstTrack(const Song& song, uint32_t endPulses, ByteWriter& file) {
  TrackWriter track;
  if (!song.title.empty()) {
    track.Meta(0, kTrackName, std::span(reinterpret_cast<const uint8_t*>(song.title.data()), song.title.size()));
  }
  const int32_t micros = song.microsPerQuarter.value_or(kDefaultMicrosPerQuarter);
  const uint8_t tempo[kTempoBytes] = {static_cast<uint8_t>(micros >> 16), static_cast<uint8_t>(micros >> 8),
                                      static_cast<uint8_t>(micros)};
  track.Meta(0, kTempo, tempo);
  const auto [numerator, denominator] = song.signature.value_or(std::pair<int32_t, int32_t>{4, 4});
  uint8_t power = 0;
  while ((1 << power) < denominator && power < kLargestPowerOfTwo) ++power;
  const uint8_t signature[] = {static_cast<uint8_t>(numerator), power, kClocksPerClick, kThirtySecondsPerQuarter};
  track.Meta(0, kTimeSignature, signature);
  track.End(endPulses, file);
}

void WriteNoteTrack(const Song& song, const std::vector<Note>& notes, uint32_t endPulses, ByteWriter& file) {
  TrackWriter track;
  const int32_t channel = notes.front().channel & midi::kChannelMask;
  const int32_t program = song.programs[static_cast<size_t>(channel)];
  if (program >= 0) {
    track.Event(0, {static_cast<uint8_t>(midi::kProgramChange + channel), static_cast<uint8_t>(program & midi::kDataMask)});
  }
  // Ends before starts at the same time, so that a repeated note sounds again.
  struct Message {
    uint32_t pulses;
    bool on;
    const Note* note;
  };
  std::vector<Message> messages;
  for (const Note& n : notes) {
    messages.push_back({static_cast<uint32_t>(n.tick * kPulsesPerTick), true, &n});
    messages.push_back({static_cast<uint32_t>((n.tick + n.length) * kPulsesPerTick), false, &n});
  }
  std::stable_sort(messages.begin(), messages.end(), [](const Message& a, const Message& b) {
    return a.pulses != b.pulses ? a.pulses < b.pulses : (!a.on && b.on);
  });
  for (const Message& m : messages) {
    const auto ch = static_cast<uint8_t>(m.note->channel & midi::kChannelMask);
    const auto note = static_cast<uint8_t>(m.note->note & midi::kDataMask);
    if (m.on) {
      track.Event(m.pulses, {static_cast<uint8_t>(midi::kNoteOn + ch), note,
                             static_cast<uint8_t>(m.note->velocity & midi::kDataMask)});
    } else {
      track.Event(m.pulses, {static_cast<uint8_t>(midi::kNoteOff + ch), note, 0});
    }
  }
  track.End(endPulses, file);
}

}  // namespace

std::optional<std::vector<uint8_t>> Write(const Song& song) {
  int32_t endTick = 0;
  size_t trackCount = 1;
  for (const std::vector<Note>& notes : song.tracks) {
    for (const Note& n : notes) {
      if (n.tick < 0 || n.length < 0 || n.tick > kMostTicks - n.length) return std::nullopt;
      endTick = std::max(endTick, n.tick + n.length);
    }
    if (!notes.empty()) ++trackCount;
  }
  const auto endPulses = static_cast<uint32_t>(endTick * kPulsesPerTick);

  ByteWriter header;
  header.BigEndian(trackCount > 1 ? kManyTracks : kSingleTrack, 2);
  header.BigEndian(static_cast<uint32_t>(trackCount), 2);
  header.BigEndian(kPulsesPerQuarter, 2);
  ByteWriter file;
  file.Chunk("MThd", header.Bytes());
  WriteFirstTrack(song, endPulses, file);
  for (const std::vector<Note>& notes : song.tracks) {
    if (!notes.empty()) WriteNoteTrack(song, notes, endPulses, file);
  }
  return file.Take();
}

}  // namespace smf
