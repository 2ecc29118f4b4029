#include "sequencer/CSequencerRealTime.h"

#include <algorithm>
#include <array>
#include <thread>

#include "commands/CommandIds.h"
#include "platform/UiHost.h"
#include "platform/ViewHost.h"
#include "sequencer/CSeqDialog.h"
#include "settings/ProgramSettings.h"
#include "sound/MidiOutput.h"
#include "text/LanguageTable.h"
#include "text/TextIds.h"

namespace {

constexpr int kHintText = 134;
constexpr int kPlayText = 87;
constexpr int kRecordText = 88;
constexpr int kFirstButtonText = 16;
// Load, save as, save, and export as a Standard MIDI File.
constexpr int kButtonCount = 4;
constexpr int kFirstHelpLine = 327;
constexpr int kFirstExtraLine = 335;
constexpr int kWrongKeysCaption = 359;
constexpr int kWrongKeysText = 360;
constexpr int32_t kAccentClick = 39;
constexpr int32_t kCountInBars = 2;
constexpr int32_t kEarliestRecordedTick = -3;
constexpr int32_t kHighestOneOctaveKey = 12;

int ButtonId(int index) { return cmd::kTaskButton1 + index; }
int ButtonText(int index) { return index < 3 ? kFirstButtonText + index : txt::kMidiExportButton; }

}  // namespace

template <class Piano>
CSequencerRealTimeT<Piano>::CSequencerRealTimeT() {
  this->playbackMode = kSequencerPlayback;
  this->listenAgainEnabled = true;
  this->showPlaybackState = &sequencer::ShowState;
}

template <class Piano>
CSequencerRealTimeT<Piano>::~CSequencerRealTimeT() {
  // No callback may reach this object once its parts start going.
  CAbstractT::StopTimer();
  if (buttonsCreated) {
    for (int i = 0; i < kButtonCount; ++i) GetViewHost().DestroyControl(ButtonId(i));
  }
}

template <class Piano>
void CSequencerRealTimeT<Piano>::OnTaskButton1() {
  LoadFragment(*this);
}

template <class Piano>
void CSequencerRealTimeT<Piano>::OnTaskButton2() {
  SaveFragmentAs(*this);
}

template <class Piano>
void CSequencerRealTimeT<Piano>::OnTaskButton3() {
  SaveFragment(*this);
}

template <class Piano>
void CSequencerRealTimeT<Piano>::OnTaskButton4() {
  ExportMidiFile(*this, this->LowestNote());
}

template <class Piano>
Rect CSequencerRealTimeT<Piano>::ButtonRect(int index, bool moved) const {
  const int32_t w = this->clientRect.right;
  const double h = this->clientRect.bottom;
  const int32_t left = w / 42 + index * w / kButtonCount;
  // Created from margin to margin of its part of the row; moved with the part's width less w / 24.
  const int32_t right = moved ? left + w / kButtonCount - w / 24 : (index + 1) * w / kButtonCount - w / 42;
  return {left, static_cast<int32_t>(h / 1.15), right, static_cast<int32_t>(h / 1.025)};
}

template <class Piano>
void CSequencerRealTimeT<Piano>::Start() {
  ViewHost& view = GetViewHost();
  this->clientRect = view.ClientRect();
  for (int i = 0; i < kButtonCount; ++i) view.CreateButton(ButtonId(i), T(ButtonText(i)), ButtonRect(i, false));
  buttonsCreated = true;
  SetTexts();
}

template <class Piano>
void CSequencerRealTimeT<Piano>::SetTexts() {
  ViewHost& view = GetViewHost();
  view.SetControlText(cmd::kHintBox, T(kHintText));
  view.SetControlText(cmd::kListenNew, T(kPlayText));
  view.SetControlText(cmd::kListenAgain, T(kRecordText));
  if (!buttonsCreated) return;
  for (int i = 0; i < kButtonCount; ++i) view.SetControlText(ButtonId(i), T(ButtonText(i)));
}

template <class Piano>
void CSequencerRealTimeT<Piano>::OnListenNew() {
  this->StopTimer();
  if (this->playing) {
    this->playing = false;
    sequencer::ShowState(PlaybackState::kStopped);
    return;
  }
  this->playing = true;
  this->PlayNote(kAccentClick, 0);
  this->beatInBar = 0;
  this->StartTimerAtTempo();
  sequencer::ShowState(PlaybackState::kPlaying);
}

template <class Piano>
void CSequencerRealTimeT<Piano>::OnListenAgain() {
  this->AllNotesOff();
  this->StopTimer();
  if (this->playing) {
    this->playing = false;
    sequencer::ShowState(PlaybackState::kStopped);
    return;
  }
  this->playing = true;
  title = fragmentTitle;
  author = fragmentAuthor;
  CSeqDialog dialog;
  if (dialog.Run(title, author, startAgain, saveTempo, this->signatureIndex, this->barCount, quantizeIndex,
                 activeChannel) != IDOK) {
    this->playing = false;
    return;
  }
  startAgain = dialog.startAgain;
  if (startAgain) {
    title = fragmentTitle = fragment::BlanksToUnderscores(dialog.title);
    author = fragmentAuthor = fragment::BlanksToUnderscores(dialog.author);
    this->signatureIndex = std::clamp(dialog.signatureIndex, 0, 15);
    this->barCount = dialog.measures;
    std::lock_guard lock(this->eventsLock);
    this->events.clear();
    startAgain = 0;
  }
  saveTempo = dialog.saveTempo;
  quantizeIndex = dialog.quantizeIndex;
  activeChannel = std::clamp(dialog.channel, 0, 15);
  const int32_t barTicks = this->ticksPerBar[static_cast<size_t>(this->signatureIndex)];
  this->lastTick = this->barCount * barTicks;
  tempoIndex = dialog.tempoIndex;
  sequencer::ShowTempo(tempoIndex);
  this->beatInBar = 0;
  this->recording = true;
  if (dialog.eraseChannel) {
    std::lock_guard lock(this->eventsLock);
    std::erase_if(this->events, [](const NoteEvent& e) { return e.channel == activeChannel; });
  }
  this->PlayNote(kAccentClick, 0);
  this->StartTimerAtTempo();
  sequencer::ShowState(PlaybackState::kCountIn);
  // The count-in: two bars before tick 0. The first callback comes a tick period later.
  std::lock_guard lock(this->eventsLock);
  this->currentTick = -kCountInBars * barTicks;
}

template <class Piano>
void CSequencerRealTimeT<Piano>::OnLButtonDown(MouseFlags& /*flags*/, Point& point) {
  this->pressedKey = -1;
  for (int32_t key = 0; key < this->KeyCount(); ++key) {
    if (!this->KeyRegion(key).Contains(point)) continue;
    this->pressedKey = key;
    GetViewHost().SetCursor(this->handCursor);
    while (callbackRunning) std::this_thread::yield();
    this->PlayNote(key, activeChannel);
    RecordKey(key);
  }
}

template <class Piano>
void CSequencerRealTimeT<Piano>::RecordKey(int32_t key) {
  std::lock_guard lock(this->eventsLock);
  const int32_t tick = this->currentTick;
  if (!this->recording || tick < kEarliestRecordedTick) return;
  this->events.push_back({activeChannel, sequencer::Quantize(tick, sequencer::GridOf(quantizeIndex)), key});
}

template <class Piano>
std::array<std::string, 8> CSequencerRealTimeT<Piano>::HelpLines() const {
  std::array<std::string, 8> lines;
  for (size_t i = 0; i < lines.size(); ++i) lines[i] = T(kFirstHelpLine + static_cast<int>(i));
  return lines;
}

template <class Piano>
void CSequencerRealTimeT<Piano>::DrawMessages(Dc& dc) {
  dc.SetBkMode(BkMode::Transparent);
  dc.SelectFont(this->messageFont);
  dc.SetTextColor(colours::kBlack);
  const std::array<std::string, 8> lines = HelpLines();
  this->DrawTextLines(dc, lines[0].c_str(), lines[1].c_str(), lines[2].c_str(), lines[3].c_str(), lines[4].c_str(),
                      lines[5].c_str(), lines[6].c_str(), lines[7].c_str());
  if (!buttonsCreated) return;
  for (int i = 0; i < kButtonCount; ++i) GetViewHost().MoveControl(ButtonId(i), ButtonRect(i, true));
}

template class CSequencerRealTimeT<CTest13Keys>;
template class CSequencerRealTimeT<CTest37Keys>;

void CSequencerRealTime13::OnTaskButton1() {
  if (!LoadFragment(*this)) return;
  {
    // The keys of a fragment that fits are this piano's keys, whoever recorded it.
    std::lock_guard lock(eventsLock);
    keysAreNotes = false;
  }
  const bool fits = std::all_of(events.begin(), events.end(),
                                [](const NoteEvent& e) { return e.key >= 0 && e.key <= kHighestOneOctaveKey; });
  if (fits) return;
  GetUiHost().MessageBox(T(kWrongKeysText), T(kWrongKeysCaption), MB_OK | MB_ICONSTOP);
  {
    std::lock_guard lock(eventsLock);
    events.clear();
  }
  lastTick = 0;
}

void CSequencerRealTime13::DrawMessages(Dc& dc) {
  CSequencerRealTimeT<CTest13Keys>::DrawMessages(dc);
  const int32_t x = clientRect.right * 8 / 21;
  const double h = clientRect.bottom;
  const std::array<double, 3> rows = {14, 7.8, 5.3};
  for (size_t i = 0; i < rows.size(); ++i) {
    dc.TextOut(x, static_cast<int32_t>(h / rows[i]), T(kFirstExtraLine + static_cast<int>(i)));
  }
}
