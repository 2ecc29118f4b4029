#include "tasks/range/CSetMidiKbdRangeT.h"

#include <algorithm>
#include <utility>

#include "commands/CommandIds.h"
#include "platform/UiHost.h"
#include "platform/ViewHost.h"
#include "tasks/range/KeyboardRange.h"
#include "text/LanguageTable.h"
#include "text/StrFormat.h"

namespace {
constexpr Colour kHeadingGreen{0, 128, 0};
// The three explanations above the text lines, by their divisors of the client height.
constexpr std::array<std::pair<int, double>, 3> kUpperTexts = {{{348, 4.7}, {349, 3.7}, {350, 3.066}}};
}  // namespace

void CSetMidiKbdRangeT::Start() {
  SetTexts();
}

void CSetMidiKbdRangeT::SetTexts() { GetViewHost().SetControlText(cmd::kListenNew, T(kListenNewCaption)); }

void CSetMidiKbdRangeT::OnListenNew() {
  notesReceived = 0;
  measuring = true;
  newTaskEnabled = false;
}

void CSetMidiKbdRangeT::OnMidiInNote(MidiMessage message) {
  if (!measuring) return;
  if (notesReceived < 2) {
    rangeNotes[static_cast<size_t>(notesReceived)] = static_cast<int32_t>((message >> 8) & 0xFF);
    ++notesReceived;
    return;
  }
  // The third note completes the measurement; its own number plays no part.
  const int32_t lowest = std::min(rangeNotes[0], rangeNotes[1]);
  const int32_t highest = std::max(rangeNotes[0], rangeNotes[1]);
  midiKbdLeftMostKey = lowest;
  midiKbdRightMostKey = highest;
  keyboard_range::Keep(lowest, highest);
  measuring = false;
  newTaskEnabled = true;
  notesReceived = 0;
  GetUiHost().MessageBox(StrFormat("midiKbdLeftMostKey = %d\nmidiKbdRightMostKey = %d", lowest, highest),
                         "Measurement is completed", MB_OK);
  GetViewHost().Invalidate();
}

void CSetMidiKbdRangeT::Draw(Dc& dc) { dc.FillRect(clientRect, paleGreyBrush); }

void CSetMidiKbdRangeT::DrawMessages(Dc& dc) {
  const int32_t x = clientRect.right / 42;
  dc.SelectFont(resultFont);
  dc.SetBkMode(BkMode::Transparent);
  dc.SetTextColor(kHeadingGreen);
  dc.TextOut(x, 5, T(kHeading));
  dc.SelectFont(messageFont);
  dc.SetTextColor(blackBrush);
  for (const auto& [id, divisor] : kUpperTexts) dc.TextOut(x, static_cast<int32_t>(clientRect.bottom / divisor), T(id));
  DrawTextLines(dc, T(351).c_str(), T(352).c_str(), T(353).c_str(), T(354).c_str(), T(355).c_str(), T(356).c_str(),
                T(357).c_str(), T(358).c_str(), nullptr, keyboard_range::Text().c_str());
}
