#pragma once
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "platform/Dialog.h"

// "MIDI settings": the active channel, the instrument and key velocity of each channel, the
// metronome's percussion sound and the hardware keyboard option. Instruments and velocities
// change at once while the dialog is open; "Exit" undoes them, "Save and exit" keeps them.
class CDialogMidiOptions : public CDialog {
 public:
  static constexpr int kTemplateId = 221;
  static constexpr int kChannelList = 1044;
  static constexpr int kInstrumentList = 1037;
  static constexpr int kVelocitySlider = 1045;
  static constexpr int kDrumList = 1038;
  static constexpr int kListenInstrument = 1039;
  static constexpr int kListenDrum = 1040;
  static constexpr int kStopAll = 1041;
  static constexpr int kHardwareKeyboardBox = 1083;
  static constexpr int kKeyboardPortLabel = 1084;
  // The keyboard's input port: item 0 every port, then the ports by name.
  static constexpr int kKeyboardPortList = 1085;
  static constexpr int kLatencyLabel = 1086;
  // The audio latency: low, normal, safe.
  static constexpr int kLatencyList = 1087;
  static constexpr int kExitButton = IDCANCEL;
  static constexpr int kSaveButton = IDOK;

  // Keeps the programs, velocities and drum note as they are now, for "Exit".
  CDialogMidiOptions();
  void OnInitDialog() override;
  void DoDataExchange(bool save) override;
  void OnCommand(int id) override;

  int32_t savedDrumNote = 0;
  std::array<int32_t, 16> savedPrograms{};
  std::array<int32_t, 16> savedVelocities{};
  int32_t channel = 0;
  int32_t velocity = 0;
  int32_t program = 0;
  // Index in the drum list: key - 35.
  int32_t drum = 0;
  int32_t hardwareKeyboard = 0;
  // Index in the port list, and the list's port names (item 1 on).
  int32_t keyboardPort = 0;
  int32_t latency = 0;
  std::vector<std::string> portNames;

 private:
  // Shows the selected channel's instrument and velocity.
  void ShowChannel();
  void ListenInstrument();
  void ListenDrum();
  // "Exit": silence, the programs and velocities of all channels and the drum note back.
  void Undo();
  // "Save and exit": silence, then every channel's program sent again.
  void Keep();
};

// Command "MIDI settings": shows the dialog; "Save and exit" takes over the drum note, the
// active channel, the hardware keyboard option and its input port (from the next start), and
// the audio latency (at once).
void MidiSettings();
