#pragma once
#include <cstdint>
#include <string>

#include "platform/Dialog.h"
#include "tasks/chords/Chords.h"

// The student names the type of the chord just heard: a list of a range of chord types and
// two confirming buttons, the second asking to hear the chord again if the answer is wrong.
class CChordDialog : public CDialog, public Chords {
 public:
  static constexpr int kTemplateId = 211;
  static constexpr int kTypeList = 1013;
  static constexpr int kListenAgainButton = 1018;
  static constexpr int kHintText = 1080;

  CChordDialog();

  // Offers the types first..last with the hint; returns IDOK (either confirming button)
  // or IDCANCEL (Escape, the close box).
  int AskChordType(int32_t first, int32_t last, const std::string& hint);

  void OnInitDialog() override;
  void OnCommand(int id) override;

  int32_t firstType = 0;
  int32_t lastType = kLastType;
  std::string hintText;
  int typeList = kTypeList;
  int32_t selectedType = 0;
  bool listenAgain = false;
};
