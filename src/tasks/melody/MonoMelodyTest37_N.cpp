#include "tasks/melody/MonoMelodyTest37_N.h"

#include "tasks/melody/MelodyRound.h"
#include "text/LanguageTable.h"

using melody::MelodyRound;

MonoMelodyTest37_1::MonoMelodyTest37_1() {
  playbackMode = kNoPlayback;
  title = T(kTitle);
}
void MonoMelodyTest37_1::Start() { MelodyRound(*this).Start(); }
void MonoMelodyTest37_1::SetTexts() { MelodyRound(*this).SetTexts(); }
void MonoMelodyTest37_1::OnListenNew() { MelodyRound(*this).ListenNew(); }
void MonoMelodyTest37_1::OnListenAgain() { MelodyRound(*this).ListenAgain(); }
void MonoMelodyTest37_1::OnAnswerClick(MouseFlags&, Point&) { MelodyRound(*this).AnswerClick(); }
void MonoMelodyTest37_1::ResetStatistics() { MelodyRound(*this).ResetStatistics(); }
void MonoMelodyTest37_1::DrawMessages(Dc& dc) { DrawLegendOrStatistics(dc, kKind.legend); }

MonoMelodyTest37_2::MonoMelodyTest37_2() {
  playbackMode = kNoPlayback;
  title = T(kTitle);
}
void MonoMelodyTest37_2::Start() { MelodyRound(*this).Start(); }
void MonoMelodyTest37_2::SetTexts() { MelodyRound(*this).SetTexts(); }
void MonoMelodyTest37_2::OnListenNew() { MelodyRound(*this).ListenNew(); }
void MonoMelodyTest37_2::OnListenAgain() { MelodyRound(*this).ListenAgain(); }
void MonoMelodyTest37_2::OnAnswerClick(MouseFlags&, Point&) { MelodyRound(*this).AnswerClick(); }
void MonoMelodyTest37_2::ResetStatistics() { MelodyRound(*this).ResetStatistics(); }
void MonoMelodyTest37_2::DrawMessages(Dc& dc) { DrawLegendOrStatistics(dc, kKind.legend); }

MonoMelodyTest37_4::MonoMelodyTest37_4() {
  playbackMode = kNoPlayback;
  title = T(kTitle);
}
void MonoMelodyTest37_4::Start() { MelodyRound(*this).Start(); }
void MonoMelodyTest37_4::SetTexts() { MelodyRound(*this).SetTexts(); }
void MonoMelodyTest37_4::OnListenNew() { MelodyRound(*this).ListenNew(); }
void MonoMelodyTest37_4::OnListenAgain() { MelodyRound(*this).ListenAgain(); }
void MonoMelodyTest37_4::OnAnswerClick(MouseFlags&, Point&) { MelodyRound(*this).AnswerClick(); }
void MonoMelodyTest37_4::ResetStatistics() { MelodyRound(*this).ResetStatistics(); }
void MonoMelodyTest37_4::DrawMessages(Dc& dc) { DrawLegendOrStatistics(dc, kKind.legend); }

MonoMelodyTest37_8::MonoMelodyTest37_8() {
  playbackMode = kNoPlayback;
  title = T(kTitle);
}
void MonoMelodyTest37_8::Start() { MelodyRound(*this).Start(); }
void MonoMelodyTest37_8::SetTexts() { MelodyRound(*this).SetTexts(); }
void MonoMelodyTest37_8::OnListenNew() { MelodyRound(*this).ListenNew(); }
void MonoMelodyTest37_8::OnListenAgain() { MelodyRound(*this).ListenAgain(); }
void MonoMelodyTest37_8::OnAnswerClick(MouseFlags&, Point&) { MelodyRound(*this).AnswerClick(); }
void MonoMelodyTest37_8::ResetStatistics() { MelodyRound(*this).ResetStatistics(); }
void MonoMelodyTest37_8::DrawMessages(Dc& dc) { DrawLegendOrStatistics(dc, kKind.legend); }
