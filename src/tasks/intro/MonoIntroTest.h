#pragma once
#include <array>
#include <cstdint>

#include "platform/Colour.h"
#include "tasks/base/CAbstractT.h"

// The entrance-exam tasks: the program plays two tones and the student tells with one of
// three large buttons whether the second goes down, stays or goes up. No piano.
namespace intro {

// The answer buttons in the view, left to right.
inline constexpr int kDownButton = 111;
inline constexpr int kSameButton = 112;
inline constexpr int kUpButton = 113;
inline constexpr std::array<int, 3> kAnswerButtons = {kDownButton, kSameButton, kUpButton};

inline constexpr Colour kTitleGreen{0, 128, 0};
inline constexpr Colour kRightGreen{0, 128, 0};
inline constexpr Colour kWrongRed{192, 0, 0};
inline constexpr Colour kPanelGrey{64, 64, 64};

namespace text {
inline constexpr int kDownCaption = 293;
inline constexpr int kUpCaption = 294;
inline constexpr int kSameCaption = 295;
inline constexpr int kRight = 281;
inline constexpr int kWrong = 282;
inline constexpr int kHintRight = 155;
inline constexpr int kHintWrong = 156;
inline constexpr int kGiven = 427;
inline constexpr int kRightAnswers = 430;
inline constexpr int kWrongOrSkipped = 433;
inline constexpr int kReplays = 434;
inline constexpr int kTime = 436;
}  // namespace text

// The texts of one class: start hint, caption of "Listen to a new task", title, hint after a
// new task, legend lines 2-10.
struct Texts {
  int startHint;
  int listenNewCaption;
  int title;
  int hintAfterNew;
  std::array<int, 9> legend;
};

// The admitted distances in semitones between the two tones of a task.
struct Steps {
  int32_t least;
  int32_t most;
};

}  // namespace intro

class MonoIntroTest : public CAbstractT {
 public:
  MonoIntroTest();
  // Destroys the three answer buttons.
  ~MonoIntroTest() override;

  void OnTaskButton5() override;
  void OnTaskButton6() override;
  void OnTaskButton7() override;
  // The same for every class: the buttons, then the class's texts.
  void Start() override;
  void OnListenAgain() override;
  void Draw(Dc& dc) override;
  void WriteStatistics() override;
  // A reset also ends a task still waiting for its answer: its buttons go off, so no answer
  // can be counted against a count that no longer holds the task.
  void ResetStatistics() override;

  // The control-bar set-up and the three buttons, disabled where answers are locked.
  void CreateAnswerButtons();
  // Captions down, same, up on the left, middle and right button.
  void SetAnswerButtonTexts();
  // Judges the chosen direction (-1 down, 0 same, +1 up) of the task just played.
  void Answer(int32_t chosen);
  void DrawStatistics(Dc& dc);
  void ShowStatistics(Dc& dc);
  // Top-left corner of the answer message (text line 2).
  Point MessageLineAt() const;

  bool buttonsCreated = false;
  // The right answer: +1 the second tone is higher, -1 lower, 0 the same.
  int32_t direction = 0;
  // The two tones, key indices 0-36.
  int32_t firstKey = 0;
  int32_t secondKey = 0;
  // The buttons take an answer only between a new task and its answer.
  bool lockAfterAnswer = false;

 protected:
  // Hint, the captions of the two control-bar buttons, the title and the answer buttons.
  void SetClassTexts(const intro::Texts& texts);
  // Draws the two tones of a new task at a distance within steps and plays them; the
  // task's direction is then known and it may be heard again.
  void PlayNewTones(intro::Steps steps);
  // A new task of the examining classes.
  void ListenNewExamining(intro::Steps steps, int hintAfterNew);
  // The title, then the legend while it stands (always, if statistics are not shown at all),
  // otherwise the statistics.
  void DrawTitleAndLegend(Dc& dc, const intro::Texts& texts, bool withStatistics);

 private:
  // The first tone, one beat, the second tone, one beat, silence.
  void PlayTwoTones();
  void EnableAnswerButtons(bool enable);
};
