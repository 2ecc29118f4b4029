#include "app/CControlBar.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>

#include "app/ControlBarTemplate.h"
#include "platform/DialogUnits.h"
#include "platform/qt/DialogUnitsQt.h"
#include "platform/qt/PlainText.h"
#include "platform/qt/QtConvert.h"

CControlBar::CControlBar(QWidget* parent) : QWidget(parent) {
  setFont(DialogFont());
  Build();
  LayOut();
}

void CControlBar::Build() {
  for (const DialogControl& c : ControlBarTemplate().controls) {
    QWidget* w = nullptr;
    const int id = c.id;
    switch (c.kind) {
      case ControlKind::PushButton:
      case ControlKind::DefaultPushButton: {
        auto* b = new QPushButton(ToQString(c.text), this);
        b->setFocusPolicy(Qt::NoFocus);
        connect(b, &QPushButton::clicked, this, [this, id] { emit Command(id); });
        w = b;
        break;
      }
      case ControlKind::CheckBox: {
        auto* b = new QCheckBox(ToQString(c.text), this);
        b->setFocusPolicy(Qt::NoFocus);
        connect(b, &QCheckBox::clicked, this, [this, id] { emit Command(id); });
        w = b;
        break;
      }
      case ControlKind::ComboBox:
      case ControlKind::EditableComboBox: {
        auto* box = new QComboBox(this);
        box->setFocusPolicy(Qt::NoFocus);
        connect(box, &QComboBox::activated, this, [this, id] { emit Command(id); });
        w = box;
        break;
      }
      case ControlKind::Slider: {
        auto* s = new QSlider(Qt::Horizontal, this);
        s->setTickPosition(QSlider::NoTicks);
        s->setFocusPolicy(Qt::NoFocus);
        s->installEventFilter(this);
        w = s;
        break;
      }
      case ControlKind::Edit:
      case ControlKind::NumberEdit: {
        auto* e = new QLineEdit(ToQString(c.text), this);
        e->setReadOnly(true);
        e->setFocusPolicy(Qt::NoFocus);
        w = e;
        break;
      }
      case ControlKind::Label:
      case ControlKind::RightLabel:
      case ControlKind::GroupBox:
      case ControlKind::ListBox:
      case ControlKind::Icon: {  // the bar has none
        auto* l = NewPlainLabel(ToQString(c.text), this);
        l->setAlignment((c.kind == ControlKind::RightLabel ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter);
        w = l;
        break;
      }
    }
    w->setObjectName(QString::number(id));
    controls_[id] = w;
  }
}

void CControlBar::LayOut() {
  const DialogBaseUnits units = DialogFontBaseUnits();
  for (const DialogControl& c : ControlBarTemplate().controls) {
    QWidget* w = Control(c.id);
    Rect r = DluRectToPixels(c.x, c.y, c.w, c.h, units);
    // A drop-down list's template height includes its open list; the closed box is one line high.
    if (c.kind == ControlKind::ComboBox) r.bottom = r.top + DluToPixelsY(14, units);
    w->setGeometry(ToQRect(r));
  }
}

QSize CControlBar::sizeHint() const {
  const DialogBaseUnits units = DialogFontBaseUnits();
  const DialogTemplate& t = ControlBarTemplate();
  return {DluToPixelsX(t.width, units), DluToPixelsY(t.height, units)};
}

QWidget* CControlBar::Control(int id) const {
  const auto it = controls_.find(id);
  return it == controls_.end() ? nullptr : it->second;
}

void CControlBar::SetControlText(int id, const std::string& text) {
  QWidget* w = Control(id);
  const QString s = ToQString(text);
  if (auto* b = qobject_cast<QAbstractButton*>(w)) b->setText(s);
  else if (auto* l = qobject_cast<QLabel*>(w)) l->setText(s);
  else if (auto* e = qobject_cast<QLineEdit*>(w)) {
    // A text longer than the box shows its start; the whole is the tooltip.
    e->setText(s);
    e->setCursorPosition(0);
    e->setToolTip(PlainToolTip(s));
  }
  // A list box selects the item of that text, as tasks that change a setting show it.
  else if (auto* c = qobject_cast<QComboBox*>(w)) {
    const int index = c->findText(s, Qt::MatchExactly);
    if (index >= 0) c->setCurrentIndex(index);
  }
}

std::string CControlBar::ControlText(int id) const {
  QWidget* w = Control(id);
  if (auto* b = qobject_cast<QAbstractButton*>(w)) return FromQString(b->text());
  if (auto* l = qobject_cast<QLabel*>(w)) return FromQString(l->text());
  if (auto* e = qobject_cast<QLineEdit*>(w)) return FromQString(e->text());
  if (auto* c = qobject_cast<QComboBox*>(w)) return FromQString(c->currentText());
  return {};
}

void CControlBar::EnableControl(int id, bool enable) {
  if (QWidget* w = Control(id)) w->setEnabled(enable);
}

bool CControlBar::IsControlEnabled(int id) const {
  QWidget* w = Control(id);
  return w && w->isEnabled();
}

void CControlBar::SetChecked(int id, bool checked) {
  if (auto* b = qobject_cast<QCheckBox*>(Control(id))) b->setChecked(checked);
}

bool CControlBar::IsChecked(int id) const {
  auto* b = qobject_cast<QCheckBox*>(Control(id));
  return b && b->checkState() != Qt::Unchecked;
}

void CControlBar::FillList(int id, const std::vector<std::string>& items) {
  auto* box = qobject_cast<QComboBox*>(Control(id));
  if (!box) return;
  box->clear();
  for (const std::string& item : items) box->addItem(ToQString(item));
}

void CControlBar::SetListSelection(int id, int index) {
  if (auto* box = qobject_cast<QComboBox*>(Control(id))) box->setCurrentIndex(index < box->count() ? index : -1);
}

int CControlBar::ListSelection(int id) const {
  auto* box = qobject_cast<QComboBox*>(Control(id));
  return box ? box->currentIndex() : -1;
}

std::string CControlBar::ListItemText(int id, int index) const {
  auto* box = qobject_cast<QComboBox*>(Control(id));
  return box ? FromQString(box->itemText(index)) : std::string();
}

void CControlBar::SetSliderRange(int id, int low, int high) {
  if (auto* s = qobject_cast<QSlider*>(Control(id))) s->setRange(low, high);
}

void CControlBar::SetSliderPos(int id, int pos) {
  if (auto* s = qobject_cast<QSlider*>(Control(id))) s->setValue(pos);
}

int CControlBar::SliderPos(int id) const {
  auto* s = qobject_cast<QSlider*>(Control(id));
  return s ? s->value() : 0;
}

bool CControlBar::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::Paint) {
    if (auto* s = qobject_cast<QSlider*>(watched)) emit SliderDrawn(s->objectName().toInt());
  }
  return QWidget::eventFilter(watched, event);
}
