#pragma once
#include <deque>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "platform/Dialog.h"
#include "platform/UiHost.h"

// A host for tests: every request is recorded and answered from a queue, nothing blocks
// and nothing is shown.

// Thrown by ScriptedUiHost::ExitProcess so that the flow that wanted to end the process
// stops there; the test catches it and checks the code.
struct ProcessExit {
  int code = 0;
};

// One control of an in-memory dialog.
struct MemoryControl {
  ControlKind kind = ControlKind::Label;
  std::string text;
  bool checked = false;
  bool enabled = true;
  std::vector<std::string> items;
  int curSel = -1;
  int rangeMin = 0;
  int rangeMax = 100;
  int pos = 0;
};

// The controls of a dialog template held in memory.
class MemoryDialogControls final : public DialogControls {
 public:
  explicit MemoryDialogControls(const DialogTemplate& dialogTemplate);

  void SetCaption(const std::string& text) override { caption_ = text; }
  void SetText(int id, const std::string& text) override;
  std::string Text(int id) const override;
  bool Checked(int id) const override;
  void SetChecked(int id, bool checked) override;
  void End(int result) override;
  void EnableControl(int id, bool enable) override;
  bool IsControlEnabled(int id) const override;
  void ResetContent(int id) override;
  void AddString(int id, const std::string& text) override;
  int ItemCount(int id) const override;
  std::string ItemText(int id, int index) const override;
  void SetCurSel(int id, int index) override;
  int CurSel(int id) const override;
  void SetRange(int id, int min, int max) override;
  void SetPos(int id, int pos) override;
  int Pos(int id) const override;

  const std::string& Caption() const { return caption_; }
  const std::map<int, MemoryControl>& Controls() const { return controls_; }
  bool Ended() const { return ended_; }
  int Result() const { return result_; }
  // Ids the dialog asked for that its template does not have, in order.
  const std::vector<int>& UnknownIds() const { return unknownIds_; }

 private:
  MemoryControl* Find(int id);
  const MemoryControl* Find(int id) const;

  std::string caption_;
  std::map<int, MemoryControl> controls_;
  bool ended_ = false;
  int result_ = 0;
  mutable std::vector<int> unknownIds_;
};

// What the user does in a dialog: change controls, then call dialog.OnCommand(id).
using DialogAction = std::function<void(CDialog&, DialogControls&)>;

struct MessageBoxCall {
  std::string text;
  std::string caption;
  unsigned style = 0;
  int answer = 0;
};

struct DialogRun {
  int templateId = 0;
  // The caption and controls right after OnInitDialog.
  std::string caption;
  std::map<int, MemoryControl> controls;
  std::vector<int> unknownIds;
  // The action left the dialog open, so the host pressed Escape for it.
  bool leftOpenByScript = false;
  int result = 0;
};

class ScriptedUiHost final : public UiHost {
 public:
  // A message box answers with the next queued answer, else with its first button
  // (IDOK, or IDYES for MB_YESNO).
  int MessageBox(const std::string& text, const std::string& caption, unsigned style) override;
  // Initialises the dialog on in-memory controls, records them, then runs the next queued
  // action; without one the user presses Escape. An action that leaves the dialog open is
  // followed by Escape too, and a dialog that still does not end ends with IDCANCEL.
  int RunModal(CDialog& dialog) override;
  // Answers with the next queued file name; without one the user cancels.
  std::optional<std::string> FileDialog(const FileDialogRequest& request) override;
  // Answers with the next queued font; without one the user cancels.
  std::optional<FontDesc> ChooseFont(const FontDesc& current) override;
  bool OpenUrl(const std::string& url) override {
    openedUrls.push_back(url);
    return urlsOpen;
  }
  // Records the code and throws ProcessExit.
  [[noreturn]] void ExitProcess(int code) override;

  // An action that clicks one button.
  static DialogAction Press(int id);

  std::deque<int> messageBoxAnswers;
  std::deque<DialogAction> dialogActions;
  std::deque<std::optional<std::string>> fileAnswers;
  std::deque<std::optional<FontDesc>> fontAnswers;

  std::vector<MessageBoxCall> messageBoxes;
  std::vector<DialogRun> dialogs;
  std::vector<FileDialogRequest> fileRequests;
  std::vector<FontDesc> fontRequests;
  std::vector<std::string> openedUrls;
  bool urlsOpen = true;  // whether the desktop has a browser and a mail program
  std::optional<int> exitCode;
};

// Installs a host for the lifetime of a scope; the default host afterwards.
class ScopedUiHost {
 public:
  explicit ScopedUiHost(UiHost& host) { SetUiHost(&host); }
  ~ScopedUiHost() { SetUiHost(nullptr); }
  ScopedUiHost(const ScopedUiHost&) = delete;
  ScopedUiHost& operator=(const ScopedUiHost&) = delete;
};
