#include "tasks/base/CAbstractT.h"

#include <algorithm>

#include "commands/CommandIds.h"
#include "log/ResultsLog.h"
#include "platform/Clock.h"
#include "platform/ViewHost.h"
#include "progress/Recorder.h"
#include "settings/ProgramSettings.h"
#include "sound/MidiOutput.h"
#include "text/LanguageTable.h"
#include "text/StrFormat.h"

namespace {

// Divisors of the client height giving the tops of the ten message lines.
constexpr std::array<double, 10> kLineDivisors = {2.6, 2.27, 2.01, 1.8, 1.63, 1.49, 1.37, 1.27, 1.183, 1.105};

std::string Repeat(std::string_view unit, int count) {
  std::string s;
  s.reserve(unit.size() * static_cast<size_t>(count));
  for (int i = 0; i < count; ++i) s += unit;
  return s;
}

}  // namespace

CAbstractT::CAbstractT() {
  callbackRunning = false;
  activeChannel = 0;
  elapsedTimeText = "00:00";
  messageFont = Font(mainFontDesc);
  resultFont = Font(resultFontDesc);
  FillScaleTable(scaleTable);
  for (int i = 0; i < 8; ++i) {
    ticksPerBar[static_cast<size_t>(i)] = 12 * (i + 1);
    ticksPerBar[static_cast<size_t>(i + 8)] = 6 * (i + 1);
  }
  signatureNames.resize(16);
  for (int i = 0; i < 8; ++i) {
    signatureNames[static_cast<size_t>(i)] = StrFormat("%d/4", i + 1);
    signatureNames[static_cast<size_t>(i + 8)] = StrFormat("%d/8", i + 1);
  }
}

CAbstractT::~CAbstractT() {
  CAbstractT::StopTimer();
  ResetMidiOut();
}

void CAbstractT::WaitMs(uint32_t ms) {
  ViewHost& view = GetViewHost();
  view.SetCursor(waitCursor);
  CurrentClock().WaitMs(ms);
  view.SetCursor(arrowCursor);
}

void CAbstractT::WriteLogHeader() {
  resultsLog.push_back(T(426) + title);
  resultsLog.push_back(std::string(75, '='));
}

void CAbstractT::WriteStatistics() {
  if (!statisticsEnabled) return;
  const int solved = solvedFirst + solvedSecond + solvedThird;
  resultsLog.push_back(std::string(36, ' '));
  resultsLog.push_back(StrFormat("%s = %d / %d", T(428).c_str(), tasksGiven, solved));
  resultsLog.push_back(StrFormat("%s = %d / %d / %d", T(431).c_str(), solvedFirst, solvedSecond, solvedThird));
  resultsLog.push_back(StrFormat("%s = %d", T(433).c_str(), tasksGiven - solved));
  resultsLog.push_back(StrFormat("%s = %d", T(434).c_str(), repeatsTotal));
  resultsLog.push_back(T(436) + elapsedTimeText);
  resultsLog.push_back(Repeat("\u2014", 75));
}

void CAbstractT::ResetStatistics() {
  // A task still open ends unsolved in the progress history.
  progress::EndOpenTask(repeatsInTask);
  GetViewHost().SetControlText(cmd::kTimeMeter, "00:00");
  elapsedTimeText = "00:00";
  attempt = 0;
  tasksGiven = 0;
  solvedFirst = 0;
  solvedSecond = 0;
  solvedThird = 0;
  repeatsTotal = 0;
  repeatsInTask = 0;
  newTaskEnabled = true;
  listenAgainEnabled = false;
}

void CAbstractT::DrawTextLines(Dc& dc, const char* line1, const char* line2, const char* line3, const char* line4,
                               const char* line5, const char* line6, const char* line7, const char* line8,
                               const char* line9, const char* line10) {
  const std::array<const char*, 10> lines = {line1, line2, line3, line4, line5, line6, line7, line8, line9, line10};
  for (size_t n = 0; n < lines.size(); ++n) {
    if (lines[n] == nullptr) continue;
    const Point at = TextLineAt(static_cast<int>(n) + 1);
    dc.TextOut(at.x, at.y, lines[n]);
  }
}

Point CAbstractT::TextLineAt(int line) const {
  const size_t n = static_cast<size_t>(std::clamp(line, 1, static_cast<int>(kLineDivisors.size())) - 1);
  return {clientRect.right / 42, static_cast<int32_t>(clientRect.bottom / kLineDivisors[n])};
}

void CAbstractT::ClearTextLines(Dc& dc) {
  const std::string blanks(260, ' ');
  for (int line = 2; line <= static_cast<int>(kLineDivisors.size()); ++line) {
    const Point at = TextLineAt(line);
    dc.TextOut(at.x, at.y, blanks);
  }
}

void CAbstractT::ClearTextLinesAgain(Dc& dc) { ClearTextLines(dc); }
