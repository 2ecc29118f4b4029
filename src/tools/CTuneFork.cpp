#include "tools/CTuneFork.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <string>

#include "commands/CommandIds.h"
#include "platform/UiHost.h"
#include "platform/ViewHost.h"
#include "text/LanguageTable.h"
#include "text/StrFormat.h"

namespace {

constexpr int kNoWaveOutput = 218;
constexpr int kExitNoWaveOutput = 2;
constexpr int kHint = 116;
constexpr int kLouderCaption = 90;
constexpr int kSofterCaption = 91;
constexpr int kKeyOfA440 = 21;
// Whole periods in about half a second (22016 samples at 44100 Hz) per hertz.
constexpr double kPeriodsPerHertz = 0.4992290249433107;
constexpr uint32_t kBytesPerSample = 2;
constexpr int32_t kLouderPercent = 120;
constexpr int32_t kSofterPercent = 80;
constexpr Colour kFrequencyBack{240, 240, 240};
constexpr Colour kFrequencyGreen{0, 128, 0};

}  // namespace

CTuneFork::CTuneFork() {
  pressedKey = -1;
  lastKey = -1;
  listenAgainEnabled = true;
  playbackMode = kNoPlayback;
  for (size_t k = 0; k < frequencies.size(); ++k) {
    frequencies[k] = static_cast<float>(440.0 * std::pow(2.0, (static_cast<double>(k) - kKeyOfA440) / 12.0));
  }
  // The tone is made at the rate the sound runs at, so that it sounds at its frequency.
  format.samplesPerSec = WaveOut::OutputRate();
  format.avgBytesPerSec = format.samplesPerSec * kBytesPerSample;
  phaseStep = 2.0 * std::numbers::pi / format.samplesPerSec;
  samples.resize(static_cast<size_t>(std::ceil(kBufferSeconds * format.samplesPerSec)));
  if (!waveOut.Open(format)) {
    GetUiHost().MessageBox(T(kNoWaveOutput), "Error!", MB_OK | MB_ICONEXCLAMATION);
    GetUiHost().ExitProcess(kExitNoWaveOutput);
  }
}

CTuneFork::~CTuneFork() {
  waveOut.Reset();
  waveOut.Close();
}

void CTuneFork::Start() {
  SetTexts();
}

void CTuneFork::SetTexts() {
  ViewHost& view = GetViewHost();
  view.SetControlText(cmd::kHintBox, T(kHint));
  view.SetControlText(cmd::kListenNew, T(kLouderCaption));
  view.SetControlText(cmd::kListenAgain, T(kSofterCaption));
}

void CTuneFork::OnListenNew() {
  const int32_t louder = amplitude * kLouderPercent / 100;
  if (louder <= kMaxAmplitude) amplitude = louder;
  Sound(pressedKey);
}

void CTuneFork::OnListenAgain() {
  amplitude = amplitude * kSofterPercent / 100;
  Sound(pressedKey);
}

void CTuneFork::OnLButtonDown(MouseFlags&, Point& point) {
  for (int32_t i = 0; i < KeyCount(); ++i) {
    if (!KeyRegion(i).Contains(point)) continue;
    GetViewHost().SetCursor(handCursor);
    if (std::unique_ptr<Dc> dc = GetViewHost().GetDC()) {
      if (i == pressedKey) {
        DrawKeyNormal(*dc, i);
        pressedKey = -1;
      } else {
        if (lastKey >= 0 && lastKey < KeyCount()) DrawKeyNormal(*dc, lastKey);
        MarkKey(*dc, i, greenBrush);
        pressedKey = i;
      }
    }
    Sound(pressedKey);
    lastKey = i;
  }
}

void CTuneFork::AllNotesOff() {
  if (pressedKey >= 0 && pressedKey < KeyCount()) {
    if (std::unique_ptr<Dc> dc = GetViewHost().GetDC()) DrawKeyNormal(*dc, pressedKey);
  }
  pressedKey = -1;
  Sound(-1);
}

void CTuneFork::DrawFrequency(Dc& dc, const Rect& client) const {
  const int32_t x = client.right / 42;
  const auto y = static_cast<int32_t>(client.bottom / 1.183);
  dc.SetBkMode(BkMode::Opaque);
  dc.SetBkColor(kFrequencyBack);
  dc.SetTextColor(kFrequencyGreen);
  dc.SelectFont(resultFont);
  dc.TextOut(x, y, std::string(260, ' '));
  if (!frequencyText.empty()) dc.TextOut(x, y, frequencyText);
}

void CTuneFork::Sound(int32_t key) {
  waveOut.Reset();
  const bool sounds = key >= 0 && key < static_cast<int32_t>(frequencies.size());
  frequencyText = sounds ? StrFormat("%f Hz", frequencies[static_cast<size_t>(key)]) : std::string();
  if (std::unique_ptr<Dc> dc = GetViewHost().GetDC()) DrawFrequency(*dc, GetViewHost().ClientRect());
  if (!sounds) return;
  const double f = frequencies[static_cast<size_t>(key)];
  const auto periods = static_cast<int32_t>(f * kPeriodsPerHertz);
  bufferBytes = static_cast<uint32_t>(periods / f * format.avgBytesPerSec);
  const auto count = std::min<uint32_t>(bufferBytes / kBytesPerSample, static_cast<uint32_t>(samples.size()));
  for (uint32_t i = 0; i < count; ++i) {
    samples[i] = static_cast<int16_t>(std::lround(std::sin(i * f * phaseStep) * amplitude));
  }
  waveOut.Write(samples.data(), bufferBytes, true);
}

void CTuneFork::DrawMessages(Dc& dc) {
  const int32_t w = clientRect.right;
  const int32_t h = clientRect.bottom;
  dc.SetBkMode(BkMode::Transparent);
  dc.SelectFont(messageFont);
  dc.SetTextColor(blackBrush);
  const auto labelsY = static_cast<int32_t>(h / 2.6);
  dc.TextOut(static_cast<int32_t>(w / 6.28 - 35), labelsY, "C3...B3");
  dc.TextOut(static_cast<int32_t>(1.5 * w / 3.1429 - 25), labelsY, "C4...B4");
  dc.TextOut(static_cast<int32_t>(2.5 * w / 3.1429 - 25), labelsY, "C5...B5");
  const auto lineTop = static_cast<int32_t>(h / 2.7);
  const auto lineBottom = static_cast<int32_t>(h / 2.3);
  for (const int32_t x : {static_cast<int32_t>(w / 3.1429), static_cast<int32_t>(2 * w / 3.1429), w * 21 / 22}) {
    dc.MoveTo(x, lineTop);
    dc.LineTo(x, lineBottom);
  }
  const auto ruleY = static_cast<int32_t>(h / 2.2);
  dc.MoveTo(clientRect.left, ruleY);
  dc.LineTo(w * 21 / 22, ruleY);
  const std::string l3 = T(219), l4 = T(220), l5 = T(221), l6 = T(222), l7 = T(223);
  DrawTextLines(dc, "", "", l3.c_str(), l4.c_str(), l5.c_str(), l6.c_str(), l7.c_str(), "", "", "");
  if (!frequencyText.empty()) DrawFrequency(dc, clientRect);
}
