#include "tools/CMetronome.h"

#include <array>

#include "commands/CommandIds.h"
#include "music/TempoTables.h"
#include "platform/ViewHost.h"
#include "settings/ProgramSettings.h"
#include "text/LanguageTable.h"
#include "text/TextIds.h"

namespace {

constexpr int kHint = 117;
constexpr int kStartStopCaption = 92;
constexpr int kListTitle = 226;
constexpr std::array<int, 5> kExplanations = {227, 228, 229, 230, 231};
constexpr std::array<int, 5> kExplanationTops = {50, 70, 90, 120, 140};
constexpr Rect kListRect{10, 10, 60, 30};
constexpr int kShownLamps = 8;
constexpr int kLampTop = 180;
constexpr int kLampBottom = 250;
constexpr int32_t kAccentClick = 39;
constexpr int32_t kFirstEighthSignature = 8;
constexpr int32_t kFourFour = 3;

}  // namespace

CMetronome::CMetronome() { playbackMode = kMetronomePlayback; }

CMetronome::~CMetronome() {
  if (running) StopTimer();
  GetViewHost().DestroyControl(kSignatureList);
}

void CMetronome::Start() {
  ViewHost& view = GetViewHost();
  view.CreateList(kSignatureList, kListRect, signatureNames, kFourFour);
  SetTexts();
}

void CMetronome::SetTexts() {
  ViewHost& view = GetViewHost();
  view.SetControlText(cmd::kHintBox, T(kHint));
  view.SetControlText(cmd::kListenNew, T(kStartStopCaption));
  view.SetControlText(cmd::kListenAgain, T(txt::kListenAgainCaption));
}

uint32_t CMetronome::BeatPeriodMs() const {
  const auto beat = static_cast<uint32_t>(msPerBeat[static_cast<size_t>(ClampTempoIndex(tempoIndex))]);
  return signatureIndex >= kFirstEighthSignature ? beat / 2 : beat;
}

void CMetronome::OnListenNew() {
  if (running) {
    running = false;
    StopTimer();
    beatInBar = 0;
    PaintLamps(lightGreyBrush);
    return;
  }
  running = true;
  PlayNote(kAccentClick, 0);
  // The click at the start is the first beat; the timer's first call sounds the second.
  const int32_t signature = signatureIndex;
  beatInBar = (signature == 0 || signature == kFirstEighthSignature) ? 0 : 1;
  StartTimer(BeatPeriodMs());
  PaintLamps(redBrush);
}

void CMetronome::ResetStatistics() {
  if (!running) return;
  StopTimer();
  beatInBar = 0;
  StartTimer(BeatPeriodMs());
}

void CMetronome::PaintLamps(Brush first) {
  std::unique_ptr<Dc> dc = GetViewHost().GetDC();
  if (!dc) return;
  dc->FillRect(beatLamps[0], first);
  for (size_t i = 1; i < kShownLamps; ++i) dc->FillRect(beatLamps[i], lightGreyBrush);
}

void CMetronome::Draw(Dc& dc) {
  dc.FillRect(clientRect, lightGreyBrush);
  const int32_t w = clientRect.right - 20;
  for (int32_t k = 0; k < kShownLamps; ++k) {
    Rect& lamp = beatLamps[static_cast<size_t>(k)];
    lamp = {k * w / 8 + 15, kLampTop, (k + 1) * w / 8 + 5, kLampBottom};
    dc.FillRect(lamp, lightGreyBrush);
  }
  dc.SelectFont(messageFont);
  dc.SetBkMode(BkMode::Opaque);
  dc.SetBkColor(lightGreyBrush);
  dc.TextOut(66, 13, T(kListTitle));
  for (size_t i = 0; i < kExplanations.size(); ++i) dc.TextOut(10, kExplanationTops[i], T(kExplanations[i]));
}
