#include "app/CMainFrame.h"

#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QDialog>
#include <QGuiApplication>
#include <QLabel>
#include <QMenuBar>
#include <QMouseEvent>
#include <QScreen>
#include <QShortcut>
#include <QStatusBar>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>
#include <utility>

#include "app/AcceleratorTable.h"
#include "app/CChildView.h"
#include "app/CControlBar.h"
#include "app/MenuPrompts.h"
#include "commands/CommandIds.h"
#include "dialogs/CExitDialog.h"
#include "log/TimeLog.h"
#include "music/MusicalTables.h"
#include "music/TempoTables.h"
#include "platform/UiHost.h"
#include "platform/qt/LockKeys.h"
#include "platform/qt/PlainText.h"
#include "platform/qt/QtConvert.h"
#include "settings/ProgramSettings.h"
#include "text/LanguageTable.h"

namespace {

constexpr int kMinWidth = 722;
constexpr int kMinHeight = 450;


// A language text, or the resource text while the language has none for it. A text from a
// file (a drill's title) is shown as it is: its "&" marks no access key.
QString MenuText(const MenuEntry& entry) {
  if (entry.text) return ToQString(entry.text()).replace(QLatin1Char('&'), QLatin1String("&&"));
  if (entry.textId < 0 || T(entry.textId).empty()) return QString::fromUtf8(entry.resourceText);
  return ToQString(T(entry.textId));
}

}  // namespace

CMainFrame::CMainFrame() {
  view_ = new CChildView;
  controlBar_ = new CControlBar;
}

CMainFrame::~CMainFrame() = default;

void CMainFrame::Create() {
  setWindowTitle("Aurelo");
  setMinimumSize(kMinWidth, kMinHeight);
  startTime_ = std::time(nullptr);

  auto* central = new QWidget(this);
  auto* layout = new QVBoxLayout(central);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  controlBar_->setParent(central);
  controlBar_->setFixedHeight(controlBar_->sizeHint().height());
  layout->addWidget(controlBar_);
  view_->setParent(central);
  view_->setFocusPolicy(Qt::StrongFocus);
  layout->addWidget(view_, 1);
  setCentralWidget(central);
  setFocusProxy(view_);
  view_->SetControlBar(controlBar_);
  view_->SetShowStatus([this](const std::string& text) {
    statusMessages_.Add(text);
    ShowLatestMessage();
  });
  view_->SetApplyTexts([this] {
    ApplyToMenu();
    ApplyToControlBar();
    // A prompt of the language item must not outlive the menu.
    ShowLatestMessage();
  });
  connect(controlBar_, &CControlBar::Command, this, &CMainFrame::OnCommand);
  connect(controlBar_, &CControlBar::SliderDrawn, view_, [this] { view_->OnVolumeSliderDrawn(); });

  BuildMenu(nullptr, MenuTable());
  BuildAccelerators();
  view_->OnCreate();
  PresetControlBar();
  BuildStatusBar();

  // The stored rectangle is the whole window, frame included; with none the window lands at the
  // top-left corner at its minimum size. The frame's size is known only once the window manager
  // has framed the window: until then the inner size stands in for it (see FitFrameToStoredSize).
  const QRect stored(windowRect.left, windowRect.top, windowRect.Width(), windowRect.Height());
  placedFrame_ = PlaceOnScreen(QRect(stored.topLeft(), stored.size().expandedTo(QSize(kMinWidth, kMinHeight))));
  resize(placedFrame_.size());
  move(placedFrame_.topLeft());
  view_->UpdateControls();
}

QRect CMainFrame::PlaceOnScreen(const QRect& frame) {
  const QList<QScreen*> screens = QGuiApplication::screens();
  for (const QScreen* screen : screens) {
    if (screen->availableGeometry().intersects(frame)) return frame;
  }
  // Off every screen now (a monitor was unplugged): the primary screen at the stored size, clamped.
  const QScreen* primary = QGuiApplication::primaryScreen();
  if (primary == nullptr) return frame;
  const QRect area = primary->availableGeometry();
  return QRect(area.topLeft(), frame.size().boundedTo(area.size()));
}

void CMainFrame::FitFrameToStoredSize() {
  if (placedFrame_.isNull()) return;
  const QSize margins = frameGeometry().size() - geometry().size();
  if (margins.width() <= 0 && margins.height() <= 0) return;
  const QRect frame = std::exchange(placedFrame_, QRect());
  // The minimum and the stored size apply to the whole window.
  setMinimumSize(kMinWidth - margins.width(), kMinHeight - margins.height());
  resize(frame.size() - margins);
  move(frame.topLeft());
}

bool CMainFrame::event(QEvent* event) {
  if (event->type() == QEvent::Move || event->type() == QEvent::Resize || event->type() == QEvent::Show) {
    FitFrameToStoredSize();
  }
  return QMainWindow::event(event);
}

bool CMainFrame::eventFilter(QObject* watched, QEvent* event) {
  auto* menu = qobject_cast<QMenu*>(watched);
  if (menu && event->type() == QEvent::MouseMove) {
    const QAction* action = menu->actionAt(static_cast<QMouseEvent*>(event)->position().toPoint());
    if (action && !action->isEnabled()) {
      for (const auto& [id, each] : actions_) {
        if (each == action) ShowMenuPrompt(id);
      }
    }
  }
  return QMainWindow::eventFilter(watched, event);
}

void CMainFrame::BuildMenu(QMenu* parent, const std::vector<MenuEntry>& entries) {
  for (const MenuEntry& entry : entries) {
    if (entry.IsPopup()) {
      QMenu* menu = parent ? parent->addMenu(MenuText(entry)) : menuBar()->addMenu(MenuText(entry));
      connect(menu, &QMenu::aboutToShow, this, &CMainFrame::UpdateMenuEnabling);
      menu->installEventFilter(this);
      connect(menu->menuAction(), &QAction::hovered, this, [this] { ShowMenuPrompt(0); });
      // A closed menu leaves no prompt behind.
      connect(menu, &QMenu::aboutToHide, this, [this] { ShowMenuPrompt(0); });
      menuEntries_.emplace_back(&entry, menu->menuAction());
      BuildMenu(menu, entry.children);
      continue;
    }
    QAction* action = parent->addAction(MenuText(entry));
    const int id = entry.commandId;
    connect(action, &QAction::triggered, this, [this, id] { OnCommand(id); });
    connect(action, &QAction::hovered, this, [this, id] { ShowMenuPrompt(id); });
    actions_[id] = action;
    menuEntries_.emplace_back(&entry, action);
  }
  if (parent == nullptr) {
    auto* group = new QActionGroup(this);
    for (int id : kLanguageCommands) {
      actions_[id]->setCheckable(true);
      group->addAction(actions_[id]);
    }
  }
}

void CMainFrame::BuildAccelerators() {
  for (const Accelerator& a : Accelerators()) {
    auto* shortcut = new QShortcut(QKeySequence(a.keys), this);
    const int id = a.command;
    connect(shortcut, &QShortcut::activated, this, [this, id] { OnCommand(id); });
  }
}

void CMainFrame::BuildStatusBar() {
  // Port and file names reach this pane.
  messagePane_ = NewPlainLabel(QString(), this);
  statusBar()->addWidget(messagePane_, 1);
  for (const char* name : {"CAP", "NUM", "SCRL"}) {
    auto* indicator = NewPlainLabel(name, this);
    indicator->setFrameShape(QFrame::Panel);
    indicator->setFrameShadow(QFrame::Sunken);
    indicator->setAlignment(Qt::AlignCenter);
    indicator->setMinimumWidth(indicator->fontMetrics().horizontalAdvance("SCRL") + 10);
    statusBar()->addPermanentWidget(indicator);
    lockIndicators_.push_back(indicator);
  }
  auto* poll = new QTimer(this);
  connect(poll, &QTimer::timeout, this, &CMainFrame::UpdateLockIndicators);
  poll->start(250);
  UpdateLockIndicators();
}

void CMainFrame::UpdateLockIndicators() {
  const LockKeyState state = ReadLockKeys();
  const bool on[3] = {state.caps, state.num, state.scroll};
  for (size_t i = 0; i < lockIndicators_.size(); ++i) {
    lockIndicators_[i]->setVisible(state.known);
    lockIndicators_[i]->setEnabled(on[i]);
  }
}

QString CMainFrame::MessagePaneText() const { return messagePane_ ? messagePane_->text() : QString(); }

QString CMainFrame::MessagePaneToolTip() const { return messagePane_ ? messagePane_->toolTip() : QString(); }

void CMainFrame::ShowMenuPrompt(int commandId) {
  if (!messagePane_) return;
  // Without an item highlighted (a popup's title, a menu closing) the messages come back, as a
  // status bar's idle text does.
  if (commandId == 0) {
    ShowLatestMessage();
    return;
  }
  // A greyed item says why, in every language.
  if (const std::string reason = view_->UnavailableReason(commandId); !reason.empty()) {
    messagePane_->setText(ToQString(reason));
    return;
  }
  // Prompts of the menu items belong to the Russian interface only.
  messagePane_->setText(languageIndex == 2 ? ToQString(MenuPrompt(commandId)) : QString());
}

void CMainFrame::ShowLatestMessage() {
  if (!messagePane_) return;
  messagePane_->setText(ToQString(statusMessages_.Latest()));
  messagePane_->setToolTip(PlainToolTip(ToQString(statusMessages_.AllLines())));
}

void CMainFrame::PresetControlBar() {
  CControlBar& bar = *controlBar_;
  for (const auto& [id, text] : std::initializer_list<std::pair<int, int>>{{cmd::kListenNew, 82},
                                                                           {cmd::kListenAgain, 85},
                                                                           {cmd::kHintBox, 115}}) {
    bar.SetControlText(id, T(text));
  }
  bar.SetControlText(cmd::kTimeMeter, "00:00");
  bar.FillList(cmd::kTempoList, std::vector<std::string>(tempoNames.begin(), tempoNames.end()));
  bar.FillList(cmd::kKeyList, std::vector<std::string>(keyNames.begin(), keyNames.end()));
  std::vector<std::string> distances;
  for (int32_t d : maxDistanceValues) distances.push_back(std::to_string(d));
  bar.FillList(cmd::kMaxDistanceList, distances);
  ApplyToControlBar();
  bar.SetListSelection(cmd::kKeyList, keyIndex);
  bar.SetListSelection(cmd::kModeList, modeIndex);
  scaleRow = ScaleRowOf(modeIndex, keyIndex);
  bar.SetListSelection(cmd::kTempoList, tempoIndex);
  const auto* found = std::find(maxDistanceValues.begin(), maxDistanceValues.end(), maxDistance);
  bar.SetListSelection(cmd::kMaxDistanceList,
                       found == maxDistanceValues.end() ? -1 : static_cast<int>(found - maxDistanceValues.begin()));
  bar.SetChecked(cmd::kBlockExtramode, blockExtramodeKeys);
  bar.SetChecked(cmd::kFixIllumination, fixKeyIllumination);
}

void CMainFrame::ApplyToControlBar() {
  CControlBar& bar = *controlBar_;
  for (const auto& [id, text] : std::initializer_list<std::pair<int, int>>{{1053, 94},
                                                                           {1054, 95},
                                                                           {cmd::kBlockExtramode, 96},
                                                                           {cmd::kFixIllumination, 97},
                                                                           {1055, 98},
                                                                           {1056, 99},
                                                                           {1057, 111},
                                                                           {1058, 112},
                                                                           {1059, 113},
                                                                           {cmd::kMute, 114}}) {
    if (!T(text).empty()) bar.SetControlText(id, T(text));
  }
  std::vector<std::string> modes;
  for (int i = 0; i < 11; ++i) modes.push_back(T(100 + i));
  bar.FillList(cmd::kModeList, modes);
  bar.SetListSelection(cmd::kModeList, modeIndex);
}

void CMainFrame::ApplyToMenu() {
  if (!T(0).empty()) setWindowTitle(ToQString(T(0)));
  for (const auto& [entry, action] : menuEntries_) action->setText(MenuText(*entry));
  for (int i = 0; i < 5; ++i) actions_[kLanguageCommands[i]]->setChecked(i == languageIndex);
  menuBar()->update();
}

QAction* CMainFrame::ActionFor(int commandId) const {
  const auto it = actions_.find(commandId);
  return it == actions_.end() ? nullptr : it->second;
}

void CMainFrame::UpdateMenuEnabling() {
  for (const auto& [id, action] : actions_) {
    action->setEnabled((view_->HasHandler(id) && view_->UnavailableReason(id).empty()) || id == cmd::kExit ||
                       id == cmd::kAbout);
  }
}

void CMainFrame::OnCommand(int id) {
  if (view_->OnCommand(id)) return;
  switch (id) {
    case cmd::kExit:
      close();
      break;
    default:
      // Edit and pane commands have nothing to act on.
      break;
  }
}

bool CMainFrame::CancelModalDialog() {
  QWidget* modal = QApplication::activeModalWidget();
  if (!modal) return false;
  if (auto* dialog = qobject_cast<QDialog*>(modal)) {
    dialog->reject();
  } else {
    modal->close();
  }
  return true;
}

void CMainFrame::EndSession(const std::function<void()>& closed) {
  // A dialog's own event loop is left first; the frame closes once it has returned. A dialog
  // that will not go is left open after a few tries: the frame closes all the same.
  constexpr int kDialogTries = 20;
  if (endSessionTries_ < kDialogTries && CancelModalDialog()) {
    ++endSessionTries_;
    QTimer::singleShot(0, this, [this, closed] { EndSession(closed); });
    return;
  }
  endingSession_ = true;
  close();
  if (closed) closed();
}

void CMainFrame::closeEvent(QCloseEvent* event) {
  if (destroyed_) {
    event->accept();
    return;
  }
  const QRect g = frameGeometry();
  windowRect = {g.left(), g.top(), g.left() + g.width(), g.top() + g.height()};
  if (askBeforeExit == 1 && !endingSession_ && !ConfirmExit()) {
    event->ignore();
    return;
  }
  endTime_ = std::time(nullptr);
  AppendTimeRecord("TimeLog.txt", startTime_, endTime_);
  destroyed_ = true;
  view_->OnDestroy();
  event->accept();
}
