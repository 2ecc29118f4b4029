#pragma once
#include "tasks/intro/MonoIntroTest.h"

// The explanation: it plays examples and labels only the button of the right answer; it takes
// no answers and counts nothing into the results log.
class MonoIntroTest_1 : public MonoIntroTest {
 public:
  MonoIntroTest_1();
  void OnTaskButton5() override {}
  void OnTaskButton6() override {}
  void OnTaskButton7() override {}
  void SetTexts() override;
  void OnListenNew() override;
  void DrawMessages(Dc& dc) override;
  void WriteStatistics() override {}

  static constexpr intro::Steps kSteps{0, 5};
  static constexpr intro::Texts kTexts{124, 83, 242, 143, {296, 297, 298, 299, 300, 301, 302, 303, 304}};
};

// The examining levels, from the warm-up with wide steps to semitones and repeated tones.
// One answer per task; a task may be skipped by asking for a new one.

class MonoIntroTest_2 : public MonoIntroTest {
 public:
  MonoIntroTest_2();
  void SetTexts() override;
  void OnListenNew() override;
  void DrawMessages(Dc& dc) override;

  // Major thirds and perfect fourths.
  static constexpr intro::Steps kSteps{4, 5};
  static constexpr intro::Texts kTexts{125, 82, 243, 144, {305, 306, 298, 307, 300, 301, 302, 308, 309}};
};

class MonoIntroTest_3 : public MonoIntroTest {
 public:
  MonoIntroTest_3();
  void SetTexts() override;
  void OnListenNew() override;
  void DrawMessages(Dc& dc) override;

  // Minor thirds.
  static constexpr intro::Steps kSteps{3, 3};
  static constexpr intro::Texts kTexts{126, 82, 244, 144, {305, 306, 298, 307, 300, 301, 302, 308, 310}};
};

class MonoIntroTest_4 : public MonoIntroTest {
 public:
  MonoIntroTest_4();
  void SetTexts() override;
  void OnListenNew() override;
  void DrawMessages(Dc& dc) override;

  // Major seconds.
  static constexpr intro::Steps kSteps{2, 2};
  static constexpr intro::Texts kTexts{127, 82, 245, 144, {305, 306, 298, 307, 300, 301, 302, 308, 311}};
};

class MonoIntroTest_5 : public MonoIntroTest {
 public:
  MonoIntroTest_5();
  void SetTexts() override;
  void OnListenNew() override;
  void DrawMessages(Dc& dc) override;

  // Minor seconds and repeated tones.
  static constexpr intro::Steps kSteps{0, 1};
  static constexpr intro::Texts kTexts{128, 82, 246, 145, {305, 312, 298, 313, 300, 301, 302, 308, 314}};
};
