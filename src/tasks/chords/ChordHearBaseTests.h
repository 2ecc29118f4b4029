#pragma once
#include <array>

#include "tasks/chords/ChordHearTask.h"

// The chord recognition tasks. The triad and all-types classes ask for the root on the
// piano first; the from-one-tone classes give the root and ask the type at once. Each Poly
// class sounds the tones together instead of one after another.

class ChordHearBaseTreTest : public ChordHearTask {
 public:
  ChordHearBaseTreTest();
  void SetTexts() override;
  void DrawMessages(Dc& dc) override;
  void OnAnswerClick(MouseFlags& flags, Point& point) override;

  static constexpr int kStartHint = 129;
  static constexpr int kTitle = 247;
  static constexpr std::array<int, 7> kLegend{315, 263, 317, 319, 321, 271, 273};
};

class ChordHearBaseTrePolyTest : public ChordHearBaseTreTest {
 public:
  ChordHearBaseTrePolyTest();
  void SetTexts() override;
  void DrawMessages(Dc& dc) override;
  void PlayChord() override;

  static constexpr int kStartHint = 129;
  static constexpr int kTitle = 248;
  static constexpr std::array<int, 7> kLegend{315, 263, 318, 319, 321, 271, 273};
};

class ChordHearBaseAllTest : public ChordHearTask {
 public:
  ChordHearBaseAllTest();
  void SetTexts() override;
  void DrawMessages(Dc& dc) override;
  void OnAnswerClick(MouseFlags& flags, Point& point) override;

  static constexpr int kStartHint = 130;
  static constexpr int kTitle = 249;
  static constexpr std::array<int, 7> kLegend{316, 263, 317, 319, 321, 271, 273};
};

class ChordHearBaseAllPolyTest : public ChordHearBaseAllTest {
 public:
  ChordHearBaseAllPolyTest();
  void SetTexts() override;
  void DrawMessages(Dc& dc) override;
  void PlayChord() override;

  static constexpr int kStartHint = 130;
  static constexpr int kTitle = 250;
  static constexpr std::array<int, 7> kLegend{316, 263, 318, 319, 321, 271, 273};
};

class ChordHearBaseAllFromOneTest : public ChordHearTask {
 public:
  ChordHearBaseAllFromOneTest();
  void SetTexts() override;
  void DrawMessages(Dc& dc) override;

  static constexpr int kStartHint = 131;
  static constexpr int kTitle = 251;
  static constexpr std::array<int, 7> kLegend{316, 263, 317, 320, 322, 271, 273};
};

class ChordHearBaseAllFromOnePolyTest : public ChordHearBaseAllFromOneTest {
 public:
  ChordHearBaseAllFromOnePolyTest();
  void SetTexts() override;
  void DrawMessages(Dc& dc) override;
  void PlayChord() override;

  static constexpr int kStartHint = 131;
  static constexpr int kTitle = 252;
  static constexpr std::array<int, 7> kLegend{316, 263, 318, 320, 322, 271, 273};
};
