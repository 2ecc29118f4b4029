#include "tasks/intro/MonoIntroTest.h"

#include <cstdlib>
#include <string>
#include <vector>

#include "commands/CommandIds.h"
#include "log/LogLines.h"
#include "log/ResultsLog.h"
#include "platform/ViewHost.h"
#include "progress/Recorder.h"
#include "settings/ProgramSettings.h"
#include "tasks/base/ToneTimeline.h"
#include "tasks/common/TaskCommon.h"
#include "text/LanguageTable.h"
#include "text/StrFormat.h"
#include "text/TextIds.h"

namespace {

// Divisors of the client height giving text line 2 (the answer message) and lines 3-6 (the
// statistics).
constexpr double kMessageRow = 2.27;
constexpr std::array<double, 4> kStatisticsRows = {2.01, 1.8, 1.63, 1.49};

// Both tones lie on the three-octave range of keys.
constexpr int32_t kRangeKeys = 37;
constexpr int32_t kToneChannel = 0;

int32_t Row(const Rect& client, double divisor) { return static_cast<int32_t>(client.bottom / divisor); }

// The four statistics lines of the panel and of the log: given, right, wrong or skipped
// (the open task included), replays.
std::vector<common::PanelLine> StatisticsLines(const CAbstractT& task) {
  using namespace intro;
  const auto line = [](int label, int32_t value) { return StrFormat("%s = %d", T(label).c_str(), value); };
  return {
      {line(text::kGiven, task.tasksGiven), kPanelGrey},
      {line(text::kRightAnswers, task.solvedFirst), kRightGreen},
      {line(text::kWrongOrSkipped, task.tasksGiven - task.solvedFirst), kWrongRed},
      {line(text::kReplays, task.repeatsTotal), kWrongRed},
  };
}

}  // namespace

MonoIntroTest::MonoIntroTest() { buttonsCreated = false; }

MonoIntroTest::~MonoIntroTest() {
  for (int id : intro::kAnswerButtons) GetViewHost().DestroyControl(id);
}

void MonoIntroTest::OnTaskButton5() { Answer(-1); }
void MonoIntroTest::OnTaskButton6() { Answer(0); }
void MonoIntroTest::OnTaskButton7() { Answer(+1); }

void MonoIntroTest::Start() {
  CreateAnswerButtons();
  SetTexts();
}

void MonoIntroTest::CreateAnswerButtons() {
  ViewHost& view = GetViewHost();
  const Rect client = view.ClientRect();
  const int32_t w = client.right;
  const int32_t h = client.bottom;
  const int32_t top = h / 9;
  const auto bottom = static_cast<int32_t>(h / 2.5);
  view.CreateButton(intro::kDownButton, "", {w / 42, top, w / 3 - w / 42, bottom});
  view.CreateButton(intro::kSameButton, "", {w / 42 + w / 3, top, 2 * w / 3 - w / 42, bottom});
  view.CreateButton(intro::kUpButton, "", {2 * w / 3 + w / 42, top, w - w / 42, bottom});
  if (lockAfterAnswer) EnableAnswerButtons(false);
  buttonsCreated = true;
}

void MonoIntroTest::SetAnswerButtonTexts() {
  ViewHost& view = GetViewHost();
  view.SetControlText(intro::kDownButton, T(intro::text::kDownCaption));
  view.SetControlText(intro::kSameButton, T(intro::text::kSameCaption));
  view.SetControlText(intro::kUpButton, T(intro::text::kUpCaption));
}

void MonoIntroTest::EnableAnswerButtons(bool enable) {
  for (int id : intro::kAnswerButtons) GetViewHost().EnableControl(id, enable);
}

void MonoIntroTest::SetClassTexts(const intro::Texts& texts) {
  ViewHost& view = GetViewHost();
  common::ShowKeptHint(*this, texts.startHint);
  view.SetControlText(cmd::kListenNew, T(texts.listenNewCaption));
  view.SetControlText(cmd::kListenAgain, T(txt::kListenAgainCaption));
  title = T(texts.title);
  SetAnswerButtonTexts();
}

void MonoIntroTest::Draw(Dc& dc) {
  dc.FillRect(clientRect, paleGreyBrush);
  if (!buttonsCreated) return;
  const int32_t w = clientRect.right;
  const int32_t h = clientRect.bottom;
  const int32_t top = h / 9;
  const int32_t width = w / 3 - w / 24;
  const auto height = static_cast<int32_t>(h / 2.5 - h / 9);
  const std::array<int32_t, 3> lefts = {w / 42, w / 42 + w / 3, w / 42 + 2 * w / 3};
  for (size_t i = 0; i < lefts.size(); ++i) {
    GetViewHost().MoveControl(intro::kAnswerButtons[i], {lefts[i], top, lefts[i] + width, top + height});
  }
}

void MonoIntroTest::PlayTwoTones() {
  const uint32_t beat = common::Beat();
  ToneTimeline timeline(*this);
  timeline.PlayNote(0, firstKey, kToneChannel);
  timeline.PlayNote(beat, secondKey, kToneChannel);
  timeline.AllNotesOff(2 * beat);
  timeline.Play();
}

void MonoIntroTest::PlayNewTones(intro::Steps steps) {
  firstKey = std::rand() % kRangeKeys;
  int32_t distance = 0;
  do {
    secondKey = std::rand() % kRangeKeys;
    distance = std::abs(secondKey - firstKey);
  } while (distance < steps.least || distance > steps.most);
  PlayTwoTones();
  listenAgainEnabled = true;
  direction = secondKey > firstKey ? 1 : secondKey < firstKey ? -1 : 0;
}

void MonoIntroTest::ListenNewExamining(intro::Steps steps, int hintAfterNew) {
  common::CountNewTask(*this);
  // The answer message of the task before goes; the statistics below it stay.
  if (tasksGiven > 1) common::ClearMessage(*this);
  PlayNewTones(steps);
  EnableAnswerButtons(true);
  common::SetHint(*this, hintAfterNew);
}

void MonoIntroTest::OnListenAgain() {
  ++repeatsTotal;
  ++repeatsInTask;
  PlayTwoTones();
  if (lockAfterAnswer) common::DrawOnView([this](Dc& dc) { ShowStatistics(dc); });
  if (repeatsInTask >= common::kMostReplays) listenAgainEnabled = false;
}

void MonoIntroTest::Answer(int32_t chosen) {
  const bool right = chosen == direction;
  if (right) ++solvedFirst;
  progress::TaskClosed(right ? 1 : 0, repeatsInTask);
  common::KeepMessage(*this, right ? intro::kRightGreen : intro::kWrongRed,
                      common::TextOf(right ? intro::text::kRight : intro::text::kWrong));
  common::DrawOnView([this](Dc& dc) {
    common::UsePaleBackground(dc);
    // Until the second task the legend may still stand there, in the message font.
    dc.SelectFont(tasksGiven > 1 ? resultFont : messageFont);
    ClearTextLines(dc);
    dc.SelectFont(resultFont);
    ShowStatistics(dc);
    common::DrawKeptMessage(*this, dc, MessageLineAt());
  });
  common::SetHint(*this, right ? intro::text::kHintRight : intro::text::kHintWrong);
  PlayNote(common::kConfirmClick, kToneChannel);
  listenAgainEnabled = false;
  newTaskEnabled = true;
  if (lockAfterAnswer) EnableAnswerButtons(false);
}

Point MonoIntroTest::MessageLineAt() const { return {clientRect.right / 42, Row(clientRect, kMessageRow)}; }

void MonoIntroTest::DrawStatistics(Dc& dc) {
  if (tasksGiven < 2) {
    dc.SelectFont(messageFont);
    ClearTextLines(dc);
  }
  dc.SelectFont(resultFont);
  ClearTextLines(dc);
  std::vector<Point> at;
  for (double divisor : kStatisticsRows) at.push_back({clientRect.right / 42, Row(clientRect, divisor)});
  common::DrawPanel(dc, StatisticsLines(*this), at);
}

void MonoIntroTest::ShowStatistics(Dc& dc) {
  hintVisible = false;
  dc.SetBkColor(common::kMessageBack);
  DrawStatistics(dc);
}

void MonoIntroTest::DrawTitleAndLegend(Dc& dc, const intro::Texts& texts, bool withStatistics) {
  dc.SelectFont(resultFont);
  dc.SetBkMode(BkMode::Transparent);
  dc.SetTextColor(intro::kTitleGreen);
  dc.TextOut(clientRect.right / 42, 5, title);
  if (withStatistics && !hintVisible) {
    DrawStatistics(dc);
    common::DrawKeptMessage(*this, dc, MessageLineAt());
  } else {
    common::DrawLegend(*this, dc, texts.legend);
  }
}

void MonoIntroTest::WriteStatistics() {
  if (!statisticsEnabled) return;
  resultsLog.push_back(std::string(36, ' '));
  for (const common::PanelLine& line : StatisticsLines(*this)) resultsLog.push_back(line.text);
  resultsLog.push_back(T(intro::text::kTime) + elapsedTimeText);
  resultsLog.push_back(DashRule());
}

void MonoIntroTest::ResetStatistics() {
  CAbstractT::ResetStatistics();
  if (buttonsCreated && lockAfterAnswer) EnableAnswerButtons(false);
}
