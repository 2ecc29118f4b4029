#pragma once
#include <cstdint>
#include <memory>
#include <mutex>
#include <span>
#include <string>
#include <vector>

// Why the microphone is not open.
enum class CaptureError {
  kNone,
  kNoServer,       // no PulseAudio (or PipeWire's PulseAudio service) to connect to
  kNoInputDevice,  // no microphone, the one named is not there, or it went away
  kAccessRefused,  // the sound server or the desktop refused the program the microphone
  kServerGone,     // the sound server ended while the microphone was open
  kFailed,         // any other refusal of the sound server
};

enum class CaptureState { kClosed, kOpening, kOpen, kFailed };

struct CaptureStatus {
  CaptureState state = CaptureState::kClosed;
  CaptureError error = CaptureError::kNone;
  std::string reason;       // the sound server's own short words for a failure (English)
  std::string deviceName;   // the source being recorded, once known
  uint32_t sampleRate = 0;  // the source's rate, once open
};

// Receives what the capture hears, on the capture thread (never the window's).
class CaptureConsumer {
 public:
  virtual ~CaptureConsumer() = default;
  // The microphone is open at this rate; the blocks follow.
  virtual void Started(uint32_t sampleRate) = 0;
  // Mono samples, -1..1, in order; a gap the server lost arrives as silence.
  virtual void Block(std::span<const float> samples) = 0;
  // The capture opened or failed on its own (Open and Close themselves do not call it);
  // Status() tells how.
  virtual void StatusChanged() {}
};

// The microphone: one record stream of the default PulseAudio source (or a named one), mono
// float at the source's own rate, on a thread of its own. Open and Close return at once
// (Close after the capture thread has stopped); opening goes on in the background and ends
// open or failed. The default source is refused when it only hears the program's own output
// (the monitor of the default sink, PulseAudio's stand-in where there is no microphone).
class VoiceCapture {
 public:
  explicit VoiceCapture(CaptureConsumer& consumer);
  ~VoiceCapture();
  VoiceCapture(const VoiceCapture&) = delete;
  VoiceCapture& operator=(const VoiceCapture&) = delete;

  // Starts opening the source of that name; empty: the default input. An open capture is
  // closed first.
  void Open(const std::string& deviceName = {});
  // Stops the capture: no consumer call after it returns.
  void Close();
  // Thread-safe.
  CaptureStatus Status() const;

  struct Pulse;

 private:
  void SetStatus(const CaptureStatus& status, bool tellConsumer);

  CaptureConsumer& consumer_;
  std::unique_ptr<Pulse> pulse_;
  mutable std::mutex statusMutex_;
  CaptureStatus status_;
};
