#pragma once
#include <cstdint>
#include <string>

#include "log/LogLines.h"
#include "log/ResultsLog.h"
#include "platform/ViewHost.h"
#include "progress/Recorder.h"
#include "settings/ProgramSettings.h"
#include "tasks/base/ScaleKeys.h"
#include "tasks/base/ToneTimeline.h"
#include "tasks/melody/MelodyCommon.h"
#include "text/LanguageTable.h"
#include "text/StrFormat.h"

namespace melody {

// One tone to search for on the piano: the student presses as many keys as he likes and
// confirms the last one with the task button or Enter; only confirmations are answers.
// The same on both pianos. Task is a concrete tone search class: it holds `targetKey`,
// `confirmAllowed` and `searchPresses`; its family base gives the message line.
template <class Task>
class ToneSearch {
 public:
  explicit ToneSearch(Task& task) : task_(task) {}

  // Its button below the message area (disabled until a key is pressed in an open task), then
  // its texts.
  void Start() {
    task_.clientRect = GetViewHost().ClientRect();
    const int32_t width = task_.clientRect.right;
    const int32_t height = task_.clientRect.bottom;
    const Rect button{width / 42, static_cast<int32_t>(height / 1.15), width - width / 42,
                      static_cast<int32_t>(height / 1.025)};
    GetViewHost().CreateButton(kTaskButton, T(text::kSearchButtonCaption), button);
    GetViewHost().EnableControl(kTaskButton, false);
    task_.taskButtonCreated = true;
    task_.SetTexts();
  }

  void SetTexts(int titleId) {
    SetTaskTexts(task_, text::kSearchStartHint, titleId);
    GetViewHost().SetControlText(kTaskButton, T(text::kSearchButtonCaption));
  }

  // The button follows the size of the view: placed anew at every paint.
  void PlaceTaskButton() {
    if (!task_.taskButtonCreated) return;
    const int32_t width = task_.clientRect.right;
    const int32_t height = task_.clientRect.bottom;
    const int32_t top = static_cast<int32_t>(height / 1.15);
    const int32_t buttonHeight = static_cast<int32_t>(height / 1.025 - height / 1.15);
    const int32_t left = width / 42;
    GetViewHost().MoveControl(kTaskButton, {left, top, left + width - width / 24, top + buttonHeight});
  }

  void ListenNew() {
    EnableKeyAndMode(false);
    CountNewTask(task_);
    ClearMessage(task_);
    // The key of the task before goes back to its resting look at the next paint.
    task_.UnmarkKey(task_.targetKey);
    task_.targetKey = RandomScaleKey(task_.KeyCount());
    PlayTarget();
    task_.attempt = 1;
    task_.newTaskEnabled = false;
    task_.listenAgainEnabled = true;
    task_.confirmAllowed = true;
    GetViewHost().EnableControl(kTaskButton, false);
    SetHint(task_, text::kSearchHintAfterNew);
    if (progress::TaskRecord* record = progress::OpenTask()) record->searchPresses = 0;
  }

  // leaveSounding: the tone is not stopped after its beat.
  void ListenAgain(bool leaveSounding) {
    if (leaveSounding) {
      task_.PlayNote(task_.targetKey, kToneChannel);
    } else {
      PlayTarget();
    }
    CountReplay(task_);
  }

  // A key pressed in an open task arms the confirmation; nothing is judged here.
  void AnswerClick() {
    if (task_.pressedKey == -1 || task_.newTaskEnabled) return;
    task_.confirmAllowed = true;
    GetViewHost().EnableControl(kTaskButton, true);
    ++task_.searchPresses;
    if (progress::TaskRecord* record = progress::OpenTask()) ++record->searchPresses;
  }

  // The confirmation: the last key hit is taken as the answer.
  void EnterKey() {
    if (!task_.confirmAllowed) return;
    task_.AllNotesOff();
    task_.PlayNote(kConfirmClick, kToneChannel);
    if (task_.attempt < 1 || task_.attempt > 3) return;
    if (task_.lastKey == task_.targetKey) {
      Right();
    } else {
      Wrong();
    }
    DrawOnView([this](Dc& dc) { task_.ShowStatistics(dc); });
  }

  void WriteStatistics() {
    if (!task_.statisticsEnabled) return;
    const int32_t solved = task_.solvedFirst + task_.solvedSecond + task_.solvedThird;
    task_.failures = OpenFailures(task_);
    resultsLog.push_back(std::string(36, ' '));
    resultsLog.push_back(StrFormat("%s = %d / %d", T(text::kLogGiven).c_str(), task_.tasksGiven, solved));
    resultsLog.push_back(StrFormat("%s = %d / %d / %d", T(text::kLogByAttempt).c_str(), task_.solvedFirst,
                                   task_.solvedSecond, task_.solvedThird));
    resultsLog.push_back(StrFormat("%s = %d", T(text::kFailures).c_str(), task_.failures));
    resultsLog.push_back(StrFormat("%s = %d", T(text::kReplays).c_str(), task_.repeatsTotal));
    resultsLog.push_back(SearchPressesLine(task_.searchPresses).text);
    resultsLog.push_back(T(text::kLogTime) + elapsedTimeText);
    resultsLog.push_back(DashRule());
  }

  // A reset also ends an open search: nothing is armed, and key and mode may change again.
  void ResetStatistics() {
    const bool wasOpen = !task_.newTaskEnabled;
    task_.CAbstractT::ResetStatistics();
    task_.searchPresses = 0;
    if (!wasOpen) return;
    task_.confirmAllowed = false;
    GetViewHost().EnableControl(kTaskButton, false);
    EnableKeyAndMode(true);
  }

 private:
  void Close(int hint) {
    CloseTask(task_, hint);
    task_.confirmAllowed = false;
    GetViewHost().EnableControl(kTaskButton, false);
  }

  // The green mark stays until the next task.
  void Right() {
    CountSolved(task_);
    Close(text::kHintSolved);
    task_.attempt = 0;
    ShowMessage(task_, kMessageGreen, text::kSolved);
    DrawOnView([this](Dc& dc) { task_.MarkKey(dc, task_.targetKey, task_.greenBrush); });
  }

  // The student must press a key before he can confirm again. After the third wrong
  // confirmation the tone sounds once more with its key marked red until the next task.
  void Wrong() {
    task_.confirmAllowed = false;
    GetViewHost().EnableControl(kTaskButton, false);
    if (!WrongAnswer(task_, true, 0, 0)) return;
    Close(text::kHintRevealed);
    const uint32_t beat = Beat();
    ToneTimeline timeline(task_);
    timeline.PlayNote(beat, task_.targetKey, kToneChannel);
    timeline.Cue(beat, [this] { DrawOnView([this](Dc& dc) { task_.MarkKey(dc, task_.targetKey, task_.redBrush); }); });
    timeline.AllNotesOff(2 * beat);
    timeline.Play();
  }

  // The tone to find, for one beat.
  void PlayTarget() {
    ToneTimeline timeline(task_);
    timeline.PlayNote(0, task_.targetKey, kToneChannel);
    timeline.AllNotesOff(Beat());
    timeline.Play();
  }

  Task& task_;
};

}  // namespace melody
