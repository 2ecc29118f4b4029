#pragma once
#include <cstdint>

#include "tasks/melody/MonoMelodyTest37.h"

// The tone search task on the three-octave piano: the program sounds one random tone, the
// student searches for it with as many key presses as he likes and confirms the last key
// with the task button or Enter. Only confirmations are answers; every key pressed while
// searching is counted. The search itself is melody::ToneSearch.
class MonoMelodyTest37_0 : public MonoMelodyTest37 {
 public:
  MonoMelodyTest37_0();
  // Destroys the task button.
  ~MonoMelodyTest37_0() override;

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
  void ShowStatistics(Dc& dc);
  void DrawStatistics(Dc& dc);

  static constexpr int kTitle = 237;

  // The key of the sounded tone.
  int32_t targetKey = 0;
  // A confirmation is judged only while this is set.
  bool confirmAllowed = false;
  // Keys pressed while a task was open, since the last reset of the counters.
  int32_t searchPresses = 0;
};
