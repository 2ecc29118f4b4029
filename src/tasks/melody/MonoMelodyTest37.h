#pragma once
#include <span>
#include <string>

#include "tasks/base/CTest37Keys.h"
#include "tasks/melody/MelodyCommon.h"

// The base of the three-octave melody and tone search tasks. Below the keys the message
// line takes text line 1; the legend stands on the lines below it until the first
// evaluated answer or replay, then the statistics panel takes its place.
class MonoMelodyTest37 : public CTest37Keys {
 public:
  // Tone search, melodies and teacher's melodies take answers from the hardware keyboard.
  MonoMelodyTest37() { TakeKeyboardAnswers(); }
  // The statistics panel: ShowStatistics after an evaluated answer or a replay (it ends the
  // legend), DrawStatistics at every paint once the legend is gone.
  virtual void ShowStatistics(Dc& dc);
  virtual void DrawStatistics(Dc& dc);

  // Top-left corner of the message line.
  Point MessageLineAt() const;
  // Red messages after a wrong later tone of a melody, at attempts 2 and 3.
  static constexpr int kWrongLaterTone2 = 287;
  static constexpr int kWrongLaterTone3 = 288;

 protected:
  // Blanks text lines 2 to lastBlankLine (in the message font too while the legend may still
  // stand there), then writes the lines from text line 2 on.
  void DrawPanelOverLegend(Dc& dc, std::span<const melody::PanelLine> lines, int lastBlankLine);
  // The legend while hintVisible, else the statistics.
  void DrawLegendOrStatistics(Dc& dc, std::span<const std::string> legend);
};
