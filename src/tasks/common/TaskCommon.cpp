#include "tasks/common/TaskCommon.h"

#include <algorithm>
#include <cstddef>

#include "commands/CommandIds.h"
#include "music/TempoTables.h"
#include "platform/Clock.h"
#include "platform/Dialog.h"
#include "platform/FileUrl.h"
#include "platform/UiHost.h"
#include "platform/ViewHost.h"
#include "progress/Recorder.h"
#include "settings/ProgramSettings.h"
#include "text/LanguageTable.h"
#include "text/StrFormat.h"
#include "text/TextIds.h"

namespace common {

void OfferFolder(const std::filesystem::path& folder, int whereText) {
  UiHost& host = GetUiHost();
  const std::string where = T(whereText) + "\n" + folder.string();
  const unsigned question = MB_YESNO | MB_ICONQUESTION;
  if (host.MessageBox(where + "\n\n" + T(txt::kMyMelodiesOpenQuestion), T(0), question) != IDYES) return;
  std::error_code ec;
  std::filesystem::create_directories(folder, ec);
  // Without a file manager to open it, the folder stays named where it can be copied from.
  if (!host.OpenUrl(FileUrl(folder))) host.MessageBox(where, T(0), MB_OK | MB_ICONINFORMATION);
}

namespace {
const std::string& Blanks() {
  static const std::string blanks(260, ' ');
  return blanks;
}
}  // namespace

uint32_t Beat() { return static_cast<uint32_t>(msPerBeat[static_cast<size_t>(ClampTempoIndex(tempoIndex))]); }

void DrawOnView(const std::function<void(Dc&)>& draw) {
  if (std::unique_ptr<Dc> dc = GetViewHost().GetDC()) draw(*dc);
}


void UsePaleBackground(Dc& dc) {
  dc.SetBkMode(BkMode::Opaque);
  dc.SetBkColor(kMessageBack);
}

void BlankMessage(Dc& dc, Point at, const Font& font) {
  UsePaleBackground(dc);
  dc.SelectFont(font);
  dc.TextOut(at.x, at.y, Blanks());
}

std::function<std::string()> TextOf(int textId) {
  return [textId] { return T(textId); };
}

void KeepMessage(CAbstractT& task, Colour colour, std::function<std::string()> text) {
  task.message = {std::move(text), colour};
}

void DrawKeptMessage(CAbstractT& task, Dc& dc, Point at) {
  if (!task.message.text) return;
  const std::string text = task.message.text();
  if (text.empty()) return;
  UsePaleBackground(dc);
  dc.SelectFont(task.resultFont);
  dc.SetTextColor(task.message.colour);
  dc.TextOut(at.x, at.y, text);
}

void BlankAt(Dc& dc, std::span<const Point> at) {
  for (const Point& p : at) dc.TextOut(p.x, p.y, Blanks());
}

void SetHint(CAbstractT& task, int textId) { SetHint(task, TextOf(textId)); }

void SetHint(CAbstractT& task, std::function<std::string()> text) {
  task.hint = std::move(text);
  SetHintText(task.hint());
}

void ShowKeptHint(CAbstractT& task, int startHint) { SetHintText(task.hint ? task.hint() : T(startHint)); }

void SetHintText(const std::string& text) { GetViewHost().SetControlText(cmd::kHintBox, text); }

void EnableKeyAndMode(bool enable) {
  ViewHost& view = GetViewHost();
  view.EnableControl(cmd::kKeyList, enable);
  view.EnableControl(cmd::kModeList, enable);
}



void CountNewTask(CAbstractT& task) {
  progress::TaskOpened(task.repeatsInTask);
  task.repeatsInTask = 0;
  if (task.tasksGiven == 0) GetViewHost().SetClockStart(timeGetTime());
  ++task.tasksGiven;
}

void CloseTask(CAbstractT& task, int hint) {
  progress::TaskClosed(task.attempt, task.repeatsInTask);
  SetHint(task, hint);
  task.newTaskEnabled = true;
  task.listenAgainEnabled = false;
  EnableKeyAndMode(true);
}

void CountSolved(CAbstractT& task) {
  switch (task.attempt) {
    case 1:
      ++task.solvedFirst;
      break;
    case 2:
      ++task.solvedSecond;
      break;
    case 3:
      ++task.solvedThird;
      break;
    default:
      break;
  }
}

int32_t OpenFailures(const CAbstractT& task) {
  const int32_t failures = task.tasksGiven - (task.solvedFirst + task.solvedSecond + task.solvedThird);
  return task.newTaskEnabled ? failures : failures - 1;
}

Verdict WrongVerdict(int32_t attempt, bool firstStep, int wrongLater2, int wrongLater3) {
  if (attempt == 2) {
    return firstStep ? Verdict{text::kWrongFirst2, text::kHintWrongFirst2} : Verdict{wrongLater2, text::kHintWrongLater2};
  }
  if (attempt == 3) {
    return firstStep ? Verdict{text::kWrongFirst3, text::kHintWrongFirst3} : Verdict{wrongLater3, text::kHintWrongLater3};
  }
  return {text::kRevealed, text::kHintRevealed};
}

std::vector<PanelLine> StatisticsLines(CAbstractT& task) {
  task.failures = OpenFailures(task);
  const int32_t solved = task.solvedFirst + task.solvedSecond + task.solvedThird;
  return {
      {StrFormat("%s = %d / %d", T(text::kPanelGiven).c_str(), task.tasksGiven, solved), kPanelGrey},
      {StrFormat("%s = %d / %d / %d", T(text::kPanelByAttempt).c_str(), task.solvedFirst, task.solvedSecond,
                 task.solvedThird),
       kPanelGreen},
      {StrFormat("%s = %d", T(text::kFailures).c_str(), task.failures), kPanelRed},
      {StrFormat("%s = %d", T(text::kReplays).c_str(), task.repeatsTotal), kPanelRed},
  };
}


void DrawPanel(Dc& dc, std::span<const PanelLine> lines, std::span<const Point> at) {
  const size_t count = std::min(lines.size(), at.size());
  for (size_t i = 0; i < count; ++i) {
    dc.SetTextColor(lines[i].colour);
    dc.TextOut(at[i].x, at[i].y, lines[i].text);
  }
}


void DrawLegend(CAbstractT& task, Dc& dc, std::span<const std::string> legend) {
  std::array<const char*, 10> lines{};
  for (size_t i = 0; i < legend.size() && i + 1 < lines.size(); ++i) lines[i + 1] = legend[i].c_str();
  dc.SetBkMode(BkMode::Transparent);
  dc.SelectFont(task.messageFont);
  dc.SetTextColor(task.blackBrush);
  task.DrawTextLines(dc, lines[0], lines[1], lines[2], lines[3], lines[4], lines[5], lines[6], lines[7], lines[8],
                     lines[9]);
}

void DrawLegend(CAbstractT& task, Dc& dc, std::span<const int> textIds) { DrawLegend(task, dc, Texts(textIds)); }

std::vector<std::string> Texts(std::span<const int> textIds) {
  std::vector<std::string> texts;
  for (int id : textIds) texts.push_back(T(id));
  return texts;
}

void DrawPanel13(CAbstractT& task, Dc& dc, std::span<const PanelLine> lines, Point prompt) {
  // Divisors of the client height giving the rows of the panel lines.
  constexpr std::array<double, 5> kPanelRows = {14, 7.8, 5.3, 3.95, 3.16};
  const Rect& client = task.clientRect;
  std::vector<Point> at;
  for (size_t i = 0; i < lines.size() && i < kPanelRows.size(); ++i) {
    at.push_back({client.right * 8 / 21, static_cast<int32_t>(client.bottom / kPanelRows[i])});
  }
  dc.SelectFont(task.resultFont);
  BlankAt(dc, at);
  dc.SetTextColor(kPanelGrey);
  if (task.hintVisible && !task.message.text) dc.TextOut(prompt.x, prompt.y, T(text::kStartPrompt13));
  DrawPanel(dc, lines, at);
}

}  // namespace common
