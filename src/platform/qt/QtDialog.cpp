#include "platform/qt/QtDialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QListWidget>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QSignalBlocker>
#include <QSlider>

#include "platform/qt/DialogUnitsQt.h"
#include "platform/qt/PlainText.h"
#include "platform/qt/ProgramIcon.h"
#include "platform/qt/QtConvert.h"

namespace {

// The program icon, drawn at the control's size (and the screen's pixel density).
class IconWidget final : public QWidget {
 public:
  explicit IconWidget(QWidget* parent) : QWidget(parent) {}

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    ProgramIcon().paint(&painter, rect());
  }
};

// Lets a click on a check box's text toggle the box, as a click on the box itself does.
class ClickForwarder final : public QObject {
 public:
  explicit ClickForwarder(QAbstractButton* button) : QObject(button), button_(button) {}
  bool eventFilter(QObject* /*watched*/, QEvent* event) override {
    if (event->type() != QEvent::MouseButtonRelease) return false;
    if (static_cast<QMouseEvent*>(event)->button() != Qt::LeftButton || !button_->isEnabled()) return false;
    button_->click();
    return true;
  }

 private:
  QAbstractButton* button_;
};

QLabel* WrappingLabel(const std::string& text, Qt::Alignment alignment, QWidget* parent) {
  auto* label = NewPlainLabel(ToQString(text), parent);
  label->setWordWrap(true);
  label->setAlignment(alignment);
  return label;
}

QHBoxLayout* TightLayout(QWidget* owner) {
  auto* layout = new QHBoxLayout(owner);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(4);
  return layout;
}

bool IsComboBox(ControlKind kind) { return kind == ControlKind::ComboBox || kind == ControlKind::EditableComboBox; }

}  // namespace

QtDialog::QtDialog(CDialog& dialog, const DialogBaseUnits& units, QWidget* parent)
    : QDialog(parent), dialog_(dialog) {
  setFont(DialogFont());
  setWindowTitle(ToQString(dialog.Template().caption));
  setModal(true);
  Build(units);
}

QtDialog::~QtDialog() = default;

void QtDialog::Build(const DialogBaseUnits& units) {
  const DialogTemplate& t = dialog_.Template();
  const Rect client = DluRectToPixels(0, 0, t.width, t.height, units);
  setFixedSize(client.Width(), client.Height());
  for (const DialogControl& c : t.controls) {
    Control control = Create(c);
    QRect geometry = ToQRect(DluRectToPixels(c.x, c.y, c.w, c.h, units));
    // A combo box's template height includes its dropped list.
    if (IsComboBox(c.kind)) geometry.setHeight(control.widget->sizeHint().height());
    control.widget->setGeometry(geometry);
    control.widget->setObjectName(QString::number(c.id));
    if (c.kind == ControlKind::GroupBox) control.widget->lower();
    controls_[c.id] = control;
  }
}

QtDialog::Control QtDialog::Create(const DialogControl& c) {
  Control control;
  control.kind = c.kind;
  const int id = c.id;
  switch (c.kind) {
    case ControlKind::Label:
    case ControlKind::RightLabel:
      control.label = WrappingLabel(c.text, (c.kind == ControlKind::Label ? Qt::AlignLeft : Qt::AlignRight) | Qt::AlignTop,
                                    this);
      control.widget = control.label;
      break;
    case ControlKind::CheckBox: {
      auto* check = new QCheckBox(this);
      control.button = check;
      control.widget = check;
      if (c.multiline) {
        // A check box cannot wrap its text: a box without text and a wrapping label beside it.
        control.widget = new QWidget(this);
        check->setParent(control.widget);
        control.label = WrappingLabel(c.text, Qt::AlignLeft | Qt::AlignVCenter, control.widget);
        control.label->installEventFilter(new ClickForwarder(check));
        QHBoxLayout* layout = TightLayout(control.widget);
        layout->addWidget(check, 0, Qt::AlignVCenter);
        layout->addWidget(control.label, 1);
      } else {
        check->setText(ToQString(c.text));
      }
      connect(check, &QCheckBox::clicked, this, [this, id] { Notify(id); });
      break;
    }
    case ControlKind::PushButton:
    case ControlKind::DefaultPushButton: {
      auto* button = new QPushButton(this);
      button->setDefault(c.kind == ControlKind::DefaultPushButton);
      if (c.multiline) {
        control.label = WrappingLabel(c.text, Qt::AlignCenter, button);
        control.label->setAttribute(Qt::WA_TransparentForMouseEvents);
        TightLayout(button)->addWidget(control.label);
      } else {
        button->setText(ToQString(c.text));
      }
      control.button = button;
      control.widget = button;
      connect(button, &QPushButton::clicked, this, [this, id] { Notify(id); });
      break;
    }
    case ControlKind::GroupBox:
      control.widget = new QGroupBox(ToQString(c.text), this);
      break;
    case ControlKind::Icon:
      control.widget = new IconWidget(this);
      break;
    case ControlKind::ListBox: {
      auto* list = new QListWidget(this);
      connect(list, &QListWidget::currentRowChanged, this, [this, id] { Notify(id); });
      control.widget = list;
      break;
    }
    case ControlKind::ComboBox:
    case ControlKind::EditableComboBox: {
      auto* combo = new QComboBox(this);
      if (c.kind == ControlKind::EditableComboBox) {
        combo->setEditable(true);
        combo->setInsertPolicy(QComboBox::NoInsert);
      }
      connect(combo, &QComboBox::activated, this, [this, id] { Notify(id); });
      control.widget = combo;
      break;
    }
    case ControlKind::Edit:
    case ControlKind::NumberEdit: {
      auto* edit = new QLineEdit(ToQString(c.text), this);
      if (c.kind == ControlKind::NumberEdit) {
        edit->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), edit));
      }
      control.widget = edit;
      break;
    }
    case ControlKind::Slider: {
      auto* slider = new QSlider(Qt::Horizontal, this);
      slider->setTickPosition(QSlider::NoTicks);
      slider->setRange(0, 100);
      connect(slider, &QSlider::valueChanged, this, [this, id] { Notify(id); });
      control.widget = slider;
      break;
    }
  }
  return control;
}

int QtDialog::Run() {
  dialog_.Attach(this);
  dialog_.OnInitDialog();
  if (!ended_) exec();
  dialog_.Attach(nullptr);
  return ended_ ? result_ : IDCANCEL;
}

void QtDialog::Notify(int id) {
  if (!ended_) dialog_.OnCommand(id);
}

void QtDialog::reject() { Notify(IDCANCEL); }
void QtDialog::accept() { Notify(IDOK); }

void QtDialog::keyPressEvent(QKeyEvent* event) {
  const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
  const bool plain = (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
  if (enter && plain) {
    for (const QPushButton* button : findChildren<QPushButton*>()) {
      if (button->isDefault() && button->isVisible()) return QDialog::keyPressEvent(event);
    }
    // A dialog without a default button closes on Enter as on OK.
    Notify(IDOK);
    return;
  }
  QDialog::keyPressEvent(event);
}

const QtDialog::Control* QtDialog::Find(int id) const {
  const auto it = controls_.find(id);
  if (it != controls_.end()) return &it->second;
  qWarning("Dialog %d has no control %d", dialog_.Template().id, id);
  return nullptr;
}

QWidget* QtDialog::ControlWidget(int id) const {
  const Control* c = Find(id);
  return c ? c->widget : nullptr;
}

void QtDialog::SetCaption(const std::string& text) { setWindowTitle(ToQString(text)); }

void QtDialog::SetText(int id, const std::string& text) {
  const Control* c = Find(id);
  if (!c) return;
  const QString s = ToQString(text);
  const QSignalBlocker blocker(c->widget);
  if (c->label) {
    c->label->setText(s);
  } else if (c->button) {
    c->button->setText(s);
  } else if (auto* group = qobject_cast<QGroupBox*>(c->widget)) {
    group->setTitle(s);
  } else if (auto* edit = qobject_cast<QLineEdit*>(c->widget)) {
    edit->setText(s);
  } else if (auto* combo = qobject_cast<QComboBox*>(c->widget)) {
    if (combo->isEditable()) {
      combo->setEditText(s);
    } else {
      combo->setCurrentIndex(combo->findText(s, Qt::MatchExactly | Qt::MatchCaseSensitive));
    }
  } else if (auto* list = qobject_cast<QListWidget*>(c->widget)) {
    const QList<QListWidgetItem*> found = list->findItems(s, Qt::MatchExactly | Qt::MatchCaseSensitive);
    list->setCurrentRow(found.isEmpty() ? -1 : list->row(found.front()));
  }
}

std::string QtDialog::Text(int id) const {
  const Control* c = Find(id);
  if (!c) return {};
  if (c->label) return FromQString(c->label->text());
  if (c->button) return FromQString(c->button->text());
  if (auto* group = qobject_cast<QGroupBox*>(c->widget)) return FromQString(group->title());
  if (auto* edit = qobject_cast<QLineEdit*>(c->widget)) return FromQString(edit->text());
  if (auto* combo = qobject_cast<QComboBox*>(c->widget)) return FromQString(combo->currentText());
  if (auto* list = qobject_cast<QListWidget*>(c->widget)) {
    return list->currentItem() ? FromQString(list->currentItem()->text()) : std::string();
  }
  return {};
}

bool QtDialog::Checked(int id) const {
  const Control* c = Find(id);
  return c && c->button && c->button->isChecked();
}

void QtDialog::SetChecked(int id, bool checked) {
  const Control* c = Find(id);
  if (!c || !c->button || !c->button->isCheckable()) return;
  const QSignalBlocker blocker(c->button);
  c->button->setChecked(checked);
}

void QtDialog::End(int result) {
  ended_ = true;
  result_ = result;
  QDialog::done(result);
}

void QtDialog::EnableControl(int id, bool enable) {
  if (const Control* c = Find(id)) c->widget->setEnabled(enable);
}

bool QtDialog::IsControlEnabled(int id) const {
  const Control* c = Find(id);
  return !c || c->widget->isEnabled();
}

void QtDialog::ResetContent(int id) {
  const Control* c = Find(id);
  if (!c) return;
  const QSignalBlocker blocker(c->widget);
  if (auto* combo = qobject_cast<QComboBox*>(c->widget)) combo->clear();
  if (auto* list = qobject_cast<QListWidget*>(c->widget)) list->clear();
}

void QtDialog::AddString(int id, const std::string& text) {
  const Control* c = Find(id);
  if (!c) return;
  const QSignalBlocker blocker(c->widget);
  if (auto* combo = qobject_cast<QComboBox*>(c->widget)) {
    const QString keptText = combo->currentText();
    const bool keepNoSelection = combo->currentIndex() < 0;
    combo->addItem(ToQString(text));
    // A drop-down list selects nothing until told to; an editable one keeps its text.
    if (keepNoSelection) combo->setCurrentIndex(-1);
    if (combo->isEditable()) combo->setEditText(keptText);
  }
  if (auto* list = qobject_cast<QListWidget*>(c->widget)) list->addItem(ToQString(text));
}

int QtDialog::ItemCount(int id) const {
  const Control* c = Find(id);
  if (!c) return 0;
  if (auto* combo = qobject_cast<QComboBox*>(c->widget)) return combo->count();
  if (auto* list = qobject_cast<QListWidget*>(c->widget)) return list->count();
  return 0;
}

std::string QtDialog::ItemText(int id, int index) const {
  const Control* c = Find(id);
  if (!c || index < 0 || index >= ItemCount(id)) return {};
  if (auto* combo = qobject_cast<QComboBox*>(c->widget)) return FromQString(combo->itemText(index));
  if (auto* list = qobject_cast<QListWidget*>(c->widget)) return FromQString(list->item(index)->text());
  return {};
}

void QtDialog::SetCurSel(int id, int index) {
  const Control* c = Find(id);
  if (!c) return;
  if (index < 0 || index >= ItemCount(id)) index = -1;
  const QSignalBlocker blocker(c->widget);
  if (auto* combo = qobject_cast<QComboBox*>(c->widget)) {
    combo->setCurrentIndex(index);
    if (index < 0 && combo->isEditable()) combo->setEditText(QString());
  }
  if (auto* list = qobject_cast<QListWidget*>(c->widget)) list->setCurrentRow(index);
}

int QtDialog::CurSel(int id) const {
  const Control* c = Find(id);
  if (!c) return -1;
  if (auto* combo = qobject_cast<QComboBox*>(c->widget)) {
    if (combo->isEditable()) return combo->findText(combo->currentText(), Qt::MatchExactly | Qt::MatchCaseSensitive);
    return combo->currentIndex();
  }
  if (auto* list = qobject_cast<QListWidget*>(c->widget)) return list->currentRow();
  return -1;
}

void QtDialog::SetRange(int id, int min, int max) {
  const Control* c = Find(id);
  auto* slider = c ? qobject_cast<QSlider*>(c->widget) : nullptr;
  if (!slider) return;
  const QSignalBlocker blocker(slider);
  slider->setRange(min, std::max(min, max));
}

void QtDialog::SetPos(int id, int pos) {
  const Control* c = Find(id);
  auto* slider = c ? qobject_cast<QSlider*>(c->widget) : nullptr;
  if (!slider) return;
  const QSignalBlocker blocker(slider);
  slider->setValue(pos);
}

int QtDialog::Pos(int id) const {
  const Control* c = Find(id);
  auto* slider = c ? qobject_cast<QSlider*>(c->widget) : nullptr;
  return slider ? slider->value() : 0;
}
