#pragma once
#include <string>
#include <vector>

#include "platform/ScriptedUiHost.h"
#include "tasks/chords/CChordDialog.h"
#include "tasks/chords/ChordHearTask.h"
#include "tasks/chords/ChordPlayBaseTest.h"
#include "tasks/melody/MelodyTestSupport.h"

namespace chord_test {

using namespace melody_test;

// Chord tone or key t of the chord pianos sounds as MIDI note t + 48.
inline constexpr int kChordNote = 48;

// The tones of a chord up to its end marker.
inline std::vector<int> TonesOf(const Chords& chord) {
  std::vector<int> tones;
  for (int t : chord.chordTones) {
    if (t == chord.chordEnd) break;
    tones.push_back(t);
  }
  return tones;
}

// The answer in the chord type dialog: the type picked in the list, then one of the two
// confirming buttons.
inline DialogAction Answer(int type, bool listenAgain = false) {
  return [type, listenAgain](CDialog& dialog, DialogControls& controls) {
    const auto& chordDialog = dynamic_cast<const CChordDialog&>(dialog);
    controls.SetCurSel(CChordDialog::kTypeList, type - chordDialog.firstType);
    dialog.OnCommand(CChordDialog::kTypeList);
    dialog.OnCommand(listenAgain ? CChordDialog::kListenAgainButton : IDOK);
  };
}

class ChordApp : public MelodyApp {
 protected:
  ChordHearTask& Hearing() { return dynamic_cast<ChordHearTask&>(View().Task()); }
  ChordPlayBaseTest& Playing() { return dynamic_cast<ChordPlayBaseTest&>(View().Task()); }
  // The chord keys of the notes heard.
  std::vector<int> ChordKeys(const std::vector<Sounded>& sounds) {
    std::vector<int> keys;
    for (const Sounded& s : sounds) keys.push_back(s.note - kChordNote);
    return keys;
  }
  // A wrong type for the current chord within the triads.
  static int OtherType(int type) { return (type + 1) % 4; }
  // The dialog hints shown from the n-th dialog run on.
  std::vector<std::string> DialogHints(size_t from = 0) const {
    std::vector<std::string> hints;
    for (size_t i = from; i < host.dialogs.size(); ++i) {
      hints.push_back(host.dialogs[i].controls.at(CChordDialog::kHintText).text);
    }
    return hints;
  }
};

}  // namespace chord_test
