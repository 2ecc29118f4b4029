#pragma once
#include <cstddef>
#include <cstdint>
#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "tasks/drills/CDrillDialog.h"
#include "tasks/drills/Drill.h"
#include "tasks/drills/DrillAnswers.h"
#include "tasks/drills/DrillItems.h"
#include "tasks/melody/MonoMelodyTest37.h"
#include "tasks/voice/VoiceAnswers.h"
#include "tasks/voice/VoiceHook.h"
#include "text/TextIds.h"

// A drill of intervals, scales or chord inversions from an exercise file, on the three-octave
// piano. "Listen to a new task" plays an item of the current level; the student names it in
// the answer dialog, or plays it on the piano or the hardware keyboard when the drill allows
// (closing the dialog then leaves the piano to answer on; Enter asks for the name again), or
// sings the second tone of an interval: the note held goes the hardware keyboard's way, after
// the first tone, to the same judgement as the piano's.
// Three attempts; after the third wrong one the answer is named and played again. Five tasks
// in a row solved at the first attempt lead to the next level, which the next start of the
// drill begins at.
class DrillTask : public MonoMelodyTest37 {
 public:
  // Tasks in a row solved at the first attempt that lead to the next level.
  static constexpr int32_t kRightInARowForNextLevel = 5;
  // The progress window's name of the drill task types.
  static constexpr int kTitle = txt::kDrillMenu;

  ~DrillTask() override;
  void Start() override;
  void SetTexts() override;
  void OnListenNew() override;
  void OnListenAgain() override;
  void OnLButtonDown(MouseFlags& flags, Point& point) override;
  void OnEnterKey() override;
  void OnAnswerClick(MouseFlags& flags, Point& point) override;
  void ResetStatistics() override;
  void DrawMessages(Dc& dc) override;
  void DrawStatistics(Dc& dc) override;

  // Sends the item: each tone on at its start and off at its end, on the first channel.
  void PlayItem();

  // The drill played (none: no exercise file was read), the level (0 the first), the item
  // asked last.
  const std::optional<drills::Drill>& PlayedDrill() const { return drill_; }
  size_t Level() const { return level_; }
  const drills::Item& CurrentItem() const { return item_; }
  // The tone sung in the current attempt.
  const std::vector<voice::SungTone>& Sung() const { return sung_; }

  // The level the next tasks come from (0 the first; past the last, the last).
  void SetLevel(size_t level);
  // Questions asked before drawn ones, first first, each on a drawn reference tone (the tests
  // go through every item of a drill this way).
  std::deque<drills::Question> queuedQuestions;

  CDrillDialog dialog;

 protected:
  explicit DrillTask(drills::Kind kind);

 private:
  bool IsOpen() const { return !newTaskEnabled && attempt >= 1; }
  // The item is shown on the piano: the drill is answered there or by voice.
  bool OnThePiano() const { return drill_ && (drill_->onPiano || drill_->byVoice); }
  // The current item is answered by singing its second tone (not while the microphone cannot
  // be used, where the drill may be answered otherwise).
  bool Singing() const;
  // The hint while the task waits for an answer on the piano or by voice.
  void ShowWaitingHint();
  void OnSung(const SungAnswer& answer);
  // The line of the tone sung, when the drill listens.
  void DrawSung();
  // The item moved by whole octaves onto the piano when it is answered there.
  drills::Item FitToPiano(drills::Item item) const;
  // Asks the name until it is right or the attempts are used up; closing the dialog leaves
  // the piano to answer on when the drill allows it.
  void AskName(int dialogHint);
  // A wrong answer (the item number of what was named, if anything); true when the task is
  // over and the answer was shown.
  bool Wrong(std::optional<int32_t> named);
  void Solved();
  // Names the answer, marks its tones red on the piano and plays it again.
  void Reveal();
  void CloseTask(std::function<std::string()> hint);
  void MarkTones(Brush brush);
  std::string LevelText() const;
  // "Drill: " and the drill's title in the interface language.
  std::string TitleLine() const;

  std::optional<drills::Drill> drill_;
  // The drill's name in the file of the levels reached.
  std::string levelKey_;
  size_t level_ = 0;
  int32_t rightInARow_ = 0;
  drills::Item item_;
  // The notes played on the piano in the current attempt.
  std::vector<int32_t> played_;
  // The answer dialog is open: what is sung meanwhile is no answer.
  bool asking_ = false;
  // A sung note is going the piano's way.
  bool sungKey_ = false;
  bool listening_ = false;
  // Sung notes begun before this (the item still sounding in the microphone) are no answers.
  uint32_t quietUntil_ = 0;
  std::vector<voice::SungTone> sung_;
  std::vector<int32_t> studentKeys_;
};

// The task of one kind of drill: the catalogue makes it.
template <drills::Kind K>
class DrillTaskOf : public DrillTask {
 public:
  DrillTaskOf() : DrillTask(K) {}
};
