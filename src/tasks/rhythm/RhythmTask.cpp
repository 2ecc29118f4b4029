#include "tasks/rhythm/RhythmTask.h"

#include <algorithm>
#include <array>

#include "commands/CommandIds.h"
#include "log/ResultsLog.h"
#include "platform/Clock.h"
#include "platform/ViewHost.h"
#include "progress/Recorder.h"
#include "tasks/base/ToneTimeline.h"
#include "tasks/common/TaskCommon.h"
#include "tasks/rhythm/RhythmCalibration.h"
#include "text/LanguageTable.h"
#include "text/StrFormat.h"

namespace {

using rhythm::Tap;

// The rhythm sounds on middle C.
constexpr int32_t kToneKey = 24;
constexpr int kCalibrateButton = cmd::kTaskButton1;
constexpr int kClapsButton = cmd::kTaskButton1 + 1;
constexpr int kToleranceButton = cmd::kTaskButton1 + 2;
constexpr std::array<int32_t, 6> kTolerancePercents = {6, 8, 12, 16, 20, 25};
constexpr Colour kTitleGreen{0, 128, 0};

// The lines of the statistics panel, as fractions of the client height: the text lines 3-6 of
// every task, below the answer's picture and its labels (three lines under the taps row); the
// legend stands on lines 8 and 9.
constexpr std::array<double, 4> kPanelLines = {2.01, 1.8, 1.63, 1.49};

std::vector<Point> PanelPoints(const Rect& client) {
  std::vector<Point> points;
  for (const double divisor : kPanelLines) {
    points.push_back({client.right / 42, static_cast<int32_t>(client.bottom / divisor)});
  }
  return points;
}

std::string ToleranceCaption(int32_t percent) { return T(txt::kRhythmToleranceButton) + StrFormat("%d %%", percent); }

}  // namespace

RhythmTask::RhythmTask(int32_t level) : level_(std::clamp<int32_t>(level, 0, rhythm::kLevelFiles.size() - 1)) {
  playbackMode = kNoPlayback;
  drawsWholeClient = true;
  // The log's header is written before the task starts.
  title = T(txt::kRhythmLevel1 + level_);
  settings_ = rhythm::ReadRhythmSettings();
  rhythm::LevelRead read = rhythm::ReadLevelFile(rhythm::LevelPath(rhythm::kLevelFiles[static_cast<size_t>(level_)]));
  if (read.Ok() && !read.rhythms.empty()) {
    draw_ = std::make_unique<rhythm::LevelDraw>(std::move(read.rhythms));
  } else {
    levelError_ = read.error;
  }
}

RhythmTask::~RhythmTask() {
  rhythm::GetTapSource().Stop();
  for (int id : {kCalibrateButton, kClapsButton, kToleranceButton}) GetViewHost().DestroyControl(id);
}

int32_t RhythmTask::MsPerQuarter() const { return static_cast<int32_t>(common::Beat()); }

Point RhythmTask::MessageLineAt() const { return {clientRect.right / 42, clientRect.bottom / 11}; }

void RhythmTask::Start() {
  PlaceButtons();
  SetTexts();
  if (!levelError_.empty()) {
    common::ShowMessage(*this, common::kMessageRed, [this] { return T(txt::kRhythmNoLevel) + levelError_; });
  }
}

void RhythmTask::PlaceButtons() {
  placedFor_ = GetViewHost().ClientRect();
  const int32_t w = placedFor_.right;
  const int32_t h = placedFor_.bottom;
  const int32_t width = w / 5;
  const int32_t top = h / 60;
  const int32_t bottom = top + std::max(h / 16, 24);
  int32_t left = w - 3 * (width + w / 84) - w / 42;
  for (int id : {kCalibrateButton, kClapsButton, kToleranceButton}) {
    const Rect rect{left, top, left + width, bottom};
    if (taskButtonCreated) {
      GetViewHost().MoveControl(id, rect);
    } else {
      GetViewHost().CreateButton(id, "", rect);
    }
    left += width + w / 84;
  }
  taskButtonCreated = true;
}

void RhythmTask::SetTexts() {
  title = T(txt::kRhythmLevel1 + level_);
  ViewHost& view = GetViewHost();
  view.SetControlText(cmd::kListenNew, T(common::text::kListenNewCaption));
  view.SetControlText(kCalibrateButton, T(txt::kRhythmCalibrateButton));
  view.SetControlText(kClapsButton, T(settings_.claps ? txt::kRhythmClapsOn : txt::kRhythmClapsOff));
  view.SetControlText(kToleranceButton, ToleranceCaption(settings_.tolerance.percentOfBeat));
  common::ShowKeptHint(*this, txt::kRhythmStartHint);
  view.Invalidate();
}

void RhythmTask::OnListenNew() {
  if (phase_ != Phase::kIdle) return;
  if (!draw_) {
    common::ShowMessage(*this, common::kMessageRed, [this] { return T(txt::kRhythmNoLevel) + levelError_; });
    return;
  }
  common::CountNewTask(*this);
  common::ClearMessage(*this);
  current_ = draw_->Next();
  picture_.reset();
  Repaint();
  attempt = 1;
  newTaskEnabled = false;
  listenAgainEnabled = true;
  PlayAndGather(true);
}

void RhythmTask::OnListenAgain() {
  if (phase_ != Phase::kIdle || newTaskEnabled || !current_) return;
  common::CountReplay(*this);
  PlayAndGather(true);
}

void RhythmTask::OnEnterKey() {
  if (phase_ != Phase::kIdle || newTaskEnabled || !current_) return;
  common::ClearMessage(*this);
  PlayAndGather(false);
}

void RhythmTask::PlayAndGather(bool withRhythm) {
  quarterMs_ = MsPerQuarter();
  rhythm::Schedule schedule = rhythm::MakeSchedule(*current_, quarterMs_, kToneKey);
  const int32_t bar = rhythm::TickMs(current_->time.BarTicks(), quarterMs_);
  if (!withRhythm) {
    // From the second count-in on.
    const int32_t cut = schedule.answerStartMs - bar;
    std::erase_if(schedule.sounds, [cut](const rhythm::Sound& s) { return s.atMs < cut; });
    for (rhythm::Sound& s : schedule.sounds) s.atMs -= cut;
    schedule.answerStartMs -= cut;
    schedule.answerEndMs -= cut;
  }
  common::SetHint(*this, txt::kRhythmListenHint);
  const int32_t lead = rhythm::TickMs(current_->time.BeatTicks(), quarterMs_) / 2;
  PlayThenGather(schedule, schedule.answerStartMs - bar, -lead, quarterMs_ / 2, Phase::kAnswering);
}

void RhythmTask::PlayThenGather(const rhythm::Schedule& schedule, int32_t turnMs, int32_t earliestMs, int32_t lateMs,
                                Phase phase) {
  phase_ = Phase::kPlaying;
  dueMs_ = schedule.onsetsMs;
  rhythm::TapSource& source = rhythm::GetTapSource();
  source.Begin(settings_.claps);
  uint32_t startMs = timeGetTime();
  ToneTimeline timeline(*this);
  timeline.Cue(0, [&startMs] { startMs = timeGetTime(); });
  rhythm::AddToTimeline(schedule, timeline);
  timeline.Cue(static_cast<uint32_t>(std::max(turnMs, 0)), [this] {
    common::ShowMessage(*this, common::kMessageGreen, txt::kRhythmYourTurn);
  });
  timeline.Play();
  phase_ = phase;
  answerStartMs_ = startMs + static_cast<uint32_t>(schedule.answerStartMs);
  windowFromMs_ = earliestMs;
  windowToMs_ = schedule.answerEndMs - schedule.answerStartMs + lateMs;
  // The raw taps wanted: those whose corrected time can fall into the window.
  const auto [low, high] = std::minmax_element(settings_.offsetMs.begin(), settings_.offsetMs.end());
  const uint32_t from = answerStartMs_ + static_cast<uint32_t>(windowFromMs_ + std::min(*low, 0));
  const uint32_t until = answerStartMs_ + static_cast<uint32_t>(windowToMs_ + std::max(*high, 0));
  source.FinishAt(from, until, [this](std::vector<Tap> taps) { Answer(taps); });
}

void RhythmTask::Answer(const std::vector<Tap>& taps) {
  const Phase phase = phase_;
  phase_ = Phase::kIdle;
  if (const std::string problem = rhythm::GetTapSource().ClapProblem(); settings_.claps && !problem.empty()) {
    GetViewHost().ShowStatus(T(txt::kRhythmMicProblem) + problem);
  }
  if (phase == Phase::kCalibrating) {
    Calibrate(taps);
  } else if (phase == Phase::kAnswering) {
    Judge(taps);
  }
}

void RhythmTask::Judge(const std::vector<Tap>& taps) {
  std::vector<int32_t> times;
  bool clapped = false;
  for (const Tap& tap : taps) {
    const auto t = static_cast<int32_t>(settings_.Corrected(tap) - answerStartMs_);
    if (t < windowFromMs_ || t > windowToMs_) continue;
    times.push_back(t);
    clapped = clapped || tap.channel == rhythm::TapChannel::kClap;
  }
  if (!times.empty()) progress::NoteAnswerInput(clapped ? progress::AnswerInput::kClap : progress::AnswerInput::kKeyboard);
  rhythm::Judgement judgement = rhythm::Judge(dueMs_, times, settings_.tolerance.Ms(quarterMs_), quarterMs_);
  WriteLogLine(judgement);
  const bool right = judgement.Right();
  picture_ = rhythm::MakePicture(*current_, quarterMs_, std::move(judgement));
  // Each way out paints the picture with the counts as they now stand.
  if (right) {
    common::CountSolved(*this);
    common::ShowMessage(*this, common::kMessageGreen, common::text::kSolved);
    CloseRhythmTask(common::text::kHintSolved);
    attempt = 0;
    Repaint();
    return;
  }
  if (!common::WrongAnswer(*this, true, 0, 0)) {
    const int hint = common::WrongVerdict(attempt, true, 0, 0).hint;
    common::SetHint(*this, [hint] { return T(hint) + " " + T(txt::kRhythmRetryHint); });
    Repaint();
    return;
  }
  CloseRhythmTask(txt::kRhythmRevealedHint);
  Repaint();
  // The rhythm once more, without the count-ins.
  rhythm::Schedule schedule = rhythm::MakeSchedule(*current_, quarterMs_, kToneKey);
  ToneTimeline timeline(*this);
  for (rhythm::Sound& s : schedule.sounds) {
    if (s.key < rhythm::kSoftClickKey) timeline.Tone(s.key, static_cast<uint32_t>(s.atMs - schedule.rhythmStartMs),
                                                     static_cast<uint32_t>(s.lengthMs));
  }
  timeline.Play();
}

void RhythmTask::WriteLogLine(const rhythm::Judgement& judgement) const {
  using rhythm::TapTiming;
  resultsLog.push_back(StrFormat("%s%s  (%d/%d)  %s %d, %s %d, %s %d, %s %d, %s %d", T(txt::kRhythmLogLine).c_str(),
                                 current_->text.c_str(), current_->time.beats, current_->time.unit,
                                 T(txt::kRhythmInTime).c_str(), judgement.Count(TapTiming::InTime),
                                 T(txt::kRhythmEarly).c_str(), judgement.Count(TapTiming::Early),
                                 T(txt::kRhythmLate).c_str(), judgement.Count(TapTiming::Late),
                                 T(txt::kRhythmMissing).c_str(), judgement.Count(TapTiming::Missing),
                                 T(txt::kRhythmExtra).c_str(), static_cast<int>(judgement.extraTapsMs.size())));
}

void RhythmTask::CloseRhythmTask(int hint) {
  progress::TaskClosed(attempt, repeatsInTask);
  common::SetHint(*this, hint);
  newTaskEnabled = true;
  listenAgainEnabled = false;
}

void RhythmTask::OnTaskButton1() {
  if (phase_ != Phase::kIdle || !newTaskEnabled) return;
  common::SetHint(*this, txt::kRhythmCalibrateHint);
  common::ClearMessage(*this);
  quarterMs_ = MsPerQuarter();
  const rhythm::Schedule schedule = rhythm::CalibrationSchedule(quarterMs_);
  // Taps up to half a quarter around the first and the last click.
  PlayThenGather(schedule, 0, -quarterMs_ / 2, -quarterMs_ / 2, Phase::kCalibrating);
}

void RhythmTask::Calibrate(const std::vector<Tap>& taps) {
  std::vector<int32_t> times;
  for (const Tap& tap : taps) times.push_back(static_cast<int32_t>(tap.atMs - answerStartMs_));
  const std::optional<int32_t> offset = rhythm::MeasureOffset(times, quarterMs_);
  common::ShowKeptHint(*this, txt::kRhythmStartHint);
  if (!offset) {
    common::ShowMessage(*this, common::kMessageRed, txt::kRhythmCalibrationFailed);
    return;
  }
  const auto channel = static_cast<size_t>(rhythm::MostUsedChannel(taps));
  settings_.offsetMs[channel] = std::clamp(*offset, -rhythm::kLargestOffsetMs, rhythm::kLargestOffsetMs);
  SaveSettings();
  const int32_t kept = settings_.offsetMs[channel];
  common::ShowMessage(*this, common::kMessageGreen, [kept] { return T(txt::kRhythmCalibrated) + StrFormat("%d ms", kept); });
}

void RhythmTask::OnTaskButton2() {
  if (phase_ != Phase::kIdle) return;
  settings_.claps = !settings_.claps;
  SaveSettings();
  SetTexts();
}

void RhythmTask::OnTaskButton3() {
  if (phase_ != Phase::kIdle) return;
  const auto next = std::upper_bound(kTolerancePercents.begin(), kTolerancePercents.end(),
                                     settings_.tolerance.percentOfBeat);
  settings_.tolerance.percentOfBeat = next == kTolerancePercents.end() ? kTolerancePercents.front() : *next;
  SaveSettings();
  SetTexts();
}

void RhythmTask::SaveSettings() { rhythm::WriteRhythmSettings(settings_); }

void RhythmTask::ResetStatistics() {
  CAbstractT::ResetStatistics();
  picture_.reset();
  Repaint();
}

void RhythmTask::Repaint() {
  GetViewHost().Invalidate();
  GetViewHost().UpdateWindow();
}

void RhythmTask::Draw(Dc& dc) {
  dc.FillRect(clientRect, paleGreyBrush);
  if (clientRect.right != placedFor_.right || clientRect.bottom != placedFor_.bottom) PlaceButtons();
}

void RhythmTask::ShowStatistics(Dc& dc) {
  common::UsePaleBackground(dc);
  dc.SelectFont(messageFont);
  const std::vector<Point> points = PanelPoints(clientRect);
  common::BlankAt(dc, points);
  common::DrawPanel(dc, common::StatisticsLines(*this), points);
}

void RhythmTask::DrawMessages(Dc& dc) {
  const int32_t w = clientRect.right;
  const int32_t h = clientRect.bottom;
  dc.SetBkMode(BkMode::Transparent);
  dc.SelectFont(resultFont);
  dc.SetTextColor(kTitleGreen);
  dc.TextOut(w / 42, h / 60, title);
  common::DrawKeptMessage(*this, dc, MessageLineAt());
  dc.SelectFont(messageFont);
  dc.SetBkMode(BkMode::Transparent);
  if (picture_) rhythm::DrawPicture(dc, {w / 42, h / 6, w - w / 42, static_cast<int32_t>(h / 2.75)}, *picture_);
  dc.SetBkMode(BkMode::Transparent);
  common::DrawPanel(dc, common::StatisticsLines(*this), PanelPoints(clientRect));
  dc.SetTextColor(blackBrush);
  const int32_t toleranceMs = settings_.tolerance.Ms(MsPerQuarter());
  const std::string tolerance = T(txt::kRhythmLegendTolerance) + StrFormat("±%d ms", toleranceMs);
  const std::string inputs = T(txt::kRhythmLegendInputs);
  DrawTextLines(dc, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, inputs.c_str(), tolerance.c_str());
}
