#include "formats/TeacherMelody.h"

#include <algorithm>
#include <map>

#include "formats/FragmentFile.h"
#include "formats/MidiFile.h"
#include "music/MidiMessage.h"
#include "music/TempoTables.h"

namespace teacher {
namespace {

// The fragment file's key k sounds MIDI note k + 36, as in the player.

class MelodySink final : public fragment::Sink {
 public:
  void Title(const std::string& text) override { title = text; }
  void Event(const NoteEvent& e) override {
    if (e.channel == midi::kPercussionChannel || e.key < 0 || e.key > kHighestPianoKey) return;
    byChannel[e.channel].push_back({e.key + kKeyboardKeyToNote, e.tick, -1});
  }
  std::string title;
  std::map<int32_t, std::vector<TimedNote>> byChannel;
};

std::optional<Melody> MelodyFromFragment(std::span<const uint8_t> bytes) {
  MelodySink sink;
  fragment::Parse(bytes, sink);
  if (sink.byChannel.empty()) return std::nullopt;
  return Melody{fragment::UnderscoresToBlanks(sink.title),
                OneVoice(std::move(sink.byChannel.begin()->second))};
}

std::optional<Melody> MelodyFromMidiFile(std::span<const uint8_t> bytes) {
  const std::optional<smf::Song> song = smf::Read(bytes);
  if (!song) return std::nullopt;
  for (const std::vector<smf::Note>& track : song->tracks) {
    std::vector<TimedNote> notes;
    for (const smf::Note& n : track) {
      if (n.channel != midi::kPercussionChannel) notes.push_back({n.note, n.tick, n.tick + n.length});
    }
    if (!notes.empty()) return Melody{song->title, OneVoice(std::move(notes))};
  }
  return std::nullopt;
}

// Whether the melody plays in two minutes at the slowest tempo and has no more tones than a
// task gives.
bool WithinLimits(const Melody& melody) {
  if (melody.tones.size() > kMostTones) return false;
  const int32_t slowestTickMs = *std::max_element(msPerTick.begin(), msPerTick.end());
  const int64_t mostTicks = kMostPlayingMs / slowestTickMs;
  return std::all_of(melody.tones.begin(), melody.tones.end(),
                     [mostTicks](const Tone& t) { return int64_t{t.tick} + t.length <= mostTicks; });
}

}  // namespace

std::vector<Tone> OneVoice(std::vector<TimedNote> notes) {
  std::stable_sort(notes.begin(), notes.end(), [](const TimedNote& a, const TimedNote& b) {
    return a.tick != b.tick ? a.tick < b.tick : a.note > b.note;
  });
  std::vector<Tone> tones;
  for (size_t i = 0; i < notes.size();) {
    // The top note of the chord at this start; the others go.
    const TimedNote& top = notes[i];
    size_t next = i + 1;
    while (next < notes.size() && notes[next].tick == top.tick) ++next;
    int32_t length = kTicksPerBeat;
    if (next < notes.size()) {
      const int32_t toNext = notes[next].tick - top.tick;
      length = top.end > top.tick ? std::min(toNext, top.end - top.tick) : toNext;
    } else if (top.end > top.tick) {
      length = top.end - top.tick;
    }
    tones.push_back({top.note, top.tick, length});
    i = next;
  }
  if (!tones.empty()) {
    const int32_t first = tones.front().tick;
    for (Tone& t : tones) t.tick -= first;
  }
  return tones;
}

std::optional<Melody> ReadMelody(std::span<const uint8_t> bytes, const std::string& fallbackTitle) {
  std::optional<Melody> melody = smf::LooksLikeMidiFile(bytes) ? MelodyFromMidiFile(bytes) : MelodyFromFragment(bytes);
  if (!melody || !WithinLimits(*melody)) return std::nullopt;
  if (melody->title.empty()) melody->title = fallbackTitle;
  return melody;
}

std::optional<int32_t> OctaveShiftInto(const Melody& melody, int32_t lowest, int32_t highest) {
  if (melody.tones.empty()) return std::nullopt;
  const auto [low, high] = std::minmax_element(melody.tones.begin(), melody.tones.end(),
                                               [](const Tone& a, const Tone& b) { return a.note < b.note; });
  std::optional<int32_t> best;
  for (int32_t shift = -120; shift <= 120; shift += 12) {
    if (low->note + shift < lowest || high->note + shift > highest) continue;
    if (!best || std::abs(shift) < std::abs(*best)) best = shift;
  }
  return best;
}

}  // namespace teacher
