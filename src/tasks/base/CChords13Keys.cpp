#include "tasks/base/CChords13Keys.h"

#include <cstddef>

#include "music/TempoTables.h"
#include "settings/ProgramSettings.h"
#include "tasks/base/ToneTimeline.h"

namespace {
// Key 0 of this piano sounds as key 12 of the three-octave range, MIDI note 48.
constexpr int32_t kChordOctave = 12;
constexpr int32_t kChordChannel = 0;
}  // namespace

void CChords13Keys::OnLButtonDown(MouseFlags&, Point& point) {
  PressKey(point, [this](int32_t key) {
    ToneTimeline timeline(*this);
    timeline.Sends(0, [this, key] { CAbstractT::PlayNote(key + kChordOctave, kChordChannel); });
    timeline.AllNotesOff(static_cast<uint32_t>(msPerBeat[static_cast<std::size_t>(ClampTempoIndex(tempoIndex))]));
    timeline.Play();
  });
}

// An octave below the other one-octave pianos.
int32_t CChords13Keys::NoteOfKey0() const { return CTest13Keys::NoteOfKey0() - kChordOctave; }
