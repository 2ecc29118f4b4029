#include "sequencer/CSequencerRealTimeMidi.h"

#include <mutex>

#include "sequencer/FragmentFile.h"
#include "sound/MidiOutput.h"
#include "tasks/range/KeyboardRange.h"
#include "text/LanguageTable.h"
#include "text/TextIds.h"

namespace {
// The ninth line of the help text block, below the eight help lines.
constexpr double kRangeLineDivisor = 1.183;
}  // namespace

CSequencerRealTimeMidi::CSequencerRealTimeMidi() {
  keysAreNotes = true;
  echoesOnActiveChannel = true;
  helpLines[0] = txt::kKeyboardSeqHelpRecord;
  helpLines[3] = txt::kKeyboardSeqHelpChords;
}

void CSequencerRealTimeMidi::OnTaskButton1() {
  if (!LoadFragment(*this)) return;
  std::lock_guard lock(eventsLock);
  keysAreNotes = true;
}

void CSequencerRealTimeMidi::OnMidiInNote(MidiMessage message) {
  if (midi::Data2(message) == 0) return;
  RecordKey(static_cast<int32_t>(midi::Data1(message)) - fragment::kKeyToNote);
}

void CSequencerRealTimeMidi::DrawMessages(Dc& dc) {
  CSequencerRealTime37::DrawMessages(dc);
  dc.TextOut(clientRect.right / 42, static_cast<int32_t>(clientRect.bottom / kRangeLineDivisor), keyboard_range::Text());
}
