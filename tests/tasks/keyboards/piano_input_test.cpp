#include <gtest/gtest.h>

#include <QApplication>
#include <QMouseEvent>
#include <memory>
#include <utility>

#include "app/CChildView.h"
#include "app/TaskTable.h"
#include "music/TempoTables.h"
#include "settings/ProgramSettings.h"
#include "support/AppFixture.h"
#include "tasks/base/CChords13Keys.h"
#include "tasks/base/CTest13Keys.h"
#include "tasks/base/CTest37Keys.h"
#include "tasks/keyboards/PianoTestSupport.h"

namespace {

using Messages = std::vector<uint32_t>;
constexpr uint32_t kReset = CapturingMidiOut::kReset;

// A piano hosted by the real view, 1000 x 500 pixels, with its MIDI output captured.
class PianoInView : public AppFixture {
 protected:
  template <class Piano>
  Piano& Host() {
    SetTaskMaker([](int) -> std::unique_ptr<CAbstractT> { return std::make_unique<Piano>(); });
    StartProgram();
    SetMidiOut(&midi);
    View().resize(1000, 500);
    View().UpdateWindow();
    return dynamic_cast<Piano&>(View().Task());
  }

  void Mouse(QEvent::Type type, Qt::MouseButton button, int x, int y) {
    const QPoint at(x, y);
    const Qt::MouseButtons held = type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::MouseButtons(button);
    QMouseEvent e(type, at, View().mapToGlobal(at), button, held, Qt::NoModifier);
    QApplication::sendEvent(&View(), &e);
  }
  void Click(int x, int y) { Mouse(QEvent::MouseButtonPress, Qt::LeftButton, x, y); }
  void Move(int x, int y) { Mouse(QEvent::MouseMove, Qt::NoButton, x, y); }
  Qt::CursorShape CursorAt(int x, int y) {
    Move(x, y);
    return View().cursor().shape();
  }
  QRgb Pixel(int x, int y) { return View().BackBuffer().pixel(x, y); }
  // The messages sent since the last call.
  Messages Sent() {
    Messages sent = midi.Messages();
    midi.Clear();
    return sent;
  }

  CapturingMidiOut midi;
};

TEST_F(PianoInView, ClickSoundsTheKeyAndTheNextClickCutsIt) {
  CTest37Keys& piano = Host<CTest37Keys>();
  ASSERT_EQ(View().ClientRect(), (Rect{0, 0, 1000, 500}));
  Click(30, 50);
  EXPECT_EQ(piano.pressedKey, 1);
  EXPECT_EQ(piano.lastKey, 1);
  // Note-off of the channel's last note (none yet: note 0), note-on of MIDI note 37.
  EXPECT_EQ(Sent(), (Messages{0x000080, 0x7F2590}));
  Click(30, 150);
  EXPECT_EQ(piano.pressedKey, 0);
  EXPECT_EQ(Sent(), (Messages{0x002580, 0x7F2490}));
  // The active channel and its velocity.
  activeChannel = 5;
  channelVelocity[5] = 100;
  Click(977, 86);
  EXPECT_EQ(piano.pressedKey, 36);
  EXPECT_EQ(Sent(), (Messages{0x000085, 0x644895}));
}

TEST_F(PianoInView, ClickOutsideTheKeysHitsNothingAndIsSilent) {
  CTest37Keys& piano = Host<CTest37Keys>();
  Click(30, 150);
  Sent();
  Click(500, 300);
  EXPECT_EQ(piano.pressedKey, -1);
  EXPECT_EQ(piano.lastKey, 0);
  EXPECT_TRUE(Sent().empty());
  EXPECT_EQ(CursorAt(500, 300), Qt::ArrowCursor);
  EXPECT_EQ(CursorAt(30, 150), Qt::PointingHandCursor);
}

TEST_F(PianoInView, OneOctaveSoundsTwoOctavesHigherAndItsFillerIsDead) {
  CTest13Keys& piano = Host<CTest13Keys>();
  Click(30, 150);
  EXPECT_EQ(Sent(), (Messages{0x000080, 0x7F3C90}));  // note 60
  Click(340, 50);
  EXPECT_EQ(piano.pressedKey, 12);
  EXPECT_EQ(Sent(), (Messages{0x003C80, 0x7F4890}));  // note 72
  Click(700, 80);
  EXPECT_EQ(piano.pressedKey, -1);
  EXPECT_TRUE(Sent().empty());
  EXPECT_EQ(CursorAt(700, 80), Qt::ArrowCursor);
  // Percussion codes sound unchanged; indices beyond this piano sound nothing.
  piano.PlayNote(37, 0);
  EXPECT_EQ(Sent(), (Messages{0x3F2599, 0x002589}));
  piano.PlayNote(13, 0);
  piano.PlayNote(-1, 0);
  EXPECT_TRUE(Sent().empty());
}

TEST_F(PianoInView, ChordPianoSoundsOneBeatInTheChordOctaveOnTheFirstChannel) {
  CChords13Keys& piano = Host<CChords13Keys>();
  WatchedClock watched;
  ScopedClock useWatched(watched);
  std::vector<uint32_t> waits;
  watched.onWait = [&](uint32_t ms) { waits.push_back(ms); };
  tempoIndex = 0;
  activeChannel = 3;
  Click(30, 150);
  EXPECT_EQ(piano.pressedKey, 0);
  EXPECT_EQ(Sent(), (Messages{0x000080, 0x7F3090, kReset}));  // note 48, then all notes off
  Click(340, 50);
  EXPECT_EQ(Sent(), (Messages{0x003080, 0x7F3C90, kReset}));  // note 60
  const auto beat = static_cast<uint32_t>(msPerBeat[0]);
  EXPECT_EQ(waits, (std::vector<uint32_t>{beat, 50, beat, 50})) << "one beat, then the flash";
}

TEST_F(PianoInView, PressedKeyFlashesGreyForFiftyMillisecondsThenRests) {
  CTest37Keys& piano = Host<CTest37Keys>();
  WatchedClock watched;
  ScopedClock useWatched(watched);
  QPoint watch;
  std::vector<std::pair<uint32_t, QRgb>> duringWaits;
  watched.onWait = [&](uint32_t ms) { duringWaits.emplace_back(ms, Pixel(watch.x(), watch.y())); };
  watch = {20, 140};
  Click(20, 140);
  watch = {40, 50};
  Click(40, 50);
  const std::vector<std::pair<uint32_t, QRgb>> flashes = {{50, qRgb(230, 230, 230)}, {50, qRgb(47, 47, 47)}};
  EXPECT_EQ(duringWaits, flashes);
  EXPECT_EQ(piano.flashNow - piano.flashStart, 50u);
  EXPECT_EQ(Pixel(20, 140), qRgb(255, 255, 255));
  EXPECT_EQ(Pixel(40, 50), qRgb(0, 0, 0));
}

TEST_F(PianoInView, ProgramMarksKeysWithoutSoundAndTakesTheMarkBack) {
  CTest37Keys& piano = Host<CTest37Keys>();
  {
    std::unique_ptr<Dc> dc = View().GetDC();
    piano.MarkKey(*dc, 2, piano.greenBrush);
    piano.MarkKey(*dc, 3, piano.redBrush);
  }
  EXPECT_EQ(Pixel(67, 140), qRgb(0, 255, 0));
  EXPECT_EQ(Pixel(90, 50), qRgb(255, 0, 0));
  {
    std::unique_ptr<Dc> dc = View().GetDC();
    piano.DrawKeyNormal(*dc, 2);
    piano.DrawKeyNormal(*dc, 3);
  }
  EXPECT_EQ(Pixel(67, 140), qRgb(255, 255, 255));
  EXPECT_EQ(Pixel(90, 50), qRgb(0, 0, 0));
  EXPECT_TRUE(Sent().empty());
}

TEST_F(PianoInView, BlockingLocksOutKeysOffTheScaleOnly) {
  CTest37Keys& piano = Host<CTest37Keys>();
  blockExtramodeKeys = true;
  scaleRow = ScaleRowOf(0, 0);  // C major
  EXPECT_EQ(CursorAt(30, 50), Qt::ArrowCursor);
  Click(30, 50);
  EXPECT_EQ(piano.pressedKey, -1);
  EXPECT_TRUE(Sent().empty());
  EXPECT_EQ(CursorAt(30, 150), Qt::PointingHandCursor);
  Click(30, 150);
  EXPECT_EQ(piano.pressedKey, 0);
  // On A major C sharp is on the scale.
  scaleRow = ScaleRowOf(0, 9);
  EXPECT_EQ(CursorAt(30, 50), Qt::PointingHandCursor);
  // The chromatic mode blocks nothing, and neither does a cleared option.
  scaleRow = ScaleRowOf(10, 0);
  Click(30, 50);
  EXPECT_EQ(piano.pressedKey, 1);
  scaleRow = ScaleRowOf(0, 0);
  blockExtramodeKeys = false;
  Click(30, 50);
  EXPECT_EQ(piano.pressedKey, 1);
}

TEST_F(PianoInView, SequencersNeverBlockKeys) {
  CTest13Keys& piano = Host<CTest13Keys>();
  piano.playbackMode = kSequencerPlayback;
  blockExtramodeKeys = true;
  scaleRow = ScaleRowOf(0, 0);
  Click(30, 50);
  EXPECT_EQ(piano.pressedKey, 1);
  EXPECT_EQ(CursorAt(30, 50), Qt::PointingHandCursor);
}

TEST_F(PianoInView, RightButtonShowsTheCursorAndTheViewSilencesTheOutput) {
  Host<CTest37Keys>();
  Mouse(QEvent::MouseButtonPress, Qt::RightButton, 30, 150);
  EXPECT_EQ(View().cursor().shape(), Qt::PointingHandCursor);
  Mouse(QEvent::MouseButtonRelease, Qt::RightButton, 500, 300);
  EXPECT_EQ(View().cursor().shape(), Qt::ArrowCursor);
  Mouse(QEvent::MouseButtonDblClick, Qt::RightButton, 30, 50);
  EXPECT_EQ(View().cursor().shape(), Qt::PointingHandCursor);
  EXPECT_EQ(Sent(), (Messages{kReset}));
}

}  // namespace
