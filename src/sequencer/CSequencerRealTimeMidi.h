#pragma once
#include "sequencer/CSequencerRealTime.h"

// The real-time sequencer played from a hardware MIDI keyboard: it records every note-on the
// keyboard sends (any note 0-127, as key note - 36) over the same count-in, quantisation,
// channels, erase and file commands as the three-octave sequencer, whose piano still takes
// clicks. The notes of a chord are recorded one by one at their ticks and sound together in
// playback. Its fragment files say that their keys are keyboard notes.
class CSequencerRealTimeMidi : public CSequencerRealTime37 {
 public:
  CSequencerRealTimeMidi();

  // Loads a fragment; its keys are taken as keyboard notes from then on.
  void OnTaskButton1() override;
  // A note-on from the keyboard (releases never come here): recorded while recording.
  void OnMidiInNote(MidiMessage message) override;

 protected:
  // The keyboard's help lines, the last one giving its measured range.
  std::array<std::string, 8> HelpLines() const override;
};
