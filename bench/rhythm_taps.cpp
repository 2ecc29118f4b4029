// How well the time of a tap is known, per input channel of the rhythm tasks.
//
// Keys: presses of Space sent through the X server (XTest) to a Qt window; the key event's
// time stamp (QKeyEvent::timestamp(), the X server's millisecond clock, which on Linux is the
// monotonic clock the program's clock reads) against the moment the press was sent, once with
// an idle user-interface thread and once with one busy for 40 ms after each press, as during a
// repaint. The arrival of the event at the window is given beside it: what a task that timed a
// tap on arrival would be off by. Run it on an X display (the virtual one of desktop.sh).
//
// MIDI: note-ons sent into the program's own MIDI input, the way a keyboard's come: through the
// ALSA sequencer (/dev/snd/seq) where there is one, else through JACK MIDI when a JACK server
// runs (bench/rhythm_taps.sh starts one with the dummy backend at 64 frames); their arrival on
// the input's thread against the send time.
//
// Claps: generated tracks (noise bursts in a reverberant room, background noise 20 dB under
// the claps' peaks) at 40-208 bpm in quarters and eighths, through the clap detection; each
// clap found against the sample it began at, and the claps missed or found in excess.
//
// Goal: median error within 5 ms for keys and MIDI, within 10 ms for claps, no clap missed
// or extra.
#include <QApplication>
#include <QEventLoop>
#include <QKeyEvent>
#include <QTimer>
#include <QWidget>
#include <algorithm>
#include <array>
#include <atomic>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <span>
#include <memory>
#include <string>
#include <thread>
#include <unistd.h>
#include <vector>

#include <rtmidi/RtMidi.h>

#include "BenchStats.h"
#include "listen/ClapDetector.h"
#include "listen/GeneratedClaps.h"
#include "sound/MidiInPorts.h"
#include "sound/MidiOutput.h"
// Last: Xlib defines names such as Status as macros.
#ifdef AURELO_HAVE_XTEST
#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>
#include <X11/keysym.h>
#endif

namespace {

constexpr int kPresses = 60;
constexpr int kPressPeriodMs = 90;
constexpr int kBusyMs = 40;
constexpr int kMidiNotes = 200;
constexpr int kMidiPeriodMs = 15;

int64_t NowUs() {
  return std::chrono::duration_cast<std::chrono::microseconds>(std::chrono::steady_clock::now().time_since_epoch())
      .count();
}

// The stamp's distance in ms from the time in µs, both on the monotonic clock; the stamp counts
// 32-bit milliseconds.
double StampErrorMs(unsigned long stampMs, int64_t trueUs) {
  const auto whole = static_cast<uint32_t>(trueUs / 1000);
  const auto ms = static_cast<int32_t>(static_cast<uint32_t>(stampMs) - whole);
  return ms - static_cast<double>(trueUs % 1000) / 1000.0;
}

#ifdef AURELO_HAVE_XTEST

class TapWindow final : public QWidget {
 public:
  struct Press {
    unsigned long stampMs = 0;
    int64_t arrivalUs = 0;
  };
  std::vector<Press> presses;

 protected:
  void keyPressEvent(QKeyEvent* event) override {
    if (!event->isAutoRepeat()) presses.push_back({event->timestamp(), NowUs()});
  }
};

// Sends the presses from the user-interface thread's timer, busy for busyMs after each one,
// and prints the errors of the stamps and of the arrivals.
void MeasureKeys(TapWindow& window, Display* display, int busyMs) {
  const KeyCode space = XKeysymToKeycode(display, XK_space);
  std::vector<int64_t> sentUs;
  window.presses.clear();
  QEventLoop loop;
  QTimer timer;
  QObject::connect(&timer, &QTimer::timeout, [&] {
    if (static_cast<int>(sentUs.size()) == kPresses) {
      timer.stop();
      QTimer::singleShot(300, &loop, &QEventLoop::quit);
      return;
    }
    sentUs.push_back(NowUs());
    XTestFakeKeyEvent(display, space, True, 0);
    XTestFakeKeyEvent(display, space, False, 0);
    XFlush(display);
    if (busyMs > 0) std::this_thread::sleep_for(std::chrono::milliseconds(busyMs));
  });
  timer.start(kPressPeriodMs);
  loop.exec();
  std::vector<double> stamp;
  std::vector<double> arrival;
  for (size_t i = 0; i < window.presses.size() && i < sentUs.size(); ++i) {
    stamp.push_back(StampErrorMs(window.presses[i].stampMs, sentUs[i]));
    arrival.push_back(static_cast<double>(window.presses[i].arrivalUs - sentUs[i]) / 1000.0);
  }
  std::printf("key, UI thread %s: %zu of %d presses arrived\n", busyMs > 0 ? "busy 40 ms a press" : "idle",
              window.presses.size(), kPresses);
  PrintDeviations("  time stamp error", stamp);
  PrintDeviations("  arrival delay   ", arrival);
}

void KeyChannel(int argc, char** argv) {
  const char* name = std::getenv("DISPLAY");
  if (!name || !*name) {
    std::printf("key: not available (no X display; run it on the virtual display of desktop.sh)\n");
    return;
  }
  Display* display = XOpenDisplay(name);
  int event = 0, error = 0, major = 0, minor = 0;
  if (!display || !XTestQueryExtension(display, &event, &error, &major, &minor)) {
    std::printf("key: not available (the X server %s has no XTest)\n", name);
    if (display) XCloseDisplay(display);
    return;
  }
  qputenv("QT_QPA_PLATFORM", "xcb");
  QApplication app(argc, argv);
  TapWindow window;
  window.resize(200, 100);
  window.show();
  window.activateWindow();
  // Waits for the window to have the keyboard, giving it the focus once it is mapped.
  for (int i = 0; i < 200 && !window.isActiveWindow(); ++i) {
    app.processEvents();
    if (i == 20) XSetInputFocus(display, static_cast<Window>(window.winId()), RevertToParent, CurrentTime);
    XFlush(display);
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  if (!window.isActiveWindow()) std::printf("key: the window did not get the keyboard; the presses may be lost\n");
  MeasureKeys(window, display, 0);
  MeasureKeys(window, display, kBusyMs);
  XCloseDisplay(display);
}

#else

void KeyChannel(int /*argc*/, char** /*argv*/) { std::printf("key: not available (built without XTest)\n"); }

#endif

std::array<std::atomic<int64_t>, kMidiNotes> midiArrivalUs{};
std::atomic<int> midiArrived{0};

// Note-on number i is note i % 128 at velocity 1 + i / 128: a lost note shifts no other.
std::vector<unsigned char> NoteOn(int i) {
  return {0x90, static_cast<unsigned char>(i % 128), static_cast<unsigned char>(1 + i / 128)};
}

// On the MIDI input's thread.
void MidiArrived(uint32_t message) {
  if (midi::Kind(message) != midi::kNoteOn || midi::Data2(message) == 0) return;
  const auto i = static_cast<size_t>(midi::Data1(message) + 128 * (midi::Data2(message) - 1));
  if (i >= midiArrivalUs.size() || midiArrivalUs[i].load() != 0) return;
  midiArrivalUs[i] = NowUs();
  midiArrived.fetch_add(1);
}

void MidiChannel() {
  const bool alsa = access("/dev/snd/seq", R_OK | W_OK) == 0;
  const char* way = alsa ? "an ALSA virtual port" : "JACK MIDI";
  try {
    // The program's input takes the ALSA sequencer where there is one, else a running JACK
    // server, and throws without either.
    std::unique_ptr<MidiInDevice> input = midi_in::Open(&MidiArrived, "");
    RtMidiOut out(alsa ? RtMidi::LINUX_ALSA : RtMidi::UNIX_JACK, "rhythm_taps");
    unsigned port = out.getPortCount();
    for (unsigned i = 0; i < out.getPortCount(); ++i) {
      if (out.getPortName(i).find(midi_in::kOwnPort) != std::string::npos) port = i;
    }
    if (port == out.getPortCount()) {
      std::printf("MIDI: not available (the program's input port is not offered)\n");
      return;
    }
    out.openPort(port);
    input->Start();
    // The connection is made before the first note is measured.
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    std::vector<int64_t> sentUs;
    for (int i = 0; i < kMidiNotes; ++i) {
      std::vector<unsigned char> on = NoteOn(i);
      sentUs.push_back(NowUs());
      out.sendMessage(&on);
      std::vector<unsigned char> off = {0x80, on[1], 0};
      out.sendMessage(&off);
      std::this_thread::sleep_for(std::chrono::milliseconds(kMidiPeriodMs));
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(200));
    input->Stop();
    const int arrived = midiArrived.load();
    std::vector<double> error;
    for (size_t i = 0; i < sentUs.size(); ++i) {
      if (const int64_t at = midiArrivalUs[i].load(); at != 0) error.push_back(static_cast<double>(at - sentUs[i]) / 1000.0);
    }
    std::printf("MIDI through %s: %d of %d note-ons arrived\n", way, arrived, kMidiNotes);
    PrintDeviations("  arrival error", error);
  } catch (const std::exception& e) {
    std::printf("MIDI: not available (%s; no ALSA sequencer: run bench/rhythm_taps.sh for JACK MIDI)\n", e.what());
  }
}

void ClapChannel() {
  constexpr uint32_t kRate = 48000;
  constexpr int32_t kClaps = 16;
  std::vector<double> errors;
  int missed = 0;
  int extra = 0;
  uint32_t seed = 1;
  for (const int32_t bpm : {40, 60, 80, 100, 120, 144, 168, 208}) {
    for (const bool eighths : {false, true}) {
      const std::vector<double> at = generated_claps::Beats(bpm, kClaps, eighths);
      const generated_claps::Track track = generated_claps::Make(at, at.back() + 1.0, kRate, 20.0, seed++);
      ClapDetector detector(kRate);
      std::vector<int64_t> found;
      for (size_t i = 0; i < track.samples.size(); i += 480) {
        const size_t n = std::min<size_t>(480, track.samples.size() - i);
        for (const int64_t clap : detector.Feed(std::span(track.samples).subspan(i, n))) found.push_back(clap);
      }
      // Each clap takes the nearest onset within 50 ms; the onsets left over are extra.
      std::vector<bool> used(found.size(), false);
      for (const int64_t attack : track.attacks) {
        size_t best = found.size();
        for (size_t i = 0; i < found.size(); ++i) {
          if (used[i] || std::llabs(found[i] - attack) > kRate / 20) continue;
          if (best == found.size() || std::llabs(found[i] - attack) < std::llabs(found[best] - attack)) best = i;
        }
        if (best == found.size()) {
          ++missed;
          continue;
        }
        used[best] = true;
        errors.push_back(static_cast<double>(found[best] - attack) * 1000.0 / kRate);
      }
      extra += static_cast<int>(std::count(used.begin(), used.end(), false));
    }
  }
  std::printf("claps, generated tracks at 40-208 bpm (quarters and eighths), 20 dB SNR: %zu found, %d missed, %d extra\n",
              errors.size(), missed, extra);
  PrintDeviations("  onset error", errors);
}

}  // namespace

int main(int argc, char** argv) {
  KeyChannel(argc, argv);
  MidiChannel();
  ClapChannel();
  return 0;
}
