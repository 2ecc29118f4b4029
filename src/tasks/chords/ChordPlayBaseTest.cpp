#include "tasks/chords/ChordPlayBaseTest.h"

#include <cstddef>
#include <cstdlib>

#include "commands/CommandIds.h"
#include "platform/ViewHost.h"
#include "progress/Recorder.h"
#include "settings/ProgramSettings.h"
#include "tasks/base/ToneTimeline.h"
#include "tasks/chords/ChordCommon.h"
#include "tasks/common/TaskCommon.h"
#include "text/LanguageTable.h"
#include "text/StrFormat.h"

namespace {

namespace text {
constexpr int kStartHintFromOne = 132;
constexpr int kStartHintFromRandom = 133;
constexpr int kListenNewCaption = 84;
constexpr int kHintAfterNew = 148;
constexpr int kHintSolvedFromOne = 154;
constexpr int kHintSolvedFromRandom = 157;
constexpr int kHintRevealed = 158;
constexpr int kRevealed = 279;
constexpr int kWrongLater2 = 287;
constexpr int kWrongLater3 = 288;
}  // namespace text

// Divisors of the client height giving the rows of the nine lines below the message line.
constexpr std::array<double, 9> kPanelRows = {2.27, 2.01, 1.8, 1.63, 1.49, 1.37, 1.27, 1.183, 1.105};
}  // namespace

ChordPlayBaseTest::ChordPlayBaseTest(bool fromOne) : fromOne_(fromOne) {
  playbackMode = kNoPlayback;
  TakeKeyboardAnswers();
}

ChordPlayBaseFromOneTest::ChordPlayBaseFromOneTest() : ChordPlayBaseTest(true) { title = T(kTitle); }

ChordPlayBaseFromRandomTest::ChordPlayBaseFromRandomTest() : ChordPlayBaseTest(false) { title = T(kTitle); }

Point ChordPlayBaseTest::MessageLineAt() const {
  return {clientRect.right / 42, static_cast<int32_t>(clientRect.bottom / 2.6)};
}

void ChordPlayBaseTest::Start() {
  SetTexts();
}

void ChordPlayBaseTest::SetTexts() {
  chords::SetTaskTexts(*this, *this, fromOne_ ? text::kStartHintFromOne : text::kStartHintFromRandom,
                       text::kListenNewCaption,
                       fromOne_ ? ChordPlayBaseFromOneTest::kTitle : ChordPlayBaseFromRandomTest::kTitle);
}

void ChordPlayBaseTest::OnListenNew() {
  if (fromOne_) GetViewHost().EnableControl(cmd::kKeyList, false);
  common::CountNewTask(*this);
  const int32_t root = fromOne_ ? chords::TonicRoot() : std::rand() % chords::kRoots;
  common::DrawOnView([this, root](Dc& dc) {
    // The marks of the chord before go.
    for (int32_t tone : chordTones) {
      if (tone == chordEnd) break;
      DrawKeyNormal(dc, tone + chords::kChordOctave);
    }
    MarkKey(dc, root + chords::kChordOctave, greenBrush);
  });
  chordType = std::rand() % kTypeCount;
  // The name follows the language: it is made from the type at each drawing.
  common::ShowMessage(*this, blackBrush, [this, type = static_cast<size_t>(chordType)] { return chordNames[type]; });
  BuildChordTones(root);
  if (progress::TaskRecord* record = progress::OpenTask()) {
    record->chordType = chordType;
    record->chordRoot = root;
  }
  attempt = 1;
  enteredCount = 0;
  newTaskEnabled = false;
  common::SetHint(*this, text::kHintAfterNew);
}

void ChordPlayBaseTest::OnAnswerClick(MouseFlags&, Point&) {
  if (pressedKey == -1 || attempt < 1 || attempt > 3) return;
  const int32_t n = ++enteredCount;
  if (n >= 2) {
    const int32_t before = chordTones[static_cast<size_t>(n - 2)] + chords::kChordOctave;
    common::DrawOnView([this, before](Dc& dc) { DrawKeyNormal(dc, before); });
  }
  const int32_t key = chordTones[static_cast<size_t>(n - 1)] + chords::kChordOctave;
  const bool last = (n == 3 && chordTones[3] == chordEnd) || n >= 4;
  if (pressedKey != key) {
    Wrong(n == 1);
  } else if (last) {
    Solved(key);
  } else {
    common::ShowMessage(*this, common::kMessageGreen, common::text::kRightSoFar);
    common::DrawOnView([this, key](Dc& dc) { MarkKey(dc, key, greenBrush); });
  }
  common::DrawOnView([this](Dc& dc) { ShowStatistics(dc); });
}

void ChordPlayBaseTest::Solved(int32_t key) {
  common::CountSolved(*this);
  progress::TaskClosed(attempt, repeatsInTask);
  common::SetHint(*this, fromOne_ ? text::kHintSolvedFromOne : text::kHintSolvedFromRandom);
  newTaskEnabled = true;
  attempt = 0;
  if (fromOne_) GetViewHost().EnableControl(cmd::kKeyList, true);
  common::ShowMessage(*this, common::kMessageGreen, common::text::kSolved);
  common::DrawOnView([this, key](Dc& dc) { MarkKey(dc, key, greenBrush); });
  WaitMs(common::Beat());
  common::DrawOnView([this, key](Dc& dc) { DrawKeyNormal(dc, key); });
  AllNotesOff();
}

void ChordPlayBaseTest::Wrong(bool rootStep) {
  enteredCount = 0;
  const common::Verdict verdict = common::WrongVerdict(++attempt, rootStep, text::kWrongLater2, text::kWrongLater3);
  if (attempt <= 3) {
    common::ShowMessage(*this, common::kMessageRed, verdict.message);
    common::SetHint(*this, verdict.hint);
    return;
  }
  attempt = 0;
  progress::TaskClosed(attempt, repeatsInTask);
  common::ShowMessage(*this, common::kMessageRed, text::kRevealed);
  common::SetHint(*this, text::kHintRevealed);
  Reveal();
}

void ChordPlayBaseTest::Reveal() {
  newTaskEnabled = true;
  if (fromOne_) GetViewHost().EnableControl(cmd::kKeyList, true);
  const uint32_t beat = common::Beat();
  ToneTimeline timeline(*this);
  uint32_t at = beat;
  for (int32_t tone : chordTones) {
    if (tone == chordEnd) break;
    const int32_t key = tone + chords::kChordOctave;
    timeline.Cue(at, [this, key] { common::DrawOnView([this, key](Dc& dc) { MarkKey(dc, key, redBrush); }); });
    timeline.PlayNote(at, key, chords::kChannel);
    at += beat;
  }
  timeline.AllNotesOff(at);
  timeline.Play();
}

void ChordPlayBaseTest::ResetStatistics() {
  const bool wasOpen = !newTaskEnabled;
  CAbstractT::ResetStatistics();
  // An open task ends uncounted: the Key box is free again.
  if (wasOpen && fromOne_) GetViewHost().EnableControl(cmd::kKeyList, true);
}

void ChordPlayBaseTest::DrawMessages(Dc& dc) {
  common::DrawKeptMessage(*this, dc, MessageLineAt());
  if (hintVisible) {
    common::DrawLegend(*this, dc, kLegend);
  } else {
    DrawStatistics(dc);
  }
}

void ChordPlayBaseTest::ShowStatistics(Dc& dc) {
  hintVisible = false;
  DrawStatistics(dc);
}

void ChordPlayBaseTest::DrawStatistics(Dc& dc) {
  std::array<Point, kPanelRows.size()> at{};
  for (size_t i = 0; i < at.size(); ++i) {
    at[i] = {clientRect.right / 42, static_cast<int32_t>(clientRect.bottom / kPanelRows[i])};
  }
  common::UsePaleBackground(dc);
  if (tasksGiven < 2) {
    // Wipes the legend.
    dc.SelectFont(messageFont);
    common::BlankAt(dc, at);
  }
  dc.SelectFont(resultFont);
  common::BlankAt(dc, at);
  const int32_t solved = solvedFirst + solvedSecond + solvedThird;
  const std::array<common::PanelLine, 3> lines = {{
      {StrFormat("%s = %d / %d", T(common::text::kPanelGiven).c_str(), tasksGiven, solved), common::kPanelGrey},
      {StrFormat("%s = %d / %d / %d", T(common::text::kPanelByAttempt).c_str(), solvedFirst, solvedSecond,
                 solvedThird),
       common::kPanelGreen},
      {StrFormat("%s = %d", T(common::text::kFailures).c_str(), common::OpenFailures(*this)), common::kPanelRed},
  }};
  common::DrawPanel(dc, lines, at);
}
