#pragma once
#include <algorithm>
#include <array>
#include <cstdint>
#include <type_traits>
#include <vector>

#include "music/MidiMessage.h"
#include "music/NoteEvent.h"
#include "platform/Clock.h"
#include "tasks/base/KeyboardNotes.h"
#include "tasks/common/TaskCommon.h"
#include "tasks/melody/MelodyCommon.h"
#include "tasks/melody/MonoMelodyTest13.h"
#include "tasks/voice/VoiceAnswers.h"
#include "tasks/voice/VoiceHook.h"
#include "text/LanguageTable.h"
#include "text/TextIds.h"

namespace voice {

// A melody task (one tone, a random melody or a teacher's one, on its piano) answered by singing: each note the
// student holds is a key of the piano played on the hardware keyboard, so it goes the
// keyboard's way to the same answer logic as a click (attempts, hints, log lines, statistics,
// history). The microphone is open while the task is. The tones are played in the singer's
// range (by whole octaves, as far as the sound of the piano reaches); a wrong note is marked
// on the piano as the student's, and the message area's last line tells per tone how many
// cents the voice was off the tone asked for. Hints and legend say to sing.
template <class Melody, int Title>
class VoiceTask : public Melody {
 public:
  static constexpr int kTitle = Title;

  VoiceTask() { this->title = T(Title); }
  ~VoiceTask() override { ListenForSungNotes(nullptr); }

  void Start() override {
    Melody::Start();
    ListenForSungNotes([this](const SungAnswer& answer) { OnSung(answer); });
  }
  void SetTexts() override {
    Melody::SetTexts();
    this->title = T(Title);
    if (!this->hint) common::SetHintText(T(txt::kVoiceStartHint));
  }
  void OnListenNew() override {
    common::DrawOnView([this](Dc& dc) {
      for (int32_t key : studentKeys_) this->DrawKeyNormal(dc, key);
    });
    studentKeys_.clear();
    sung_.clear();
    const int32_t lowest = this->LowestNote();
    const int32_t highest = lowest + this->KeyCount() - 1;
    const VoiceJudging judging = CurrentVoiceJudging();
    // The piano's sound reaches from the three-octave piano's lowest key to its highest.
    const int32_t shift = judging.octaveShift ? judging.octaveShift(lowest, highest) : 0;
    shift_ = std::clamp(shift, kKeyboardKeyToNote - lowest, kKeyboardKeyToNote + kHighestPianoKey - highest);
    Melody::OnListenNew();
    // Open unless the task had nothing to give (a teacher's level without melodies).
    if (!this->newTaskEnabled) common::SetHint(*this, kSingle ? txt::kVoiceHintTone : txt::kVoiceHintMelody);
    StopTheTone();
    Quiet(kEchoMs);
    DrawSungLine();
  }
  void OnListenAgain() override {
    Melody::OnListenAgain();
    StopTheTone();
    Quiet(kEchoMs);
  }
  void OnLButtonDown(MouseFlags& flags, Point& point) override {
    Melody::OnLButtonDown(flags, point);
    Quiet(kClickEchoMs);
  }
  void PlayNote(int32_t key, int32_t channel) override {
    if (shift_ != 0 && key >= 0 && key < this->KeyCount()) {
      CAbstractT::PlayNote(this->LowestNote() + key + shift_ - kKeyboardKeyToNote, channel);
    } else {
      Melody::PlayNote(key, channel);
    }
  }
  // The family's legend and statistics, with the voice tasks' legend; the line of the tones
  // sung below, where the legend leaves room.
  void DrawMessages(Dc& dc) override {
    static constexpr std::array kLegend = {kSingle ? txt::kVoiceLegendTone : txt::kVoiceLegendMelody,
                                           txt::kVoiceLegendHold,
                                           txt::kVoiceLegendHeadphones,
                                           txt::kVoiceLegendMarks,
                                           melody::kOneTone.legend[1],
                                           melody::kOneTone.legend[2]};
    if constexpr (std::is_base_of_v<MonoMelodyTest13, Melody>) {
      this->DrawLegendAndStatistics(dc, common::Texts(kLegend));
    } else {
      this->DrawLegendOrStatistics(dc, common::Texts(kLegend));
    }
    DrawSungLine(dc);
  }

  // The tones sung in the current attempt, first first.
  const std::vector<SungTone>& Sung() const { return sung_; }
  // Semitones the tones are played away from the piano's keys.
  int32_t PlayShift() const { return shift_; }

 private:
  void OnSung(const SungAnswer& answer) {
    if (this->attempt < 1 || this->attempt > 3) return;
    if (static_cast<int32_t>(answer.startMs - quietUntil_) < 0) return;
    size_t next = 0;
    if constexpr (requires { this->enteredCount; }) next = static_cast<size_t>(this->enteredCount);
    if (next >= this->tones.size()) return;
    const int32_t lowest = this->LowestNote();
    const int32_t highest = lowest + this->KeyCount() - 1;
    const int32_t target = lowest + this->tones[next];
    // Told to the history before the answer goes in: the answer may close the task.
    const std::optional<SungKey> sung = AnswerOnPiano(answer, shift_, target, lowest, highest);
    if (!sung) return;
    if (next == 0) sung_.clear();
    sung_.push_back(sung->tone);
    this->OnMidiInNote(midi::Pack(midi::kNoteOn, static_cast<uint32_t>(sung->pianoNote), kSungVelocity));
    const int32_t key = sung->pianoNote - lowest;
    if (sung->pianoNote != target) {
      studentKeys_.push_back(key);
      common::DrawOnView([this, key](Dc& dc) { this->MarkKey(dc, key, kStudentBrush); });
    }
    DrawSungLine();
  }

  static constexpr bool kSingle = [] {
    if constexpr (requires { std::tuple_size<decltype(Melody::tones)>::value; }) {
      return std::tuple_size_v<decltype(Melody::tones)> == 1;
    } else {
      return false;
    }
  }();

  // A single tone that would sound on is stopped after its beat: the microphone would take it
  // for the answer.
  void StopTheTone() {
    if constexpr (requires { Melody::kLeavesToneSounding; }) {
      if constexpr (!Melody::kLeavesToneSounding) return;
      this->WaitMs(common::Beat());
      this->AllNotesOff();
    }
  }
  void Quiet(uint32_t ms) { quietUntil_ = timeGetTime() + ms; }

  // The message area's last text line: the voice legend ends before it, and the statistics
  // over the legend (three-octave piano) end before it as well.
  void DrawSungLine(Dc& dc) { voice::DrawSungLine(*this, dc, sung_); }
  void DrawSungLine() {
    common::DrawOnView([this](Dc& dc) { DrawSungLine(dc); });
  }

  std::vector<SungTone> sung_;
  std::vector<int32_t> studentKeys_;
  int32_t shift_ = 0;
  uint32_t quietUntil_ = 0;
};

}  // namespace voice
