#pragma once
#include <cstdint>

#include "tasks/base/CAbstractT.h"

// The metronome: clicks at the control bar's tempo in one of 16 time signatures, the
// accented click on the first beat of a bar, and lights one beat lamp per beat. The beats
// come from timer playback (one timer call per beat); this class starts and stops it and
// draws the screen with its time signature list.
class CMetronome : public CAbstractT {
 public:
  static constexpr int kSignatureList = 106;

  CMetronome();
  ~CMetronome() override;

  void Start() override;
  void SetTexts() override;
  // Start/stop.
  void OnListenNew() override;
  void Draw(Dc& dc) override;
  // A new tempo or signature: while running, the beat restarts at the first of a bar.
  void ResetStatistics() override;

  // The timer period: one beat of the tempo, half a beat in the eighth-note signatures.
  uint32_t BeatPeriodMs() const;

  bool running = false;

 private:
  // Lamp 0 in the brush, lamps 1-7 grey, on a device context of the view.
  void PaintLamps(Brush first);
};
