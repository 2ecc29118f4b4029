#pragma once
#include <QWidget>

#include "listen/PitchMeter.h"

class VoiceInput;

// The pitch meter: the note sung or played, a needle in cents, and the trace of the last
// seconds over a piano roll. The microphone is open while the window is.
class PitchMeterWindow : public QWidget {
 public:
  PitchMeterWindow(VoiceInput& voice, QWidget* parent);
  ~PitchMeterWindow() override;

  const PitchMeter& Meter() const { return meter_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  void PaintRoll(class QPainter& painter, const QRect& area);

  VoiceInput& voice_;
  PitchMeter meter_;
  int listener_ = 0;
};

// Shows the view's pitch meter, making it at the first call.
void ShowPitchMeter(VoiceInput& voice, QWidget* view);
// Closes it (before the microphone goes).
void ClosePitchMeter();
