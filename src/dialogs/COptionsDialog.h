#pragma once
#include <cstdint>

#include "platform/Dialog.h"

// "Warning settings": one check box that switches off the questions before exit and log clearing.
class COptionsDialog : public CDialog {
 public:
  static constexpr int kTemplateId = 217;
  static constexpr int kNoWarningBox = 1024;

  COptionsDialog();
  void OnInitDialog() override;
  void DoDataExchange(bool save) override;

  int32_t noWarning = 0;
};

// Command "Warning settings": shows the dialog; "Apply" stores the check box into askBeforeExit.
void WarningSettings();
