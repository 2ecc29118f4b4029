#include "sound/AlsaMidi.h"

#include <rtmidi/RtMidi.h>


namespace alsa_midi {
namespace {

bool IsOffered(const std::string& portName) { return midi_in::IsOffered(midi_in::ShownName(portName)); }

void IgnoreError(RtMidiError::Type /*type*/, const std::string& /*text*/, void* /*user*/) {}

// Indices (in RtMidi's numbering) of the ports we offer.
std::vector<unsigned> OfferedPorts(RtMidi& midi) {
  std::vector<unsigned> ports;
  const unsigned count = midi.getPortCount();
  for (unsigned i = 0; i < count; ++i) {
    if (IsOffered(midi.getPortName(i))) ports.push_back(i);
  }
  return ports;
}

class PortOut final : public MidiOutDevice {
 public:
  explicit PortOut(std::unique_ptr<RtMidiOut> out) : out_(std::move(out)) {}
  void ShortMsg(uint32_t message) override {
    const unsigned char bytes[3] = {midi::Status(message), midi::Data1(message), midi::Data2(message)};
    if ((bytes[0] & midi::kStatusBit) == 0) return;
    out_->sendMessage(bytes, static_cast<size_t>(midi::MessageLength(bytes[0])));
  }
  // Every channel: all sound off, then all notes off. Programs and controllers stay.
  void Reset() override {
    for (uint32_t ch = 0; ch < midi::kChannelCount; ++ch) {
      ShortMsg(midi::Pack(midi::kControlChange + ch, midi::kAllSoundOff, 0));
      ShortMsg(midi::Pack(midi::kControlChange + ch, midi::kAllNotesOff, 0));
    }
  }

 private:
  std::unique_ptr<RtMidiOut> out_;
};

}  // namespace

std::vector<std::string> OutputPorts() {
  std::vector<std::string> names;
  try {
    RtMidiOut out(RtMidi::LINUX_ALSA, kClientName);
    out.setErrorCallback(&IgnoreError);
    for (unsigned i : OfferedPorts(out)) names.push_back(out.getPortName(i));
  } catch (const RtMidiError&) {
    names.clear();
  }
  return names;
}

std::unique_ptr<MidiOutDevice> OpenOutputPort(size_t index) {
  try {
    auto out = std::make_unique<RtMidiOut>(RtMidi::LINUX_ALSA, kClientName);
    out->setErrorCallback(&IgnoreError);
    const std::vector<unsigned> ports = OfferedPorts(*out);
    if (index >= ports.size()) return nullptr;
    out->openPort(ports[index], "Aurelo MIDI Out");
    if (!out->isPortOpen()) return nullptr;
    return std::make_unique<PortOut>(std::move(out));
  } catch (const RtMidiError&) {
    return nullptr;
  }
}

}  // namespace alsa_midi
