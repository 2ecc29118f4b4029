#include "sound/MidiOutput.h"

#include <mutex>

namespace {
// Guards the device pointer for the whole of each send, so that the device can be
// closed on the user-interface thread while the timer thread is sending.
std::mutex outputLock;
MidiOutDevice* output = nullptr;
}  // namespace

MidiOutDevice* OpenMidiOut() {
  std::lock_guard lock(outputLock);
  return output;
}

void SetMidiOut(MidiOutDevice* device) {
  std::lock_guard lock(outputLock);
  output = device;
}

void SendShortMsg(uint32_t message) {
  std::lock_guard lock(outputLock);
  if (output) output->ShortMsg(message);
}

void ResetMidiOut() {
  std::lock_guard lock(outputLock);
  if (output) output->Reset();
}

void SendVolumeToAllChannels(int32_t volume) {
  for (uint32_t channel = 0; channel < midi::kChannelCount; ++channel) {
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
