// A task's playback on the sound timeline: every message handed over at the start with its
// time from the start of the playback; on an output without a timeline the same messages at
// the same times, sent while the playback waits.
#include <vector>

#include "tasks/base/ToneTimeline.h"
#include "tasks/melody/MelodyTestSupport.h"
#include "tasks/melody/MonoMelodyTest13_N.h"

namespace {

using namespace melody_test;

class ToneTimelineTest : public MelodyApp {
 protected:
  // The messages a four-tone melody must send from start: each tone cuts the one before
  // and sounds one beat; a reset after the last.
  std::vector<MidiRecord> Expected(uint32_t start, uint32_t lastNote) {
    const auto& tones = dynamic_cast<MonoMelodyTest13_4&>(View().Task()).tones;
    std::vector<MidiRecord> expected;
    uint32_t at = start;
    for (int32_t key : tones) {
      const auto note = static_cast<uint32_t>(key + 60);
      expected.push_back({at, midi::Pack(midi::kNoteOff, lastNote, 0), false});
      expected.push_back({at, midi::Pack(midi::kNoteOn, note, 127), false});
      lastNote = note;
      at += Beat();
    }
    expected.push_back({at, 0, true});
    return expected;
  }
};

TEST_F(ToneTimelineTest, MelodyIsHandedOverAtOnceWithEachMessageAtItsBeat) {
  Open(3);
  lastNoteWord[0] = 0;
  const uint32_t start = clock.NowMs();
  Command(cmd::kListenNew);
  EXPECT_EQ(out->Records(), Expected(start, 0));
  EXPECT_EQ(out->HandedMs(), std::vector<uint32_t>(9, start));
  EXPECT_EQ(clock.NowMs(), start + 4 * Beat()) << "the window takes input again at the end";

  // A MIDI port has no timeline: the same messages, each sent when it is due.
  out->SetTimeline(false);
  out->Clear();
  const uint32_t again = clock.NowMs();
  const auto& tones = dynamic_cast<MonoMelodyTest13_4&>(View().Task()).tones;
  Command(cmd::kListenAgain);
  EXPECT_EQ(out->Records(), Expected(again, static_cast<uint32_t>(tones[3] + 60)));
  std::vector<uint32_t> due;
  for (const MidiRecord& r : out->Records()) due.push_back(r.timeMs);
  EXPECT_EQ(out->HandedMs(), due);
}

TEST_F(ToneTimelineTest, TonesOfTheirOwnLengthAndCuesAtTheirTimes) {
  Open(3);
  lastNoteWord[0] = 0;
  lastNoteWord[2] = 0;
  CAbstractT& task = View().Task();
  const uint32_t start = clock.NowMs();
  std::vector<uint32_t> cues;
  ToneTimeline timeline(task);
  timeline.Tone(4, 0, 300);
  timeline.Tone(7, 450, 150, 2);
  timeline.Cue(450, [&] { cues.push_back(clock.NowMs()); });
  timeline.Cue(100, [&] { cues.push_back(clock.NowMs()); });
  timeline.Play();
  // Keys of the small piano sound two octaves up: 4 is note 64, 7 is note 67.
  EXPECT_EQ(out->Records(), (std::vector<MidiRecord>{{start, 0x000080, false},
                                                     {start, 0x7F4090, false},
                                                     {start + 300, 0x004080, false},
                                                     {start + 450, 0x000082, false},
                                                     {start + 450, 0x7F4392, false},
                                                     {start + 600, 0x004382, false}}));
  EXPECT_EQ(cues, (std::vector<uint32_t>{start + 100, start + 450}));
  EXPECT_EQ(clock.NowMs(), start + 600);
  EXPECT_EQ(lastNoteWord[2], 67 << 8) << "PlayNote's bookkeeping holds for timeline tones";
}

}  // namespace
