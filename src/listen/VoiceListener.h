#pragma once
#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <span>
#include <string>
#include <vector>

#include "listen/AubioMissing.h"
#include "listen/SungNoteDetector.h"
#include "listen/VoiceAnalysis.h"
#include "listen/VoiceCapture.h"

// What the microphone heard since the last look.
struct VoiceHeard {
  std::vector<PitchFrame> frames;  // the pitch trace, hop by hop (the oldest dropped beyond a few seconds)
  std::vector<SungNote> notes;
};

// The microphone and its analysis, for the window's thread: Open and Close it, and take what
// it heard. The samples are analysed on the capture thread; frames and notes wait in a mailbox
// until the window's thread takes them. The wake function, when set, is called on the capture
// thread whenever the mailbox gets something while it was empty or the capture opens or fails:
// it must only post (to the window's event loop) and return.
class VoiceListener : private CaptureConsumer {
 public:
  explicit VoiceListener(std::function<void()> wake = {});
  ~VoiceListener() override;

  void Open(const std::string& deviceName = {}) {
    if (AubioLoads()) capture_.Open(deviceName);
  }
  void Close() { capture_.Close(); }
  CaptureStatus Status() const { return AubioLoads() ? capture_.Status() : AubioMissingStatus(); }
  // Applies from the next block on.
  void SetTolerance(int cents) { tolerance_.store(cents); }

  // Everything heard since the last call, oldest first.
  VoiceHeard TakeHeard();

 private:
  void Started(uint32_t sampleRate) override;
  void Block(std::span<const float> samples) override;
  void StatusChanged() override;

  std::function<void()> wake_;
  std::atomic<int> tolerance_{kDefaultToleranceCents};
  // Capture thread only.
  std::unique_ptr<VoiceAnalysis> analysis_;
  VoiceHeard fresh_;
  // Shared: under mailboxMutex_.
  std::mutex mailboxMutex_;
  VoiceHeard mailbox_;
  VoiceCapture capture_;  // last: stopped first, before the members its thread uses
};
