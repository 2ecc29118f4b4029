#pragma once
#include <memory>
#include <string>
#include <vector>

#include "sound/MidiSystem.h"

// ALSA sequencer ports through RtMidi. Ports of our own client and the kernel's
// "Midi Through" loop are never offered as devices.
namespace alsa_midi {

inline constexpr const char* kClientName = "Aurelo";
inline constexpr const char* kOwnInputPort = "Aurelo MIDI In";

// Output ports; empty when the sequencer cannot be reached.
std::vector<std::string> OutputPorts();
// nullptr when the port cannot be opened.
std::unique_ptr<MidiOutDevice> OpenOutputPort(size_t index);
// External input ports plus our own; throws when the sequencer cannot be reached.
int InputCount();
// Our own input port, connected to the first external input port when there is one.
std::unique_ptr<MidiInDevice> OpenInput(MidiInSink sink);

}  // namespace alsa_midi
