#pragma once
#include <array>
#include <string>

#include "sequencer/CSequencer.h"
#include "tasks/base/CTest13Keys.h"
#include "tasks/base/CTest37Keys.h"

// The real-time recording sequencer on an on-screen piano: records what the student plays
// on one MIDI channel over two bars of metronome count-in, quantised, while the other
// channels play; plays all channels with metronome clicks; loads and saves fragment files
// through the view buttons 107-109 and exports Standard MIDI Files through button 110.
template <class Piano>
class CSequencerRealTimeT : public Piano, public CSequencer {
 public:
  CSequencerRealTimeT();
  ~CSequencerRealTimeT() override;

  void OnTaskButton1() override;
  void OnTaskButton2() override;
  void OnTaskButton3() override;
  // Export as a Standard MIDI File, sounding as on this piano.
  void OnTaskButton4() override;
  void Start() override;
  void SetTexts() override;
  // Play / stop.
  void OnListenNew() override;
  // Record / stop: the recording settings first, then the count-in and the recording.
  void OnListenAgain() override;
  // The pressed key sounds on the recording channel and, while recording, is recorded.
  void OnLButtonDown(MouseFlags& flags, Point& point) override;
  // Control-bar changes leave the sequencer as it is.
  void ResetStatistics() override {}
  void DrawMessages(Dc& dc) override;

 protected:
  // Appends the key at the current tick, quantised, when recording and no earlier than
  // three ticks before the first bar.
  void RecordKey(int32_t key);
  // The eight help lines below the piano.
  virtual std::array<std::string, 8> HelpLines() const;

 private:
  // The place of file button index (0-2) at the client size.
  Rect ButtonRect(int index, bool moved) const;
};

extern template class CSequencerRealTimeT<CTest13Keys>;
extern template class CSequencerRealTimeT<CTest37Keys>;

// On the one-octave piano: keys 0-12, sounding MIDI notes 60-72.
class CSequencerRealTime13 : public CSequencerRealTimeT<CTest13Keys> {
 public:
  // Loads a fragment; one with keys above 12 is refused with a message and leaves it empty.
  void OnTaskButton1() override;
  void DrawMessages(Dc& dc) override;
};

// On the three-octave piano: keys 0-36, sounding MIDI notes 36-72.
class CSequencerRealTime37 : public CSequencerRealTimeT<CTest37Keys> {};
