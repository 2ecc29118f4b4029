#pragma once
#include <cstdint>

// A PCM wave format as the tuning fork describes it.
struct WaveFormat {
  uint16_t formatTag = 1;  // PCM
  uint16_t channels = 1;
  uint32_t samplesPerSec = 44100;
  uint32_t avgBytesPerSec = 88200;
  uint16_t blockAlign = 2;
  uint16_t bitsPerSample = 16;
};

// The wave output: the wave source of the mixer, which takes 16-bit mono PCM at the rate the
// sound runs at (OutputRate).
class WaveOut {
 public:
  WaveOut() = default;
  ~WaveOut() { Close(); }
  WaveOut(const WaveOut&) = delete;
  WaveOut& operator=(const WaveOut&) = delete;

  // Starts the audio output if it does not run yet; the rate it runs at (44100 Hz without one).
  static uint32_t OutputRate();
  // False for any other format. Starts the audio output if it does not run yet;
  // without a sound card the output stays silent and opening still succeeds.
  bool Open(const WaveFormat& format);
  // Plays lengthBytes bytes of samples (a trailing odd byte is no whole sample); with loop set
  // it repeats until Reset. The samples are copied and replace what plays, whole.
  void Write(const int16_t* samples, uint32_t lengthBytes, bool loop);
  // Stops what plays.
  void Reset();
  void Close();
  bool IsOpen() const { return open_; }

 private:
  bool open_ = false;
};
