#include "app/PitchMeterWindow.h"

#include <QPainter>
#include <QPointer>
#include <algorithm>
#include <cmath>

#include "app/VoiceInput.h"
#include "tasks/base/KeyboardNotes.h"
#include "text/LanguageTable.h"
#include "text/StrFormat.h"
#include "text/TextIds.h"

namespace {

constexpr int kRollSemitones = 25;  // two octaves and the note above
constexpr int kDefaultLowest = 48;  // C3 while nothing was heard

bool IsBlack(int note) {
  const int pc = note % 12;
  return pc == 1 || pc == 3 || pc == 6 || pc == 8 || pc == 10;
}

}  // namespace

PitchMeterWindow::PitchMeterWindow(VoiceInput& voice, QWidget* parent) : QWidget(parent, Qt::Window), voice_(voice) {
  setAttribute(Qt::WA_DeleteOnClose);
  setWindowTitle(QString::fromStdString(T(txt::kPitchMeterTitle)));
  resize(520, 420);
  listener_ = voice_.AddListener([this](std::span<const PitchFrame> frames, std::span<const SungNote>) {
    meter_.Add(frames);
    update();
  });
}

PitchMeterWindow::~PitchMeterWindow() { voice_.RemoveListener(listener_); }

void PitchMeterWindow::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.fillRect(rect(), QColor(250, 250, 250));
  const int w = width();
  // The note and its cents.
  QFont big = font();
  big.setPointSize(28);
  big.setBold(true);
  painter.setFont(big);
  const QRect noteArea(0, 4, w, 56);
  if (meter_.Note()) {
    const int cents = int(std::lround(meter_.Cents()));
    painter.setPen(std::abs(cents) <= 10 ? QColor(0, 128, 0) : QColor(30, 30, 30));
    painter.drawText(noteArea, Qt::AlignCenter,
                     QString::fromStdString(StrFormat("%s  %+d %s", NoteName(*meter_.Note()).c_str(), cents,
                                                      T(txt::kVoiceCents).c_str())));
  } else {
    QFont normal = font();
    normal.setPointSize(14);
    painter.setFont(normal);
    painter.setPen(QColor(120, 120, 120));
    painter.drawText(noteArea, Qt::AlignCenter, QString::fromStdString(T(txt::kPitchMeterSilent)));
  }
  // The needle's scale, -50..+50 cents.
  const int scaleTop = 68;
  const int scaleLeft = 30;
  const int scaleWidth = w - 60;
  painter.setFont(font());
  painter.setPen(QColor(60, 60, 60));
  painter.drawLine(scaleLeft, scaleTop + 30, scaleLeft + scaleWidth, scaleTop + 30);
  for (int cents = -50; cents <= 50; cents += 10) {
    const int x = scaleLeft + (cents + 50) * scaleWidth / 100;
    const int tick = cents == 0 ? 14 : cents % 50 == 0 ? 10 : 6;
    painter.drawLine(x, scaleTop + 30 - tick, x, scaleTop + 30);
    if (cents % 25 == 0) painter.drawText(QRect(x - 20, scaleTop + 32, 40, 16), Qt::AlignCenter, QString::number(cents));
  }
  if (meter_.Note()) {
    const int x = scaleLeft + int(std::lround((meter_.Cents() + 50) * scaleWidth / 100));
    painter.setPen(QPen(QColor(200, 0, 0), 3));
    painter.drawLine(x, scaleTop + 2, x, scaleTop + 30);
  }
  // The level, a thin bar under the scale.
  const float level = std::clamp((meter_.LevelDb() + 60) / 60, 0.0f, 1.0f);
  painter.fillRect(QRect(scaleLeft, scaleTop + 52, int(scaleWidth * level), 4), QColor(0, 160, 0));
  PaintRoll(painter, QRect(8, scaleTop + 64, w - 16, height() - scaleTop - 72));
}

void PitchMeterWindow::PaintRoll(QPainter& painter, const QRect& area) {
  if (area.height() < 40) return;
  const std::deque<TracePoint>& trace = meter_.Trace();
  // The roll follows the voice: centred on the latest pitch heard, in whole octaves.
  int lowest = kDefaultLowest;
  for (auto point = trace.rbegin(); point != trace.rend(); ++point) {
    if (point->midi > 0) {
      lowest = (int(std::lround(point->midi)) - 12) / 12 * 12;
      break;
    }
  }
  const double row = double(area.height()) / kRollSemitones;
  const auto yOf = [&](double midi) { return area.bottom() - (midi - lowest + 0.5) * row; };
  const int labels = 34;
  for (int i = 0; i < kRollSemitones; ++i) {
    const int note = lowest + i;
    const QRectF band(area.left(), yOf(note) - row / 2, area.width(), row);
    painter.fillRect(band, IsBlack(note) ? QColor(225, 225, 230) : QColor(255, 255, 255));
    if (note % 12 == 0) {
      painter.setPen(QColor(150, 150, 150));
      painter.drawLine(QPointF(area.left(), band.bottom()), QPointF(area.right(), band.bottom()));
      painter.drawText(QRectF(area.left() + 2, band.top(), labels, row), Qt::AlignVCenter,
                       QString::fromStdString(NoteName(note)));
    }
  }
  painter.setPen(QColor(150, 150, 150));
  painter.drawRect(area);
  if (trace.empty()) return;
  const double newest = trace.back().seconds;
  const double span = 5.0;
  const double left = area.left() + labels;
  const double width = area.width() - labels;
  painter.setPen(Qt::NoPen);
  painter.setBrush(QColor(0, 90, 220));
  for (const TracePoint& point : trace) {
    if (point.midi <= 0 || point.midi < lowest - 0.5 || point.midi > lowest + kRollSemitones - 0.5) continue;
    const double x = left + width * (1 - (newest - point.seconds) / span);
    painter.drawEllipse(QPointF(x, yOf(point.midi)), 2.0, 2.0);
  }
}

namespace {
QPointer<PitchMeterWindow> openMeter;
}  // namespace

void ShowPitchMeter(VoiceInput& voice, QWidget* view) {
  QPointer<PitchMeterWindow>& window = openMeter;
  if (!window) window = new PitchMeterWindow(voice, view);
  window->show();
  window->raise();
  window->activateWindow();
}

void ClosePitchMeter() { delete openMeter.data(); }
