#include "settings/MidiPortNames.h"

#include "platform/Utf.h"

namespace midi_in {

std::string ShownName(const std::string& systemName) {
  // ALSA: "Client:Port 24:0". From the end: digits, a colon, digits, a blank.
  const auto isDigit = [](char c) { return c >= '0' && c <= '9'; };
  size_t end = systemName.size();
  for (const char separator : {':', ' '}) {
    const size_t digitsEnd = end;
    while (end > 0 && isDigit(systemName[end - 1])) --end;
    if (end == digitsEnd || end == 0 || systemName[end - 1] != separator) return systemName;
    --end;
  }
  return systemName.substr(0, end);
}

bool IsOffered(const std::string& shownName) {
  const std::string own = kClientName;
  // Our own clients; JACK numbers a second client of one name ("Aurelo-01").
  if (shownName.rfind(own + ":", 0) == 0 || shownName.rfind(own + "-", 0) == 0) return false;
  return shownName.rfind("Midi Through:", 0) != 0;
}

std::u16string StoredName(std::string_view shownName) {
  std::u16string units = Utf8ToUtf16(shownName.substr(0, shownName.find('\0')));
  if (units.size() <= kStoredNameUnits) return units;
  size_t kept = kStoredNameUnits;
  if (units[kept - 1] >= 0xD800 && units[kept - 1] <= 0xDBFF) --kept;  // the first half of a pair
  units.resize(kept);
  return units;
}

bool IsChosen(const std::string& shownName, const std::string& chosen) {
  if (chosen.empty() || shownName == chosen) return true;
  return StoredName(shownName) == StoredName(chosen);
}

}  // namespace midi_in
