#pragma once
#include <array>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <span>
#include <string>
#include <vector>

#include "platform/Colour.h"
#include "platform/Dc.h"
#include "platform/Font.h"
#include "platform/Geometry.h"
#include "tasks/base/CAbstractT.h"

// What the task families share: colours, texts, the message line, the statistics panel
// lines, the hint box, the counting of tasks and answers and the wrong-answer steps.
namespace common {

inline constexpr Colour kMessageGreen{0, 128, 0};
inline constexpr Colour kMessageRed{255, 0, 0};
inline constexpr Colour kMessageBack{240, 240, 240};
inline constexpr Colour kPanelGrey{64, 64, 64};
inline constexpr Colour kPanelGreen{0, 128, 0};
inline constexpr Colour kPanelRed{192, 0, 0};

// All tones play on the first channel.
inline constexpr int32_t kToneChannel = 0;
// The soft percussion click that acknowledges a confirmation.
inline constexpr int32_t kConfirmClick = 37;
// Uses of "Listen again" allowed in one task.
inline constexpr int32_t kMostReplays = 3;

// Feedback and hint texts.
namespace text {
inline constexpr int kListenNewCaption = 82;
inline constexpr int kStartPrompt13 = 278;
inline constexpr int kRevealed = 279;
inline constexpr int kRightSoFar = 280;
inline constexpr int kSolved = 281;
inline constexpr int kWrongFirst2 = 283;
inline constexpr int kWrongFirst3 = 284;
inline constexpr int kHintSolved = 154;
inline constexpr int kHintRevealed = 153;
inline constexpr int kHintWrongFirst2 = 139;
inline constexpr int kHintWrongFirst3 = 140;
inline constexpr int kHintWrongLater2 = 141;
inline constexpr int kHintWrongLater3 = 142;
inline constexpr int kSearchStartHint = 118;
inline constexpr int kSearchHintAfterNew = 136;
inline constexpr int kSearchButtonCaption = 19;
inline constexpr int kPanelGiven = 429;
inline constexpr int kPanelByAttempt = 432;
inline constexpr int kFailures = 433;
inline constexpr int kReplays = 434;
inline constexpr int kSearchPresses = 435;
inline constexpr int kLogGiven = 428;
inline constexpr int kLogByAttempt = 431;
inline constexpr int kLogTime = 436;
}  // namespace text

// A folder of the user's own files: the text saying where (whereText, then the folder on the
// next line) and the question whether to open it, made first if need be.
void OfferFolder(const std::filesystem::path& folder, int whereText);

// One beat of the current tempo in milliseconds.
uint32_t Beat();

// Draws through a device context of the view, released (and so shown) on return.
void DrawOnView(const std::function<void(Dc&)>& draw);

// Blanks the message line with 260 blanks on its pale background.
void BlankMessage(Dc& dc, Point at, const Font& font);
// The text of the language text, made anew (in the language of the moment) each time it is asked.
std::function<std::string()> TextOf(int textId);
// Keeps the message for the task's message line; no text: the line is blank.
void KeepMessage(CAbstractT& task, Colour colour, std::function<std::string()> text);
// The message kept, written at the point in the result font, opaque on the pale background
// (nothing while no message was shown). Every paint of a task's messages draws it.
void DrawKeptMessage(CAbstractT& task, Dc& dc, Point at);
// Text outside painting is written opaque on the pale background of the text areas.
void UsePaleBackground(Dc& dc);
// 260 blanks at each of the points.
void BlankAt(Dc& dc, std::span<const Point> at);

// The hint box's text, kept with the task so that a language change words it anew.
void SetHint(CAbstractT& task, int textId);
void SetHint(CAbstractT& task, std::function<std::string()> text);
// The hint kept into the hint box again, in the language of the moment; the start hint while
// the task has set none.
void ShowKeptHint(CAbstractT& task, int startHint);
// A passing hint, not kept: a language change puts the task's own hint back.
void SetHintText(const std::string& text);
void EnableKeyAndMode(bool enable);
// The start of the time meter at the first task of a count, then one more task given; the
// progress history takes it as open.
void CountNewTask(CAbstractT& task);
// Closes the task: into the progress history as solved at the attempt (1-3) or not solved
// (0); the hint, "Listen to a new task" instead of "Listen again", key and mode free again.
void CloseTask(CAbstractT& task, int hint);
// A right answer, counted by the attempt it came at.
void CountSolved(CAbstractT& task);
// Tasks given less solved; one less while a task is still being answered.
int32_t OpenFailures(const CAbstractT& task);

// The red message and the hint after a wrong answer that raised the attempt to 2 or 3,
// or to 4: the task is over and the answer shown. firstStep: the first (or only) tone was
// wrong; otherwise the texts for a wrong later tone are taken.
struct Verdict {
  int message;
  int hint;
};
Verdict WrongVerdict(int32_t attempt, bool firstStep, int wrongLater2, int wrongLater3);

struct PanelLine {
  std::string text;
  Colour colour;
};
// The four panel lines: given / solved, solved by attempt, failures, replays. Also
// stores the failures into the task's working value.
std::vector<PanelLine> StatisticsLines(CAbstractT& task);
// Each line at its point, in its colour.
void DrawPanel(Dc& dc, std::span<const PanelLine> lines, std::span<const Point> at);
// The panel of the one-octave tasks right of the keys: the places of the lines blanked, the
// start prompt on the message line (at) while hintVisible and no message took its place,
// then the lines.
void DrawPanel13(CAbstractT& task, Dc& dc, std::span<const PanelLine> lines, Point at);

// The legend below the keys: line 1 empty, the lines from line 2 on, in the task's message
// font, black on the transparent background.
void DrawLegend(CAbstractT& task, Dc& dc, std::span<const std::string> lines);
void DrawLegend(CAbstractT& task, Dc& dc, std::span<const int> textIds);
// The language texts of the ids, in order.
std::vector<std::string> Texts(std::span<const int> textIds);

// Blanks the task's message line (Task::MessageLineAt gives its place) and writes the message
// there in the colour; it stays for every later paint. No text: the line stays blank.
template <class Task>
void ShowMessage(Task& task, Colour colour, std::function<std::string()> text) {
  KeepMessage(task, colour, std::move(text));
  DrawOnView([&task](Dc& dc) {
    BlankMessage(dc, task.MessageLineAt(), task.resultFont);
    DrawKeptMessage(task, dc, task.MessageLineAt());
  });
}
template <class Task>
void ShowMessage(Task& task, Colour colour, int textId) {
  ShowMessage(task, colour, TextOf(textId));
}
template <class Task>
void ClearMessage(Task& task) {
  ShowMessage(task, kMessageBack, [] { return std::string(); });
}

// After a replay: counted, the message line blanked, the panel shown; "Listen again" is
// disabled after the last replay allowed.
template <class Task>
void CountReplay(Task& task) {
  ++task.repeatsTotal;
  ++task.repeatsInTask;
  ClearMessage(task);
  DrawOnView([&task](Dc& dc) { task.ShowStatistics(dc); });
  if (task.repeatsInTask >= kMostReplays) task.listenAgainEnabled = false;
}

// A wrong answer raises the attempt and says so in red on the message line. While attempts
// are left the hint box says so too and false is returned. After the third wrong attempt
// the attempt is 0 again and true is returned: the task is over and its answer to be shown.
template <class Task>
bool WrongAnswer(Task& task, bool firstStep, int wrongLater2, int wrongLater3) {
  const Verdict verdict = WrongVerdict(++task.attempt, firstStep, wrongLater2, wrongLater3);
  if (task.attempt > 3) task.attempt = 0;
  ShowMessage(task, kMessageRed, verdict.message);
  if (task.attempt == 0) return true;
  SetHint(task, verdict.hint);
  return false;
}

}  // namespace common
