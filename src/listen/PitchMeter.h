#pragma once
#include <deque>
#include <optional>
#include <span>

#include "listen/PitchFrame.h"

// One point of the pitch trace.
struct TracePoint {
  double seconds = 0;
  float midi = 0;  // 0: no pitch
};

// What the pitch meter shows, from the frames the listener heard: the note nearest the voice,
// a needle in cents from it, the level, and the trace of the last seconds (for a piano roll).
// Window-thread data only; the drawing is the window's.
class PitchMeter {
 public:
  explicit PitchMeter(double traceSeconds = 5);

  void Add(std::span<const PitchFrame> frames);
  void Clear();

  // The note while the voice sounds (and kNoteLingerSeconds after it); nullopt else.
  std::optional<int> Note() const { return note_; }
  // The needle: cents from Note(), -50..+50, steadied over the last few frames.
  float Cents() const { return cents_; }
  float LevelDb() const { return levelDb_; }
  // Oldest first, covering the last traceSeconds.
  const std::deque<TracePoint>& Trace() const { return trace_; }

  static constexpr double kNoteLingerSeconds = 0.3;

 private:
  double traceSeconds_;
  std::deque<TracePoint> trace_;
  std::deque<float> recent_;  // the last voiced pitches, for the needle
  std::optional<int> note_;
  float cents_ = 0;
  float levelDb_ = -120;
  double lastVoiced_ = 0;
};
