#include "sound/MidiOutput.h"

#include <atomic>

namespace {
std::atomic<MidiOutDevice*> output{nullptr};
}

MidiOutDevice* OpenMidiOut() { return output.load(); }
void SetMidiOut(MidiOutDevice* device) { output.store(device); }

void SendShortMsg(uint32_t message) {
  if (MidiOutDevice* d = output.load()) d->ShortMsg(message);
}

void ResetMidiOut() {
  if (MidiOutDevice* d = output.load()) d->Reset();
}

void SendVolumeToAllChannels(int32_t volume) {
  for (uint32_t channel = 0; channel < 16; ++channel) {
    SendShortMsg(midi::Pack(midi::kControlChange + channel, midi::kChannelVolume, static_cast<uint32_t>(volume)));
  }
}

void ResetMidiState() {
  channelVelocity.fill(127);
  channelProgram.fill(0);
  lastNoteWord.fill(0);
  metronomeDrumNote = 37;
  activeChannel = 0;
  midiInFailed = false;
}
