#include "tasks/melody/MonoMelodyTest13_N.h"

#include "tasks/melody/MelodyRound.h"
#include "text/LanguageTable.h"

using melody::MelodyRound;

MonoMelodyTest13_1::MonoMelodyTest13_1() {
  playbackMode = kNoPlayback;
  title = T(kTitle);
}
void MonoMelodyTest13_1::Start() { MelodyRound(*this).Start(); }
void MonoMelodyTest13_1::SetTexts() { MelodyRound(*this).SetTexts(); }
void MonoMelodyTest13_1::OnListenNew() { MelodyRound(*this).ListenNew(); }
void MonoMelodyTest13_1::OnListenAgain() { MelodyRound(*this).ListenAgain(); }
void MonoMelodyTest13_1::OnAnswerClick(MouseFlags&, Point&) { MelodyRound(*this).AnswerClick(); }
void MonoMelodyTest13_1::ResetStatistics() { MelodyRound(*this).ResetStatistics(); }
void MonoMelodyTest13_1::DrawMessages(Dc& dc) { DrawLegendAndStatistics(dc, kKind.legend); }

MonoMelodyTest13_2::MonoMelodyTest13_2() {
  playbackMode = kNoPlayback;
  title = T(kTitle);
}
void MonoMelodyTest13_2::Start() { MelodyRound(*this).Start(); }
void MonoMelodyTest13_2::SetTexts() { MelodyRound(*this).SetTexts(); }
void MonoMelodyTest13_2::OnListenNew() { MelodyRound(*this).ListenNew(); }
void MonoMelodyTest13_2::OnListenAgain() { MelodyRound(*this).ListenAgain(); }
void MonoMelodyTest13_2::OnAnswerClick(MouseFlags&, Point&) { MelodyRound(*this).AnswerClick(); }
void MonoMelodyTest13_2::ResetStatistics() { MelodyRound(*this).ResetStatistics(); }
void MonoMelodyTest13_2::DrawMessages(Dc& dc) { DrawLegendAndStatistics(dc, kKind.legend); }

MonoMelodyTest13_4::MonoMelodyTest13_4() {
  playbackMode = kNoPlayback;
  title = T(kTitle);
}
void MonoMelodyTest13_4::Start() { MelodyRound(*this).Start(); }
void MonoMelodyTest13_4::SetTexts() { MelodyRound(*this).SetTexts(); }
void MonoMelodyTest13_4::OnListenNew() { MelodyRound(*this).ListenNew(); }
void MonoMelodyTest13_4::OnListenAgain() { MelodyRound(*this).ListenAgain(); }
void MonoMelodyTest13_4::OnAnswerClick(MouseFlags&, Point&) { MelodyRound(*this).AnswerClick(); }
void MonoMelodyTest13_4::ResetStatistics() { MelodyRound(*this).ResetStatistics(); }
void MonoMelodyTest13_4::DrawMessages(Dc& dc) { DrawLegendAndStatistics(dc, kKind.legend); }

MonoMelodyTest13_8::MonoMelodyTest13_8() {
  playbackMode = kNoPlayback;
  title = T(kTitle);
}
void MonoMelodyTest13_8::Start() { MelodyRound(*this).Start(); }
void MonoMelodyTest13_8::SetTexts() { MelodyRound(*this).SetTexts(); }
void MonoMelodyTest13_8::OnListenNew() { MelodyRound(*this).ListenNew(); }
void MonoMelodyTest13_8::OnListenAgain() { MelodyRound(*this).ListenAgain(); }
void MonoMelodyTest13_8::OnAnswerClick(MouseFlags&, Point&) { MelodyRound(*this).AnswerClick(); }
void MonoMelodyTest13_8::ResetStatistics() { MelodyRound(*this).ResetStatistics(); }
void MonoMelodyTest13_8::DrawMessages(Dc& dc) { DrawLegendAndStatistics(dc, kKind.legend); }
