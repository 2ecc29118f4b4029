#pragma once

#include "platform/Dialog.h"

// Asks before the results log is cleared: "Yes, clear log" ends with IDOK, "Cancel",
// Escape and the close box with IDCANCEL.
class CResetLogAskDialog : public CDialog {
 public:
  static constexpr int kTemplateId = 218;
  static constexpr int kClearButton = IDOK;
  static constexpr int kCancelButton = IDCANCEL;

  CResetLogAskDialog();
  void OnInitDialog() override;
};
