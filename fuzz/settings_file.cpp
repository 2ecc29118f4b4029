// Fuzzes the reading of the settings record: the bytes as the file would hold them, loaded
// into the process-wide settings the way start-up does.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "music/TempoTables.h"
#include "settings/CSettingsBank.h"
#include "settings/ProgramSettings.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  ResetProgramSettings();
  CSettingsBank bank;
  if (!bank.FromBytes(std::vector<uint8_t>(data, data + size))) {
    if (size >= CSettingsBank::kFileBytes) std::abort();
    return 0;
  }
  bank.CopyToProgramSettings();
  // What the lists and the pianos index with must be in range whatever the file held.
  if (tempoIndex < 0 || tempoIndex >= kTempoCount || modeIndex < 0 || modeIndex >= kModeCount ||
      keyIndex < 0 || keyIndex >= kKeyCount || maxDistance < 1 || maxDistance > kWidestDistance ||
      volume < 0 || volume > kMaxVolume) {
    std::abort();
  }
  if (mainFontDesc.faceName.back() != 0 || resultFontDesc.faceName.back() != 0) std::abort();
  (void)mainFontDesc.Face();
  (void)resultFontDesc.Face();
  // Saving writes the record at its full length again.
  CSettingsBank saved;
  saved.CopyFromProgramSettings();
  if (saved.ToBytes().size() != CSettingsBank::kFileBytes) std::abort();
  return 0;
}
