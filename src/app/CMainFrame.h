#pragma once
#include <QMainWindow>
#include <QRect>
#include <ctime>
#include <functional>
#include <map>
#include <vector>

#include "app/MenuTable.h"
#include "app/StatusMessages.h"

class CChildView;
class CControlBar;
class QAction;
class QLabel;
class QMenu;

// The main window: menu, accelerators, control bar, the view and the status bar.
class CMainFrame : public QMainWindow {
  Q_OBJECT

 public:
  // Builds the view object, which loads the settings and texts and creates the stored task.
  CMainFrame();
  ~CMainFrame() override;

  // Creates the windows, presets the control bar and places the frame at its stored rectangle.
  void Create();

  // Offers the command to the view first, then handles the frame's own.
  void OnCommand(int id);
  // Caption and menu texts of the current language, with the language radio check.
  void ApplyToMenu();
  // Label texts and mode names of the current language on the control bar.
  void ApplyToControlBar();

  CChildView& View() const { return *view_; }
  CControlBar& ControlBar() const { return *controlBar_; }
  QAction* ActionFor(int commandId) const;
  std::time_t StartTime() const { return startTime_; }
  std::time_t EndTime() const { return endTime_; }
  QString MessagePaneText() const;
  QString MessagePaneToolTip() const;
  // The message pane while a menu item is highlighted: its prompt in Russian, else nothing;
  // with none highlighted (0) the latest message again.
  void ShowMenuPrompt(int commandId);
  // Enables exactly the menu items that reach a handler.
  void UpdateMenuEnabling();
  // The session or the terminal ends the program: open dialogs are cancelled, then the frame
  // closes as on Exit, without the exit question, keeping the settings and the time log;
  // then `closed` runs.
  void EndSession(const std::function<void()>& closed = {});
  // Cancels the dialog the user-interface thread is waiting in, if any; true when there was one.
  static bool CancelModalDialog();

 protected:
  void closeEvent(QCloseEvent* event) override;
  bool event(QEvent* event) override;
  // A menu item that is greyed gets no highlight: the pointer over it still shows its prompt.
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void BuildMenu(QMenu* parent, const std::vector<MenuEntry>& entries);
  void BuildAccelerators();
  void BuildStatusBar();
  void PresetControlBar();
  void UpdateLockIndicators();
  // The latest status message in the pane, all of them in its tooltip.
  void ShowLatestMessage();
  // The frame rectangle to open at: the stored one, or the primary screen when it is off every screen.
  static QRect PlaceOnScreen(const QRect& frame);
  // Once the window manager has framed the window: the inner size that gives the stored frame size.
  void FitFrameToStoredSize();

  CChildView* view_ = nullptr;
  CControlBar* controlBar_ = nullptr;
  std::time_t startTime_ = 0;
  std::time_t endTime_ = 0;
  std::map<int, QAction*> actions_;
  // Every menu entry with the action that shows it, for re-applying texts.
  std::vector<std::pair<const MenuEntry*, QAction*>> menuEntries_;
  QLabel* messagePane_ = nullptr;
  StatusMessages statusMessages_;
  std::vector<QLabel*> lockIndicators_;
  bool destroyed_ = false;
  bool endingSession_ = false;
  int endSessionTries_ = 0;
  // The frame rectangle still to be reached once the frame's size is known; null when done.
  QRect placedFrame_;
};
