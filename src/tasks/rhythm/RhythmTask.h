#pragma once
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "tasks/base/CAbstractT.h"
#include "tasks/rhythm/RhythmLevels.h"
#include "tasks/rhythm/RhythmPicture.h"
#include "tasks/rhythm/RhythmSettings.h"
#include "tasks/rhythm/RhythmTiming.h"
#include "tasks/rhythm/TapSource.h"
#include "text/TextIds.h"

// Rhythm repetition: one bar counted in on the metronome's clicks, a rhythm of the level on one
// tone, one more bar counted in, then the student taps the rhythm back (keys, MIDI or claps,
// through the installed tap source). Three attempts: Enter taps again after a count-in, R hears
// the rhythm again. After each answer the rhythm and the taps are drawn on one timeline.
// The Calibrate button measures the delay of the student's taps against eight clicks.
class RhythmTask : public CAbstractT {
 public:
  // level: 0-4, an index into rhythm::kLevelFiles.
  explicit RhythmTask(int32_t level);
  ~RhythmTask() override;

  void Start() override;
  void SetTexts() override;
  void OnListenNew() override;
  void OnListenAgain() override;
  void OnEnterKey() override;
  // Calibrate, claps on/off, tolerance.
  void OnTaskButton1() override;
  void OnTaskButton2() override;
  void OnTaskButton3() override;
  void Draw(Dc& dc) override;
  void DrawMessages(Dc& dc) override;
  void ResetStatistics() override;

  // The taps of an answer or of the calibration, as the tap source hands them over.
  void Answer(const std::vector<rhythm::Tap>& taps);

  Point MessageLineAt() const;
  void ShowStatistics(Dc& dc);

  const rhythm::RhythmSettings& Settings() const { return settings_; }
  // The rhythm being asked; none before the first task.
  const rhythm::Rhythm* Current() const { return current_ ? &*current_ : nullptr; }
  const std::optional<rhythm::AnswerPicture>& Picture() const { return picture_; }

 private:
  enum class Phase { kIdle, kPlaying, kAnswering, kCalibrating };

  int32_t MsPerQuarter() const;
  // Plays the schedule (from its second count-in only when withRhythm is false) and gathers
  // the taps of its answer bars.
  void PlayAndGather(bool withRhythm);
  // Plays it; the student's turn is told at turnMs. Then the taps from earliestMs before the
  // answer's start to lateMs after its end are gathered for the phase.
  void PlayThenGather(const rhythm::Schedule& schedule, int32_t turnMs, int32_t earliestMs, int32_t lateMs,
                      Phase phase);
  void Judge(const std::vector<rhythm::Tap>& taps);
  void Calibrate(const std::vector<rhythm::Tap>& taps);
  void WriteLogLine(const rhythm::Judgement& judgement) const;
  void CloseRhythmTask(int hint);
  void PlaceButtons();
  // The whole view drawn again now (the timeline, the panel).
  void Repaint();
  void SaveSettings();

  int32_t level_;
  std::unique_ptr<rhythm::LevelDraw> draw_;
  std::string levelError_;
  std::optional<rhythm::Rhythm> current_;
  std::optional<rhythm::AnswerPicture> picture_;
  rhythm::RhythmSettings settings_;
  Phase phase_ = Phase::kIdle;
  // Where the answer's first bar began on the clock (calibration: the first click).
  uint32_t answerStartMs_ = 0;
  std::vector<int32_t> dueMs_;  // the onsets (calibration: clicks) from answerStartMs_
  // The taps counted, from answerStartMs_ (corrected by the calibration's offsets).
  int32_t windowFromMs_ = 0;
  int32_t windowToMs_ = 0;
  // The tempo of the playback being answered.
  int32_t quarterMs_ = 0;
  // The client area the buttons were placed for.
  Rect placedFor_{};
};

// One class a level, so that each has its title.
template <int32_t Level>
class RhythmLevelTask final : public RhythmTask {
 public:
  static constexpr int kTitle = txt::kRhythmLevel1 + Level;
  RhythmLevelTask() : RhythmTask(Level) {}
};
