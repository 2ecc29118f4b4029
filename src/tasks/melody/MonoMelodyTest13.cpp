#include "tasks/melody/MonoMelodyTest13.h"

#include <array>
#include <vector>

#include "text/LanguageTable.h"

namespace {
// Divisors of the client height giving the rows of the panel lines.
constexpr std::array<double, 5> kPanelRows = {14, 7.8, 5.3, 3.95, 3.16};
}  // namespace

Point MonoMelodyTest13::MessageLineAt() const { return {clientRect.right * 8 / 21, clientRect.bottom / 80}; }

void MonoMelodyTest13::ShowStatistics(Dc& dc) {
  hintVisible = false;
  melody::UsePaleBackground(dc);
  DrawStatistics(dc);
}

void MonoMelodyTest13::DrawStatistics(Dc& dc) { DrawPanelWithPrompt(dc, melody::StatisticsLines(*this)); }

void MonoMelodyTest13::DrawPanelWithPrompt(Dc& dc, std::span<const melody::PanelLine> lines) {
  std::vector<Point> at;
  for (size_t i = 0; i < lines.size() && i < kPanelRows.size(); ++i) {
    at.push_back({clientRect.right * 8 / 21, static_cast<int32_t>(clientRect.bottom / kPanelRows[i])});
  }
  dc.SelectFont(resultFont);
  melody::BlankAt(dc, at);
  dc.SetTextColor(melody::kPanelGrey);
  if (hintVisible) {
    const Point prompt = MessageLineAt();
    dc.TextOut(prompt.x, prompt.y, T(melody::text::kStartPrompt13));
  }
  melody::DrawPanel(dc, lines, at);
}

void MonoMelodyTest13::DrawLegendAndStatistics(Dc& dc, std::span<const int> legend) {
  melody::DrawLegend(*this, dc, legend);
  DrawStatistics(dc);
}
