#include "log/LogLines.h"

#include "log/LocalTime.h"
#include "log/ResultsLog.h"
#include "music/MusicalTables.h"
#include "music/TempoTables.h"
#include "settings/ProgramSettings.h"
#include "text/LanguageTable.h"
#include "text/StrFormat.h"

std::string DashRule() {
  std::string s;
  for (int i = 0; i < 75; ++i) s += "\u2014";
  return s;
}

std::string EqualsRule() { return std::string(75, '='); }

void AppendLogHeader(std::time_t now) {
  resultsLog.push_back(T(413) + " " + FormatDateTime(ToLocalTime(now)));
  resultsLog.push_back(DashRule());
}

void AppendSettingsLines() {
  const auto in = [](int value, int count) { return value >= 0 && value < count ? value : 0; };
  resultsLog.push_back(StrFormat("%s = %s", T(94).c_str(), tempoNames[static_cast<size_t>(in(tempoIndex, kTempoCount))]));
  resultsLog.push_back(StrFormat("%s %s", T(414).c_str(), T(blockExtramodeKeys ? 416 : 415).c_str()));
  resultsLog.push_back(StrFormat("%s %s %s", T(419).c_str(), keyNames[static_cast<size_t>(in(keyIndex, 12))],
                                 T(100 + in(modeIndex, 11)).c_str()));
  resultsLog.push_back(StrFormat("%s = %d", T(111).c_str(), maxDistance));
}
