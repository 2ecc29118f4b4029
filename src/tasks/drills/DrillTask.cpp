#include "tasks/drills/DrillTask.h"

#include <algorithm>

#include "commands/CommandIds.h"
#include "music/MidiMessage.h"
#include "platform/Clock.h"
#include "platform/ViewHost.h"
#include "progress/Recorder.h"
#include "settings/ProgramSettings.h"
#include "tasks/base/ToneTimeline.h"
#include "tasks/common/TaskCommon.h"
#include "tasks/drills/DrillChoice.h"
#include "tasks/drills/DrillHistory.h"
#include "tasks/drills/DrillLevels.h"
#include "text/LanguageTable.h"
#include "text/TextIds.h"

namespace {

// The chord tasks' words for a right answer and a revealed one.
constexpr int kSolved = 281;
constexpr int kHintSolved = 155;
constexpr int kRevealed = 291;
constexpr int kHintRevealed = 154;
// MIDI note of key 0 of every piano in the playback (PlayNote and NoteOn add it).
constexpr int32_t kKeyToNote = 36;

}  // namespace

DrillTask::DrillTask(drills::Kind kind) {
  playbackMode = kNoPlayback;
  // The drill's items are on no mode of the mode list.
  IgnoreMode();
  if (const drills::ListedDrill* listed = drills::DrillOfKind(kind)) {
    drill_ = listed->drill;
    levelKey_ = drills::LevelKey(*listed);
    const drills::DrillLevels stored = drills::ReadDrillLevels();
    if (const auto level = stored.find(levelKey_); level != stored.end()) SetLevel(level->second);
  }
  // The log's header is written before the task starts.
  title = TitleLine();
}

DrillTask::~DrillTask() {
  if (listening_) ListenForSungNotes(nullptr);
}

void DrillTask::Start() {
  SetTexts();
  if (drill_ && drill_->byVoice) {
    ListenForSungNotes([this](const SungAnswer& answer) { OnSung(answer); });
    listening_ = true;
  }
}

bool DrillTask::Singing() const {
  if (!drill_ || !drill_->byVoice || item_.question.family != drills::Family::kInterval || item_.tones.size() != 2) {
    return false;
  }
  // Without a microphone the drill's other ways answer.
  return !(MicrophoneUnavailable() && (drill_->byName || drill_->onPiano));
}

void DrillTask::ShowWaitingHint() {
  if (!Singing()) {
    common::SetHint(*this, drill_->byName ? txt::kDrillPlayHint : txt::kDrillPlayOnlyHint);
    return;
  }
  const int sing = item_.question.direction == drills::Direction::kHarmonic ? txt::kDrillSingUpper : txt::kDrillSing;
  if (!drill_->byName) {
    common::SetHint(*this, sing);
    return;
  }
  common::SetHint(*this, [sing] { return T(sing) + " " + T(txt::kDrillSingOrName); });
}

void DrillTask::SetTexts() {
  common::ShowKeptHint(*this, drill_ && drill_->byVoice ? txt::kDrillSingStartHint : txt::kDrillStartHint);
  ViewHost& view = GetViewHost();
  view.SetControlText(cmd::kListenNew, T(common::text::kListenNewCaption));
  view.SetControlText(cmd::kListenAgain, T(txt::kListenAgainCaption));
  title = TitleLine();
}

std::string DrillTask::TitleLine() const {
  return T(txt::kDrillTitle) + " " + (drill_ ? drills::TitleIn(*drill_, languageIndex) : std::string());
}

std::string DrillTask::LevelText() const {
  const size_t levels = drill_ ? drill_->levels.size() : 0;
  return T(txt::kDrillLevel) + std::to_string(level_ + 1) + " / " + std::to_string(levels);
}

drills::Item DrillTask::FitToPiano(drills::Item item) const {
  if (!OnThePiano() || item.tones.empty()) return item;
  const auto [low, high] = std::minmax_element(item.tones.begin(), item.tones.end(),
                                               [](const drills::Tone& a, const drills::Tone& b) { return a.note < b.note; });
  int32_t shift = 0;
  while (low->note + shift < LowestNote()) shift += 12;
  while (high->note + shift > LowestNote() + KeyCount() - 1) shift -= 12;
  // Moved tone by tone: a melody drawn anew would not be the one asked.
  item.reference += shift;
  for (drills::Tone& tone : item.tones) tone.note += shift;
  return item;
}

void DrillTask::OnListenNew() {
  if (!drill_) {
    GetViewHost().ShowStatus(T(txt::kDrillNone));
    return;
  }
  common::CountNewTask(*this);
  common::ClearMessage(*this);
  for (const drills::Tone& tone : item_.tones) UnmarkKey(tone.note - LowestNote());
  for (const int32_t key : studentKeys_) UnmarkKey(key);
  studentKeys_.clear();
  sung_.clear();
  GetViewHost().UpdateWindow();
  item_ = drills::DrawItem(*drill_, level_);
  if (!queuedQuestions.empty()) {
    item_ = drills::BuildItem(queuedQuestions.front(), item_.reference);
    queuedQuestions.pop_front();
  }
  item_ = FitToPiano(item_);
  played_.clear();
  if (progress::TaskRecord* record = progress::OpenTask()) {
    record->family = drills::HistoryFamily(item_.question.family);
    record->chordType = drills::HistoryItem(drills::RightAnswer(item_));
    record->chordRoot = item_.reference;
  }
  PlayItem();
  attempt = 1;
  newTaskEnabled = false;
  listenAgainEnabled = true;
  DrawSung();
  if (drill_->byName && !Singing()) {
    AskName(txt::kDrillAsk);
  } else {
    ShowWaitingHint();
  }
}

void DrillTask::PlayItem() {
  ToneTimeline timeline(*this);
  for (const drills::Tone& tone : item_.tones) {
    const int32_t key = tone.note - kKeyToNote;
    timeline.NoteOn(tone.startMs, key);
    timeline.Sends(tone.startMs + tone.lengthMs, [this, key] { NoteOff(key); });
  }
  timeline.Play();
  quietUntil_ = timeGetTime() + voice::kEchoMs;
}

void DrillTask::SetLevel(size_t level) {
  if (!drill_) return;
  level_ = std::min(level, drill_->levels.size() - 1);
  rightInARow_ = 0;
}

void DrillTask::OnListenAgain() {
  PlayItem();
  common::CountReplay(*this);
}

void DrillTask::OnLButtonDown(MouseFlags& flags, Point& point) {
  MonoMelodyTest37::OnLButtonDown(flags, point);
  // The key clicked sounds in the microphone too.
  if (listening_) quietUntil_ = timeGetTime() + voice::kClickEchoMs;
}

void DrillTask::OnEnterKey() {
  if (IsOpen() && drill_ && drill_->byName) AskName(txt::kDrillAsk);
}

void DrillTask::AskName(int dialogHint) {
  const std::vector<drills::Answer> choices = drills::Choices(drill_->levels[std::min(level_, drill_->levels.size() - 1)]);
  while (IsOpen()) {
    asking_ = true;
    const int closedBy = dialog.AskAnswer(choices, T(dialogHint));
    asking_ = false;
    if (closedBy != IDOK) {
      if (drill_->onPiano || Singing()) {
        ShowWaitingHint();
        return;
      }
      // Without the piano the dialog cannot be left without an answer.
      dialogHint = txt::kDrillAskAfterClose;
      continue;
    }
    const drills::Answer& answer = choices[std::min(dialog.selected, choices.size() - 1)];
    if (drills::IsRight(item_, answer)) {
      Solved();
      return;
    }
    if (dialog.listenAgain && repeatsInTask < common::kMostReplays && attempt < 3) {
      PlayItem();
      ++repeatsTotal;
      ++repeatsInTask;
    }
    if (Wrong(drills::HistoryItem(answer))) return;
    dialogHint = attempt == 2 ? txt::kDrillAsk2 : txt::kDrillAsk3;
  }
}

void DrillTask::OnSung(const SungAnswer& answer) {
  if (!IsOpen() || asking_ || !Singing()) return;
  if (static_cast<int32_t>(answer.startMs - quietUntil_) < 0) return;
  const int32_t lowest = LowestNote();
  const int32_t highest = lowest + KeyCount() - 1;
  const int32_t target = item_.tones[1].note;
  // Told to the history before the answer goes in: the answer may close the task.
  const std::optional<voice::SungKey> sung = voice::AnswerOnPiano(answer, 0, target, lowest, highest);
  if (!sung) return;
  sung_ = {sung->tone};
  const int32_t placed = sung->pianoNote;
  const int32_t reference = item_.tones[0].note;
  if (item_.together && placed == reference && placed != target) {
    // The lower tone of a harmonic interval sung again: on the piano one key of the two, sung
    // it is a unison, wrong as after a melodic interval.
    if (!Wrong(drills::HistoryItem(drills::Answer{.family = drills::Family::kInterval, .semitones = 0}))) {
      ShowWaitingHint();
    }
  } else {
    // The first tone is the one played: the sung one follows it.
    played_ = {reference};
    sungKey_ = true;
    OnMidiInNote(midi::Pack(midi::kNoteOn, static_cast<uint32_t>(placed), voice::kSungVelocity));
    sungKey_ = false;
  }
  // After the key's flash, which redraws it.
  const int32_t key = placed - lowest;
  if (placed != target) {
    studentKeys_.push_back(key);
    common::DrawOnView([this, key](Dc& dc) { MarkKey(dc, key, voice::kStudentBrush); });
  }
  DrawSung();
}

void DrillTask::DrawSung() {
  if (listening_) common::DrawOnView([this](Dc& dc) { voice::DrawSungLine(*this, dc, sung_); });
}

void DrillTask::OnAnswerClick(MouseFlags&, Point&) {
  if (!IsOpen() || !drill_ || !(drill_->onPiano || sungKey_) || pressedKey < 0) return;
  played_.push_back(LowestNote() + pressedKey);
  switch (drills::JudgePlayed(item_, played_)) {
    case drills::Verdict::kNotYet:
      return;
    case drills::Verdict::kRight:
      Solved();
      return;
    case drills::Verdict::kWrong: {
      const std::optional<drills::Answer> named = drills::AnswerOfPlayed(item_, played_);
      played_.clear();
      if (!Wrong(named ? std::optional<int32_t>(drills::HistoryItem(*named)) : std::nullopt)) ShowWaitingHint();
      return;
    }
  }
}

bool DrillTask::Wrong(std::optional<int32_t> named) {
  if (progress::TaskRecord* record = progress::OpenTask(); record && named) record->wrongTypes.push_back(*named);
  rightInARow_ = 0;
  const bool over = common::WrongAnswer(*this, true, 0, 0);
  common::DrawOnView([this](Dc& dc) { ShowStatistics(dc); });
  if (over) Reveal();
  return over;
}

void DrillTask::Solved() {
  common::CountSolved(*this);
  MarkTones(greenBrush);
  const bool nextLevel = attempt == 1 && ++rightInARow_ >= kRightInARowForNextLevel && level_ + 1 < drill_->levels.size();
  if (nextLevel) {
    ++level_;
    rightInARow_ = 0;
    drills::StoreDrillLevel(levelKey_, level_);
    common::ShowMessage(*this, common::kMessageGreen, [this] {
      return T(txt::kDrillNextLevel) + std::to_string(level_ + 1) + " / " + std::to_string(drill_->levels.size());
    });
  } else {
    common::ShowMessage(*this, common::kMessageGreen, kSolved);
  }
  CloseTask(common::TextOf(kHintSolved));
  attempt = 0;
  common::DrawOnView([this](Dc& dc) { ShowStatistics(dc); });
}

void DrillTask::Reveal() {
  const drills::Answer right = drills::RightAnswer(item_);
  const auto named = [right] { return T(kRevealed) + " " + drills::AnswerName(right); };
  common::ShowMessage(*this, common::kMessageRed, named);
  CloseTask([named] { return named() + ". " + T(kHintRevealed); });
  MarkTones(redBrush);
  WaitMs(common::Beat());
  AllNotesOff();
  PlayItem();
}

void DrillTask::CloseTask(std::function<std::string()> hint) {
  progress::TaskClosed(attempt, repeatsInTask);
  common::SetHint(*this, std::move(hint));
  newTaskEnabled = true;
  listenAgainEnabled = false;
}

void DrillTask::MarkTones(Brush brush) {
  if (!OnThePiano()) return;
  common::DrawOnView([this, brush](Dc& dc) {
    for (const drills::Tone& tone : item_.tones) MarkKey(dc, tone.note - LowestNote(), brush);
  });
}

void DrillTask::ResetStatistics() {
  CAbstractT::ResetStatistics();
  rightInARow_ = 0;
}

void DrillTask::DrawMessages(Dc& dc) {
  common::DrawKeptMessage(*this, dc, MessageLineAt());
  DrawStatistics(dc);
  if (listening_) voice::DrawSungLine(*this, dc, sung_);
}

void DrillTask::DrawStatistics(Dc& dc) {
  std::vector<common::PanelLine> lines = common::StatisticsLines(*this);
  // Which drill runs (the one chosen last comes back at the next start) and how far it is.
  if (drill_) lines.push_back({drills::TitleIn(*drill_, languageIndex), common::kPanelGrey});
  lines.push_back({LevelText(), common::kPanelGrey});
  DrawPanelOverLegend(dc, lines, 10);
}
