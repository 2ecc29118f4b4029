#include "tasks/base/CTest13Keys.h"

namespace {
constexpr int32_t kOctavesUp = 24;
}

void CTest13Keys::PlayNote(int32_t key, int32_t channel) {
  if (key >= 0 && key < kOneOctaveKeys) {
    CAbstractT::PlayNote(key + kOctavesUp, channel);
  } else if (key >= 37 && key <= 39) {
    CAbstractT::PlayNote(key, channel);
  }
}
