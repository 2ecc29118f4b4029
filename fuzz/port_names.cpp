// Fuzzes the handling of the names of the keyboard's ports: lines of names as a sequencer may
// give them (any bytes). Each name is shown without ALSA's numbers, chosen, kept in the
// settings file and read back: the port must still be the chosen one after that.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "settings/CSettingsBank.h"
#include "settings/MidiPortNames.h"
#include "settings/ProgramSettings.h"

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Whether cut is " <digits>:<digits>".
bool IsAlsaNumbers(const std::string& cut) {
  const size_t colon = cut.find(':');
  if (cut.size() < 4 || cut[0] != ' ' || colon == std::string::npos || colon < 2 || colon + 1 == cut.size()) {
    return false;
  }
  for (size_t i = 1; i < cut.size(); ++i) {
    if (i != colon && !IsDigit(cut[i])) return false;
  }
  return true;
}

void CheckName(const std::string& systemName) {
  const std::string shown = midi_in::ShownName(systemName);
  if (systemName.compare(0, shown.size(), shown) != 0) std::abort();
  if (shown.size() < systemName.size() && !IsAlsaNumbers(systemName.substr(shown.size()))) std::abort();
  (void)midi_in::IsOffered(shown);
  if (midi_in::StoredName(shown).size() > midi_in::kStoredNameUnits) std::abort();
  // Chosen, saved with the settings and read back at the next start.
  ResetProgramSettings();
  midiInPortName = shown;
  CSettingsBank saved;
  saved.CopyFromProgramSettings();
  CSettingsBank read;
  if (!read.FromBytes(saved.ToBytes())) std::abort();
  ResetProgramSettings();
  read.CopyToProgramSettings();
  if (!midi_in::IsChosen(shown, midiInPortName)) std::abort();
  if (!midi_in::IsChosen(shown, "")) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  std::vector<std::string> names;
  for (size_t at = 0; at <= text.size();) {
    const size_t end = std::min(text.find('\n', at), text.size());
    names.push_back(text.substr(at, end - at));
    at = end + 1;
  }
  for (const std::string& name : names) CheckName(name);
  // The first line as the chosen port against the others: no fault, whatever they hold.
  for (size_t i = 1; i < names.size(); ++i) (void)midi_in::IsChosen(names[i], names[0]);
  return 0;
}
