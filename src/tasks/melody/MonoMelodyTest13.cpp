#include "tasks/melody/MonoMelodyTest13.h"

#include <array>
#include <vector>

#include "text/LanguageTable.h"

Point MonoMelodyTest13::MessageLineAt() const { return {clientRect.right * 8 / 21, clientRect.bottom / 80}; }

void MonoMelodyTest13::ShowStatistics(Dc& dc) {
  hintVisible = false;
  melody::UsePaleBackground(dc);
  DrawStatistics(dc);
}

void MonoMelodyTest13::DrawStatistics(Dc& dc) { DrawPanelWithPrompt(dc, melody::StatisticsLines(*this)); }

void MonoMelodyTest13::DrawPanelWithPrompt(Dc& dc, std::span<const melody::PanelLine> lines) {
  melody::DrawPanel13(*this, dc, lines, MessageLineAt());
}

void MonoMelodyTest13::DrawLegendAndStatistics(Dc& dc, std::span<const std::string> legend) {
  melody::DrawKeptMessage(*this, dc, MessageLineAt());
  melody::DrawLegend(*this, dc, legend);
  DrawStatistics(dc);
}
