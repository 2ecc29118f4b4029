#include "tasks/melody/MonoMelodyTest37_0.h"

#include <vector>

#include "platform/ViewHost.h"
#include "tasks/melody/ToneSearch.h"
#include "text/LanguageTable.h"

using melody::ToneSearch;

MonoMelodyTest37_0::MonoMelodyTest37_0() {
  playbackMode = kNoPlayback;
  title = T(kTitle);
}

MonoMelodyTest37_0::~MonoMelodyTest37_0() { GetViewHost().DestroyControl(melody::kTaskButton); }

void MonoMelodyTest37_0::OnTaskButton4() { OnEnterKey(); }
void MonoMelodyTest37_0::Start() { ToneSearch(*this).Start(); }
void MonoMelodyTest37_0::SetTexts() { ToneSearch(*this).SetTexts(kTitle); }
void MonoMelodyTest37_0::OnListenNew() { ToneSearch(*this).ListenNew(); }
void MonoMelodyTest37_0::OnListenAgain() { ToneSearch(*this).ListenAgain(true); }
void MonoMelodyTest37_0::OnEnterKey() { ToneSearch(*this).EnterKey(); }
void MonoMelodyTest37_0::OnAnswerClick(MouseFlags&, Point&) { ToneSearch(*this).AnswerClick(); }
void MonoMelodyTest37_0::WriteStatistics() { ToneSearch(*this).WriteStatistics(); }
void MonoMelodyTest37_0::ResetStatistics() { ToneSearch(*this).ResetStatistics(); }

void MonoMelodyTest37_0::DrawMessages(Dc& dc) {
  melody::DrawKeptMessage(*this, dc, MessageLineAt());
  dc.SetBkMode(BkMode::Transparent);
  if (hintVisible) {
    melody::DrawLegend(*this, dc, melody::kSearchLegend);
  } else {
    DrawStatistics(dc);
  }
  ToneSearch(*this).PlaceTaskButton();
}

void MonoMelodyTest37_0::ShowStatistics(Dc& dc) {
  hintVisible = false;
  melody::UsePaleBackground(dc);
  DrawStatistics(dc);
}

// Lines 9 and 10 are left alone: the task button covers them.
void MonoMelodyTest37_0::DrawStatistics(Dc& dc) {
  std::vector<melody::PanelLine> lines = melody::StatisticsLines(*this);
  lines.push_back(melody::SearchPressesLine(searchPresses));
  DrawPanelOverLegend(dc, lines, 8);
}
