#include "sequencer/MidiFile.h"

#include <smf.h>
#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <memory>

#include "platform/FileWrite.h"
#include "sound/MidiOutput.h"

namespace smf {
namespace {

constexpr uint8_t kMeta = 0xFF;
constexpr uint8_t kTrackName = 0x03;
constexpr uint8_t kTempo = 0x51;
constexpr uint8_t kTimeSignature = 0x58;
// Time signature meta event: MIDI clocks per metronome click, 32nd notes per quarter note.
constexpr uint8_t kClocksPerClick = 24;
constexpr uint8_t kThirtySecondsPerQuarter = 8;

struct SmfDeleter {
  void operator()(smf_t* smf) const { smf_delete(smf); }
};
using SmfPtr = std::unique_ptr<smf_t, SmfDeleter>;

int32_t PulsesToTicks(int64_t pulses, int32_t ppqn) {
  return static_cast<int32_t>(std::llround(static_cast<double>(pulses) * kTicksPerQuarter / ppqn));
}

// The data of a meta event of the type, or an empty span.
std::span<const uint8_t> MetaData(const smf_event_t& event, uint8_t type) {
  const int length = event.midi_buffer_length;
  if (length < 3 || event.midi_buffer[0] != kMeta || event.midi_buffer[1] != type) return {};
  // The data length is a variable-length number after the type.
  size_t pos = 2;
  uint32_t size = 0;
  while (pos < static_cast<size_t>(length)) {
    const uint8_t b = event.midi_buffer[pos++];
    size = (size << 7) | (b & 0x7F);
    if ((b & 0x80) == 0) break;
  }
  if (pos + size > static_cast<size_t>(length)) return {};
  return {event.midi_buffer + pos, size};
}

// Notes of one track: each note-on is closed by the first note-off of the same channel and
// note after it; a note never closed lasts to the end of the track.
class TrackNotes {
 public:
  explicit TrackNotes(int32_t ppqn) : ppqn_(ppqn) {}

  void On(int32_t channel, int32_t note, int32_t velocity, int pulses) {
    open_[Key(channel, note)].push_back({channel, note, velocity, pulses});
  }
  void Off(int32_t channel, int32_t note, int pulses) {
    auto it = open_.find(Key(channel, note));
    if (it == open_.end() || it->second.empty()) return;
    Close(it->second.front(), pulses);
    it->second.erase(it->second.begin());
  }
  std::vector<Note> Finish(int endPulses) {
    for (auto& [key, notes] : open_) {
      for (const Open& n : notes) Close(n, endPulses);
    }
    open_.clear();
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
    int pulses;
  };
  static int32_t Key(int32_t channel, int32_t note) { return channel * 128 + note; }
  void Close(const Open& n, int endPulses) {
    const int32_t tick = PulsesToTicks(n.pulses, ppqn_);
    const int32_t length = std::max(1, PulsesToTicks(endPulses, ppqn_) - tick);
    notes_.push_back({n.channel, n.note, n.velocity, tick, length});
  }

  int32_t ppqn_;
  std::map<int32_t, std::vector<Open>> open_;
  std::vector<Note> notes_;
};

void ReadMeta(const smf_event_t& event, Song& song, bool firstTrack) {
  if (auto data = MetaData(event, kTempo); data.size() == 3 && !song.microsPerQuarter) {
    const int32_t micros = (data[0] << 16) | (data[1] << 8) | data[2];
    if (micros > 0) song.microsPerQuarter = micros;
  } else if (auto sig = MetaData(event, kTimeSignature); sig.size() >= 2 && !song.signature) {
    if (sig[1] < 8) song.signature = std::pair<int32_t, int32_t>{sig[0], 1 << sig[1]};
  } else if (auto name = MetaData(event, kTrackName); !name.empty() && firstTrack && song.title.empty()) {
    song.title.assign(name.begin(), name.end());
  }
}

smf_event_t* ChannelEvent(uint8_t status, int32_t data1, int32_t data2) {
  return smf_event_new_from_bytes(status, data1 & midi::kDataMask, data2 < 0 ? -1 : data2 & midi::kDataMask);
}

smf_event_t* MetaEvent(std::vector<uint8_t> bytes) {
  return smf_event_new_from_pointer(bytes.data(), static_cast<int>(bytes.size()));
}

// libsmf writes only to a file: a private temporary one, read back and removed.
std::optional<std::vector<uint8_t>> SaveToBytes(smf_t* smf) {
  std::string pattern = (std::filesystem::temp_directory_path() / "aurelo-midi-XXXXXX").string();
  const int fd = ::mkstemp(pattern.data());
  if (fd < 0) return std::nullopt;
  ::close(fd);
  std::optional<std::vector<uint8_t>> bytes;
  if (smf_save(smf, pattern.c_str()) == 0) bytes = ReadWholeFile(pattern);
  ::unlink(pattern.c_str());
  return bytes;
}

uint32_t BigEndian32(std::span<const uint8_t> bytes, size_t at) {
  return (uint32_t{bytes[at]} << 24) | (uint32_t{bytes[at + 1]} << 16) | (uint32_t{bytes[at + 2]} << 8) | bytes[at + 3];
}

// A variable-length number at pos, within end; false when it runs past end or four bytes.
bool SkipNumber(std::span<const uint8_t> bytes, size_t& pos, size_t end, uint32_t& value) {
  value = 0;
  for (int i = 0; i < 4 && pos < end; ++i) {
    const uint8_t b = bytes[pos++];
    value = (value << 7) | (b & 0x7F);
    if ((b & 0x80) == 0) return true;
  }
  return false;
}

// Whether the track's events are whole: each a delta time, then a meta or system-exclusive
// event of its stated length, or a channel message (running status allowed) with its data;
// the end-of-track event last.
bool EventsAreWhole(std::span<const uint8_t> bytes, size_t pos, size_t end) {
  uint8_t status = 0;
  uint32_t value = 0;
  while (pos < end) {
    if (!SkipNumber(bytes, pos, end, value) || pos >= end) return false;
    const uint8_t b = bytes[pos];
    // libsmf takes no escaped (0xF7) system-exclusive event.
    if (b == 0xF7) return false;
    if (b == kMeta || b == 0xF0) {
      const bool endOfTrack = b == kMeta && pos + 1 < end && bytes[pos + 1] == 0x2F;
      pos += b == kMeta ? 2 : 1;
      if (pos > end || !SkipNumber(bytes, pos, end, value) || value > end - pos) return false;
      pos += value;
      // The end of the track comes last, and only there.
      if (endOfTrack) return pos == end && value == 0;
      continue;
    }
    if (b & midi::kStatusBit) {
      status = b;
      ++pos;
    }
    if (status == 0 || status >= midi::kSystem) return false;
    const uint8_t kind = status & midi::kKindMask;
    const size_t data = kind == midi::kProgramChange || kind == midi::kChannelPressure ? 1 : 2;
    if (end - pos < data) return false;
    for (size_t i = 0; i < data; ++i) {
      if (bytes[pos++] & midi::kStatusBit) return false;
    }
  }
  return false;
}

// libsmf stops the program (an assertion) on some malformed tracks. So a file goes to it
// only when its chunks lie within the file, every track's events are whole and every track
// ends with the end-of-track event.
bool ChunksAreWhole(std::span<const uint8_t> bytes) {
  size_t at = 0;
  int tracks = 0;
  while (at + 8 <= bytes.size()) {
    const uint32_t length = BigEndian32(bytes, at + 4);
    if (length > bytes.size() - at - 8) return false;
    const bool track = std::equal(bytes.begin() + static_cast<std::ptrdiff_t>(at),
                                  bytes.begin() + static_cast<std::ptrdiff_t>(at + 4), "MTrk");
    if (track) {
      const size_t end = at + 8 + length;
      if (length < 4 || bytes[end - 3] != kMeta || bytes[end - 2] != 0x2F || bytes[end - 1] != 0) return false;
      if (!EventsAreWhole(bytes, at + 8, end)) return false;
      ++tracks;
    }
    at += 8 + length;
  }
  return at == bytes.size() && tracks > 0;
}

}  // namespace

bool LooksLikeMidiFile(std::span<const uint8_t> bytes) {
  return bytes.size() >= 14 && bytes[0] == 'M' && bytes[1] == 'T' && bytes[2] == 'h' && bytes[3] == 'd';
}

std::optional<Song> Read(std::span<const uint8_t> bytes) {
  if (!LooksLikeMidiFile(bytes) || bytes.size() > kMostBytes || !ChunksAreWhole(bytes)) return std::nullopt;
  SmfPtr file(smf_load_from_memory(bytes.data(), static_cast<int>(bytes.size())));
  if (!file || file->ppqn <= 0 || file->number_of_tracks < 1) return std::nullopt;
  Song song;
  for (int t = 1; t <= file->number_of_tracks; ++t) {
    smf_track_t* track = smf_get_track_by_number(file.get(), t);
    if (!track) continue;
    TrackNotes notes(file->ppqn);
    int endPulses = 0;
    for (int n = 1; n <= track->number_of_events; ++n) {
      const smf_event_t* event = smf_track_get_event_by_number(track, n);
      if (!event || event->midi_buffer_length < 1) continue;
      endPulses = std::max(endPulses, event->time_pulses);
      if (smf_event_is_metadata(event)) {
        ReadMeta(*event, song, t == 1);
        continue;
      }
      const uint8_t status = event->midi_buffer[0];
      const int32_t channel = status & midi::kChannelMask;
      const uint8_t kind = status & midi::kKindMask;
      const int32_t data1 = event->midi_buffer_length > 1 ? event->midi_buffer[1] & midi::kDataMask : 0;
      const int32_t data2 = event->midi_buffer_length > 2 ? event->midi_buffer[2] & midi::kDataMask : 0;
      if (kind == midi::kNoteOn && data2 > 0) {
        notes.On(channel, data1, data2, event->time_pulses);
      } else if (kind == midi::kNoteOff || kind == midi::kNoteOn) {
        notes.Off(channel, data1, event->time_pulses);
      } else if (kind == midi::kProgramChange && song.programs[static_cast<size_t>(channel)] < 0) {
        song.programs[static_cast<size_t>(channel)] = data1;
      }
    }
    std::vector<Note> found = notes.Finish(endPulses);
    if (!found.empty()) song.tracks.push_back(std::move(found));
  }
  return song;
}

std::optional<std::vector<uint8_t>> Write(const Song& song) {
  SmfPtr file(smf_new());
  if (!file || smf_set_ppqn(file.get(), kPulsesPerQuarter) != 0) return std::nullopt;
  int endPulses = 0;
  for (const std::vector<Note>& notes : song.tracks) {
    for (const Note& n : notes) endPulses = std::max(endPulses, (n.tick + n.length) * kPulsesPerTick);
  }

  smf_track_t* conductor = smf_track_new();
  smf_add_track(file.get(), conductor);
  if (!song.title.empty()) smf_track_add_event_pulses(conductor, smf_event_new_textual(kTrackName, song.title.c_str()), 0);
  const int32_t micros = song.microsPerQuarter.value_or(500000);
  smf_track_add_event_pulses(conductor,
                             MetaEvent({kMeta, kTempo, 3, static_cast<uint8_t>(micros >> 16),
                                        static_cast<uint8_t>(micros >> 8), static_cast<uint8_t>(micros)}),
                             0);
  const auto [numerator, denominator] = song.signature.value_or(std::pair<int32_t, int32_t>{4, 4});
  uint8_t power = 0;
  while ((1 << power) < denominator && power < 7) ++power;
  smf_track_add_event_pulses(conductor,
                             MetaEvent({kMeta, kTimeSignature, 4, static_cast<uint8_t>(numerator), power,
                                        kClocksPerClick, kThirtySecondsPerQuarter}),
                             0);
  if (smf_track_add_eot_pulses(conductor, endPulses) != 0) return std::nullopt;

  for (const std::vector<Note>& notes : song.tracks) {
    if (notes.empty()) continue;
    smf_track_t* track = smf_track_new();
    smf_add_track(file.get(), track);
    const int32_t channel = notes.front().channel & midi::kChannelMask;
    const int32_t program = song.programs[static_cast<size_t>(channel)];
    if (program >= 0) smf_track_add_event_pulses(track, ChannelEvent(midi::kProgramChange + channel, program, -1), 0);
    // Ends before starts at the same time, so that a repeated note sounds again.
    struct Message {
      int pulses;
      bool on;
      Note note;
    };
    std::vector<Message> messages;
    for (const Note& n : notes) {
      messages.push_back({n.tick * kPulsesPerTick, true, n});
      messages.push_back({(n.tick + n.length) * kPulsesPerTick, false, n});
    }
    std::stable_sort(messages.begin(), messages.end(), [](const Message& a, const Message& b) {
      return a.pulses != b.pulses ? a.pulses < b.pulses : (!a.on && b.on);
    });
    for (const Message& m : messages) {
      const int32_t ch = m.note.channel & midi::kChannelMask;
      smf_event_t* event = m.on ? ChannelEvent(midi::kNoteOn + ch, m.note.note, m.note.velocity)
                                : ChannelEvent(midi::kNoteOff + ch, m.note.note, 0);
      smf_track_add_event_pulses(track, event, m.pulses);
    }
    if (smf_track_add_eot_pulses(track, endPulses) != 0) return std::nullopt;
  }
  return SaveToBytes(file.get());
}

}  // namespace smf
