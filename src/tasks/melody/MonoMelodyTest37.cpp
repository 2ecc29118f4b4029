#include "tasks/melody/MonoMelodyTest37.h"

#include <array>
#include <vector>

namespace {
// Divisors of the client height giving the tops of the ten text lines below the keys.
constexpr std::array<double, 10> kTextLines = {2.6, 2.27, 2.01, 1.8, 1.63, 1.49, 1.37, 1.27, 1.183, 1.105};
}  // namespace

Point MonoMelodyTest37::MessageLineAt() const {
  return {clientRect.right / 42, static_cast<int32_t>(clientRect.bottom / kTextLines[0])};
}

void MonoMelodyTest37::ShowStatistics(Dc& dc) {
  hintVisible = false;
  melody::UsePaleBackground(dc);
  DrawStatistics(dc);
}

void MonoMelodyTest37::DrawStatistics(Dc& dc) { DrawPanelOverLegend(dc, melody::StatisticsLines(*this), 10); }

void MonoMelodyTest37::DrawPanelOverLegend(Dc& dc, std::span<const melody::PanelLine> lines, int lastBlankLine) {
  const int32_t x = clientRect.right / 42;
  std::vector<Point> blank;
  for (int line = 2; line <= lastBlankLine && line <= static_cast<int>(kTextLines.size()); ++line) {
    blank.push_back({x, static_cast<int32_t>(clientRect.bottom / kTextLines[static_cast<size_t>(line - 1)])});
  }
  if (tasksGiven < 2) {
    dc.SelectFont(messageFont);
    melody::BlankAt(dc, blank);
  }
  dc.SelectFont(resultFont);
  melody::BlankAt(dc, blank);
  std::vector<Point> at;
  for (size_t i = 0; i < lines.size() && i + 1 < kTextLines.size(); ++i) {
    at.push_back({x, static_cast<int32_t>(clientRect.bottom / kTextLines[i + 1])});
  }
  melody::DrawPanel(dc, lines, at);
}

void MonoMelodyTest37::DrawLegendOrStatistics(Dc& dc, std::span<const std::string> legend) {
  melody::DrawKeptMessage(*this, dc, MessageLineAt());
  dc.SetBkMode(BkMode::Transparent);
  if (hintVisible) {
    melody::DrawLegend(*this, dc, legend);
  } else {
    DrawStatistics(dc);
  }
}
