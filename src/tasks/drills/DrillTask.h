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
#include "text/TextIds.h"

// A drill of intervals, scales or chord inversions from an exercise file, on the three-octave
// piano. "Listen to a new task" plays an item of the current level; the student names it in
// the answer dialog, or plays it on the piano or the hardware keyboard when the drill allows
// (closing the dialog then leaves the piano to answer on; Enter asks for the name again).
// Three attempts; after the third wrong one the answer is named and played again. Five tasks
// in a row solved at the first attempt lead to the next level, which the next start of the
// drill begins at.
class DrillTask : public MonoMelodyTest37 {
 public:
  // Tasks in a row solved at the first attempt that lead to the next level.
  static constexpr int32_t kRightInARowForNextLevel = 5;
  // The progress window's name of the drill task types.
  static constexpr int kTitle = txt::kDrillMenu;

  void Start() override;
  void SetTexts() override;
  void OnListenNew() override;
  void OnListenAgain() override;
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
};

// The task of one kind of drill: the catalogue makes it.
template <drills::Kind K>
class DrillTaskOf : public DrillTask {
 public:
  DrillTaskOf() : DrillTask(K) {}
};
