#pragma once
#include <array>
#include <cstdint>

#include "tasks/melody/MonoMelodyTest13.h"

// The melody repetition tasks on the one-octave piano: the program plays N random tones, the
// student plays them back key by key; three attempts, then the melody is shown in red.
// The round itself is melody::MelodyRound; each class holds its texts and its melody.

class MonoMelodyTest13_1 : public MonoMelodyTest13 {
 public:
  MonoMelodyTest13_1();
  void Start() override;
  void SetTexts() override;
  void OnListenNew() override;
  void OnListenAgain() override;
  void OnAnswerClick(MouseFlags& flags, Point& point) override;
  void DrawMessages(Dc& dc) override;
  void ResetStatistics() override;

  static constexpr int kTitle = 233;
  static constexpr const melody::MelodyKind& kKind = melody::kOneTone;

  // The tone of the current task.
  std::array<int32_t, 1> tones{};
};

class MonoMelodyTest13_2 : public MonoMelodyTest13 {
 public:
  MonoMelodyTest13_2();
  void Start() override;
  void SetTexts() override;
  void OnListenNew() override;
  void OnListenAgain() override;
  void OnAnswerClick(MouseFlags& flags, Point& point) override;
  void DrawMessages(Dc& dc) override;
  void ResetStatistics() override;

  static constexpr int kTitle = 234;
  static constexpr const melody::MelodyKind& kKind = melody::kTwoTones;

  // The melody of the current task, first tone first.
  std::array<int32_t, 2> tones{};
  // Keys accepted so far in the current attempt.
  int32_t enteredCount = 0;
};

class MonoMelodyTest13_4 : public MonoMelodyTest13 {
 public:
  MonoMelodyTest13_4();
  void Start() override;
  void SetTexts() override;
  void OnListenNew() override;
  void OnListenAgain() override;
  void OnAnswerClick(MouseFlags& flags, Point& point) override;
  void DrawMessages(Dc& dc) override;
  void ResetStatistics() override;

  static constexpr int kTitle = 235;
  static constexpr const melody::MelodyKind& kKind = melody::kFourTones;

  // The melody of the current task, first tone first.
  std::array<int32_t, 4> tones{};
  // Keys accepted so far in the current attempt.
  int32_t enteredCount = 0;
};

class MonoMelodyTest13_8 : public MonoMelodyTest13 {
 public:
  MonoMelodyTest13_8();
  void Start() override;
  void SetTexts() override;
  void OnListenNew() override;
  void OnListenAgain() override;
  void OnAnswerClick(MouseFlags& flags, Point& point) override;
  void DrawMessages(Dc& dc) override;
  void ResetStatistics() override;

  static constexpr int kTitle = 236;
  static constexpr const melody::MelodyKind& kKind = melody::kEightTones;

  // The melody of the current task, first tone first.
  std::array<int32_t, 8> tones{};
  // Keys accepted so far in the current attempt.
  int32_t enteredCount = 0;
};
