#pragma once
#include <cstddef>
#include <cstdint>
#include <tuple>
#include <type_traits>

#include "settings/ProgramSettings.h"
#include "tasks/base/ToneTimeline.h"
#include "tasks/melody/MelodyCommon.h"

namespace melody {

// One round of a melody repetition task: play a melody, take the keys the student
// presses, three attempts, then the melody shown in red. The same on both pianos. Task is
// a concrete melody class: it holds `tones` (the keys of the melody) and, for more than
// one tone, `enteredCount`, its texts `kKind` and `kTitle`, and kLeavesToneSounding where
// a single tone is not stopped after its beat; its family base gives the message line, the
// wrong-later-tone texts and the statistics panel. A random melody has a fixed number of
// tones (`tones` is an array), each one beat long. A task with melodies of its own holds
// them in a vector and gives ChooseMelody (the next melody into `tones`) and
// PlayMelody(startMs, marks) (the melody in its own rhythm from startMs on; marks, when set,
// is told when each tone begins and ends).
template <class Task>
class MelodyRound {
  static constexpr bool kOwnMelodies = requires(Task& t) {
    t.ChooseMelody();
    t.PlayMelody(uint32_t{0}, ToneMarks{});
  };

 public:
  // A melody of a single tone (a random one; a melody of its own has several).
  static constexpr bool kSingle = [] {
    if constexpr (kOwnMelodies) {
      return false;
    } else {
      return std::tuple_size_v<decltype(Task::tones)> == 1;
    }
  }();

  explicit MelodyRound(Task& task) : task_(task) {}

  void Start() { task_.SetTexts(); }

  void SetTexts() { SetTaskTexts(task_, Task::kKind.startHint, Task::kTitle); }

  // A reset of the counters also ends an open task: key and mode may change again.
  void ResetStatistics() {
    const bool wasOpen = !task_.newTaskEnabled;
    task_.CAbstractT::ResetStatistics();
    if (wasOpen) EnableKeyAndMode(true);
  }

  void ListenNew() {
    EnableKeyAndMode(false);
    CountNewTask(task_);
    ClearMessage(task_);
    // Marks of the task before (right keys, a revealed melody) go.
    DrawOnView([this](Dc& dc) {
      for (int32_t key : task_.tones) task_.DrawKeyNormal(dc, key);
    });
    if constexpr (kOwnMelodies) {
      task_.ChooseMelody();
    } else {
      GenerateMelody(task_.KeyCount(), task_.tones);
    }
    Play();
    task_.attempt = 1;
    if constexpr (!kSingle) task_.enteredCount = 0;
    task_.newTaskEnabled = false;
    task_.listenAgainEnabled = true;
    SetHint(task_, Task::kKind.hintAfterNew);
  }

  // A replay leaves the attempt and the keys entered so far as they are.
  void ListenAgain() {
    Play();
    CountReplay(task_);
  }

  // The key just pressed (pressedKey), compared with the next tone of the melody.
  void AnswerClick() {
    if (task_.pressedKey == -1 || task_.attempt < 1 || task_.attempt > 3) return;
    size_t n = 1;
    if constexpr (!kSingle) {
      n = static_cast<size_t>(++task_.enteredCount);
      // The previous right tone loses its green mark.
      if (n >= 2) DrawOnView([this, n](Dc& dc) { task_.DrawKeyNormal(dc, task_.tones[n - 2]); });
    }
    const int32_t tone = task_.tones[n - 1];
    if (task_.pressedKey != tone) {
      Wrong(n);
    } else if (n < task_.tones.size()) {
      ShowMessage(task_, kMessageGreen, text::kRightSoFar);
      DrawOnView([this, tone](Dc& dc) { task_.MarkKey(dc, tone, task_.greenBrush); });
    } else {
      Solved(tone);
    }
    DrawOnView([this](Dc& dc) { task_.ShowStatistics(dc); });
  }

 private:
  // Each tone for one beat, cut by the next; all notes off after the last. A melody of its
  // own plays in its own rhythm.
  void Play() {
    if constexpr (kOwnMelodies) {
      task_.PlayMelody(0, {});
      return;
    }
    if constexpr (kLeavesToneSounding) {
      task_.PlayNote(task_.tones[0], kToneChannel);
    } else {
      const uint32_t beat = Beat();
      ToneTimeline timeline(task_);
      uint32_t at = 0;
      for (int32_t key : task_.tones) {
        timeline.PlayNote(at, key, kToneChannel);
        at += beat;
      }
      timeline.AllNotesOff(at);
      timeline.Play();
    }
  }

  void Solved(int32_t tone) {
    CountSolved(task_);
    CloseTask(task_, text::kHintSolved);
    task_.attempt = 0;
    ShowMessage(task_, kMessageGreen, text::kSolved);
    DrawOnView([this, tone](Dc& dc) { task_.MarkKey(dc, tone, task_.greenBrush); });
    task_.WaitMs(Beat());
    DrawOnView([this, tone](Dc& dc) { task_.DrawKeyNormal(dc, tone); });
    task_.AllNotesOff();
  }

  // n: the 1-based place in the melody of the wrong key.
  void Wrong(size_t n) {
    if constexpr (!kSingle) task_.enteredCount = 0;
    if (!WrongAnswer(task_, n == 1, Task::kWrongLaterTone2, Task::kWrongLaterTone3)) return;
    CloseTask(task_, text::kHintRevealed);
    Reveal();
  }

  // The melody once more, its keys marked red one after another. The keys stay red until
  // the next task when "Fix key illumination" is on (a single tone always does).
  void Reveal() {
    const uint32_t beat = Beat();
    if constexpr (kOwnMelodies) {
      task_.PlayMelody(beat, [this](int32_t key, bool sounding) { RevealMark(key, sounding); });
      return;
    }
    ToneTimeline timeline(task_);
    uint32_t at = beat;
    for (int32_t key : task_.tones) {
      timeline.PlayNote(at, key, kToneChannel);
      timeline.Cue(at, [this, key] { RevealMark(key, true); });
      at += beat;
      timeline.Cue(at, [this, key] { RevealMark(key, false); });
    }
    timeline.AllNotesOff(at);
    timeline.Play();
  }

  // A revealed tone's key turns red as it sounds and back after it, unless the marks stay.
  void RevealMark(int32_t key, bool sounding) {
    if (sounding) {
      DrawOnView([this, key](Dc& dc) { task_.MarkKey(dc, key, task_.redBrush); });
    } else if (!kSingle && !fixKeyIllumination) {
      DrawOnView([this, key](Dc& dc) { task_.DrawKeyNormal(dc, key); });
    }
  }

  static constexpr bool kLeavesToneSounding = [] {
    if constexpr (requires { Task::kLeavesToneSounding; }) {
      return Task::kLeavesToneSounding;
    } else {
      return false;
    }
  }();

  Task& task_;
};

}  // namespace melody
