#include "tasks/base/CPianoBase.h"

#include <cstddef>
#include <vector>

#include "platform/Clock.h"
#include "platform/ViewHost.h"
#include "settings/ProgramSettings.h"
#include "sound/MidiOutput.h"
#include "tasks/base/KeyboardNotes.h"
#include "tasks/base/ScaleKeys.h"
#include "tasks/common/TaskCommon.h"

namespace {

constexpr uint32_t kFlashMs = 50;

const Region kNoRegion;

Region RegionOf(const KeyOutline& outline) {
  return Region(std::vector<Point>(outline.corners.begin(), outline.corners.begin() + outline.count));
}

Region RegionOf(const Rect& r) {
  if (r.IsEmpty()) return {};
  return Region({{r.left, r.top}, {r.right, r.top}, {r.right, r.bottom}, {r.left, r.bottom}});
}

}  // namespace

CPianoBase::CPianoBase(int32_t keyCount)
    : keyCount_(keyCount < 1 ? 1 : keyCount > kThreeOctaveKeys ? kThreeOctaveKeys : keyCount) {
  drawsWholeClient = true;
}

void CPianoBase::OnRButtonDown(MouseFlags&, Point& point) { ShowCursorAt(point); }
void CPianoBase::OnRButtonUp(MouseFlags&, Point& point) { ShowCursorAt(point); }
void CPianoBase::OnRButtonDblClk(MouseFlags&, Point& point) { ShowCursorAt(point); }
void CPianoBase::OnLButtonUp(MouseFlags&, Point& point) { ShowCursorAt(point); }
void CPianoBase::OnMouseMove(MouseFlags&, Point& point) { ShowCursorAt(point); }

void CPianoBase::OnLButtonDown(MouseFlags&, Point& point) {
  PressKey(point, [this](int32_t key) { PlayNote(key, activeChannel); });
}

void CPianoBase::Draw(Dc& dc) {
  const PianoLayout layout = LayOutPiano(clientRect, keyCount_);
  for (int32_t key = 0; key < keyCount_; ++key) {
    keyRegions_[static_cast<std::size_t>(key)] = RegionOf(layout.keys[static_cast<std::size_t>(key)]);
  }
  messageRegion_ = RegionOf(layout.messageArea);
  fillerRegion_ = RegionOf(layout.filler);

  // The keys' band in the window colour; the message area and the filler cover the rest. The
  // band reaches one pixel into the message area so that no pixel row is left between them.
  dc.FillRect({clientRect.left, clientRect.top, clientRect.right, layout.whiteBottom + 1}, whiteBrush);
  for (int32_t key = 0; key < keyCount_; ++key) {
    if (IsBlackKey(key)) {
      dc.FillRgn(KeyRegion(key), blackBrush);
    } else {
      dc.FrameRgn(KeyRegion(key), blackBrush, 1, 1);
    }
  }
  dc.FillRgn(messageRegion_, paleGreyBrush);
  dc.FillRgn(fillerRegion_, paleGreyBrush);
  for (int32_t key = 0; key < keyCount_; ++key) {
    if (const std::optional<Brush>& mark = keyMarks_[static_cast<std::size_t>(key)]) PaintKey(dc, key, *mark);
  }
}

bool CPianoBase::IsKeyEnabled(int32_t key) const {
  if (key < 0 || key >= keyCount_) return false;
  const bool blocked =
      keepsToMode_ && scaleRow != -1 && blockExtramodeKeys && playbackMode == kNoPlayback && !InScale(key);
  return !blocked;
}

int32_t CPianoBase::KeyAt(Point point) const {
  for (int32_t key = 0; key < keyCount_; ++key) {
    if (IsKeyEnabled(key) && KeyRegion(key).Contains(point)) return key;
  }
  return -1;
}

const Region& CPianoBase::KeyRegion(int32_t key) const {
  if (key < 0 || key >= keyCount_) return kNoRegion;
  return keyRegions_[static_cast<std::size_t>(key)];
}

void CPianoBase::PaintKey(Dc& dc, int32_t key, Brush brush) const {
  dc.FillRgn(KeyRegion(key), brush);
  dc.FrameRgn(KeyRegion(key), blackBrush, 1, 1);
}

void CPianoBase::MarkKey(Dc& dc, int32_t key, Brush brush) {
  if (key >= 0 && key < keyCount_) keyMarks_[static_cast<std::size_t>(key)] = brush;
  PaintKey(dc, key, brush);
}

void CPianoBase::DrawKeyNormal(Dc& dc, int32_t key) {
  if (key >= 0 && key < keyCount_) keyMarks_[static_cast<std::size_t>(key)].reset();
  if (IsBlackKey(key)) {
    dc.FillRgn(KeyRegion(key), blackBrush);
  } else {
    PaintKey(dc, key, whiteBrush);
  }
}

void CPianoBase::UnmarkKey(int32_t key) {
  if (key < 0 || key >= keyCount_ || !keyMarks_[static_cast<std::size_t>(key)]) return;
  keyMarks_[static_cast<std::size_t>(key)].reset();
  GetViewHost().InvalidateRegion(KeyRegion(key));
}

void CPianoBase::PressKey(Point point, const std::function<void(int32_t key)>& sound) {
  pressedKey = KeyAt(point);
  if (pressedKey < 0) return;
  const int32_t key = pressedKey;
  lastKey = key;
  GetViewHost().SetCursor(handCursor);
  sound(key);
  FlashKey(key);
}

void CPianoBase::OnMidiInNote(MidiMessage message) {
  if (!keyboardAnswers_) return;
  const KeyboardNoteTarget target = KeyForKeyboardNote(midi::Data1(message), NoteOfKey0(), keyCount_);
  if (target.key < 0) {
    common::SetHintText(PlayBetweenHint(target, keyboardLowNote, keyboardHighNote));
    return;
  }
  // A key the mouse could not press (blocked off the scale) is no answer either.
  pressedKey = IsKeyEnabled(target.key) ? target.key : -1;
  if (pressedKey >= 0) {
    lastKey = pressedKey;
    FlashKey(pressedKey);
  }
  MouseFlags flags = 0;
  const Rect bounds = KeyRegion(target.key).Bounds();
  Point point{(bounds.left + bounds.right) / 2, (bounds.top + bounds.bottom) / 2};
  OnAnswerClick(flags, point);
}

void CPianoBase::FlashKey(int32_t key) {
  // The flash is drawn and shown, held for 50 ms, then taken back.
  DrawOnView([&](Dc& dc) { MarkKey(dc, key, IsBlackKey(key) ? darkGreyBrush : lightGreyBrush); });
  flashStart = flashNow = timeGetTime();
  while (flashNow - flashStart < kFlashMs) {
    CurrentClock().WaitMs(kFlashMs - (flashNow - flashStart));
    flashNow = timeGetTime();
  }
  DrawOnView([&](Dc& dc) { DrawKeyNormal(dc, key); });
}

void CPianoBase::ShowCursorAt(Point point) { GetViewHost().SetCursor(KeyAt(point) >= 0 ? handCursor : arrowCursor); }

void CPianoBase::DrawOnView(const std::function<void(Dc&)>& draw) {
  if (std::unique_ptr<Dc> dc = GetViewHost().GetDC()) draw(*dc);
}
