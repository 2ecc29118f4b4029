// The voice analysis on generated singing: 2,000 sung notes (harmonic vowel spectra, vibrato
// up to +-30 cents, slides into the note, 80-1100 Hz, white noise 20 dB below the voice, at
// 48 and 44.1 kHz) streamed in 10 ms blocks through VoiceAnalysis, the analysis the program
// runs on the microphone; then 400 pieces of silence and noise alone. Prints, per pitch method:
//   right      the first note reported is the sung semitone, its deviation within 20 cents of truth
//   octave     a note reported an octave or two away
//   false      silence or noise pieces (and the gaps between the notes) with a note reported
//   latency    verdict time after the note had held its 250 ms in tune (from the end of a slide)
//   cost       the analysis' processor time
// The goals: right >= 98 %, octave <= 0.5 %, false <= 1 %, latency <= 150 ms.
// Usage: bench_voice_pitch [yinfast|yin|yinfft] [confidence] [silence dB]
// (aubio 0.4.9's yinfft reports a confidence of 0 whatever it hears: give it confidence 0.)
#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>
#include <vector>

#include "listen/SungVoice.h"
#include "listen/VoiceAnalysis.h"

namespace {

constexpr int kNotes = 2000;
constexpr size_t kBlock = 10;  // ms of samples per block, as the capture delivers them

struct Truth {
  double start = 0, end = 0;  // the note's time in the stream
  double inTune = 0;          // when the slide has ended
  int semitone = 0;
  double cents = 0;           // the singer's offset from the semitone
};

struct Heard {
  std::vector<PitchFrame> frames;
  std::vector<SungNote> notes;
};

double audioSeconds = 0, analysisSeconds = 0;

Heard Analyse(const std::vector<float>& samples, uint32_t rate, const PitchAnalyserOptions& options) {
  const auto started = std::chrono::steady_clock::now();
  VoiceAnalysis analysis(rate, kDefaultToleranceCents, options);
  Heard heard;
  const size_t block = rate * kBlock / 1000;
  for (size_t at = 0; at < samples.size(); at += block) {
    const size_t n = std::min(block, samples.size() - at);
    analysis.Feed(std::span<const float>(samples.data() + at, n), heard.frames, heard.notes);
    heard.frames.clear();
  }
  audioSeconds += double(samples.size()) / rate;
  analysisSeconds += std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
  return heard;
}

struct Figures {
  int notes = 0, right = 0, octave = 0, wrong = 0, missed = 0, repeated = 0, gapReports = 0;
  int pieces = 0, falsePieces = 0;
  std::vector<double> latencyMs;
};

void SingNotes(uint32_t rate, int count, unsigned seed, const PitchAnalyserOptions& options, Figures& figures) {
  std::mt19937 random(seed);
  std::uniform_real_distribution<double> unit(0, 1);
  std::vector<float> stream;
  std::vector<Truth> truths;
  for (int i = 0; i < count; ++i) {
    sung_voice::Tone tone;
    Truth truth;
    truth.semitone = 40 + int(unit(random) * 45);  // E2 .. C6, 82 .. 1047 Hz
    truth.cents = (unit(random) - 0.5) * 50;       // up to a quarter tone off
    tone.midi = truth.semitone + truth.cents / 100;
    tone.seconds = 0.45 + 0.55 * unit(random);
    const double vibrato[] = {0, 15, 30};
    tone.vibratoCents = vibrato[i % 3];
    tone.vibratoHz = 4.5 + 2 * unit(random);
    if (i % 2) {
      tone.slideCents = (unit(random) < 0.5 ? -1 : 1) * (100 + 200 * unit(random));
      tone.slideSeconds = 0.06 + 0.09 * unit(random);
    } else {
      tone.slideSeconds = 0;
    }
    tone.vowel = int(unit(random) * 5);
    tone.amplitude = std::pow(10.0, (-30 + 22 * unit(random)) / 20);
    const double gap = 0.25 + 0.2 * unit(random);
    const size_t gapStart = stream.size();
    stream.resize(stream.size() + size_t(gap * rate), 0.0f);
    truth.start = double(stream.size()) / rate;
    const size_t noteStart = stream.size();
    sung_voice::AppendTone(stream, rate, tone, random);
    truth.end = double(stream.size()) / rate;
    truth.inTune = truth.start + std::max(0.04, tone.slideSeconds);
    const double rms = sung_voice::Rms(std::span<const float>(stream).subspan(noteStart));
    sung_voice::AddNoise(std::span<float>(stream).subspan(gapStart), rms / 10, random);  // 20 dB SNR
    truths.push_back(truth);
  }
  stream.resize(stream.size() + rate / 2, 0.0f);
  const Heard heard = Analyse(stream, rate, options);

  size_t next = 0;
  for (const Truth& truth : truths) {
    ++figures.notes;
    std::vector<SungNote> mine;
    for (; next < heard.notes.size() && heard.notes[next].seconds < truth.end + 0.15; ++next) {
      if (heard.notes[next].seconds < truth.start) ++figures.gapReports;
      else mine.push_back(heard.notes[next]);
    }
    if (mine.empty()) {
      ++figures.missed;
      continue;
    }
    figures.repeated += int(mine.size()) - 1;
    bool octave = false;
    for (const SungNote& note : mine)
      if (note.midi != truth.semitone && (note.midi - truth.semitone) % 12 == 0) octave = true;
    if (octave) ++figures.octave;
    const SungNote& first = mine.front();
    if (first.midi == truth.semitone && std::fabs(first.centsOff - truth.cents) <= 20) {
      ++figures.right;
      figures.latencyMs.push_back((first.seconds - truth.inTune - kHoldSeconds) * 1000);
    } else if (!octave) {
      ++figures.wrong;
      if (std::getenv("VOICE_PITCH_VERBOSE"))
        std::printf("wrong: sung %d %+.0f cents, heard %d %+.0f cents\n", truth.semitone, truth.cents, first.midi,
                    first.centsOff);
    }
  }
  figures.gapReports += int(heard.notes.size() - next);
}

void SilenceAndNoise(uint32_t rate, const PitchAnalyserOptions& options, Figures& figures) {
  std::mt19937 random(7);
  std::uniform_real_distribution<double> unit(0, 1);
  for (int i = 0; i < 400; ++i) {
    std::vector<float> piece;
    const size_t length = rate;
    if (i < 100) piece.assign(length, 0.0f);
    else if (i < 200) sung_voice::AppendNoise(piece, length, std::pow(10.0, (-80 + 20 * unit(random)) / 20), sung_voice::Noise::kWhite, random);
    else sung_voice::AppendNoise(piece, length, std::pow(10.0, (-50 + 42 * unit(random)) / 20),
                                 sung_voice::Noise(i % 3), random);
    ++figures.pieces;
    if (!Analyse(piece, rate, options).notes.empty()) ++figures.falsePieces;
  }
}

double Percent(int part, int whole) { return whole ? 100.0 * part / whole : 0; }

void Print(const std::string& what, Figures& f) {
  std::sort(f.latencyMs.begin(), f.latencyMs.end());
  const auto at = [&](double q) {
    return f.latencyMs.empty() ? 0.0 : f.latencyMs[std::min(f.latencyMs.size() - 1, size_t(q * f.latencyMs.size()))];
  };
  std::printf("%s\n", what.c_str());
  std::printf("  right     %5.1f %%  (%d of %d; goal >= 98 %%)\n", Percent(f.right, f.notes), f.right, f.notes);
  std::printf("  octave    %5.2f %%  (%d; goal <= 0.5 %%)   other wrong %d, missed %d, reported twice %d\n",
              Percent(f.octave, f.notes), f.octave, f.wrong, f.missed, f.repeated);
  std::printf("  false     %5.2f %%  (%d of %d silence and noise pieces; goal <= 1 %%)   in the gaps between notes: %d\n",
              Percent(f.falsePieces, f.pieces), f.falsePieces, f.pieces, f.gapReports);
  std::printf("  latency   median %.0f ms  p95 %.0f ms  worst %.0f ms  (goal <= 150 ms)\n", at(0.5), at(0.95),
              f.latencyMs.empty() ? 0.0 : f.latencyMs.back());
  std::printf("  cost      %.1f ms of one core per second of sound\n", 1000 * analysisSeconds / audioSeconds);
  audioSeconds = analysisSeconds = 0;
}

}  // namespace

int main(int argc, char** argv) {
  std::vector<PitchAnalyserOptions> runs;
  if (argc > 1) {
    PitchAnalyserOptions options;
    options.method = argv[1];
    if (argc > 2) options.minConfidence = std::strtof(argv[2], nullptr);
    if (argc > 3) options.silenceDb = std::strtof(argv[3], nullptr);
    runs.push_back(options);
  } else {
    runs.push_back({});
  }
  for (size_t r = 0; r < runs.size(); ++r) {
    Figures figures;
    SingNotes(48000, kNotes / 2, 1, runs[r], figures);
    SingNotes(44100, kNotes / 2, 2, runs[r], figures);
    SilenceAndNoise(48000, runs[r], figures);
    Print(runs[r].method + " (confidence " + std::to_string(runs[r].minConfidence).substr(0, 4) + ", silence " +
              std::to_string(int(runs[r].silenceDb)) + " dB)" + (r == 0 && argc == 1 ? ": the program's analysis" : ""),
          figures);
  }
}
