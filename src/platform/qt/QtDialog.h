#pragma once
#include <QDialog>
#include <map>

#include "platform/Dialog.h"
#include "platform/DialogUnits.h"

class QAbstractButton;
class QLabel;

// A dialog template made real: one widget per control at its converted position, the
// dialog font, the template's caption and size. Clicks and selection changes go to the
// dialog's OnCommand; Escape and the close box send IDCANCEL; Enter presses the default
// button, or sends IDOK when there is none. End closes the window with its result.
class QtDialog final : public QDialog, public DialogControls {
  Q_OBJECT

 public:
  QtDialog(CDialog& dialog, const DialogBaseUnits& units, QWidget* parent = nullptr);
  ~QtDialog() override;

  // Initialises the dialog, then runs the modal loop unless it has already ended.
  // Returns the result given to End (IDCANCEL if the loop ended otherwise).
  int Run();

  void SetCaption(const std::string& text) override;
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

  // The widget made for a control (for a multi-line check box, the box holding check and text).
  QWidget* ControlWidget(int id) const;

  void reject() override;
  void accept() override;

 protected:
  void keyPressEvent(QKeyEvent* event) override;

 private:
  struct Control {
    ControlKind kind = ControlKind::Label;
    QWidget* widget = nullptr;  // the control, or the box of a multi-line check box or button
    QLabel* label = nullptr;    // the wrapped text of a multi-line check box or button
    QAbstractButton* button = nullptr;
  };

  void Build(const DialogBaseUnits& units);
  Control Create(const DialogControl& control);
  void Notify(int id);
  const Control* Find(int id) const;

  CDialog& dialog_;
  std::map<int, Control> controls_;
  bool ended_ = false;
  int result_ = IDCANCEL;
};
