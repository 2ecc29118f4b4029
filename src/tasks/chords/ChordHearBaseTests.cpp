#include "tasks/chords/ChordHearBaseTests.h"

#include "text/LanguageTable.h"

ChordHearBaseTreTest::ChordHearBaseTreTest() : ChordHearTask(kLastTriad, false) { title = T(kTitle); }
void ChordHearBaseTreTest::SetTexts() { SetChordTexts(kStartHint, kTitle); }
void ChordHearBaseTreTest::DrawMessages(Dc& dc) { DrawLegendAndStatistics(dc, kLegend); }
void ChordHearBaseTreTest::OnAnswerClick(MouseFlags&, Point&) { AnswerRoot(); }

ChordHearBaseTrePolyTest::ChordHearBaseTrePolyTest() { title = T(kTitle); }
void ChordHearBaseTrePolyTest::SetTexts() { SetChordTexts(kStartHint, kTitle); }
void ChordHearBaseTrePolyTest::DrawMessages(Dc& dc) { DrawLegendAndStatistics(dc, kLegend); }
void ChordHearBaseTrePolyTest::PlayChord() { PlayChordTogether(); }

ChordHearBaseAllTest::ChordHearBaseAllTest() : ChordHearTask(kLastType, false) { title = T(kTitle); }
void ChordHearBaseAllTest::SetTexts() { SetChordTexts(kStartHint, kTitle); }
void ChordHearBaseAllTest::DrawMessages(Dc& dc) { DrawLegendAndStatistics(dc, kLegend); }
void ChordHearBaseAllTest::OnAnswerClick(MouseFlags&, Point&) { AnswerRoot(); }

ChordHearBaseAllPolyTest::ChordHearBaseAllPolyTest() { title = T(kTitle); }
void ChordHearBaseAllPolyTest::SetTexts() { SetChordTexts(kStartHint, kTitle); }
void ChordHearBaseAllPolyTest::DrawMessages(Dc& dc) { DrawLegendAndStatistics(dc, kLegend); }
void ChordHearBaseAllPolyTest::PlayChord() { PlayChordTogether(); }

ChordHearBaseAllFromOneTest::ChordHearBaseAllFromOneTest() : ChordHearTask(kLastType, true) { title = T(kTitle); }
void ChordHearBaseAllFromOneTest::SetTexts() { SetChordTexts(kStartHint, kTitle); }
void ChordHearBaseAllFromOneTest::DrawMessages(Dc& dc) { DrawLegendAndStatistics(dc, kLegend); }

ChordHearBaseAllFromOnePolyTest::ChordHearBaseAllFromOnePolyTest() { title = T(kTitle); }
void ChordHearBaseAllFromOnePolyTest::SetTexts() { SetChordTexts(kStartHint, kTitle); }
void ChordHearBaseAllFromOnePolyTest::DrawMessages(Dc& dc) { DrawLegendAndStatistics(dc, kLegend); }
void ChordHearBaseAllFromOnePolyTest::PlayChord() { PlayChordTogether(); }
