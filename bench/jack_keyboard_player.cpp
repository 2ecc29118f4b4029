// A stand-in for a hardware keyboard on a JACK MIDI server: a client "KeysPlayer" with the
// output port "keys" (Aurelo connects itself to it), which plays the MIDI notes read from
// standard input, one a line: note-on with velocity 90, 250 ms, then note-on with velocity 0
// as keyboards send their note-offs. "wait MS" pauses. Used by bench/jack_keyboard.sh.
#include <rtmidi/RtMidi.h>

#include <chrono>
#include <cstdio>
#include <exception>
#include <iostream>
#include <string>
#include <thread>
#include <vector>

int main() {
  try {
    RtMidiOut out(RtMidi::UNIX_JACK, "KeysPlayer");
    out.openVirtualPort("keys");
    std::printf("KeysPlayer:keys ready\n");
    std::fflush(stdout);
    std::string line;
    while (std::getline(std::cin, line)) {
      if (line.rfind("wait ", 0) == 0) {
        std::this_thread::sleep_for(std::chrono::milliseconds(std::stoi(line.substr(5))));
        continue;
      }
      if (line.empty()) continue;
      const auto note = static_cast<unsigned char>(std::stoi(line));
      std::vector<unsigned char> on = {0x90, note, 90};
      out.sendMessage(&on);
      std::this_thread::sleep_for(std::chrono::milliseconds(250));
      std::vector<unsigned char> off = {0x90, note, 0};
      out.sendMessage(&off);
      std::printf("played %d\n", note);
      std::fflush(stdout);
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
  } catch (const std::exception& error) {
    std::fprintf(stderr, "KeysPlayer: %s\n", error.what());
    return 1;
  }
  return 0;
}
