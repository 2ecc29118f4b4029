#pragma once
#include <array>
#include <cstdint>

#include "tasks/melody/MonoMelodyTest37.h"

// The melody repetition tasks on the three-octave piano: the program plays N random tones, the
// student plays them back key by key; three attempts, then the melody is shown in red.
// The round itself is melody::MelodyRound; each class holds its texts and its melody.

class MonoMelodyTest37_1 : public MonoMelodyTest37 {
 public:
  MonoMelodyTest37_1();
  void Start() override;
  void SetTexts() override;
  void OnListenNew() override;
  void OnListenAgain() override;
  void OnAnswerClick(MouseFlags& flags, Point& point) override;
  void DrawMessages(Dc& dc) override;
  void ResetStatistics() override;

  static constexpr int kTitle = 238;
  static constexpr const melody::MelodyKind& kKind = melody::kOneTone;
  // The tone sounds on after it is played, until the next note or reset.
  static constexpr bool kLeavesToneSounding = true;

  // The tone of the current task.
  std::array<int32_t, 1> tones{};
};

class MonoMelodyTest37_2 : public MonoMelodyTest37 {
 public:
  MonoMelodyTest37_2();
  void Start() override;
  void SetTexts() override;
  void OnListenNew() override;
  void OnListenAgain() override;
  void OnAnswerClick(MouseFlags& flags, Point& point) override;
  void DrawMessages(Dc& dc) override;
  void ResetStatistics() override;

  static constexpr int kTitle = 239;
  static constexpr const melody::MelodyKind& kKind = melody::kTwoTones;

  // The melody of the current task, first tone first.
  std::array<int32_t, 2> tones{};
  // Keys accepted so far in the current attempt.
  int32_t enteredCount = 0;
};

class MonoMelodyTest37_4 : public MonoMelodyTest37 {
 public:
  MonoMelodyTest37_4();
  void Start() override;
  void SetTexts() override;
  void OnListenNew() override;
  void OnListenAgain() override;
  void OnAnswerClick(MouseFlags& flags, Point& point) override;
  void DrawMessages(Dc& dc) override;
  void ResetStatistics() override;

  static constexpr int kTitle = 240;
  static constexpr const melody::MelodyKind& kKind = melody::kFourTones;

  // The melody of the current task, first tone first.
  std::array<int32_t, 4> tones{};
  // Keys accepted so far in the current attempt.
  int32_t enteredCount = 0;
};

class MonoMelodyTest37_8 : public MonoMelodyTest37 {
 public:
  MonoMelodyTest37_8();
  void Start() override;
  void SetTexts() override;
  void OnListenNew() override;
  void OnListenAgain() override;
  void OnAnswerClick(MouseFlags& flags, Point& point) override;
  void DrawMessages(Dc& dc) override;
  void ResetStatistics() override;

  static constexpr int kTitle = 241;
  static constexpr const melody::MelodyKind& kKind = melody::kEightTones;

  // The melody of the current task, first tone first.
  std::array<int32_t, 8> tones{};
  // Keys accepted so far in the current attempt.
  int32_t enteredCount = 0;
};
