#pragma once
#include <array>
#include <cstdint>

// MIDI status bytes and controllers.
namespace midi {
inline constexpr uint8_t kNoteOff = 0x80;
inline constexpr uint8_t kNoteOn = 0x90;
inline constexpr uint8_t kControlChange = 0xB0;
inline constexpr uint8_t kProgramChange = 0xC0;
inline constexpr uint8_t kChannelVolume = 7;
inline constexpr int kPercussionChannel = 9;

// Packs a short message: status in bits 0-7, data 1 in bits 8-15, data 2 in bits 16-23.
constexpr uint32_t Pack(uint32_t status, uint32_t data1 = 0, uint32_t data2 = 0) {
  return (status & 0xFF) | ((data1 & 0xFF) << 8) | ((data2 & 0xFF) << 16);
}
}  // namespace midi

// An open MIDI output: sends short messages and resets (silences every channel).
class MidiOutDevice {
 public:
  virtual ~MidiOutDevice() = default;
  virtual void ShortMsg(uint32_t message) = 0;
  // Silences every note on all 16 channels; programs and controllers stay.
  virtual void Reset() = 0;
};

// Process-wide MIDI state.
inline std::array<int32_t, 16> channelVelocity = {127, 127, 127, 127, 127, 127, 127, 127,
                                                  127, 127, 127, 127, 127, 127, 127, 127};
inline std::array<int32_t, 16> channelProgram{};
inline std::array<int32_t, 16> lastNoteWord{};
inline int32_t metronomeDrumNote = 37;
inline int32_t activeChannel = 0;
inline bool midiInFailed = false;

// The open output device; nothing is sent while none is open. The caller keeps ownership.
MidiOutDevice* OpenMidiOut();
void SetMidiOut(MidiOutDevice* device);
// Sends one short message to the open output; silently nothing without one.
void SendShortMsg(uint32_t message);
// Resets the open output.
void ResetMidiOut();
// Control change 7 with the volume on all 16 channels, channel 0 first.
void SendVolumeToAllChannels(int32_t volume);
// Puts the per-channel tables back to their start values.
void ResetMidiState();
