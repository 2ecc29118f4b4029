#pragma once
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

// Where the taps of a rhythm answer come from. The application installs a source that hears
// the computer keyboard (Space or a letter), any note-on of the MIDI input and, when asked,
// claps into the microphone; tests script one. Every tap carries the time it happened on the
// program's millisecond clock (timeGetTime), whatever thread or device it came from.
namespace rhythm {

enum class TapChannel : int32_t { kKey = 0, kMidi = 1, kClap = 2 };
inline constexpr int32_t kTapChannelCount = 3;

struct Tap {
  uint32_t atMs = 0;
  TapChannel channel = TapChannel::kKey;
  friend bool operator==(const Tap&, const Tap&) = default;
};

class TapSource {
 public:
  virtual ~TapSource() = default;
  // Starts gathering taps (before the playback, so that a microphone is open by the answer);
  // withClaps: the microphone is listened to as well.
  virtual void Begin(bool withClaps) = 0;
  // Once the clock has passed untilMs, gathering stops and done gets, on the user-interface
  // thread, the taps gathered at or after fromMs, in time order.
  virtual void FinishAt(uint32_t fromMs, uint32_t untilMs, std::function<void(std::vector<Tap>)> done) = 0;
  // Stops gathering without an answer; done is not called.
  virtual void Stop() = 0;
  // A line for the status bar when the microphone could not be opened; empty while it is
  // fine or not used.
  virtual std::string ClapProblem() const { return {}; }
};

// A source without input: every answer comes with no taps at once.
class SilentTapSource final : public TapSource {
 public:
  void Begin(bool) override {}
  void FinishAt(uint32_t, uint32_t, std::function<void(std::vector<Tap>)> done) override { done({}); }
  void Stop() override {}
};

// The source in use (a silent one while none is installed). The caller keeps ownership.
TapSource& GetTapSource();
void SetTapSource(TapSource* source);

}  // namespace rhythm
