#pragma once

#include "platform/Dialog.h"

// "About Aurelo": six lines of text, a link to the maker's page of software for musicians, OK.
class CAboutDlg : public CDialog {
 public:
  static constexpr int kTemplateId = 100;
  static constexpr int kLinkButton = 1015;
  static constexpr int kIconControl = 1014;  // the program icon (resource 128)

  CAboutDlg();
  void OnInitDialog() override;
  void OnCommand(int id) override;
};

// Command "About Aurelo".
void ShowAbout();
