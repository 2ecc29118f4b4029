#pragma once
#include <cstdint>

#include "tasks/melody/MonoMelodyTest13.h"

// The tone search task on the one-octave piano: the program sounds one random tone, the
// student searches for it with as many key presses as he likes and confirms the last key
// with the task button or Enter. Only confirmations are answers; every key pressed while
// searching is counted. The search itself is melody::ToneSearch.
class MonoMelodyTest13_0 : public MonoMelodyTest13 {
 public:
  MonoMelodyTest13_0();
  // Destroys the task button.
  ~MonoMelodyTest13_0() override;

  void OnTaskButton4() override;
  void Start() override;
  void SetTexts() override;
  void OnListenNew() override;
  void OnListenAgain() override;
  void OnEnterKey() override;
  void OnAnswerClick(MouseFlags& flags, Point& point) override;
  void DrawMessages(Dc& dc) override;
  void WriteStatistics() override;
  void ResetStatistics() override;
  // The panel with its fifth line, the key presses while searching.
  void DrawStatistics(Dc& dc) override;

  static constexpr int kTitle = 232;

  // The key of the sounded tone.
  int32_t targetKey = 0;
  // A confirmation is judged only while this is set.
  bool confirmAllowed = false;
  // Keys pressed while a task was open, since the last reset of the counters.
  int32_t searchPresses = 0;
};
