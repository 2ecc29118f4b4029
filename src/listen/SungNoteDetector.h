#pragma once
#include <deque>
#include <optional>
#include <vector>

#include "listen/PitchFrame.h"

inline constexpr int kDefaultToleranceCents = 35;
inline constexpr int kLowestToleranceCents = 10;
inline constexpr int kHighestToleranceCents = 50;
inline constexpr double kHoldSeconds = 0.25;

// A note the student sang: one semitone held long enough.
struct SungNote {
  int midi = 0;             // the semitone held (MIDI note number)
  float centsOff = 0;       // mean deviation from it over the hold, cents (+ sharp, - flat)
  double startSeconds = 0;  // stream time the hold began
  double seconds = 0;       // stream time of the verdict
};

// Finds sung notes in the pitch frames: a note is sung when, for kHoldSeconds, the pitch stays
// at one semitone with a mean deviation within the tolerance. Single frames may swing further
// (tolerance + 30 cents: vibrato), and a few frames may drop out or jump (a breath, an octave
// slip of the pitch estimate), so a slide into the note and vibrato are sung notes. A note is
// reported once; the same note again needs a break first (a short silence or a new onset).
class SungNoteDetector {
 public:
  explicit SungNoteDetector(int toleranceCents = kDefaultToleranceCents);

  // Clamped to kLowestToleranceCents..kHighestToleranceCents.
  void SetTolerance(int cents);
  int Tolerance() const { return toleranceCents_; }

  // The next frame, in stream order; a note when this frame completes one.
  std::optional<SungNote> Add(const PitchFrame& frame);
  void Reset();

 private:
  std::optional<SungNote> HeldNote(double now) const;

  int toleranceCents_;
  std::deque<PitchFrame> window_;  // the frames of the last kHoldSeconds
  double hopSeconds_ = 0;
  double silentSeconds_ = 0;       // how long the pitch has been missing up to now
  std::optional<int> lastNote_;
  // The last note again only from a hold starting after a break: the first silence since that
  // note (an onset heard later within the new tone, as vibrato may give, does not undo it),
  // or the latest onset.
  std::optional<double> silenceFrom_;
  double onsetFrom_ = 0;
  mutable std::vector<float> scratch_;
};
