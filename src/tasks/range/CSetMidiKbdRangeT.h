#pragma once
#include <array>
#include <cstdint>

#include "tasks/base/CAbstractT.h"

// The lowest and the highest note of the last completed measurement; -1 until one completes.
inline int32_t midiKbdLeftMostKey = -1;
inline int32_t midiKbdRightMostKey = -1;

// Measures the range of a hardware MIDI keyboard: after "Listen to a new task" the student
// presses the lowest and the highest key (in either order) and then any key; the range is
// shown in a message box, kept in the settings and shown on the screen from then on.
class CSetMidiKbdRangeT : public CAbstractT {
 public:
  void Start() override;
  void SetTexts() override;
  // Starts a measurement; "Listen to a new task" stays off until it completes.
  void OnListenNew() override;
  void OnMidiInNote(MidiMessage message) override;
  void Draw(Dc& dc) override;
  void DrawMessages(Dc& dc) override;

  static constexpr int kListenNewCaption = 93;
  static constexpr int kHeading = 255;

  // Note-on messages stored in the current measurement, 0-2.
  int32_t notesReceived = 0;
  // Incoming notes are used only while set.
  bool measuring = false;
  // The first two notes of the measurement.
  std::array<int32_t, 2> rangeNotes{};
};
