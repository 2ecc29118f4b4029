// The view's back buffer, device contexts, invalidation, cursors and mouse input.
#include <QMouseEvent>
#include <QPaintEvent>
#include <QComboBox>
#include <QPainter>
#include <QPushButton>
#include <cmath>

#include "app/CChildView.h"
#include "app/CControlBar.h"
#include "platform/UiThread.h"
#include "platform/qt/ImageDc.h"
#include "platform/qt/QtConvert.h"
#include "progress/Recorder.h"

namespace {

// Mouse flags of the window messages.
constexpr MouseFlags kLeftButton = 0x01;
constexpr MouseFlags kRightButton = 0x02;
constexpr MouseFlags kShift = 0x04;
constexpr MouseFlags kControl = 0x08;
constexpr MouseFlags kMiddleButton = 0x10;

MouseFlags FlagsOf(const QMouseEvent& e) {
  MouseFlags f = 0;
  if (e.buttons() & Qt::LeftButton) f |= kLeftButton;
  if (e.buttons() & Qt::RightButton) f |= kRightButton;
  if (e.buttons() & Qt::MiddleButton) f |= kMiddleButton;
  if (e.modifiers() & Qt::ShiftModifier) f |= kShift;
  if (e.modifiers() & Qt::ControlModifier) f |= kControl;
  return f;
}

// The logical pixel whose drawing covers the device pixel under the pointer. On a scaled
// screen the pointer sits on a device pixel p, reported as p / ratio. The painter fills p
// when its centre, (p + 0.5) / ratio, lies inside a shape; a centre exactly on an edge goes
// to the shape left of or above the edge. The click counts at the logical pixel of that shape.
int LogicalPixel(qreal position, qreal ratio) {
  // The small allowance undoes the rounding of p / ratio.
  const qreal device = std::floor(position * ratio + 1e-4);
  return static_cast<int>(std::ceil((device + 0.5) / ratio)) - 1;
}

Point PointOf(const QMouseEvent& e, qreal ratio) {
  return {LogicalPixel(e.position().x(), ratio), LogicalPixel(e.position().y(), ratio)};
}

QRegion ToQRegion(const Region& region) {
  QPolygon polygon;
  for (const Point& p : region.Vertices()) polygon << QPoint(p.x, p.y);
  // Include the outline's right and bottom pixels so a repaint covers what the fill drew.
  return QRegion(polygon, Qt::OddEvenFill) + QRegion(ToQRect(region.Bounds()));
}

}  // namespace

// A device context got outside painting: draws into the back buffer and shows what it
// touched when it is released.
class ClientDc : private detail::PainterOnImage, public Dc {
 public:
  explicit ClientDc(CChildView& view) : PainterOnImage(view.buffer_), Dc(PainterOnImage::painter), view_(view) {}
  ~ClientDc() override {
    const Rect touched = Touched();
    PainterOnImage::painter.end();
    view_.ShowBuffer(touched);
  }

 private:
  CChildView& view_;
};

Rect CChildView::ClientRect() const { return {0, 0, width(), height()}; }

void CChildView::Invalidate() {
  dirty_ += rect();
  update();
}

void CChildView::InvalidateRect(const Rect& r) {
  dirty_ += ToQRect(r);
  update(ToQRect(r));
}

void CChildView::InvalidateRegion(const Region& region) {
  const QRegion r = ToQRegion(region);
  dirty_ += r;
  update(r);
}

void CChildView::UpdateWindow() {
  EnsureBuffer();
  if (dirty_.isEmpty()) return;
  const QRegion shown = dirty_;
  RenderDirty();
  ShowBuffer(FromQRect(shown.boundingRect()));
}

std::unique_ptr<Dc> CChildView::GetDC() {
  // Inside painting the buffer already has its painter.
  if (activePainter_) return std::make_unique<Dc>(*activePainter_);
  EnsureBuffer();
  return std::make_unique<ClientDc>(*this);
}

void CChildView::SetCursor(CursorKind cursor) {
  switch (cursor) {
    case CursorKind::Arrow:
      setCursor(Qt::ArrowCursor);
      break;
    case CursorKind::Hand:
      setCursor(Qt::PointingHandCursor);
      break;
    case CursorKind::Wait:
      setCursor(Qt::WaitCursor);
      break;
  }
}

void CChildView::PostToUi(std::function<void()> task) { PostToUiThread(std::move(task)); }

void CChildView::SetControlText(int id, const std::string& text) {
  if (auto* button = qobject_cast<QPushButton*>(ChildControl(id))) {
    button->setText(ToQString(text));
  } else if (controlBar_) {
    controlBar_->SetControlText(id, text);
  }
}

std::string CChildView::ControlText(int id) const {
  if (auto* button = qobject_cast<QPushButton*>(ChildControl(id))) return FromQString(button->text());
  return controlBar_ ? controlBar_->ControlText(id) : std::string();
}

void CChildView::EnableControl(int id, bool enable) {
  if (QWidget* child = ChildControl(id)) {
    child->setEnabled(enable);
  } else if (controlBar_) {
    controlBar_->EnableControl(id, enable);
  }
}

bool CChildView::IsControlEnabled(int id) const {
  if (QWidget* child = ChildControl(id)) return child->isEnabled();
  return controlBar_ && controlBar_->IsControlEnabled(id);
}

QWidget* CChildView::ChildControl(int id) const {
  const auto it = childControls_.find(id);
  return it == childControls_.end() ? nullptr : it->second;
}

void CChildView::CreateButton(int id, const std::string& text, const Rect& rect) {
  DestroyControl(id);
  auto* button = new QPushButton(ToQString(text), this);
  button->setFocusPolicy(Qt::NoFocus);
  button->setGeometry(ToQRect(rect));
  connect(button, &QPushButton::clicked, this, [this, id] { OnCommand(id); });
  button->show();
  childControls_[id] = button;
}

void CChildView::CreateList(int id, const Rect& rect, const std::vector<std::string>& items, int selected) {
  DestroyControl(id);
  auto* list = new QComboBox(this);
  list->setFocusPolicy(Qt::NoFocus);
  for (const std::string& item : items) list->addItem(ToQString(item));
  list->setCurrentIndex(selected < list->count() ? selected : -1);
  list->setGeometry(ToQRect(rect));
  connect(list, &QComboBox::activated, this, [this, id] { OnCommand(id); });
  list->show();
  childControls_[id] = list;
}

int CChildView::ListSelection(int id) const {
  auto* list = qobject_cast<QComboBox*>(ChildControl(id));
  return list ? list->currentIndex() : -1;
}

void CChildView::MoveControl(int id, const Rect& rect) {
  if (QWidget* child = ChildControl(id)) {
    child->setGeometry(ToQRect(rect));
    child->update();
  }
}

void CChildView::DestroyControl(int id) {
  const auto it = childControls_.find(id);
  if (it == childControls_.end()) return;
  // The control may be the one whose click is being handled.
  it->second->hide();
  it->second->deleteLater();
  childControls_.erase(it);
}

void CChildView::EnsureBuffer() {
  // The buffer has the screen's pixels: tasks draw in logical pixels and the painter scales.
  const qreal ratio = devicePixelRatioF();
  const QSize logical = size().expandedTo(QSize(1, 1));
  const QSize wanted(static_cast<int>(std::ceil(logical.width() * ratio)),
                     static_cast<int>(std::ceil(logical.height() * ratio)));
  if (buffer_.size() == wanted && buffer_.devicePixelRatio() == ratio) return;
  buffer_ = QImage(wanted, QImage::Format_RGB32);
  buffer_.setDevicePixelRatio(ratio);
  buffer_.fill(ToQColor(colours::kWindow));
  dirty_ = QRegion(rect());
}

void CChildView::RenderDirty() {
  EnsureBuffer();
  if (dirty_.isEmpty()) return;
  QPainter painter(&buffer_);
  painter.setClipRegion(dirty_);
  // A task that paints the whole client area needs no erased background. At a fractional
  // ratio the edges of its shapes fall inside screen pixels, so the background is erased there.
  const qreal ratio = buffer_.devicePixelRatio();
  if (!task_->drawsWholeClient || ratio != std::floor(ratio)) {
    painter.fillRect(dirty_.boundingRect(), ToQColor(colours::kWindow));
  }
  dirty_ = QRegion();
  activePainter_ = &painter;
  task_->clientRect = ClientRect();
  {
    Dc dc(painter);
    task_->Draw(dc);
    task_->DrawMessages(dc);
  }
  activePainter_ = nullptr;
}

void CChildView::ShowBuffer(const Rect& r) {
  if (r.IsEmpty()) return;
  copyOnly_ = true;
  repaint(ToQRect(r));
  copyOnly_ = false;
}

void CChildView::paintEvent(QPaintEvent* event) {
  // After a move to a screen of another scale the buffer is drawn again at that scale.
  if (!copyOnly_ || buffer_.devicePixelRatio() != devicePixelRatioF()) RenderDirty();
  QPainter screen(this);
  // Buffer and screen have the same ratio: the copy is pixel for pixel.
  screen.setClipRegion(event->region());
  screen.drawImage(QPoint(0, 0), buffer_);
}

void CChildView::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  EnsureBuffer();
  Invalidate();
}

void CChildView::OnMouseButton(QMouseEvent& event, bool doubleClick) {
  MouseFlags flags = FlagsOf(event);
  Point p = PointOf(event, devicePixelRatioF());
  if (event.button() == Qt::LeftButton) {
    // A double click is a second click for the task.
    progress::NoteAnswerInput(progress::AnswerInput::kMouse);
    task_->OnLButtonDown(flags, p);
    task_->OnAnswerClick(flags, p);
  } else if (event.button() == Qt::RightButton && doubleClick) {
    task_->OnRButtonDblClk(flags, p);
  } else if (event.button() == Qt::RightButton) {
    task_->OnRButtonDown(flags, p);
    task_->AllNotesOff();
  }
  UpdateControls();
}

void CChildView::mousePressEvent(QMouseEvent* event) { OnMouseButton(*event, false); }

void CChildView::mouseDoubleClickEvent(QMouseEvent* event) { OnMouseButton(*event, true); }

void CChildView::mouseReleaseEvent(QMouseEvent* event) {
  MouseFlags flags = FlagsOf(*event);
  Point p = PointOf(*event, devicePixelRatioF());
  if (event->button() == Qt::LeftButton) task_->OnLButtonUp(flags, p);
  else if (event->button() == Qt::RightButton) task_->OnRButtonUp(flags, p);
  UpdateControls();
}

void CChildView::mouseMoveEvent(QMouseEvent* event) {
  MouseFlags flags = FlagsOf(*event);
  Point p = PointOf(*event, devicePixelRatioF());
  task_->OnMouseMove(flags, p);
}
