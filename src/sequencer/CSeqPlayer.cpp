#include "sequencer/CSeqPlayer.h"

#include <array>

#include "commands/CommandIds.h"
#include "platform/ViewHost.h"
#include "text/LanguageTable.h"

namespace {

constexpr int kHintText = 135;
constexpr int kPlayStopText = 86;
constexpr int kOpenText = 89;
constexpr Colour kGreenText{0, 128, 0};
constexpr Colour kBlueText{0, 0, 128};
constexpr Colour kBlackText{0, 0, 0};

// The panel's separator: 69 em dashes.
std::string PanelRule() {
  std::string line;
  for (int i = 0; i < 69; ++i) line += "\u2014";
  return line;
}

}  // namespace

CSeqPlayer::CSeqPlayer() {
  playbackMode = kFragmentPlayback;
  listenAgainEnabled = true;
  lastTick = 0;
  showPlaybackState = &sequencer::ShowState;
}

CSeqPlayer::~CSeqPlayer() { CAbstractT::StopTimer(); }

void CSeqPlayer::Start() {
  SetTexts();
}

void CSeqPlayer::SetTexts() {
  ViewHost& view = GetViewHost();
  view.SetControlText(cmd::kHintBox, T(kHintText));
  view.SetControlText(cmd::kListenNew, T(kPlayStopText));
  view.SetControlText(cmd::kListenAgain, T(kOpenText));
}

void CSeqPlayer::OnListenNew() {
  StopTimer();
  if (playing) {
    playing = false;
    sequencer::ShowState(PlaybackState::kStopped);
    return;
  }
  playing = true;
  beatInBar = 0;
  StartTimerAtTempo();
  sequencer::ShowState(PlaybackState::kPlaying);
}

void CSeqPlayer::OnListenAgain() {
  LoadFragment(*this, true);
  shownTitle = fragment::UnderscoresToBlanks(fragmentTitle);
  shownAuthor = fragment::UnderscoresToBlanks(fragmentAuthor);
  GetViewHost().Invalidate();
}

void CSeqPlayer::DrawMessages(Dc& dc) {
  const int w = clientRect.right;
  const double h = clientRect.bottom;
  const int x = w / 42;
  auto rowAt = [h](double divisor) { return static_cast<int>(h / divisor); };
  dc.FillRect(clientRect, lightGreyBrush);
  dc.SetBkMode(BkMode::Transparent);
  dc.SelectFont(resultFont);
  struct Line {
    double divisor;
    Colour colour;
    std::string text;
  };
  const std::string rule = PanelRule();
  const std::array<Line, 12> lines = {{
      {12, kBlackText, T(338)},
      {6, kBlackText, T(339)},
      {4, kBlackText, T(340)},
      {3, kBlackText, rule},
      {2.6, kGreenText, T(341)},
      {2.27, kBlueText, shownTitle},
      {2.01, kBlackText, rule},
      {1.8, kGreenText, T(342)},
      {1.63, kBlueText, shownAuthor},
      {1.49, kBlackText, rule},
      {1.37, kBlackText, T(343)},
      {1.27, kBlackText, T(344)},
  }};
  for (const Line& line : lines) {
    dc.SetTextColor(line.colour);
    dc.TextOut(x, rowAt(line.divisor), line.text);
  }
  const auto signature = static_cast<size_t>(signatureIndex.load());
  dc.TextOut(w / 3, rowAt(1.37), signature < signatureNames.size() ? signatureNames[signature] : std::string());
  dc.TextOut(w / 3, rowAt(1.27), std::to_string(barCount));
}
