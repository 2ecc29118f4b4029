#pragma once
#include "tasks/intro/MonoIntroTest.h"
#include "text/LanguageTable.h"

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
  // Only the button of the right answer of the task given is labelled.
  void LabelRightButton();

  static constexpr intro::Steps kSteps{0, 5};
  static constexpr intro::Texts kTexts{124, 83, 242, 143, {296, 297, 298, 299, 300, 301, 302, 303, 304}};
};

// The examining levels, from the warm-up with wide steps to semitones and repeated tones.
// One answer per task; a task may be skipped by asking for a new one. The levels differ
// only in their steps and texts.
namespace intro {

template <const Steps& LevelSteps, const Texts& LevelTexts>
class ExamLevel : public MonoIntroTest {
 public:
  static constexpr const Steps& kSteps = LevelSteps;
  static constexpr const Texts& kTexts = LevelTexts;

  ExamLevel() {
    lockAfterAnswer = true;
    playbackMode = kNoPlayback;
    title = T(kTexts.title);
  }
  void SetTexts() override { SetClassTexts(kTexts); }
  void OnListenNew() override { ListenNewExamining(kSteps, kTexts.hintAfterNew); }
  void DrawMessages(Dc& dc) override { DrawTitleAndLegend(dc, kTexts, true); }
};

// Major thirds and perfect fourths.
inline constexpr Steps kWarmUpSteps{4, 5};
inline constexpr Texts kWarmUpTexts{125, 82, 243, 144, {305, 306, 298, 307, 300, 301, 302, 308, 309}};
// Minor thirds.
inline constexpr Steps kLevel1Steps{3, 3};
inline constexpr Texts kLevel1Texts{126, 82, 244, 144, {305, 306, 298, 307, 300, 301, 302, 308, 310}};
// Major seconds.
inline constexpr Steps kLevel2Steps{2, 2};
inline constexpr Texts kLevel2Texts{127, 82, 245, 144, {305, 306, 298, 307, 300, 301, 302, 308, 311}};
// Minor seconds and repeated tones.
inline constexpr Steps kLevel3Steps{0, 1};
inline constexpr Texts kLevel3Texts{128, 82, 246, 145, {305, 312, 298, 313, 300, 301, 302, 308, 314}};

}  // namespace intro

class MonoIntroTest_2 : public intro::ExamLevel<intro::kWarmUpSteps, intro::kWarmUpTexts> {};
class MonoIntroTest_3 : public intro::ExamLevel<intro::kLevel1Steps, intro::kLevel1Texts> {};
class MonoIntroTest_4 : public intro::ExamLevel<intro::kLevel2Steps, intro::kLevel2Texts> {};
class MonoIntroTest_5 : public intro::ExamLevel<intro::kLevel3Steps, intro::kLevel3Texts> {};
