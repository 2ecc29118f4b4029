#include "platform/qt/QtUiHost.h"

#include <QCheckBox>
#include <QFileDialog>
#include <QFontDialog>
#include <QFontInfo>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <gtest/gtest.h>

#include "platform/Dialog.h"
#include "platform/ModalDriver.h"
#include "platform/TestFolder.h"
#include "platform/qt/QtConvert.h"

TEST(QtUiHost, IsTheDefaultHost) { EXPECT_NE(dynamic_cast<QtUiHost*>(&GetUiHost()), nullptr); }

TEST(QtUiHost, MessageBoxesShowCaptionTextIconAndButtonsOfTheirStyle) {
  QtUiHost host;
  WhenModal<QMessageBox>([](QMessageBox* box) {
    EXPECT_EQ(box->windowTitle(), QStringLiteral("Error!"));
    EXPECT_EQ(box->text(), QStringLiteral("first line\nsecond <line>"));
    EXPECT_EQ(box->textFormat(), Qt::PlainText);
    EXPECT_EQ(box->icon(), QMessageBox::Question);
    EXPECT_EQ(box->standardButtons(), QMessageBox::Yes | QMessageBox::No);
    box->button(QMessageBox::No)->click();
  });
  EXPECT_EQ(host.MessageBox("first line\r\nsecond <line>", "Error!", MB_YESNO | MB_ICONQUESTION), IDNO);

  WhenModal<QMessageBox>([](QMessageBox* box) {
    EXPECT_EQ(box->icon(), QMessageBox::Critical);
    EXPECT_EQ(box->standardButtons(), QMessageBox::Ok);
    PressKey(box, Qt::Key_Escape);
  });
  EXPECT_EQ(host.MessageBox("No language file", "Error!", MB_OK | MB_ICONSTOP), IDOK);

  WhenModal<QMessageBox>([](QMessageBox* box) {
    EXPECT_EQ(box->icon(), QMessageBox::NoIcon);
    PressKey(box, Qt::Key_Escape);
  });
  EXPECT_EQ(host.MessageBox("Clear?", "", MB_OKCANCEL), IDCANCEL);
}

TEST(QtUiHost, WindowsFileFiltersBecomeQtNameFilters) {
  EXPECT_EQ(ToQtNameFilters("Text files (*.txt)|*.txt|All files (*.*)|*.*"),
            (QStringList{"Text files (*.txt)", "All files (*)"}));
  EXPECT_EQ(ToQtNameFilters("Musical fragment|*.aro||"), QStringList{"Musical fragment (*.aro)"});
  EXPECT_EQ(ToQtNameFilters("Texts|*.txt; *.log|All|*.*"), (QStringList{"Texts (*.txt *.log)", "All (*)"}));
  EXPECT_TRUE(ToQtNameFilters("").isEmpty());
  EXPECT_TRUE(ToQtNameFilters("no patterns").isEmpty());
}

TEST(QtUiHost, TheFileDialogAnswersTheChosenPath) {
  QtUiHost host;
  TestFolder folder;
  const QString chosen = QString::fromStdString(folder.Path("report.txt"));
  WhenModal<QFileDialog>([&chosen](QFileDialog* dialog) {
    EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Save log"));
    EXPECT_EQ(dialog->acceptMode(), QFileDialog::AcceptSave);
    EXPECT_EQ(dialog->nameFilters(), (QStringList{"Text files (*.txt)", "All files (*)"}));
    EXPECT_EQ(dialog->defaultSuffix(), QStringLiteral("txt"));
    dialog->selectFile(chosen);
    static_cast<QDialog*>(dialog)->accept();
  });
  FileDialogRequest request;
  request.caption = "Save log";
  request.filter = "Text files (*.txt)|*.txt|All files (*.*)|*.*";
  request.defaultName = "Log 2024-01-01.txt";
  request.defaultExt = "txt";
  EXPECT_EQ(host.FileDialog(request), chosen.toStdString());

  WhenModal<QFileDialog>([](QFileDialog* dialog) { dialog->reject(); });
  request.save = false;
  EXPECT_EQ(host.FileDialog(request), std::nullopt);
}

TEST(QtUiHost, TheFontDialogChangesFaceSizeAndStyleOnly) {
  QtUiHost host;
  FontDesc current = DefaultMainFontDesc();
  current.charSet = 204;
  current.underline = 1;
  current.quality = 5;
  // Liberation Sans comes in bold italic on every machine the setup prepares; the style is still
  // compared with what the dialog itself reports, so a machine without that face cannot fail it.
  QFont chosen;
  WhenModal<QFontDialog>([&chosen](QFontDialog* dialog) {
    const QList<QCheckBox*> effects = dialog->findChildren<QCheckBox*>();
    EXPECT_FALSE(effects.isEmpty());
    for (QCheckBox* effect : effects) EXPECT_FALSE(effect->isVisible());
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(20);
    font.setBold(true);
    font.setItalic(true);
    dialog->setCurrentFont(font);
    chosen = dialog->currentFont();
    dialog->accept();
  });
  const std::optional<FontDesc> picked = host.ChooseFont(current);
  ASSERT_TRUE(picked.has_value());
  EXPECT_FALSE(picked->Face().empty());
  EXPECT_EQ(picked->weight, chosen.bold() ? 700 : 400);
  EXPECT_EQ(picked->italic, chosen.italic() ? 1 : 0);
  EXPECT_EQ(picked->height, -20);
  EXPECT_EQ(picked->charSet, 204);
  EXPECT_EQ(picked->underline, 1);
  EXPECT_EQ(picked->quality, 5);

  WhenModal<QFontDialog>([](QFontDialog* dialog) { dialog->reject(); });
  EXPECT_EQ(host.ChooseFont(current), std::nullopt);
}

// Both first-start fonts: the dialog opens on the installed face that draws them, at their size
// and style, with the sample drawn in it; confirming it unchanged keeps the description as it was.
TEST(QtUiHost, TheFontDialogOpensOnTheCurrentFontWithItsSample) {
  QtUiHost host;
  for (const FontDesc& current : {DefaultMainFontDesc(), DefaultResultFontDesc()}) {
    const QFont drawn = ToQFont(current);
    WhenModal<QFontDialog>([&](QFontDialog* dialog) {
      const QFont shown = dialog->currentFont();
      EXPECT_EQ(shown.family().toStdString(), QFontInfo(drawn).family().toStdString());
      EXPECT_EQ(shown.pointSize(), 10);  // 13 pixels at 96 dots per inch
      EXPECT_EQ(shown.bold(), current.weight == 700);
      const QLineEdit* sample = nullptr;
      for (const QGroupBox* box : dialog->findChildren<QGroupBox*>()) {
        if (box->title() == QFontDialog::tr("Sample")) sample = box->findChild<QLineEdit*>();
      }
      ASSERT_NE(sample, nullptr);
      EXPECT_TRUE(sample->isVisible());
      EXPECT_FALSE(sample->text().isEmpty());
      EXPECT_GE(sample->height(), QFontMetrics(sample->font()).height()) << "the sample has room for its text";
      EXPECT_EQ(QFontInfo(sample->font()).family().toStdString(), QFontInfo(drawn).family().toStdString());
      EXPECT_EQ(QFontInfo(sample->font()).bold(), current.weight == 700);
      dialog->accept();
    });
    EXPECT_EQ(host.ChooseFont(current), current);
  }
}

TEST(QtUiHostDeathTest, ExitProcessEndsTheProcessWithTheCode) {
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  EXPECT_EXIT(QtUiHost().ExitProcess(4), ::testing::ExitedWithCode(4), "");
  EXPECT_EXIT(QtUiHost().ExitProcess(1), ::testing::ExitedWithCode(1), "");
}
