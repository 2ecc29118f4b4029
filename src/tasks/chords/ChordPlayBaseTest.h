#pragma once
#include <array>
#include <cstdint>
#include <string>

#include "tasks/base/CTest37Keys.h"
#include "tasks/chords/Chords.h"

// The chord playing tasks on the three-octave piano: the program names a chord and marks its
// root, the student plays its tones from the root upwards. Nothing sounds before the answer;
// after the third wrong press the chord is shown and played. The chord lies in the piano's
// second octave and above: chord tone t is key t + 12.
class ChordPlayBaseTest : public CTest37Keys, public Chords {
 public:
  void Start() override;
  void SetTexts() override;
  void OnListenNew() override;
  void OnAnswerClick(MouseFlags& flags, Point& point) override;
  void DrawMessages(Dc& dc) override;
  void ResetStatistics() override;

  void ShowStatistics(Dc& dc);
  void DrawStatistics(Dc& dc);
  // Top-left corner of the message line.
  Point MessageLineAt() const;

  // Keys accepted so far in the current attempt.
  int32_t enteredCount = 0;

  static constexpr std::array<int, 4> kLegend{323, 324, 325, 326};

 protected:
  // fromOne: the root is the Key box's tonic, else a random one.
  explicit ChordPlayBaseTest(bool fromOne);

 private:
  void Wrong(bool rootStep);
  void Solved(int32_t key);
  // The chord shown in red and played as an arpeggio.
  void Reveal();

  bool fromOne_;
};

class ChordPlayBaseFromOneTest : public ChordPlayBaseTest {
 public:
  ChordPlayBaseFromOneTest();
  static constexpr int kTitle = 253;
};

class ChordPlayBaseFromRandomTest : public ChordPlayBaseTest {
 public:
  ChordPlayBaseFromRandomTest();
  static constexpr int kTitle = 254;
};
