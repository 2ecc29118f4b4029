#pragma once
#include <optional>
#include <string>

#include "platform/FontDesc.h"

class CDialog;

// Message box styles and icons (combinable).
enum MessageBoxStyle : unsigned {
  MB_OK = 0x00,
  MB_OKCANCEL = 0x01,
  MB_YESNO = 0x04,
  MB_ICONSTOP = 0x10,
  MB_ICONQUESTION = 0x20,
  MB_ICONEXCLAMATION = 0x30,
  MB_ICONINFORMATION = 0x40,
};

struct FileDialogRequest {
  bool save = true;
  std::string caption;
  std::string filter;       // "Text files (*.txt)|*.txt|All files (*.*)|*.*"
  std::string defaultName;  // proposed file name
  std::string defaultExt;   // without the dot
  std::string folder;       // where the dialog opens; empty: the current folder
};

// Everything that asks the user or leaves the process goes through here:
// the program installs the Qt host, tests a scripted one.
class UiHost {
 public:
  virtual ~UiHost() = default;
  // Returns IDOK, IDCANCEL, IDYES or IDNO.
  virtual int MessageBox(const std::string& text, const std::string& caption, unsigned style) = 0;
  virtual int RunModal(CDialog& dialog) = 0;
  virtual std::optional<std::string> FileDialog(const FileDialogRequest& request) = 0;
  virtual std::optional<FontDesc> ChooseFont(const FontDesc& current) = 0;
  // Hands the address to the desktop; false when nothing could be started for it.
  virtual bool OpenUrl(const std::string& url) = 0;
  // Ends the process with the exit code. Does not return.
  [[noreturn]] virtual void ExitProcess(int code) = 0;
};

UiHost& GetUiHost();
// Installs the host (the caller keeps ownership); nullptr restores the default Qt host.
void SetUiHost(UiHost* host);
