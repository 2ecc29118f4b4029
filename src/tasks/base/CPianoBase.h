#pragma once
#include <array>
#include <cstdint>
#include <functional>
#include <optional>

#include "platform/Region.h"
#include "tasks/base/CAbstractT.h"
#include "tasks/base/KeyGeometry.h"

// What the one-octave and the three-octave on-screen pianos share: the key regions, made
// anew at every paint from the client size; the user's key press, which sounds the key and
// flashes it; and the keys the program marks itself, which never sound.
class CPianoBase : public CAbstractT {
 public:
  ~CPianoBase() override = default;

  // The cursor over the keys: the hand over an enabled key, the arrow elsewhere.
  void OnRButtonDown(MouseFlags& flags, Point& point) override;
  void OnRButtonUp(MouseFlags& flags, Point& point) override;
  void OnRButtonDblClk(MouseFlags& flags, Point& point) override;
  void OnLButtonUp(MouseFlags& flags, Point& point) override;
  void OnMouseMove(MouseFlags& flags, Point& point) override;
  // A key press: sets pressedKey (-1 when no enabled key was hit), sounds the key on the
  // active channel and flashes it for 50 ms.
  void OnLButtonDown(MouseFlags& flags, Point& point) override;
  // A note from the hardware keyboard, in a task that takes answers from it: a click on the key
  // of that note (KeyboardNotes.h says which key; the keyboard's echo is its sound). It flashes
  // the key, sets pressedKey and goes on to OnAnswerClick as a click does. A note no key takes
  // only puts where to play into the hint box.
  void OnMidiInNote(MidiMessage message) override;
  // Rebuilds the regions from clientRect and paints keys, message area and filler.
  void Draw(Dc& dc) override;

  int32_t KeyCount() const { return keyCount_; }
  // The MIDI note of key 0: both pianos end at note 72.
  int32_t LowestNote() const { return 73 - keyCount_; }
  // Whether the key takes clicks: blocked only when "Block all extramode keys out" is on,
  // a mode is chosen, the object plays nothing by timer, the task keeps to the mode and the
  // key is off the scale.
  bool IsKeyEnabled(int32_t key) const;
  // The enabled key under the point, or -1.
  int32_t KeyAt(Point point) const;

  // Keys as the program shows them. They work through the regions of the last paint.
  const Region& KeyRegion(int32_t key) const;
  const Region& MessageRegion() const { return messageRegion_; }
  // The pale area right of the one-octave piano's keys; empty on the three-octave piano.
  const Region& FillerRegion() const { return fillerRegion_; }
  // Fills the key with the brush (greenBrush for a right answer, redBrush for a revealed
  // one) and frames it in black. The mark stays with the key: every paint draws it again.
  void MarkKey(Dc& dc, int32_t key, Brush brush);
  // The key's resting look: white framed in black, or black. Its mark goes.
  void DrawKeyNormal(Dc& dc, int32_t key);
  // The key's mark goes at the next paint of the key.
  void UnmarkKey(int32_t key);

 protected:
  explicit CPianoBase(int32_t keyCount);

  // The steps of OnLButtonDown, with the sounding of the hit key (step 2.2) given.
  void PressKey(Point point, const std::function<void(int32_t key)>& sound);
  // Notes of the hardware keyboard answer as clicks do (the answering task families).
  void TakeKeyboardAnswers() { keyboardAnswers_ = true; }
  // The task asks for tones of its own, whatever the mode list holds: no key is blocked.
  void IgnoreMode() { keepsToMode_ = false; }
  // The MIDI note key 0 sounds when clicked.
  virtual int32_t NoteOfKey0() const { return LowestNote(); }

 private:
  void ShowCursorAt(Point point);
  // The pressed look for 50 ms, then the resting look.
  void FlashKey(int32_t key);
  // Draws on a device context of the view, released at once so the drawing is seen.
  static void DrawOnView(const std::function<void(Dc&)>& draw);

  const int32_t keyCount_;
  bool keyboardAnswers_ = false;
  bool keepsToMode_ = true;
  // Draws the key's look without keeping it.
  void PaintKey(Dc& dc, int32_t key, Brush brush) const;

  std::array<Region, kThreeOctaveKeys> keyRegions_;
  std::array<std::optional<Brush>, kThreeOctaveKeys> keyMarks_{};
  Region messageRegion_;
  Region fillerRegion_;
};
