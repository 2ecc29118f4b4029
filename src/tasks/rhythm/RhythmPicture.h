#pragma once
#include <cstdint>
#include <vector>

#include "platform/Dc.h"
#include "platform/Geometry.h"
#include "tasks/rhythm/RhythmFile.h"
#include "tasks/rhythm/RhythmJudge.h"

// The rhythm and the taps of the last answer on one timeline: the rhythm's notes as bars on the
// upper row, the taps on the lower row (in time green, early blue, late red, each with its
// milliseconds), missing taps marked under their notes and extra taps in grey.
namespace rhythm {

struct AnswerPicture {
  int32_t totalMs = 0;               // the answer's bars
  std::vector<int32_t> barStartsMs;  // from the first bar, the first at 0
  std::vector<int32_t> lengthsMs;    // each note's length, in the order of the judgement's onsets
  Judgement judgement;
};

AnswerPicture MakePicture(const Rhythm& rhythm, int32_t msPerQuarter, Judgement judgement);

// A label under a tap: "+23 ms" late, "-41 ms" early, "0 ms"; missing and extra taps are named.
std::string OffsetLabel(int32_t offsetMs);

// Draws it into the area (the labels in the current font).
void DrawPicture(Dc& dc, const Rect& area, const AnswerPicture& picture);

}  // namespace rhythm
