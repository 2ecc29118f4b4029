#include "platform/ScriptedUiHost.h"

#include <algorithm>

namespace {

bool IsList(ControlKind kind) { return kind == ControlKind::ListBox || kind == ControlKind::ComboBox; }

int IndexOf(const std::vector<std::string>& items, const std::string& text) {
  const auto it = std::find(items.begin(), items.end(), text);
  return it == items.end() ? -1 : static_cast<int>(it - items.begin());
}

template <typename T>
T PopOr(std::deque<T>& queue, T fallback) {
  if (queue.empty()) return fallback;
  T value = std::move(queue.front());
  queue.pop_front();
  return value;
}

// Detaches the controls from the dialog however the run ends.
class Attachment {
 public:
  Attachment(CDialog& dialog, DialogControls& controls) : dialog_(dialog) { dialog_.Attach(&controls); }
  ~Attachment() { dialog_.Attach(nullptr); }
  Attachment(const Attachment&) = delete;
  Attachment& operator=(const Attachment&) = delete;

 private:
  CDialog& dialog_;
};

}  // namespace

MemoryDialogControls::MemoryDialogControls(const DialogTemplate& dialogTemplate) : caption_(dialogTemplate.caption) {
  for (const DialogControl& c : dialogTemplate.controls) {
    MemoryControl& control = controls_[c.id];
    control.kind = c.kind;
    control.text = c.text;
  }
}

MemoryControl* MemoryDialogControls::Find(int id) {
  return const_cast<MemoryControl*>(static_cast<const MemoryDialogControls*>(this)->Find(id));
}

const MemoryControl* MemoryDialogControls::Find(int id) const {
  const auto it = controls_.find(id);
  if (it != controls_.end()) return &it->second;
  unknownIds_.push_back(id);
  return nullptr;
}

void MemoryDialogControls::SetText(int id, const std::string& text) {
  MemoryControl* c = Find(id);
  if (!c) return;
  if (IsList(c->kind)) {
    SetCurSel(id, IndexOf(c->items, text));
  } else {
    c->text = text;
  }
}

std::string MemoryDialogControls::Text(int id) const {
  const MemoryControl* c = Find(id);
  if (!c) return {};
  if (IsList(c->kind)) return c->curSel >= 0 ? c->items[c->curSel] : std::string();
  return c->text;
}

bool MemoryDialogControls::Checked(int id) const {
  const MemoryControl* c = Find(id);
  return c && c->checked;
}

void MemoryDialogControls::SetChecked(int id, bool checked) {
  if (MemoryControl* c = Find(id)) c->checked = checked;
}

void MemoryDialogControls::End(int result) {
  ended_ = true;
  result_ = result;
}

void MemoryDialogControls::EnableControl(int id, bool enable) {
  if (MemoryControl* c = Find(id)) c->enabled = enable;
}

bool MemoryDialogControls::IsControlEnabled(int id) const {
  const MemoryControl* c = Find(id);
  return !c || c->enabled;
}

void MemoryDialogControls::ResetContent(int id) {
  MemoryControl* c = Find(id);
  if (!c) return;
  c->items.clear();
  c->curSel = -1;
  if (c->kind == ControlKind::EditableComboBox) c->text.clear();
}

void MemoryDialogControls::AddString(int id, const std::string& text) {
  if (MemoryControl* c = Find(id)) c->items.push_back(text);
}

int MemoryDialogControls::ItemCount(int id) const {
  const MemoryControl* c = Find(id);
  return c ? static_cast<int>(c->items.size()) : 0;
}

std::string MemoryDialogControls::ItemText(int id, int index) const {
  const MemoryControl* c = Find(id);
  if (!c || index < 0 || index >= static_cast<int>(c->items.size())) return {};
  return c->items[index];
}

void MemoryDialogControls::SetCurSel(int id, int index) {
  MemoryControl* c = Find(id);
  if (!c) return;
  if (index < 0 || index >= static_cast<int>(c->items.size())) index = -1;
  if (c->kind == ControlKind::EditableComboBox) {
    c->text = index >= 0 ? c->items[index] : std::string();
  } else {
    c->curSel = index;
  }
}

int MemoryDialogControls::CurSel(int id) const {
  const MemoryControl* c = Find(id);
  if (!c) return -1;
  return c->kind == ControlKind::EditableComboBox ? IndexOf(c->items, c->text) : c->curSel;
}

void MemoryDialogControls::SetRange(int id, int min, int max) {
  MemoryControl* c = Find(id);
  if (!c) return;
  c->rangeMin = min;
  c->rangeMax = std::max(min, max);
  c->pos = std::clamp(c->pos, c->rangeMin, c->rangeMax);
}

void MemoryDialogControls::SetPos(int id, int pos) {
  if (MemoryControl* c = Find(id)) c->pos = std::clamp(pos, c->rangeMin, c->rangeMax);
}

int MemoryDialogControls::Pos(int id) const {
  const MemoryControl* c = Find(id);
  return c ? c->pos : 0;
}

int ScriptedUiHost::MessageBox(const std::string& text, const std::string& caption, unsigned style) {
  const int firstButton = (style & 0x0F) == MB_YESNO ? IDYES : IDOK;
  const int answer = PopOr(messageBoxAnswers, firstButton);
  messageBoxes.push_back({text, caption, style, answer});
  return answer;
}

int ScriptedUiHost::RunModal(CDialog& dialog) {
  MemoryDialogControls controls(dialog.Template());
  const Attachment attachment(dialog, controls);
  dialog.OnInitDialog();
  // Nested dialogs may add runs while this one is open: keep its index, not a reference.
  const size_t index = dialogs.size();
  dialogs.push_back({dialog.Template().id, controls.Caption(), controls.Controls(), controls.UnknownIds()});
  if (!controls.Ended()) PopOr(dialogActions, Press(IDCANCEL))(dialog, controls);
  if (!controls.Ended()) {
    dialogs[index].leftOpenByScript = true;
    dialog.OnCommand(IDCANCEL);
  }
  if (!controls.Ended()) controls.End(IDCANCEL);
  dialogs[index].result = controls.Result();
  return controls.Result();
}

std::optional<std::string> ScriptedUiHost::FileDialog(const FileDialogRequest& request) {
  fileRequests.push_back(request);
  return PopOr(fileAnswers, std::optional<std::string>());
}

std::optional<FontDesc> ScriptedUiHost::ChooseFont(const FontDesc& current) {
  fontRequests.push_back(current);
  return PopOr(fontAnswers, std::optional<FontDesc>());
}

void ScriptedUiHost::ExitProcess(int code) {
  exitCode = code;
  throw ProcessExit{code};
}

DialogAction ScriptedUiHost::Press(int id) {
  return [id](CDialog& dialog, DialogControls&) { dialog.OnCommand(id); };
}
