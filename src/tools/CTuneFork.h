#pragma once
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "sound/WaveOut.h"
#include "tasks/base/CTest37Keys.h"

// The tuning fork: a steady sine tone of the pitch of any key of the three-octave piano,
// through the wave output. A click on a key starts its tone, a second click on it stops it,
// a click on another key switches; the two control-bar buttons make it louder and softer.
class CTuneFork : public CTest37Keys {
 public:
  // The looping buffer lasts about half a second.
  static constexpr double kBufferSeconds = 0.4996;
  static constexpr int32_t kMaxAmplitude = 32767;

  CTuneFork();
  ~CTuneFork() override;

  void Start() override;
  void SetTexts() override;
  // Louder.
  void OnListenNew() override;
  // Softer.
  void OnListenAgain() override;
  void OnLButtonDown(MouseFlags& flags, Point& point) override;
  void DrawMessages(Dc& dc) override;
  // Stops the tone and takes the mark off its key.
  void AllNotesOff() override;

  // Plays the key's tone in a loop (any other key only stops the tone) and shows its frequency.
  void Sound(int32_t key);
  // The frequency line below the texts: blanked, then the frequency sounding, if any.
  void DrawFrequency(Dc& dc, const Rect& client) const;

  // Equal temperament, A = 440 Hz on key 21.
  std::array<float, 37> frequencies{};
  double phaseStep = 0.0;
  std::vector<int16_t> samples;  // at the output's rate
  WaveFormat format;
  WaveOut waveOut;
  // The looping buffer as last written: its length in bytes.
  uint32_t bufferBytes = 0;
  int32_t amplitude = 1600;
  // The frequency shown, "" while no tone sounds.
  std::string frequencyText;
};
