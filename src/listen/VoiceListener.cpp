#include "listen/VoiceListener.h"

namespace {

constexpr size_t kMostFrames = 2000;  // about ten seconds of pitch trace waiting to be taken

}  // namespace

VoiceListener::VoiceListener(std::function<void()> wake) : wake_(std::move(wake)), capture_(*this) {}

VoiceListener::~VoiceListener() { capture_.Close(); }

VoiceHeard VoiceListener::TakeHeard() {
  std::lock_guard lock(mailboxMutex_);
  VoiceHeard heard;
  std::swap(heard, mailbox_);
  return heard;
}

void VoiceListener::Started(uint32_t sampleRate) {
  analysis_ = std::make_unique<VoiceAnalysis>(sampleRate, tolerance_.load());
}

void VoiceListener::Block(std::span<const float> samples) {
  if (!analysis_) return;
  analysis_->SetTolerance(tolerance_.load());
  fresh_.frames.clear();
  fresh_.notes.clear();
  analysis_->Feed(samples, fresh_.frames, fresh_.notes);
  if (fresh_.frames.empty() && fresh_.notes.empty()) return;
  bool wasEmpty = false;
  {
    std::lock_guard lock(mailboxMutex_);
    wasEmpty = mailbox_.frames.empty() && mailbox_.notes.empty();
    std::vector<PitchFrame>& frames = mailbox_.frames;
    frames.insert(frames.end(), fresh_.frames.begin(), fresh_.frames.end());
    if (frames.size() > kMostFrames) frames.erase(frames.begin(), frames.end() - kMostFrames);
    mailbox_.notes.insert(mailbox_.notes.end(), fresh_.notes.begin(), fresh_.notes.end());
  }
  if (wasEmpty && wake_) wake_();
}

void VoiceListener::StatusChanged() {
  if (wake_) wake_();
}
