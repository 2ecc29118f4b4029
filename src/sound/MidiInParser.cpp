#include "sound/MidiInParser.h"

#include "sound/MidiOutput.h"

namespace {
constexpr uint8_t kRealTimeFirst = 0xF8;
}

void MidiInParser::Feed(const uint8_t* bytes, size_t count, const std::function<void(uint32_t)>& emit) {
  for (size_t i = 0; i < count; ++i) {
    const uint8_t byte = bytes[i];
    if (byte >= kRealTimeFirst) continue;  // real time: neither a message for us nor an end of one
    if (byte & midi::kStatusBit) {
      have_ = 0;
      if ((byte & midi::kKindMask) == midi::kSystem) {
        // System exclusive and system common messages end the running status.
        status_ = 0;
        inSystem_ = true;
      } else {
        status_ = byte;
        inSystem_ = false;
      }
      continue;
    }
    if (inSystem_ || status_ == 0) continue;  // data of a message we drop
    data_[have_++] = byte;
    if (have_ < midi::MessageLength(status_) - 1) continue;
    emit(midi::Pack(status_, data_[0], have_ > 1 ? data_[1] : 0));
    have_ = 0;  // the status stays: the next data bytes may use it
  }
}
