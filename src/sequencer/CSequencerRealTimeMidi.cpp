#include "sequencer/CSequencerRealTimeMidi.h"

#include <mutex>

#include "formats/FragmentFile.h"
#include "sound/MidiOutput.h"
#include "tasks/range/KeyboardRange.h"
#include "text/LanguageTable.h"
#include "text/TextIds.h"

CSequencerRealTimeMidi::CSequencerRealTimeMidi() {
  keysAreNotes = true;
  echoesOnActiveChannel = true;
}

void CSequencerRealTimeMidi::OnTaskButton1() {
  if (!LoadFragment(*this)) return;
  std::lock_guard lock(eventsLock);
  keysAreNotes = true;
}

void CSequencerRealTimeMidi::OnMidiInNote(MidiMessage message) {
  RecordKey(static_cast<int32_t>(midi::Data1(message)) - fragment::kKeyToNote);
}

std::array<std::string, 8> CSequencerRealTimeMidi::HelpLines() const {
  std::array<std::string, 8> lines = CSequencerRealTime37::HelpLines();
  lines[0] = T(txt::kKeyboardSeqHelpRecord);
  lines[3] = T(txt::kKeyboardSeqHelpChords);
  lines[7] = keyboard_range::Text();
  return lines;
}
