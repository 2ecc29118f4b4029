#pragma once
#include <QStringList>
#include <optional>

#include "platform/DialogUnits.h"
#include "platform/UiHost.h"

// The program's host: Qt message boxes, dialogs built from their templates, Qt's file and
// font dialogs (in the interface language), the desktop's link handler. Without a QApplication nothing is shown:
// a message box is written to standard error and answers as if closed without a choice
// (IDOK, IDCANCEL or IDNO by its buttons), a dialog answers IDCANCEL, file and font dialogs nothing.
class QtUiHost final : public UiHost {
 public:
  QtUiHost() = default;
  // Lays dialogs out with these base units instead of those of the dialog font.
  explicit QtUiHost(DialogBaseUnits units) : units_(units) {}

  int MessageBox(const std::string& text, const std::string& caption, unsigned style) override;
  int RunModal(CDialog& dialog) override;
  std::optional<std::string> FileDialog(const FileDialogRequest& request) override;
  // Offers face, style and size only; the other members stay those of current.
  std::optional<FontDesc> ChooseFont(const FontDesc& current) override;
  bool OpenUrl(const std::string& url) override;
  // Ends the process at once with the code, without running destructors; standard
  // streams are flushed first.
  [[noreturn]] void ExitProcess(int code) override;

 private:
  std::optional<DialogBaseUnits> units_;
};

// "Text files (*.txt)|*.txt|All files (*.*)|*.*" as Qt name filters:
// {"Text files (*.txt)", "All files (*)"}; "*.*" matches every file, as it does on Windows.
QStringList ToQtNameFilters(const std::string& filter);
