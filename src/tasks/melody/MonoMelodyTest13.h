#pragma once
#include <span>
#include <string>

#include "tasks/base/CTest13Keys.h"
#include "tasks/melody/MelodyCommon.h"

// The base of the one-octave melody and tone search tasks. Their feedback stands on a
// message line right of the keys, the statistics panel below it; the legend stays below
// the keys.
class MonoMelodyTest13 : public CTest13Keys {
 public:
  // Tone search, melodies and teacher's melodies take answers from the hardware keyboard.
  MonoMelodyTest13() { TakeKeyboardAnswers(); }
  // The statistics panel: ShowStatistics after an evaluated answer or a replay (it ends the
  // start prompt), DrawStatistics at every paint (with the start prompt on the message line
  // while that still stands).
  virtual void ShowStatistics(Dc& dc);
  virtual void DrawStatistics(Dc& dc);

  // Top-left corner of the message line.
  Point MessageLineAt() const;
  // Red messages after a wrong later tone of a melody, at attempts 2 and 3.
  static constexpr int kWrongLaterTone2 = 285;
  static constexpr int kWrongLaterTone3 = 286;

 protected:
  // Blanks the places of the lines, writes the start prompt while hintVisible, then the lines.
  void DrawPanelWithPrompt(Dc& dc, std::span<const melody::PanelLine> lines);
  // The legend below the keys (from line 2 on), then DrawStatistics.
  void DrawLegendAndStatistics(Dc& dc, std::span<const std::string> legend);
};
