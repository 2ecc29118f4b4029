#include "formats/MidiFile.h"

#include <algorithm>
#include <deque>
#include <map>

#include "formats/MidiBytes.h"
#include "music/MidiMessage.h"

namespace smf {
namespace {

constexpr size_t kChunkHeaderBytes = 8;
constexpr size_t kHeaderBytes = 6;
constexpr uint32_t kSmpteDivision = 0x8000;
constexpr uint32_t kLastFormat = 1;

int64_t PulsesToTicks(int64_t pulses, int64_t ppqn) { return (2 * pulses * kTicksPerQuarter + ppqn) / (2 * ppqn); }

// Notes of one track: each note-on is closed by the first note-off of the same channel and
// note after it; a note never closed lasts to the end of the track.
class TrackNotes {
 public:
  explicit TrackNotes(int64_t ppqn) : ppqn_(ppqn) {}

  void On(int32_t channel, int32_t note, int32_t velocity, int64_t pulses) {
    open_[Key(channel, note)].push_back({channel, note, velocity, pulses});
  }
  void Off(int32_t channel, int32_t note, int64_t pulses) {
    std::deque<Open>& open = open_[Key(channel, note)];
    if (open.empty()) return;
    Close(open.front(), pulses);
    open.pop_front();
  }
  // The notes by start and then by pitch; nullopt when one ends past kMostTicks.
  std::optional<std::vector<Note>> Finish(int64_t endPulses) {
    for (auto& [key, notes] : open_) {
      for (const Open& n : notes) Close(n, endPulses);
    }
    open_.clear();
    if (tooLate_) return std::nullopt;
    std::stable_sort(notes_.begin(), notes_.end(), [](const Note& a, const Note& b) {
      return a.tick != b.tick ? a.tick < b.tick : a.note < b.note;
    });
    return std::move(notes_);
  }

 private:
  struct Open {
    int32_t channel;
    int32_t note;
    int32_t velocity;
    int64_t pulses;
  };
  static int32_t Key(int32_t channel, int32_t note) { return channel * 128 + note; }
  void Close(const Open& n, int64_t endPulses) {
    const int64_t tick = PulsesToTicks(n.pulses, ppqn_);
    const int64_t end = std::max(tick + 1, PulsesToTicks(endPulses, ppqn_));
    if (end > kMostTicks) {
      tooLate_ = true;
      return;
    }
    notes_.push_back({n.channel, n.note, n.velocity, static_cast<int32_t>(tick), static_cast<int32_t>(end - tick)});
  }

  int64_t ppqn_;
  std::map<int32_t, std::deque<Open>> open_;
  std::vector<Note> notes_;
  bool tooLate_ = false;
};

void ReadMeta(uint8_t type, std::span<const uint8_t> data, Song& song, bool firstTrack) {
  if (type == kTempo && data.size() == kTempoBytes && !song.microsPerQuarter) {
    const int32_t micros = (data[0] << 16) | (data[1] << 8) | data[2];
    if (micros > 0) song.microsPerQuarter = micros;
  } else if (type == kTimeSignature && data.size() >= 2 && !song.signature) {
    if (data[1] < 8) song.signature = std::pair<int32_t, int32_t>{data[0], 1 << data[1]};
  } else if (type == kTrackName && !data.empty() && firstTrack && song.title.empty()) {
    song.title.assign(data.begin(), data.end());
  }
}

// The events of one track chunk into song; false when the track is malformed.
bool ReadTrack(std::span<const uint8_t> chunk, int64_t ppqn, bool firstTrack, Song& song) {
  ByteReader in(chunk);
  TrackNotes notes(ppqn);
  int64_t pulses = 0;
  // The status a data byte continues; system-exclusive and meta events cancel it.
  uint8_t running = 0;
  while (in.Left() > 0) {
    const std::optional<uint32_t> delta = in.VariableLength();
    const std::optional<uint8_t> first = delta ? in.Byte() : std::nullopt;
    if (!first) return false;
    pulses += *delta;
    if (*first == kMeta) {
      const std::optional<uint8_t> type = in.Byte();
      const std::optional<uint32_t> length = type ? in.VariableLength() : std::nullopt;
      const std::optional<std::span<const uint8_t>> data = length ? in.Take(*length) : std::nullopt;
      if (!data) return false;
      running = 0;
      if (*type == kEndOfTrack) break;
      ReadMeta(*type, *data, song, firstTrack);
      continue;
    }
    if (*first == kSysEx || *first == kSysExContinued) {
      const std::optional<uint32_t> length = in.VariableLength();
      if (!length || !in.Take(*length)) return false;
      running = 0;
      continue;
    }
    if (*first & midi::kStatusBit) {
      // System common and real-time messages have no place in a file.
      if (*first >= midi::kSystem) return false;
      running = *first;
    } else if (running == 0) {
      return false;
    }
    uint8_t data[2] = {0, 0};
    const int dataBytes = midi::MessageLength(running) - 1;
    for (int i = 0; i < dataBytes; ++i) {
      const std::optional<uint8_t> b = i == 0 && !(*first & midi::kStatusBit) ? first : in.Byte();
      if (!b || (*b & midi::kStatusBit)) return false;
      data[i] = *b;
    }
    const int32_t channel = running & midi::kChannelMask;
    const uint8_t kind = running & midi::kKindMask;
    if (kind == midi::kNoteOn && data[1] > 0) {
      notes.On(channel, data[0], data[1], pulses);
    } else if (kind == midi::kNoteOff || kind == midi::kNoteOn) {
      notes.Off(channel, data[0], pulses);
    } else if (kind == midi::kProgramChange && song.programs[static_cast<size_t>(channel)] < 0) {
      song.programs[static_cast<size_t>(channel)] = data[0];
    }
  }
  std::optional<std::vector<Note>> found = notes.Finish(pulses);
  if (!found) return false;
  if (!found->empty()) song.tracks.push_back(std::move(*found));
  return true;
}

bool IsChunk(std::span<const uint8_t> type, const char (&name)[5]) { return std::equal(type.begin(), type.end(), name); }

}  // namespace

bool LooksLikeMidiFile(std::span<const uint8_t> bytes) {
  return bytes.size() >= 14 && bytes[0] == 'M' && bytes[1] == 'T' && bytes[2] == 'h' && bytes[3] == 'd';
}

std::optional<Song> Read(std::span<const uint8_t> bytes) {
  if (!LooksLikeMidiFile(bytes) || bytes.size() > kMostBytes) return std::nullopt;
  ByteReader in(bytes);
  in.Take(4);
  const std::optional<uint32_t> headerLength = in.BigEndian(4);
  if (!headerLength || *headerLength < kHeaderBytes) return std::nullopt;
  const std::optional<std::span<const uint8_t>> header = in.Take(*headerLength);
  if (!header) return std::nullopt;
  ByteReader fields(*header);
  const uint32_t format = *fields.BigEndian(2);
  fields.BigEndian(2);  // the number of tracks: every track chunk there is counts
  const uint32_t division = *fields.BigEndian(2);
  if (format > kLastFormat || division == 0 || (division & kSmpteDivision)) return std::nullopt;

  Song song;
  bool anyTrack = false;
  // A few bytes after the last chunk, too few for another, are left alone.
  while (in.Left() >= kChunkHeaderBytes) {
    const std::span<const uint8_t> type = *in.Take(4);
    const std::optional<std::span<const uint8_t>> chunk = in.Take(*in.BigEndian(4));
    if (!chunk) return std::nullopt;
    if (!IsChunk(type, "MTrk")) continue;
    if (!ReadTrack(*chunk, division, !anyTrack, song)) return std::nullopt;
    anyTrack = true;
  }
  if (!anyTrack) return std::nullopt;
  return song;
}

}  // namespace smf
