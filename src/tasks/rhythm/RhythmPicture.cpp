#include "tasks/rhythm/RhythmPicture.h"

#include <algorithm>
#include <string>

#include "tasks/rhythm/RhythmTiming.h"
#include "text/LanguageTable.h"
#include "text/StrFormat.h"
#include "text/TextIds.h"

namespace rhythm {
namespace {

constexpr Colour kInTimeColour{0, 140, 0};
constexpr Colour kEarlyColour{0, 70, 220};
constexpr Colour kLateColour{210, 0, 0};
constexpr Colour kExtraColour{120, 120, 120};
constexpr Colour kNoteColour{40, 40, 40};
constexpr Colour kBarLineColour{150, 150, 150};

Colour ColourOf(TapTiming timing) {
  switch (timing) {
    case TapTiming::InTime:
      return kInTimeColour;
    case TapTiming::Early:
      return kEarlyColour;
    case TapTiming::Late:
    case TapTiming::Missing:
      return kLateColour;
  }
  return kLateColour;
}

// The x of a moment of the answer. The axis runs from aroundMs before the first bar to aroundMs
// after the last (room for the tolerance, early and late taps and extra taps, which are drawn
// at most a sixteenth of the answer outside it), right of the taps row's label.
struct Scale {
  Rect area;
  int32_t totalMs = 1;
  int32_t labelWidth = 0;
  int32_t aroundMs = 0;
  int32_t X(int32_t ms) const {
    const int32_t pad = area.Width() / 32;
    const int32_t left = labelWidth + pad;
    const int64_t width = std::max(area.Width() - left - pad, 1);
    const int64_t span = std::max(totalMs + 2 * aroundMs, 1);
    return area.left + left + static_cast<int32_t>(width * (ms + aroundMs) / span);
  }
};

void Line(Dc& dc, int x1, int y1, int x2, int y2) {
  dc.MoveTo(x1, y1);
  dc.LineTo(x2, y2);
}

// A tap's mark: a vertical stroke three pixels wide.
void TapMark(Dc& dc, int32_t x, int32_t top, int32_t bottom, Colour colour) {
  dc.FillRect({x - 1, top, x + 2, bottom}, colour);
}

}  // namespace

AnswerPicture MakePicture(const Rhythm& rhythm, int32_t msPerQuarter, Judgement judgement) {
  AnswerPicture picture;
  picture.totalMs = TickMs(rhythm.Ticks(), msPerQuarter);
  for (int32_t bar = 0; bar < rhythm.bars; ++bar) {
    picture.barStartsMs.push_back(TickMs(bar * rhythm.time.BarTicks(), msPerQuarter));
  }
  for (const Note& note : rhythm.notes) picture.lengthsMs.push_back(TickMs(note.length, msPerQuarter));
  picture.judgement = std::move(judgement);
  return picture;
}

std::string OffsetLabel(int32_t offsetMs) { return StrFormat(offsetMs > 0 ? "+%d ms" : "%d ms", offsetMs); }

void DrawPicture(Dc& dc, const Rect& area, const AnswerPicture& picture) {
  if (area.IsEmpty() || picture.totalMs <= 0) return;
  const int32_t around = std::max(picture.judgement.toleranceMs, picture.totalMs / 16);
  const Scale scale{area, picture.totalMs, dc.GetTextExtent(T(txt::kRhythmRowTaps)).cx, around};
  const int32_t h = area.Height();
  const int32_t lineHeight = std::max(dc.GetTextExtent("0").cy, 1);
  const int32_t rhythmTop = area.top + lineHeight + h / 20;
  const int32_t rhythmBottom = rhythmTop + h / 6;
  const int32_t tapTop = rhythmBottom + h / 8;
  const int32_t tapBottom = tapTop + h / 6;
  const int32_t labelY = tapBottom + h / 30;
  dc.SetBkMode(BkMode::Transparent);
  dc.SetTextColor(kNoteColour);
  dc.TextOut(area.left, area.top, T(txt::kRhythmRowRhythm));
  dc.TextOut(area.left, rhythmBottom + h / 30, T(txt::kRhythmRowTaps));
  // The bar lines across both rows, and the tolerance around each note.
  dc.SetPenColor(kBarLineColour);
  for (const int32_t start : picture.barStartsMs) Line(dc, scale.X(start), rhythmTop, scale.X(start), tapBottom);
  Line(dc, scale.X(picture.totalMs), rhythmTop, scale.X(picture.totalMs), tapBottom);
  Line(dc, scale.X(0), tapBottom, scale.X(picture.totalMs), tapBottom);
  const Judgement& judgement = picture.judgement;
  for (size_t i = 0; i < judgement.onsets.size(); ++i) {
    const OnsetResult& onset = judgement.onsets[i];
    const int32_t length = i < picture.lengthsMs.size() ? picture.lengthsMs[i] : 0;
    const int32_t x = scale.X(onset.onsetMs);
    dc.FillRect({x, rhythmTop, std::max(scale.X(onset.onsetMs + length * 7 / 8), x + 3), rhythmBottom},
                kNoteColour);
    const int32_t left = scale.X(onset.onsetMs - judgement.toleranceMs);
    const int32_t right = scale.X(onset.onsetMs + judgement.toleranceMs);
    dc.FillRect({left, tapTop, std::max(right, left + 1), tapBottom}, Colour{215, 235, 215});
    dc.SetTextColor(ColourOf(onset.timing));
    if (!onset.offsetMs) {
      dc.TextOut(x, labelY, T(txt::kRhythmMissing));
      continue;
    }
    const int32_t tapX = scale.X(onset.onsetMs + *onset.offsetMs);
    TapMark(dc, tapX, tapTop, tapBottom, ColourOf(onset.timing));
    // Labels alternate between two lines, so that close taps keep theirs apart.
    dc.TextOut(tapX, labelY + static_cast<int32_t>(i % 2) * lineHeight, OffsetLabel(*onset.offsetMs));
  }
  dc.SetTextColor(kExtraColour);
  // Each extra tap is marked; its word only where the one before leaves room for it.
  const std::string extra = T(txt::kRhythmExtra);
  const int32_t extraWidth = dc.GetTextExtent(extra).cx;
  int32_t free = area.left;
  for (const int32_t tap : judgement.extraTapsMs) {
    const int32_t x = scale.X(std::clamp(tap, -picture.totalMs / 16, picture.totalMs + picture.totalMs / 16));
    TapMark(dc, x, tapTop, tapBottom, kExtraColour);
    if (x < free) continue;
    dc.TextOut(x, labelY + 2 * lineHeight, extra);
    free = x + extraWidth + lineHeight / 2;
  }
}

}  // namespace rhythm
