#pragma once
#include <chrono>
#include <string>
#include <vector>

// A PulseAudio source the student may choose as the microphone.
struct InputDevice {
  std::string name;         // what the settings keep (VoiceSettings::inputDevice)
  std::string description;  // what the desktop calls it ("Built-in Audio Analog Stereo")
  bool monitor = false;     // it hears an output, not a microphone
  bool isDefault = false;   // the desktop's default input
};

// The sound server's sources, in its order; empty when there is no server or it does not
// answer within the timeout. Blocks the caller up to the timeout.
std::vector<InputDevice> ListInputDevices(std::chrono::milliseconds timeout = std::chrono::milliseconds(1000));
