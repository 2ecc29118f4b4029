#pragma once
#include <cstdint>

// Tells from the times the audio blocks are asked for whether the sound ran dry. The server
// asks for the blocks at its own pace: evenly, or several at once after a pause (a server that
// takes more than two periods at a time). What counts is whether the audio rendered so far
// still covers the time since the stream started, less what the buffer holds: a block that
// comes when the sound rendered before it has all played, and the buffer too, is an underrun.
// One stall counts once: the count starts again from that block. While a new stream settles
// (the server fills its buffer at its own pace) nothing is counted.
class UnderrunCounter {
 public:
  static constexpr int64_t kSettleNs = 500'000'000;
  static constexpr int64_t kSlackNs = 2'000'000;

  // A stream at the rate whose buffer holds bufferFrames, opened at openedNs.
  UnderrunCounter(int rate, int bufferFrames, int64_t openedNs)
      : rate_(rate > 0 ? rate : 1), bufferFrames_(bufferFrames), openedNs_(openedNs) {}

  // A block of frames is asked for at nowNs. Returns true when it comes too late.
  bool Block(int64_t nowNs, int frames) {
    bool late = false;
    if (nowNs - openedNs_ <= kSettleNs) {
      startNs_ = -1;
    } else if (startNs_ < 0) {
      startNs_ = nowNs;
      renderedFrames_ = 0;
    } else {
      const int64_t coveredNs = (renderedFrames_ + bufferFrames_) * 1'000'000'000 / rate_;
      late = nowNs - startNs_ > coveredNs + kSlackNs;
      if (late) {
        startNs_ = nowNs;
        renderedFrames_ = 0;
      }
    }
    renderedFrames_ += frames;
    return late;
  }

 private:
  int64_t rate_;
  int64_t bufferFrames_;
  int64_t openedNs_;
  int64_t startNs_ = -1;
  int64_t renderedFrames_ = 0;
};
