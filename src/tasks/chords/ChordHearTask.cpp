#include "tasks/chords/ChordHearTask.h"

#include <cstddef>
#include <cstdlib>

#include "commands/CommandIds.h"
#include "music/MusicalTables.h"
#include "platform/ViewHost.h"
#include "progress/Recorder.h"
#include "settings/ProgramSettings.h"
#include "tasks/base/ScaleKeys.h"
#include "tasks/base/ToneTimeline.h"
#include "tasks/chords/ChordCommon.h"
#include "tasks/common/TaskCommon.h"
#include "text/LanguageTable.h"
#include "text/StrFormat.h"

namespace {
constexpr int32_t kUpperC = 12;

namespace text {
constexpr int kListenNewCaption = 82;
constexpr int kHintAfterNew = 146;
constexpr int kHintAfterNewFromOne = 147;
constexpr int kRootFound = 151;
constexpr int kHintRootRevealed = 152;
constexpr int kHintTypeRevealed = 154;
constexpr int kHintSolved = 155;
constexpr int kAskType = 198;
constexpr int kAskType2 = 199;
constexpr int kAskType3 = 200;
constexpr int kAskAfterClose = 201;
constexpr int kSolved = 281;
constexpr int kWrongRoot2 = 283;
constexpr int kWrongRoot3 = 284;
constexpr int kHintWrongRoot2 = 139;
constexpr int kHintWrongRoot3 = 140;
constexpr int kWrongType2 = 289;
constexpr int kWrongType3 = 290;
constexpr int kHintWrongType2 = 149;
constexpr int kHintWrongType3 = 150;
constexpr int kTypeRevealed = 291;
constexpr int kRootRevealed = 292;
}  // namespace text

// Scale keys strictly between two keys.
int32_t ScaleKeysBetween(int32_t low, int32_t high) {
  int32_t count = 0;
  for (int32_t key = low + 1; key < high; ++key) count += InScale(key) ? 1 : 0;
  return count;
}
}  // namespace

ChordHearTask::ChordHearTask(int32_t lastType, bool fromOne) : lastType_(lastType), fromOne_(fromOne) {
  playbackMode = kNoPlayback;
  // The root is clicked on the keyboard too.
  TakeKeyboardAnswers();
}

Point ChordHearTask::MessageLineAt() const { return {clientRect.right * 8 / 21, clientRect.bottom / 80}; }

void ChordHearTask::Start() {
  SetTexts();
}

void ChordHearTask::SetChordTexts(int startHint, int titleId) {
  chords::SetTaskTexts(*this, *this, startHint, text::kListenNewCaption, titleId);
}

void ChordHearTask::EnableSettingBoxes(bool enable) {
  GetViewHost().EnableControl(cmd::kKeyList, enable);
  if (!fromOne_) GetViewHost().EnableControl(cmd::kModeList, enable);
}

void ChordHearTask::OnListenNew() {
  EnableSettingBoxes(false);
  common::CountNewTask(*this);
  common::ClearMessage(*this);
  // The previous root's fill goes now, before the chord sounds.
  UnmarkKey(chordTones[0]);
  GetViewHost().UpdateWindow();
  if (fromOne_) {
    const int32_t root = chords::TonicRoot();
    common::DrawOnView([this, root](Dc& dc) { MarkKey(dc, root, greenBrush); });
    chordType = std::rand() % (lastType_ + 1);
    BuildChordTones(root);
  } else {
    ChooseChord();
  }
  if (progress::TaskRecord* record = progress::OpenTask()) {
    record->chordType = chordType;
    record->chordRoot = chordTones[0];
  }
  PlayChord();
  attempt = 1;
  newTaskEnabled = false;
  listenAgainEnabled = true;
  common::SetHint(*this, fromOne_ ? text::kHintAfterNewFromOne : text::kHintAfterNew);
  if (fromOne_) {
    IdentifyType(text::kAskType);
    common::DrawOnView([this](Dc& dc) { ShowStatistics(dc); });
  }
}

void ChordHearTask::ChooseChord() {
  if (scaleRow == -1) {
    chordType = std::rand() % (lastType_ + 1);
    BuildChordTones(std::rand() % chords::kRoots);
    return;
  }
  int32_t root = 0;
  do {
    root = std::rand() % chords::kRoots;
  } while (!InScale(root));
  do {
    chordType = std::rand() % (lastType_ + 1);
    BuildChordTones(root);
  } while (!FitsMode());
}

bool ChordHearTask::FitsMode() const {
  const int32_t count = ToneCount();
  for (int32_t i = 0; i < count; ++i) {
    if (!InScale(chordTones[static_cast<size_t>(i)])) return false;
  }
  if (ScaleKeysBetween(chordTones[0], chordTones[1]) != 1) return false;
  if (ScaleKeysBetween(chordTones[1], chordTones[2]) != 1) return false;
  return count < 4 || ScaleKeysBetween(chordTones[2], chordTones[3]) <= 1;
}

// Each tone for one beat, a silent beat after each.
void ChordHearTask::PlayChord() {
  const uint32_t beat = common::Beat();
  ToneTimeline timeline(*this);
  uint32_t at = 0;
  for (int32_t tone : chordTones) {
    if (tone == chordEnd) break;
    // The chord piano's own mapping is left out: the tones lie on the three-octave range.
    timeline.Sends(at, [this, tone] { CAbstractT::PlayNote(tone + chords::kChordOctave, chords::kChannel); });
    timeline.AllNotesOff(at + beat);
    at += 2 * beat;
  }
  timeline.AllNotesOff(at);
  timeline.Play();
}

void ChordHearTask::PlayChordTogether() {
  ToneTimeline timeline(*this);
  for (int32_t tone : chordTones) {
    if (tone == chordEnd) break;
    timeline.NoteOn(0, tone + chords::kChordOctave);
  }
  timeline.AllNotesOff(common::Beat());
  timeline.Play();
}

void ChordHearTask::OnListenAgain() {
  PlayChord();
  common::CountReplay(*this);
}

void ChordHearTask::ResetStatistics() {
  const bool wasOpen = !newTaskEnabled;
  CAbstractT::ResetStatistics();
  // An open task ends uncounted: the settings it held are free again.
  if (wasOpen) EnableSettingBoxes(true);
}

void ChordHearTask::AnswerRoot() {
  if (pressedKey == -1 || attempt < 1 || attempt > 3) return;
  const int32_t root = chordTones[0];
  if (pressedKey == root || (pressedKey == kUpperC && root == 0)) {
    common::ShowMessage(*this, common::kMessageGreen, text::kRootFound);
    common::SetHint(*this, text::kRootFound);
    common::DrawOnView([this, root](Dc& dc) { MarkKey(dc, root, greenBrush); });
    IdentifyType(text::kAskType);
  } else {
    ++attempt;
    if (attempt == 2) {
      common::ShowMessage(*this, common::kMessageRed, text::kWrongRoot2);
      common::SetHint(*this, text::kHintWrongRoot2);
    } else if (attempt == 3) {
      common::ShowMessage(*this, common::kMessageRed, text::kWrongRoot3);
      common::SetHint(*this, text::kHintWrongRoot3);
    } else {
      attempt = 0;
      common::ShowMessage(*this, common::kMessageRed, text::kRootRevealed);
      CloseTask(common::TextOf(text::kHintRootRevealed));
      WaitMs(common::Beat());
      AllNotesOff();
      common::DrawOnView([this, root](Dc& dc) { MarkKey(dc, root, redBrush); });
      PlayChord();
    }
  }
  common::DrawOnView([this](Dc& dc) { ShowStatistics(dc); });
}

void ChordHearTask::IdentifyType(int dialogHint) {
  for (;;) {
    // The dialog cannot be left without an answer: closing it asks again.
    while (chordDialog.AskChordType(0, lastType_, T(dialogHint)) != IDOK) dialogHint = text::kAskAfterClose;
    UnmarkKey(chordTones[0]);
    if (chordDialog.selectedType == chordType) {
      common::CountSolved(*this);
      common::ShowMessage(*this, common::kMessageGreen, text::kSolved);
      CloseTask(common::TextOf(text::kHintSolved));
      attempt = 0;
      return;
    }
    if (progress::TaskRecord* record = progress::OpenTask()) record->wrongTypes.push_back(chordDialog.selectedType);
    if (chordDialog.listenAgain && repeatsInTask < common::kMostReplays && attempt < 3) {
      PlayChord();
      ++repeatsTotal;
      ++repeatsInTask;
    }
    ++attempt;
    if (attempt == 2) {
      common::ShowMessage(*this, common::kMessageRed, text::kWrongType2);
      common::SetHint(*this, text::kHintWrongType2);
      dialogHint = text::kAskType2;
    } else if (attempt == 3) {
      common::ShowMessage(*this, common::kMessageRed, text::kWrongType3);
      common::SetHint(*this, text::kHintWrongType3);
      dialogHint = text::kAskType3;
    } else {
      attempt = 0;
      // Message and hint name the type in the language of the moment.
      const auto type = static_cast<size_t>(chordType);
      common::ShowMessage(*this, common::kMessageRed, [this, type] {
        return StrFormat("%s %s", T(text::kTypeRevealed).c_str(), chordNames[type].c_str());
      });
      CloseTask([this, type] {
        return StrFormat("%s %s. %s", T(text::kTypeRevealed).c_str(), chordNames[type].c_str(),
                         T(text::kHintTypeRevealed).c_str());
      });
      WaitMs(common::Beat());
      AllNotesOff();
      PlayChord();
      return;
    }
  }
}

void ChordHearTask::CloseTask(std::function<std::string()> hint) {
  progress::TaskClosed(attempt, repeatsInTask);
  common::SetHint(*this, std::move(hint));
  newTaskEnabled = true;
  listenAgainEnabled = false;
  EnableSettingBoxes(true);
}

void ChordHearTask::ShowStatistics(Dc& dc) {
  hintVisible = false;
  common::UsePaleBackground(dc);
  DrawStatistics(dc);
}

void ChordHearTask::DrawStatistics(Dc& dc) {
  common::DrawPanel13(*this, dc, common::StatisticsLines(*this), MessageLineAt());
}

void ChordHearTask::DrawLegendAndStatistics(Dc& dc, std::span<const int> legend) {
  common::DrawKeptMessage(*this, dc, MessageLineAt());
  common::DrawLegend(*this, dc, legend);
  DrawStatistics(dc);
}
