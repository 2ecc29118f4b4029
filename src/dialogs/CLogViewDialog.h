#pragma once
#include <string>
#include <vector>

#include "platform/Dialog.h"

// "Log of results": every line of the log in one list. It has no buttons; Escape, Enter
// and the close box close it.
class CLogViewDialog : public CDialog {
 public:
  static constexpr int kTemplateId = 214;
  static constexpr int kLogList = 1022;

  // The lines are read when the dialog initialises.
  explicit CLogViewDialog(const std::vector<std::string>& lines);
  void OnInitDialog() override;

 private:
  const std::vector<std::string>& lines_;
};
