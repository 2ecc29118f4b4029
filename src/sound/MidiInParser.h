#pragma once
#include <cstddef>
#include <cstdint>
#include <functional>

// Turns the bytes one MIDI source sends into whole channel messages (packed short messages:
// status in bits 0-7). Running status is completed with the status before it; real-time bytes
// (clock, active sensing, start/stop, reset) may come anywhere and are dropped, and so are
// system exclusive and system common messages. One parser per source: running status
// belongs to the stream of one sender.
class MidiInParser {
 public:
  // Feeds bytes; each channel message completed by them goes to emit, in order.
  void Feed(const uint8_t* bytes, size_t count, const std::function<void(uint32_t)>& emit);

 private:
  uint8_t status_ = 0;  // the running status: a channel status byte, or 0 when none holds
  uint8_t data_[2] = {0, 0};
  int have_ = 0;        // data bytes of the current message so far
  bool inSystem_ = false;  // inside a system exclusive or system common message
};
