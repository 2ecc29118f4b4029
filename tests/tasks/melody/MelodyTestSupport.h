#pragma once
#include <gtest/gtest.h>

#include <QApplication>
#include <QColor>
#include <QMouseEvent>
#include <QPaintDevice>
#include <QPaintEngine>
#include <QPainter>
#include <QPushButton>
#include <cstdlib>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/CChildView.h"
#include "app/CControlBar.h"
#include "app/TaskTable.h"
#include "commands/CommandIds.h"
#include "log/ResultsLog.h"
#include "music/TempoTables.h"
#include "platform/ViewHost.h"
#include "settings/ProgramSettings.h"
#include "sound/MidiOutput.h"
#include "support/AppFixture.h"
#include "support/CapturingMidiOut.h"
#include "tasks/base/CPianoBase.h"
#include "text/LanguageTable.h"

namespace melody_test {

// One text a paint drew: what, where (baseline origin), in which colour and font.
struct DrawnText {
  std::string text;
  QPointF at;
  QColor colour;
  QFont font;
};

// A paint device that keeps the texts drawn on it and nothing else.
class TextRecorder final : public QPaintDevice {
 public:
  TextRecorder(int width, int height) : width_(width), height_(height), engine_(texts) {}
  QPaintEngine* paintEngine() const override { return &engine_; }
  std::vector<DrawnText> texts;

 protected:
  int metric(PaintDeviceMetric m) const override {
    switch (m) {
      case PdmWidth:
        return width_;
      case PdmHeight:
        return height_;
      case PdmDpiX:
      case PdmDpiY:
      case PdmPhysicalDpiX:
      case PdmPhysicalDpiY:
        return 96;
      case PdmDepth:
        return 32;
      case PdmNumColors:
        return 0x7fffffff;
      case PdmDevicePixelRatio:
        return 1;
      case PdmDevicePixelRatioScaled:
        return static_cast<int>(devicePixelRatioFScale());
      default:
        return QPaintDevice::metric(m);
    }
  }

 private:
  class Engine final : public QPaintEngine {
   public:
    explicit Engine(std::vector<DrawnText>& out) : QPaintEngine(AllFeatures), out_(out) {}
    bool begin(QPaintDevice*) override { return true; }
    bool end() override { return true; }
    void updateState(const QPaintEngineState& state) override {
      if (state.state() & DirtyPen) pen_ = state.pen();
    }
    void drawTextItem(const QPointF& p, const QTextItem& item) override {
      out_.push_back({item.text().toStdString(), p, pen_.color(), item.font()});
    }
    void drawPixmap(const QRectF&, const QPixmap&, const QRectF&) override {}
    void drawPath(const QPainterPath&) override {}
    void drawPolygon(const QPointF*, int, PolygonDrawMode) override {}
    void drawRects(const QRectF*, int) override {}
    void drawImage(const QRectF&, const QImage&, const QRectF&, Qt::ImageConversionFlags) override {}
    Type type() const override { return User; }

   private:
    std::vector<DrawnText>& out_;
    QPen pen_;
  };

  int width_;
  int height_;
  mutable Engine engine_;
};

// The view as the tasks see it, except that what they draw through GetDC outside painting (the
// message line, key marks) is kept as texts; everything else goes to the real view.
class DrawnTextsHost final : public ViewHost {
 public:
  DrawnTextsHost() : view_(GetViewHost()), recorder_(2000, 2000) { SetViewHost(this); }
  ~DrawnTextsHost() override { SetViewHost(&view_); }
  DrawnTextsHost(const DrawnTextsHost&) = delete;
  DrawnTextsHost& operator=(const DrawnTextsHost&) = delete;
  std::vector<DrawnText>& Texts() { return recorder_.texts; }

  std::unique_ptr<Dc> GetDC() override {
    struct RecordingDc final : private QPainter, public Dc {
      explicit RecordingDc(TextRecorder& r) : QPainter(&r), Dc(static_cast<QPainter&>(*this)) {}
    };
    return std::make_unique<RecordingDc>(recorder_);
  }
  Rect ClientRect() const override { return view_.ClientRect(); }
  void Invalidate() override { view_.Invalidate(); }
  void InvalidateRect(const Rect& rect) override { view_.InvalidateRect(rect); }
  void InvalidateRegion(const Region& region) override { view_.InvalidateRegion(region); }
  void UpdateWindow() override { view_.UpdateWindow(); }
  void SetCursor(CursorKind cursor) override { view_.SetCursor(cursor); }
  void PostToUi(std::function<void()> task) override { view_.PostToUi(std::move(task)); }
  void SetControlText(int id, const std::string& text) override { view_.SetControlText(id, text); }
  std::string ControlText(int id) const override { return view_.ControlText(id); }
  void EnableControl(int id, bool enable) override { view_.EnableControl(id, enable); }
  bool IsControlEnabled(int id) const override { return view_.IsControlEnabled(id); }
  void CreateButton(int id, const std::string& text, const Rect& rect) override { view_.CreateButton(id, text, rect); }
  void CreateList(int id, const Rect& rect, const std::vector<std::string>& items, int selected) override {
    view_.CreateList(id, rect, items, selected);
  }
  int ListSelection(int id) const override { return view_.ListSelection(id); }
  void MoveControl(int id, const Rect& rect) override { view_.MoveControl(id, rect); }
  void DestroyControl(int id) override { view_.DestroyControl(id); }
  void SetClockStart(uint32_t ms) override { view_.SetClockStart(ms); }
  uint32_t ClockStart() const override { return view_.ClockStart(); }
  void ShowStatus(const std::string& text) override { view_.ShowStatus(text); }

 private:
  ViewHost& view_;
  TextRecorder recorder_;
};

// What the task paints (Draw, then DrawMessages) at the given client size: its texts.
inline std::vector<DrawnText> PaintedTexts(CAbstractT& task, int width, int height) {
  TextRecorder recorder(width, height);
  {
    QPainter painter(&recorder);
    Dc dc(painter);
    task.clientRect = {0, 0, width, height};
    task.Draw(dc);
    task.DrawMessages(dc);
  }
  return recorder.texts;
}

// The text drawn exactly so, or nullptr.
inline const DrawnText* FindText(const std::vector<DrawnText>& texts, const std::string& text) {
  for (const DrawnText& t : texts) {
    if (t.text == text) return &t;
  }
  return nullptr;
}

// A note heard: channel, MIDI note, when it began and when it ended (a note-off of the
// same note or a reset), if it has ended yet.
struct Sounded {
  int channel = 0;
  int note = 0;
  uint32_t start = 0;
  std::optional<uint32_t> end;
};

inline std::vector<Sounded> SoundsOf(const std::vector<MidiRecord>& records) {
  std::vector<Sounded> out;
  for (const MidiRecord& r : records) {
    if (r.reset) {
      for (Sounded& s : out) {
        if (!s.end) s.end = r.timeMs;
      }
      continue;
    }
    const int channel = midi::Channel(r.message);
    const int note = midi::Data1(r.message);
    const bool on = midi::Kind(r.message) == midi::kNoteOn && midi::Data2(r.message) > 0;
    const bool off = midi::Kind(r.message) == midi::kNoteOff || (midi::Kind(r.message) == midi::kNoteOn && !on);
    if (on) out.push_back({channel, note, r.timeMs, std::nullopt});
    if (!off) continue;
    for (Sounded& s : out) {
      if (!s.end && s.channel == channel && s.note == note) s.end = r.timeMs;
    }
  }
  return out;
}

// The whole program offscreen, 1000 x 500 pixels, with the real task of a type; what the
// program sends to MIDI is captured with its virtual time.
class MelodyApp : public AppFixture {
 protected:
  static constexpr int kWidth = 1000;
  static constexpr int kHeight = 500;

  // The first time starts the program with the task type stored (the deferred start opens
  // MIDI, the hardware keyboard's input too when keyboard is set or the first start's option
  // holds, and starts the task); later the task is chosen from the menu.
  void Open(int type, bool keyboard = false) {
    if (!out) {
      SetTaskMaker({});
      taskType = static_cast<uint16_t>(type);
      StartProgram();
      if (keyboard) useHardwareMidiKeyboard = 1;
      View().resize(kWidth, kHeight);
      View().OnTimer(cmd::kTimerDeferredStart);
      out = std::make_unique<CapturingMidiOut>();
    } else {
      Command(TaskTypeAt(type).commandId);
    }
    View().UpdateWindow();
    out->Clear();
    logStart = resultsLog.size();
  }
  void TearDown() override { out.reset(); }

  CPianoBase& Piano() { return dynamic_cast<CPianoBase&>(View().Task()); }
  CControlBar& Bar() { return Frame().ControlBar(); }
  std::string Hint() { return Bar().ControlText(cmd::kHintBox); }
  uint32_t Beat() const { return static_cast<uint32_t>(msPerBeat[static_cast<size_t>(tempoIndex)]); }
  // Key index of a MIDI note on this task's piano.
  int KeyOf(int note) { return note - (Piano().KeyCount() == 13 ? 60 : 36); }

  // A point inside the key: the lower part of a white key, the middle of a black one.
  QPoint KeyPoint(int key) {
    const Rect b = Piano().KeyRegion(key).Bounds();
    const bool black = b.bottom < Piano().KeyRegion(0).Bounds().bottom;
    const QPoint p((b.left + b.right) / 2, black ? (b.top + b.bottom) / 2 : b.bottom - 4);
    EXPECT_EQ(Piano().KeyAt({p.x(), p.y()}), key) << "no point found for key " << key;
    return p;
  }
  void ClickAt(QPoint at) {
    for (QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
      const Qt::MouseButtons held = type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton;
      QMouseEvent e(type, at, View().mapToGlobal(at), Qt::LeftButton, held, Qt::NoModifier);
      QApplication::sendEvent(&View(), &e);
    }
  }
  void Click(int key) { ClickAt(KeyPoint(key)); }
  void Command(int id) { Frame().OnCommand(id); }
  QRgb KeyColour(int key) { return View().BackBuffer().pixel(KeyPoint(key)); }

  // Sounds since the last call.
  std::vector<Sounded> Heard() {
    std::vector<Sounded> sounds = SoundsOf(out->Records());
    out->Clear();
    return sounds;
  }
  // The keys of the notes heard on the first channel.
  std::vector<int> KeysOf(const std::vector<Sounded>& sounds) {
    std::vector<int> keys;
    for (const Sounded& s : sounds) {
      if (s.channel == 0) keys.push_back(KeyOf(s.note));
    }
    return keys;
  }
  std::vector<std::string> Log() const { return LogFrom(logStart); }

  std::unique_ptr<CapturingMidiOut> out;
  size_t logStart = 0;
};

inline constexpr QRgb kGreenKey = 0xFF00FF00;
inline constexpr QRgb kRedKey = 0xFFFF0000;
inline constexpr QRgb kWhiteKey = 0xFFFFFFFF;
inline constexpr QRgb kBlackKey = 0xFF000000;

}  // namespace melody_test
