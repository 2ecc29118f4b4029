#pragma once
#include <cstddef>
#include <string>
#include <vector>

#include "platform/Dialog.h"
#include "tasks/drills/DrillAnswers.h"

// The student names what a drill played, built like the chord type dialog: a list of the
// answers the drill's level offers and two confirming buttons, the second asking to hear it
// again if the answer is wrong.
class CDrillDialog : public CDialog {
 public:
  static constexpr int kTemplateId = 240;
  static constexpr int kAnswerList = 1013;
  static constexpr int kListenAgainButton = 1018;
  static constexpr int kHintText = 1080;

  CDrillDialog();

  // Offers the answers with the hint; returns IDOK (either confirming button) or IDCANCEL
  // (Escape, the close box).
  int AskAnswer(const std::vector<drills::Answer>& answers, const std::string& hint);

  void OnInitDialog() override;
  void OnCommand(int id) override;

  std::vector<drills::Answer> offered;
  std::string hintText;
  size_t selected = 0;
  bool listenAgain = false;
};
