#pragma once
#include <cstdint>
#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

// Modal dialogs are described by a template in dialog units and run by the UI host,
// which builds the real controls (or, in tests, in-memory ones) and reports clicks back.
// ComboBox is a drop-down list; EditableComboBox also takes typed text. NumberEdit takes digits only.
enum class ControlKind {
  Label,
  CheckBox,
  PushButton,
  DefaultPushButton,
  GroupBox,
  ListBox,
  ComboBox,
  Edit,
  Slider,
  RightLabel,
  NumberEdit,
  EditableComboBox,
  Icon,  // the program icon, drawn at the control's size
};

struct DialogControl {
  int id = 0;
  ControlKind kind = ControlKind::Label;
  int x = 0, y = 0, w = 0, h = 0;  // dialog units
  std::string text;                // the template's own text, replaced by language texts at init
  bool multiline = false;
};

struct DialogTemplate {
  int id = 0;
  int width = 0, height = 0;  // dialog units
  std::string caption;
  std::vector<DialogControl> controls;
};

// Standard command ids of dialog buttons and message box answers.
enum : int { IDOK = 1, IDCANCEL = 2, IDYES = 6, IDNO = 7 };

// The live controls of a running dialog.
// The host reports what the user does through CDialog::OnCommand(id): a click on a button
// or check box, a new selection in a list or combo box, a move of a slider. Changes made
// through the operations below report nothing.
class DialogControls {
 public:
  virtual ~DialogControls() = default;
  virtual void SetCaption(const std::string& text) = 0;
  // The text of a label, button, check box, group box or edit box; of a combo box, the text
  // in its box (the selected item's text unless typed).
  virtual void SetText(int id, const std::string& text) = 0;
  virtual std::string Text(int id) const = 0;
  virtual bool Checked(int id) const = 0;
  virtual void SetChecked(int id, bool checked) = 0;
  virtual void End(int result) = 0;

  // The operations below do nothing (and answer 0, -1 or true) for controls that lack them.
  virtual void EnableControl(int /*id*/, bool /*enable*/) {}
  virtual bool IsControlEnabled(int /*id*/) const { return true; }
  // List and combo boxes: the items in the order added, and the selected index (-1: none).
  // An editable combo box whose text matches no item has no selection.
  virtual void ResetContent(int /*id*/) {}
  virtual void AddString(int /*id*/, const std::string& /*text*/) {}
  virtual int ItemCount(int /*id*/) const { return 0; }
  virtual std::string ItemText(int /*id*/, int /*index*/) const { return {}; }
  virtual void SetCurSel(int /*id*/, int /*index*/) {}
  virtual int CurSel(int /*id*/) const { return -1; }
  // Sliders: the range, then the position within it.
  virtual void SetRange(int /*id*/, int /*min*/, int /*max*/) {}
  virtual void SetPos(int /*id*/, int /*pos*/) {}
  virtual int Pos(int /*id*/) const { return 0; }
};

class CDialog {
 public:
  explicit CDialog(DialogTemplate dialogTemplate) : template_(std::move(dialogTemplate)) {}
  virtual ~CDialog() = default;
  CDialog(const CDialog&) = delete;
  CDialog& operator=(const CDialog&) = delete;

  // Runs the dialog through the UI host; returns the id of the button that closed it
  // (IDCANCEL for Escape and the close box).
  int DoModal();
  const DialogTemplate& Template() const { return template_; }

  // Called by the host.
  void Attach(DialogControls* controls) { controls_ = controls; }
  // Puts texts on the controls, then loads the member values into them.
  virtual void OnInitDialog() { DoDataExchange(false); }
  // Moves member values into the controls (save = false) or back (save = true).
  virtual void DoDataExchange(bool /*save*/) {}
  // A button was clicked. IDOK saves the controls into the members and ends; IDCANCEL ends.
  virtual void OnCommand(int id);

 protected:
  DialogControls& Controls() { return *controls_; }
  void EndDialog(int result) { controls_->End(result); }
  // Data exchange of a check box with a 0/1 member.
  void ExchangeCheck(int id, int32_t& value, bool save) {
    if (save) {
      value = controls_->Checked(id) ? 1 : 0;
    } else {
      controls_->SetChecked(id, value != 0);
    }
  }
  // Puts language texts on the caption and on controls: pairs of control id and text.
  void SetTexts(const std::string& caption, std::initializer_list<std::pair<int, std::string>> texts) {
    controls_->SetCaption(caption);
    for (const auto& [id, text] : texts) controls_->SetText(id, text);
  }

 private:
  DialogTemplate template_;
  DialogControls* controls_ = nullptr;
};
