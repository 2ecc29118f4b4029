#pragma once
#include <array>
#include <cstdint>
#include <functional>
#include <span>
#include <string>

#include "tasks/base/CChords13Keys.h"
#include "tasks/chords/CChordDialog.h"
#include "tasks/chords/Chords.h"

// What the chord recognition tasks share on the one-octave piano: the program sounds a
// chord in basic position, the student presses its root and names its type in the chord
// type dialog (or, from one tone, only names the type of a chord on the Key box's tonic).
// Three attempts in all, shared between the root and the type.
class ChordHearTask : public CChords13Keys, public Chords {
 public:
  void Start() override;
  void OnListenNew() override;
  void OnListenAgain() override;
  void ResetStatistics() override;

  // Sounds the current chord: its tones one after another, each for one beat and then one
  // beat of silence.
  virtual void PlayChord();

  // The statistics panel right of the keys; ShowStatistics also ends the start prompt.
  void ShowStatistics(Dc& dc);
  void DrawStatistics(Dc& dc);
  // Top-left corner of the message line.
  Point MessageLineAt() const;

  CChordDialog chordDialog;

 protected:
  // lastType: 3 for the triad classes, 14 for the others; fromOne: the root is the tonic.
  ChordHearTask(int32_t lastType, bool fromOne);

  // The tones sounding together for one beat (the Poly classes).
  void PlayChordTogether();
  // The hint box, the two button captions, the names of the types and the title.
  void SetChordTexts(int startHint, int titleId);
  // The legend below the keys (texts of lines 2-8), then the statistics panel.
  void DrawLegendAndStatistics(Dc& dc, std::span<const int> legend);
  // The key just pressed taken as the root; when it is, the type is asked.
  void AnswerRoot();

 private:
  // Draws a random chord fitting the current mode into chordTones.
  void ChooseChord();
  // Whether the chord's tones are scale tones stacked in thirds (a sixth in place of the
  // seventh allowed).
  bool FitsMode() const;
  // Asks the type until it is named, or the attempts are used up.
  void IdentifyType(int dialogHint);
  // Into the progress history (solved at the attempt, or not solved: 0); the hint, "Listen to a
  // new task" instead of "Listen again", the boxes free again.
  void CloseTask(std::function<std::string()> hint);
  void EnableSettingBoxes(bool enable);

  int32_t lastType_;
  bool fromOne_;
};
