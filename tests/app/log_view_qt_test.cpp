#include <QApplication>
#include <QKeyEvent>
#include <QListWidget>
#include <gtest/gtest.h>

#include "app/LogView.h"
#include "dialogs/CLogViewDialog.h"
#include "log/ResultsLog.h"
#include "platform/DialogUnits.h"
#include "platform/ModalDriver.h"
#include "platform/ScriptedUiHost.h"
#include "platform/qt/QtConvert.h"
#include "platform/qt/QtDialog.h"
#include "platform/qt/QtUiHost.h"
#include "tasks/base/CAbstractT.h"

namespace {

// The real dialog: the list fills it, and Enter pressed in the list closes it like Escape or
// the close box would, although the dialog has no buttons.
TEST(LogViewOnQt, TheListFillsTheDialogAndEnterInTheListClosesIt) {
  constexpr DialogBaseUnits kUnits{6, 13};
  QtUiHost host(kUnits);
  ScopedUiHost scoped(host);
  resultsLog = {"first", std::string(400, 'x')};
  CAbstractT task;
  bool shown = false;
  WhenModal<QtDialog>([&](QtDialog* w) {
    shown = true;
    auto* list = qobject_cast<QListWidget*>(w->ControlWidget(CLogViewDialog::kLogList));
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(list->count(), 2);
    EXPECT_EQ(list->geometry(), ToQRect(DluRectToPixels(7, 7, 510, 305, kUnits)));
    list->setFocus();
    list->setCurrentRow(1);
    QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    QApplication::sendEvent(list, &enter);
    if (w->isVisible()) {
      ADD_FAILURE() << "Enter left the log open";
      w->End(IDCANCEL);
    }
  });
  ShowLog(task);
  EXPECT_TRUE(shown);
  EXPECT_EQ(resultsLog, (std::vector<std::string>{"first", std::string(400, 'x')}));
  resultsLog.clear();
}

}  // namespace
