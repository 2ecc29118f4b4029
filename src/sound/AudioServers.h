#pragma once
#include <optional>
#include <string>

// What the sound servers of the system ask for, found out without opening an output: the
// synthesiser must run at the rate of the audio it feeds, or every pitch is off by the ratio.
namespace audio_servers {

// A running JACK server (never started for this): its sample rate and period in frames.
struct JackServer {
  int rate = 0;
  int periodFrames = 0;
};
std::optional<JackServer> RunningJack();

// The sample rate of the PulseAudio (or PipeWire) server's default sink; nullopt without a
// server that answers within a moment.
std::optional<int> PulseSinkRate();

// The rate ALSA's device gives for the one asked: the nearest it supports.
std::optional<int> AlsaRate(const std::string& device, int wanted);

// The nearest rate the synthesiser can run at (FluidSynth takes 8-96 kHz): a server at 192 kHz
// gets a synthesiser at 96 kHz, which PulseAudio and ALSA convert; only JACK cannot.
int SynthRateNear(int rate);

// The rate the output will run at, by the order in which AudioOutput tries the servers.
int PreferredRate();

}  // namespace audio_servers
