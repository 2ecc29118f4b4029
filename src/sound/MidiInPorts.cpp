#include "sound/MidiInPorts.h"

#include <jack/jack.h>
#include <rtmidi/RtMidi.h>

#include <atomic>
#include <map>
#include <stdexcept>

#include "sound/AudioServers.h"
#include "sound/MidiInParser.h"

namespace midi_in {
namespace {

void IgnoreError(RtMidiError::Type /*type*/, const std::string& /*text*/, void* /*user*/) {}

// The sequencer the keyboard comes through: ALSA's when it can be reached, else JACK's.
RtMidi::Api ChooseApi() {
  try {
    RtMidiIn alsa(RtMidi::LINUX_ALSA, kClientName);
    return RtMidi::LINUX_ALSA;
  } catch (const RtMidiError&) {
  }
  if (audio_servers::RunningJack()) return RtMidi::UNIX_JACK;
  throw std::runtime_error("neither an ALSA sequencer nor a JACK server");
}

std::unique_ptr<RtMidiIn> MakeIn(RtMidi::Api api) {
  auto in = std::make_unique<RtMidiIn>(api, kClientName);
  in->setErrorCallback(&IgnoreError);
  // System exclusive, clock and active sensing are dropped where the system lets us.
  in->ignoreTypes(true, true, true);
  return in;
}

// (RtMidi's index, shown name) of every offered port.
std::vector<std::pair<unsigned, std::string>> Offered(RtMidiIn& in) {
  std::vector<std::pair<unsigned, std::string>> ports;
  const unsigned count = in.getPortCount();
  for (unsigned i = 0; i < count; ++i) {
    const std::string name = ShownName(in.getPortName(i));
    if (!name.empty() && IsOffered(name)) ports.emplace_back(i, name);
  }
  return ports;
}

class Ports;

// One port we listen to: its own RtMidi input and its own running status.
struct Connection {
  Ports* owner = nullptr;
  std::unique_ptr<RtMidiIn> in;
  MidiInParser parser;
};

class Ports final : public MidiInDevice {
 public:
  Ports(MidiInSink sink, std::string onlyPort) : sink_(sink), onlyPort_(std::move(onlyPort)) {
    api_ = ChooseApi();
    own_ = std::make_unique<Connection>();
    own_->owner = this;
    own_->in = MakeIn(api_);
    own_->in->setCallback(&Ports::Receive, own_.get());
    own_->in->openVirtualPort(kOwnPort);
    probe_ = MakeIn(api_);
  }
  ~Ports() override {
    // Each input's thread ends with its input, before the connection it uses goes.
    for (auto& [name, connection] : connections_) connection->in.reset();
    own_->in.reset();
  }
  Ports(const Ports&) = delete;
  Ports& operator=(const Ports&) = delete;

  void Start() override { started_ = true; }
  void Stop() override { started_ = false; }

  MidiInPortChanges ConnectNewPorts() override {
    MidiInPortChanges changes;
    std::map<std::string, unsigned> present;
    for (const auto& [index, name] : Offered(*probe_)) {
      if (IsChosen(name, onlyPort_)) present.emplace(name, index);
    }
    for (auto it = connections_.begin(); it != connections_.end();) {
      if (present.count(it->first)) {
        ++it;
        continue;
      }
      changes.lost.push_back(it->first);
      it->second->in.reset();
      it = connections_.erase(it);
    }
    for (const auto& [name, index] : present) {
      if (connections_.count(name)) continue;
      auto connection = std::make_unique<Connection>();
      connection->owner = this;
      try {
        connection->in = MakeIn(api_);
        connection->in->setCallback(&Ports::Receive, connection.get());
        connection->in->openPort(index, "Aurelo keyboard");
      } catch (const RtMidiError&) {
        continue;
      }
      if (!connection->in->isPortOpen()) continue;
      connections_.emplace(name, std::move(connection));
      changes.connected.push_back(name);
    }
    return changes;
  }

 private:
  // On the input's own thread.
  static void Receive(double /*seconds*/, std::vector<unsigned char>* bytes, void* user) {
    auto* connection = static_cast<Connection*>(user);
    Ports* self = connection->owner;
    if (!bytes || bytes->empty()) return;
    connection->parser.Feed(bytes->data(), bytes->size(), [self](uint32_t message) {
      if (self->started_) self->sink_(message);
    });
  }

  MidiInSink sink_;
  std::string onlyPort_;
  RtMidi::Api api_ = RtMidi::UNSPECIFIED;
  std::atomic<bool> started_{false};
  std::unique_ptr<Connection> own_;
  std::unique_ptr<RtMidiIn> probe_;
  std::map<std::string, std::unique_ptr<Connection>> connections_;
};

}  // namespace

std::vector<std::string> PortNames() {
  std::vector<std::string> names;
  try {
    std::unique_ptr<RtMidiIn> in = MakeIn(ChooseApi());
    for (auto& [index, name] : Offered(*in)) names.push_back(std::move(name));
  } catch (const RtMidiError& error) {
    throw std::runtime_error(error.getMessage());
  }
  return names;
}

std::unique_ptr<MidiInDevice> Open(MidiInSink sink, const std::string& onlyPort) {
  try {
    return std::make_unique<Ports>(sink, onlyPort);
  } catch (const RtMidiError& error) {
    throw std::runtime_error(error.getMessage());
  }
}

}  // namespace midi_in
