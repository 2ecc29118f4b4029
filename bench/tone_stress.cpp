// The pieces of the stress check bench/stress_tones.sh, which records the program through a
// PulseAudio null sink while processes spin on the cores:
//   bench_tone_stress settings DIR TYPE TEMPO   writes DIR/AureloSettings.dat for task type and tempo index
//                                              (and the latency choice LATENCY, when set)
//   bench_tone_stress analyse FILE.wav KIND BEAT_MS PLAYBACKS
//                                               finds the tones of each playback in the recording and
//                                               checks them (KIND: chord = three tones, each one beat
//                                               with a silent beat after it; melody = four tones of a beat)
//   bench_tone_stress calibrate KIND BEAT_MS    renders the playback offline through the synthesiser
//                                               with exact timing and analyses it (checks the analysis)
// A tone passes when it is there, its length is within 10 % of the beat and its onset within
// 50 ms of its beat counted from the playback's first tone.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "settings/CSettingsBank.h"
#include "settings/ProgramSettings.h"
#include "sound/Mixer.h"
#include "sound/SoundFont.h"
#include "sound/Synth.h"
#include "sound/WaveSource.h"

namespace {

constexpr double kHopMs = 2.5;
constexpr double kWindowMs = 5.0;
constexpr double kSmoothMs = 20.0;  // the level for the release
constexpr double kRiseDb = 5.0;        // an attack: this much above the quietest of the last 30 ms
constexpr double kRiseLookMs = 30.0;
constexpr double kMinGapMs = 80.0;     // two onsets are at least this far apart
// The release: the level starts to fall clearly faster than just before (a held piano tone
// decays 10-50 dB/s, a released one about 90-100 dB/s). Its start is where that change peaks.
constexpr double kReleaseDbPerS = 60;
constexpr double kSteeperDbPerS = 30;
constexpr double kBeforeMs = 100.0;
constexpr double kSlopeMs = 60.0;
constexpr double kLongSlopeMs = 150.0;
constexpr double kFloorDb = 45.0;      // below the loudest frame: silence
constexpr double kAttackDb = 15.0;     // an attack reaches this close to the loudest frame
constexpr double kAboveBeforeDb = 3.0; // and rises above the level of 30-60 ms before (a dropout does not)
constexpr double kLengthTolerance = 0.10;
constexpr double kOnsetToleranceMs = 50.0;
constexpr double kShortestTone = 0.4;  // of a beat: anything shorter is a click

struct Sound {
  std::vector<float> samples;
  double rate = 44100;
};

uint32_t Le(const unsigned char* p, int n) {
  uint32_t v = 0;
  for (int i = n - 1; i >= 0; --i) v = (v << 8) | p[i];
  return v;
}

// 16-bit PCM WAV, channels mixed; the data runs to the end of the file whatever its header says.
bool ReadWav(const std::string& path, Sound& out) {
  std::ifstream f(path, std::ios::binary);
  std::vector<unsigned char> b((std::istreambuf_iterator<char>(f)), std::istreambuf_iterator<char>());
  if (b.size() < 12 || std::memcmp(b.data(), "RIFF", 4) != 0) return false;
  size_t pos = 12;
  int channels = 0;
  int bits = 0;
  while (pos + 8 <= b.size()) {
    const uint32_t size = Le(&b[pos + 4], 4);
    if (std::memcmp(&b[pos], "fmt ", 4) == 0 && pos + 24 <= b.size()) {
      channels = static_cast<int>(Le(&b[pos + 10], 2));
      out.rate = Le(&b[pos + 12], 4);
      bits = static_cast<int>(Le(&b[pos + 22], 2));
    } else if (std::memcmp(&b[pos], "data", 4) == 0) {
      if (channels <= 0 || bits != 16) return false;
      const size_t frames = (b.size() - pos - 8) / (2 * static_cast<size_t>(channels));
      for (size_t i = 0; i < frames; ++i) {
        float sum = 0;
        for (int c = 0; c < channels; ++c) {
          const auto v = static_cast<int16_t>(Le(&b[pos + 8 + (i * channels + c) * 2], 2));
          sum += static_cast<float>(v) / 32768.0f;
        }
        out.samples.push_back(sum / static_cast<float>(channels));
      }
      return true;
    }
    pos += 8 + size + (size & 1);
  }
  return false;
}

void WriteWav(const std::string& path, const std::vector<float>& s, int rate) {
  std::ofstream f(path, std::ios::binary);
  auto put = [&f](uint32_t v, int n) {
    for (int i = 0; i < n; ++i) f.put(static_cast<char>((v >> (8 * i)) & 0xFF));
  };
  const auto bytes = static_cast<uint32_t>(s.size() * 2);
  f.write("RIFF", 4);
  put(36 + bytes, 4);
  f.write("WAVEfmt ", 8);
  put(16, 4);
  put(1, 2);
  put(1, 2);
  put(static_cast<uint32_t>(rate), 4);
  put(static_cast<uint32_t>(rate * 2), 4);
  put(2, 2);
  put(16, 2);
  f.write("data", 4);
  put(bytes, 4);
  for (float v : s) put(static_cast<uint16_t>(static_cast<int16_t>(std::clamp(v, -1.0f, 1.0f) * 32767)), 2);
}

struct Tone {
  double onsetMs = 0;
  double endMs = 0;
};

// Level in dB of each hop over a window of the given length; of the sample-to-sample
// differences when asked (that stresses the hammer noise of an attack, which stands out even
// while the tone before still sounds).
std::vector<double> Envelope(const Sound& s, double windowMs, bool differences) {
  const auto hop = static_cast<size_t>(s.rate * kHopMs / 1000);
  const auto window = static_cast<size_t>(s.rate * windowMs / 1000);
  std::vector<double> db;
  for (size_t i = 1; i + window <= s.samples.size(); i += hop) {
    double sum = 0;
    for (size_t j = i; j < i + window; ++j) {
      const double v = differences ? s.samples[j] - s.samples[j - 1] : s.samples[j];
      sum += v * v;
    }
    db.push_back(10 * std::log10(sum / static_cast<double>(window) + 1e-12));
  }
  return db;
}

// Every attack, and where its tone ends: at the next attack, or where the level first falls
// faster than a held tone decays (the release), or where it sinks into silence.
std::vector<Tone> FindTones(const Sound& s) {
  const std::vector<double> attack = Envelope(s, kWindowMs, true);
  const std::vector<double> db = Envelope(s, kSmoothMs, false);
  if (db.empty()) return {};
  const double attackTop = *std::max_element(attack.begin(), attack.end());
  const double top = *std::max_element(db.begin(), db.end());
  const double floor = top - kFloorDb;
  const auto look = static_cast<size_t>(kRiseLookMs / kHopMs);
  const auto gap = static_cast<size_t>(kMinGapMs / kHopMs);
  const auto slope = static_cast<size_t>(kSlopeMs / kHopMs);
  std::vector<size_t> onsets;
  for (size_t i = 2 * look; i < attack.size() && i < db.size(); ++i) {
    if (db[i] < floor) continue;
    const auto from = [&](size_t k) { return attack.begin() + static_cast<long>(k); };
    const double earlier = *std::max_element(from(i - 2 * look), from(i - look));
    const double quiet = *std::min_element(from(i - look), from(i));
    const double after = attack[std::min(i + look / 2, attack.size() - 1)];
    if (attack[i] - quiet < kRiseDb || after < attackTop - kAttackDb || after < earlier + kAboveBeforeDb) continue;
    if (!onsets.empty() && i - onsets.back() < gap) continue;
    size_t start = i;  // back to where the rise began
    while (start > i - look && attack[start - 1] > quiet + 3) --start;
    onsets.push_back(start);
    i += gap;
  }
  std::vector<Tone> tones;
  for (size_t k = 0; k < onsets.size(); ++k) {
    const size_t next = k + 1 < onsets.size() ? onsets[k + 1] : db.size();
    size_t end = next;
    const auto before = static_cast<size_t>(kBeforeMs / kHopMs);
    const auto longSlope = static_cast<size_t>(kLongSlopeMs / kHopMs);
    // Fall rates in dB/s after and before hop i.
    const auto after = [&](size_t i, size_t n) { return (db[i] - db[std::min(i + n, db.size() - 1)]) * 1000 / (n * kHopMs); };
    const auto steeper = [&](size_t i) { return after(i, slope) - (db[i - before] - db[i]) * 1000 / kBeforeMs; };
    for (size_t i = std::max(onsets[k] + gap, onsets[k] + before); i + slope < next; ++i) {
      if (db[i] < floor) {
        end = i;
        break;
      }
      if (after(i, slope) < kReleaseDbPerS || after(i, longSlope) < kReleaseDbPerS || steeper(i) < kSteeperDbPerS) continue;
      end = i;
      for (size_t j = i; j < i + slope && j + slope < next; ++j) {
        if (steeper(j) > steeper(end)) end = j;
      }
      break;
    }
    tones.push_back({static_cast<double>(onsets[k]) * kHopMs, static_cast<double>(end) * kHopMs});
  }
  return tones;
}

struct Pattern {
  int tones;
  int beatsApart;  // onset to onset
  int beatsLong;   // one playback, onset of the first tone to the end
};

Pattern PatternOf(const std::string& kind) { return kind == "melody" ? Pattern{4, 1, 4} : Pattern{3, 2, 6}; }

// Checks the playbacks in the recording; prints one line per playback and a summary line
// "tones P/T ..." that the script collects. Returns the number of complete playbacks.
int Analyse(const Sound& s, const std::string& kind, double beat, int playbacks, const char* label) {
  const Pattern p = PatternOf(kind);
  const std::vector<Tone> tones = FindTones(s);
  size_t t = 0;
  int complete = 0;
  for (int k = 0; k < playbacks; ++k) {
    std::printf("%s playback %d:", label, k + 1);
    if (t >= tones.size()) {
      std::printf(" silent FAIL\n");
      continue;
    }
    const double first = tones[t].onsetMs;
    // Up to half a beat after the last tone's beat: the next playback starts a beat later or more.
    const double windowEnd = first + ((p.tones - 1) * p.beatsApart + 0.5) * beat;
    int good = 0;
    int found = 0;
    double worstOnset = 0;
    double worstLength = 0;
    int clicks = 0;
    for (; t < tones.size() && tones[t].onsetMs < windowEnd; ++t) {
      const double rel = tones[t].onsetMs - first;
      if (tones[t].endMs - tones[t].onsetMs < kShortestTone * beat) {
        // A click, such as the sound server's dropout makes: no tone of its own.
        std::printf(" (click %+.0f ms)", rel);
        ++clicks;
        continue;
      }
      ++found;
      const double place = std::round(rel / (p.beatsApart * beat));
      const double onsetError = rel - place * p.beatsApart * beat;
      const double length = tones[t].endMs - tones[t].onsetMs;
      const double lengthError = length / beat - 1;
      worstOnset = std::max(worstOnset, std::fabs(onsetError));
      worstLength = std::max(worstLength, std::fabs(lengthError));
      std::printf(" [%+.0f ms, %.0f ms]", rel, length);
      if (std::fabs(onsetError) <= kOnsetToleranceMs && std::fabs(lengthError) <= kLengthTolerance) ++good;
    }
    const bool ok = found == p.tones && good == p.tones;
    complete += ok ? 1 : 0;
    std::printf("  tones %d/%d good %d, clicks %d, worst onset %.1f ms, worst length %+.1f %% %s\n", found, p.tones,
                good, clicks, worstOnset, 100 * worstLength, ok ? "ok" : "FAIL");
  }
  return complete;
}

// The playback as the task sends it, rendered with exact timing: note-on at each tone's beat,
// the chord's reset one beat later, the melody's next note cutting the one before.
Sound RenderOffline(const std::string& kind, double beat) {
  Sound out;
  const auto font = FindSoundFont();
  std::unique_ptr<Synth> synth = font ? Synth::Create(*font, Mixer::kDefaultRate) : nullptr;
  if (!synth) return out;
  WaveSource wave;
  Mixer mixer(wave);
  mixer.SetSynth(synth.get());
  const Pattern p = PatternOf(kind);
  const int notes[4] = {60, 64, 67, 72};
  const auto at = [&](double ms) { return static_cast<size_t>(ms * out.rate / 1000); };
  std::vector<std::pair<size_t, uint32_t>> events;  // frame, message (0: reset)
  const double lead = 200;
  for (int i = 0; i < p.tones; ++i) {
    const double on = lead + i * p.beatsApart * beat;
    if (kind == "melody" && i > 0) events.push_back({at(on), midi::Pack(midi::kNoteOff, notes[i - 1], 0)});
    events.push_back({at(on), midi::Pack(midi::kNoteOn, notes[i], 127)});
    if (kind == "chord") events.push_back({at(on + beat), 0});
  }
  events.push_back({at(lead + p.beatsLong * beat), 0});
  const size_t total = at(lead + (p.beatsLong + 2) * beat);
  out.samples.assign(total, 0);
  std::vector<float> right(total);
  size_t done = 0;
  for (const auto& [frame, message] : events) {
    mixer.RenderOffline(out.samples.data() + done, right.data() + done, static_cast<int>(frame - done));
    done = frame;
    if (message == 0) {
      mixer.Reset();
    } else {
      mixer.Send(message);
    }
  }
  mixer.RenderOffline(out.samples.data() + done, right.data() + done, static_cast<int>(total - done));
  return out;
}

int Usage() {
  std::fprintf(stderr,
               "usage: bench_tone_stress settings DIR TYPE TEMPO | analyse FILE.wav chord|melody BEAT_MS PLAYBACKS"
               " | calibrate chord|melody BEAT_MS\n");
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) return Usage();
  const std::string command = argv[1];
  if (command == "settings" && argc == 5) {
    CSettingsBank bank;
    bank.LoadSettings("");  // the first-start settings
    taskType = static_cast<uint16_t>(std::atoi(argv[3]));
    tempoIndex = std::atoi(argv[4]);
    windowRect = {40, 40, 1040, 800};
    useHardwareMidiKeyboard = 0;  // no message about a missing keyboard at start
    // LATENCY=0|1|2 stores that audio latency choice; without it the first start's is used.
    if (const char* latency = std::getenv("LATENCY")) audioLatency = std::clamp(std::atoi(latency), 0, kAudioLatencyChoices - 1);
    return bank.SaveSettings(std::string(argv[2]) + "/AureloSettings.dat") ? 0 : 1;
  }
  if (command == "analyse" && argc == 6) {
    Sound s;
    if (!ReadWav(argv[2], s)) {
      std::fprintf(stderr, "%s: not a 16-bit WAV file\n", argv[2]);
      return 1;
    }
    const int playbacks = std::atoi(argv[5]);
    return Analyse(s, argv[3], std::atof(argv[4]), playbacks, argv[2]) == playbacks ? 0 : 1;
  }
  if (command == "calibrate" && argc == 4) {
    const Sound s = RenderOffline(argv[2], std::atof(argv[3]));
    WriteWav("/tmp/aurelo-calibrate.wav", s.samples, static_cast<int>(s.rate));
    return Analyse(s, argv[2], std::atof(argv[3]), 1, "offline") == 1 ? 0 : 1;
  }
  return Usage();
}
