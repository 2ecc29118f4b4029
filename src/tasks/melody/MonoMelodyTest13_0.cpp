#include "tasks/melody/MonoMelodyTest13_0.h"

#include <vector>

#include "platform/ViewHost.h"
#include "tasks/melody/ToneSearch.h"
#include "text/LanguageTable.h"

using melody::ToneSearch;

MonoMelodyTest13_0::MonoMelodyTest13_0() {
  playbackMode = kNoPlayback;
  title = T(kTitle);
}

MonoMelodyTest13_0::~MonoMelodyTest13_0() { GetViewHost().DestroyControl(melody::kTaskButton); }

void MonoMelodyTest13_0::OnTaskButton4() { OnEnterKey(); }
void MonoMelodyTest13_0::Start() { ToneSearch(*this).Start(); }
void MonoMelodyTest13_0::SetTexts() { ToneSearch(*this).SetTexts(kTitle); }
void MonoMelodyTest13_0::OnListenNew() { ToneSearch(*this).ListenNew(); }
void MonoMelodyTest13_0::OnListenAgain() { ToneSearch(*this).ListenAgain(false); }
void MonoMelodyTest13_0::OnEnterKey() { ToneSearch(*this).EnterKey(); }
void MonoMelodyTest13_0::OnAnswerClick(MouseFlags&, Point&) { ToneSearch(*this).AnswerClick(); }
void MonoMelodyTest13_0::WriteStatistics() { ToneSearch(*this).WriteStatistics(); }
void MonoMelodyTest13_0::ResetStatistics() { ToneSearch(*this).ResetStatistics(); }

void MonoMelodyTest13_0::DrawMessages(Dc& dc) {
  DrawLegendAndStatistics(dc, melody::Texts(melody::kSearchLegend));
  ToneSearch(*this).PlaceTaskButton();
}

void MonoMelodyTest13_0::DrawStatistics(Dc& dc) {
  std::vector<melody::PanelLine> lines = melody::StatisticsLines(*this);
  lines.push_back(melody::SearchPressesLine(searchPresses));
  DrawPanelWithPrompt(dc, lines);
}
