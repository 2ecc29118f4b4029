#include "tasks/rhythm/TapSource.h"

namespace rhythm {
namespace {
TapSource* installed = nullptr;
}  // namespace

TapSource& GetTapSource() {
  static SilentTapSource silent;
  return installed ? *installed : silent;
}

void SetTapSource(TapSource* source) { installed = source; }

}  // namespace rhythm
