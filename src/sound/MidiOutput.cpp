#include "sound/MidiOutput.h"

#include <mutex>

namespace {
// Guards the device pointer for the whole of each send, so that the device can be
// closed on the user-interface thread while the timer thread is sending.
std::mutex outputLock;
MidiOutDevice* output = nullptr;
// The innermost capture of this thread, if any.
thread_local MidiSendCapture* capture = nullptr;
}  // namespace

MidiSendCapture::MidiSendCapture() : outer_(capture) { capture = this; }
MidiSendCapture::~MidiSendCapture() { capture = outer_; }

MidiOutDevice* OpenMidiOut() {
  std::lock_guard lock(outputLock);
  return output;
}

void SetMidiOut(MidiOutDevice* device) {
  std::lock_guard lock(outputLock);
  output = device;
}

void SendShortMsg(uint32_t message) {
  if (capture) return capture->Add({message, false});
  std::lock_guard lock(outputLock);
  if (output) output->ShortMsg(message);
}

void ResetMidiOut() {
  if (capture) return capture->Add({0, true});
  std::lock_guard lock(outputLock);
  if (output) output->Reset();
}

void PrepareShortMsg(uint32_t message) {
  std::lock_guard lock(outputLock);
  if (output) output->Prepare(message);
}

bool MidiOutHasTimeline() {
  std::lock_guard lock(outputLock);
  return output && output->HasTimeline();
}

bool MidiOutReady() {
  std::lock_guard lock(outputLock);
  return !output || output->Ready();
}

void SendShortMsgAt(uint32_t message, uint32_t dueMs) {
  std::lock_guard lock(outputLock);
  if (output) output->ShortMsgAt(message, dueMs);
}

void ResetMidiOutAt(uint32_t dueMs) {
  std::lock_guard lock(outputLock);
  if (output) output->ResetAt(dueMs);
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
