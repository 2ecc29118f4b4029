#pragma once
#include <memory>
#include <string>
#include <vector>

#include "settings/MidiPortNames.h"
#include "sound/MidiSystem.h"

// The hardware keyboard's way in: the ALSA sequencer through RtMidi or, on a machine without
// one (containers, some sound servers), JACK MIDI when a JACK server runs. The program offers
// its own input port and connects itself to every other port that sends (or only to the one
// the user chose); ports of our own client and the kernel's "Midi Through" loop are skipped.
namespace midi_in {

// The ports a keyboard may be on now. Throws std::runtime_error when there is neither an ALSA
// sequencer nor a running JACK server.
std::vector<std::string> PortNames();
// The program's input: its own port, then (at the first ConnectNewPorts) every offered port, or
// only the one named onlyPort when that is not empty. Throws like PortNames.
std::unique_ptr<MidiInDevice> Open(MidiInSink sink, const std::string& onlyPort);

}  // namespace midi_in
