#pragma once
#include "tasks/melody/MonoMelodyTest13.h"

// The place of the melodies written by teachers on the one-octave piano: it shows the piano
// and two lines of explanation; no melodies come with the program, so "Listen to a new task"
// and "Listen again" play nothing. The keys can be played freely.
class CSequencedTest13 : public MonoMelodyTest13 {
 public:
  void Start() override;
  void SetTexts() override;
  void OnListenNew() override {}
  void OnListenAgain() override {}
  void DrawMessages(Dc& dc) override;

  static constexpr int kHint = 123;
  static constexpr int kLegendLine2 = 224;
  static constexpr int kLegendLine3 = 225;
};
