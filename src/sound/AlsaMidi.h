#pragma once
#include <memory>
#include <string>
#include <vector>

#include "sound/MidiInPorts.h"
#include "sound/MidiSystem.h"

// ALSA sequencer output ports through RtMidi. Ports of our own client and the kernel's
// "Midi Through" loop are never offered as devices. (The input is in MidiInPorts.)
namespace alsa_midi {

using midi_in::kClientName;

// Output ports; empty when the sequencer cannot be reached.
std::vector<std::string> OutputPorts();
// nullptr when the port cannot be opened.
std::unique_ptr<MidiOutDevice> OpenOutputPort(size_t index);

}  // namespace alsa_midi
