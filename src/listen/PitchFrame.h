#pragma once

// What the voice analysis heard in one hop of the input (a few milliseconds).
struct PitchFrame {
  double seconds = 0;     // stream time at the end of the hop, from the first sample analysed
  float midi = 0;         // pitch as a fractional MIDI note number (69 = A4 at 440 Hz); 0: no pitch
  float confidence = 0;   // how sure the pitch estimate is, 0..1
  float levelDb = -120;   // loudness of the hop, dB below full scale
  bool onset = false;     // a note starts in this hop
  bool Voiced() const { return midi > 0; }
};
