#include "platform/qt/QtDialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>
#include <gtest/gtest.h>

#include "platform/ModalDriver.h"
#include "platform/SampleDialog.h"
#include "platform/qt/QtUiHost.h"

namespace {

constexpr DialogBaseUnits kUnits{6, 13};

void ClickLabel(QLabel* label) {
  const QPointF at(2, 2);
  QMouseEvent press(QEvent::MouseButtonPress, at, label->mapToGlobal(at), Qt::LeftButton, Qt::LeftButton,
                    Qt::NoModifier);
  QMouseEvent release(QEvent::MouseButtonRelease, at, label->mapToGlobal(at), Qt::LeftButton, Qt::NoButton,
                      Qt::NoModifier);
  QApplication::sendEvent(label, &press);
  QApplication::sendEvent(label, &release);
}

}  // namespace

TEST(QtDialog, ControlsStandAtTheirDialogUnitRectangles) {
  QtUiHost host(kUnits);
  SampleDialog dialog;
  WhenModal<QtDialog>([](QtDialog* w) {
    EXPECT_EQ(w->size(), QSize(404, 167));
    EXPECT_EQ(w->windowTitle(), QStringLiteral("Exit"));
    EXPECT_EQ(w->ControlWidget(SampleDialog::kLabel)->geometry(), QRect(11, 11, 382, 67));
    EXPECT_EQ(w->ControlWidget(SampleDialog::kCheck)->geometry(), QRect(11, 83, 382, 39));
    EXPECT_EQ(w->ControlWidget(IDCANCEL)->geometry(), QRect(11, 133, 193, 23));
    EXPECT_EQ(w->ControlWidget(IDOK)->geometry(), QRect(212, 133, 181, 23));
    w->End(IDCANCEL);
  });
  EXPECT_EQ(host.RunModal(dialog), IDCANCEL);
}

TEST(QtDialog, EnterPressesTheDefaultButtonWhichSavesTheControls) {
  QtUiHost host(kUnits);
  SampleDialog dialog;
  WhenModal<QtDialog>([](QtDialog* w) {
    auto* label = qobject_cast<QLabel*>(w->ControlWidget(SampleDialog::kLabel));
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(label->text(), QStringLiteral("Exit may cause <all> data loss."));
    EXPECT_EQ(label->textFormat(), Qt::PlainText);
    w->SetChecked(SampleDialog::kCheck, true);
    PressKey(w, Qt::Key_Return);
  });
  EXPECT_EQ(host.RunModal(dialog), IDOK);
  EXPECT_EQ(dialog.commands, std::vector<int>{IDOK});
  EXPECT_EQ(dialog.exchanges, 2);
  EXPECT_TRUE(dialog.dontAsk);
}

TEST(QtDialog, EscapeAndTheCloseBoxCancelWithoutSaving) {
  QtUiHost host(kUnits);
  for (bool closeBox : {false, true}) {
    SampleDialog dialog;
    WhenModal<QtDialog>([closeBox](QtDialog* w) {
      w->SetChecked(SampleDialog::kCheck, true);
      if (closeBox) {
        w->close();
      } else {
        PressKey(w, Qt::Key_Escape);
      }
    });
    EXPECT_EQ(host.RunModal(dialog), IDCANCEL);
    EXPECT_EQ(dialog.commands, std::vector<int>{IDCANCEL});
    EXPECT_EQ(dialog.exchanges, 1);
    EXPECT_FALSE(dialog.dontAsk);
  }
}

TEST(QtDialog, OnlyEndClosesTheWindowAndGivesItsResult) {
  QtUiHost host(kUnits);
  StubbornDialog dialog;
  WhenModal<QtDialog>([](QtDialog* w) {
    PressKey(w, Qt::Key_Escape);
    w->close();
    qobject_cast<QPushButton*>(w->ControlWidget(IDOK))->click();
    EXPECT_TRUE(w->isVisible());
    w->End(7);
  });
  EXPECT_EQ(host.RunModal(dialog), 7);
  EXPECT_EQ(dialog.commands, (std::vector<int>{IDCANCEL, IDCANCEL, IDOK}));
}

TEST(QtDialog, AMultiLineCheckBoxWrapsAndItsTextTogglesIt) {
  QtUiHost host(kUnits);
  const std::string longText =
      "Don't ask about it on exit and log cleanup, and do not show any warning before the log of results is "
      "cleared either";
  SampleDialog dialog(longText);
  WhenModal<QtDialog>([&longText](QtDialog* w) {
    QWidget* box = w->ControlWidget(SampleDialog::kCheck);
    auto* label = box->findChild<QLabel*>();
    auto* check = box->findChild<QCheckBox*>();
    ASSERT_NE(label, nullptr);
    ASSERT_NE(check, nullptr);
    EXPECT_TRUE(check->text().isEmpty());
    EXPECT_TRUE(label->wordWrap());
    EXPECT_LE(label->geometry().right(), box->width());
    const QFontMetrics metrics(label->font());
    EXPECT_GT(metrics.horizontalAdvance(label->text()), label->width());
    EXPECT_GE(label->heightForWidth(label->width()), 2 * metrics.lineSpacing());
    EXPECT_EQ(w->Text(SampleDialog::kCheck), longText);

    ClickLabel(label);
    EXPECT_TRUE(w->Checked(SampleDialog::kCheck));
    w->End(IDCANCEL);
  });
  EXPECT_EQ(host.RunModal(dialog), IDCANCEL);
  EXPECT_EQ(dialog.commands, std::vector<int>{SampleDialog::kCheck});
}

namespace {

// A dialog shaped like the log view: a list box and no buttons at all.
class ListDialog : public CDialog {
 public:
  ListDialog() : CDialog(MakeTemplate()) {}
  void OnInitDialog() override {
    for (const char* line : {"first", "second", "third"}) Controls().AddString(1022, line);
    for (const char* item : {"1", "2", "10 (DRUM)"}) {
      Controls().AddString(1044, item);
      Controls().AddString(1031, item);
    }
    Controls().SetCurSel(1044, 2);
    Controls().SetRange(1045, 0, 127);
    Controls().SetPos(1045, 100);
  }
  void OnCommand(int id) override {
    commands.push_back(id);
    CDialog::OnCommand(id);
  }
  std::vector<int> commands;

 private:
  static DialogTemplate MakeTemplate() {
    DialogTemplate t;
    t.id = 214;
    t.width = 524;
    t.height = 319;
    auto add = [&t](int id, ControlKind kind, int y) {
      DialogControl c;
      c.id = id;
      c.kind = kind;
      c.x = 7;
      c.y = y;
      c.w = 100;
      c.h = 30;
      t.controls.push_back(c);
    };
    add(1022, ControlKind::ListBox, 7);
    add(1044, ControlKind::ComboBox, 50);
    add(1031, ControlKind::EditableComboBox, 90);
    add(1045, ControlKind::Slider, 130);
    return t;
  }
};

}  // namespace

TEST(QtDialog, ListsReportOnlyWhatTheUserChangesAndEnterWithoutDefaultButtonIsOk) {
  QtUiHost host(kUnits);
  ListDialog dialog;
  WhenModal<QtDialog>([](QtDialog* w) {
    EXPECT_EQ(w->ItemCount(1022), 3);
    EXPECT_EQ(w->ItemText(1022, 2), "third");
    EXPECT_EQ(w->CurSel(1022), -1);
    EXPECT_EQ(w->CurSel(1044), 2);
    EXPECT_EQ(w->Text(1044), "10 (DRUM)");
    EXPECT_EQ(w->CurSel(1031), -1);
    EXPECT_EQ(w->Pos(1045), 100);
    // A combo box is as high as its closed box, not as its template with the dropped list.
    EXPECT_LT(w->ControlWidget(1044)->height(), DluToPixelsY(30, kUnits));

    w->SetText(1031, "1/5");
    EXPECT_EQ(w->CurSel(1031), -1);
    w->SetText(1031, "2");
    EXPECT_EQ(w->CurSel(1031), 1);

    qobject_cast<QListWidget*>(w->ControlWidget(1022))->setCurrentRow(1);
    emit qobject_cast<QComboBox*>(w->ControlWidget(1044))->activated(0);
    PressKey(w, Qt::Key_Enter);
  });
  EXPECT_EQ(host.RunModal(dialog), IDOK);
  EXPECT_EQ(dialog.commands, (std::vector<int>{1022, 1044, IDOK}));
}

TEST(QtDialog, ADialogThatEndsWhileInitialisingIsNotShown) {
  class EndsAtOnce : public SampleDialog {
   public:
    void OnInitDialog() override { EndDialog(IDOK); }
  };
  QtUiHost host(kUnits);
  EndsAtOnce dialog;
  EXPECT_EQ(host.RunModal(dialog), IDOK);
}
