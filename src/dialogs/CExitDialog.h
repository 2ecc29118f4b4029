#pragma once
#include <cstdint>

#include "platform/Dialog.h"

// Asks before the program exits; its check box switches the question off.
class CExitDialog : public CDialog {
 public:
  static constexpr int kTemplateId = 216;
  static constexpr int kDontAskBox = 1023;
  static constexpr int kReturnButton = IDCANCEL;
  static constexpr int kExitButton = IDOK;

  CExitDialog();
  void OnInitDialog() override;
  void DoDataExchange(bool save) override;
  // The check box is read back whichever button closed the dialog.
  void OnCommand(int id) override;

  int32_t dontAsk = 0;
};

// Shows the exit dialog and stores its check box into askBeforeExit.
// Returns true when the user chose to exit.
bool ConfirmExit();
