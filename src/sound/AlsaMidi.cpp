#include "sound/AlsaMidi.h"

#include <rtmidi/RtMidi.h>

#include <atomic>

namespace alsa_midi {
namespace {

bool IsOffered(const std::string& portName) {
  return portName.rfind(std::string(kClientName) + ":", 0) != 0 && portName.rfind("Midi Through:", 0) != 0;
}

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

class PortsIn final : public MidiInDevice {
 public:
  explicit PortsIn(MidiInSink sink) : sink_(sink) {
    own_ = Make();
    own_->openVirtualPort(kOwnInputPort);
    auto external = Make();
    const std::vector<unsigned> ports = OfferedPorts(*external);
    if (!ports.empty()) {
      external->openPort(ports.front(), "Aurelo keyboard");
      external_ = std::move(external);
    }
  }
  void Start() override { started_ = true; }
  void Stop() override { started_ = false; }

 private:
  std::unique_ptr<RtMidiIn> Make() {
    auto in = std::make_unique<RtMidiIn>(RtMidi::LINUX_ALSA, kClientName);
    in->setErrorCallback(&IgnoreError);
    in->ignoreTypes(true, true, true);
    in->setCallback(&PortsIn::Receive, this);
    return in;
  }

  static void Receive(double /*seconds*/, std::vector<unsigned char>* bytes, void* user) {
    auto* self = static_cast<PortsIn*>(user);
    if (!self->started_ || !bytes || bytes->empty() || bytes->size() > 3) return;
    uint32_t message = 0;
    for (size_t i = 0; i < bytes->size(); ++i) message |= static_cast<uint32_t>((*bytes)[i]) << (8 * i);
    self->sink_(message);
  }

  MidiInSink sink_;
  std::atomic<bool> started_{false};
  std::unique_ptr<RtMidiIn> own_;
  std::unique_ptr<RtMidiIn> external_;
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

int InputCount() {
  RtMidiIn in(RtMidi::LINUX_ALSA, kClientName);
  in.setErrorCallback(&IgnoreError);
  return static_cast<int>(OfferedPorts(in).size()) + 1;
}

std::unique_ptr<MidiInDevice> OpenInput(MidiInSink sink) {
  try {
    return std::make_unique<PortsIn>(sink);
  } catch (const RtMidiError&) {
    return nullptr;
  }
}

}  // namespace alsa_midi
