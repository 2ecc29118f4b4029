#include "platform/qt/QtUiHost.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QFontDialog>
#include <QFontInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QUrl>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "platform/Dialog.h"
#include "platform/qt/DialogUnitsQt.h"
#include "platform/qt/PlainText.h"
#include "platform/qt/QtConvert.h"
#include "platform/qt/QtDialog.h"

namespace {

bool HaveApplication() { return qobject_cast<QApplication*>(QCoreApplication::instance()) != nullptr; }

// The window a dialog belongs to: the active one, if any.
QWidget* Owner() { return QApplication::activeWindow(); }

unsigned Buttons(unsigned style) { return style & 0x0F; }

// The answer of a box that was closed without a choice.
int CancelAnswer(unsigned style) {
  switch (Buttons(style)) {
    case MB_OKCANCEL:
      return IDCANCEL;
    case MB_YESNO:
      return IDNO;
    default:
      return IDOK;
  }
}

QMessageBox::Icon IconOf(unsigned style) {
  switch (style & 0xF0) {
    case MB_ICONSTOP:
      return QMessageBox::Critical;
    case MB_ICONQUESTION:
      return QMessageBox::Question;
    case MB_ICONEXCLAMATION:
      return QMessageBox::Warning;
    case MB_ICONINFORMATION:
      return QMessageBox::Information;
    default:
      return QMessageBox::NoIcon;
  }
}

int AnswerOf(QMessageBox::StandardButton button, unsigned style) {
  switch (button) {
    case QMessageBox::Ok:
      return IDOK;
    case QMessageBox::Cancel:
      return IDCANCEL;
    case QMessageBox::Yes:
      return IDYES;
    case QMessageBox::No:
      return IDNO;
    default:
      return CancelAnswer(style);
  }
}

// Texts keep Windows line ends (CR LF); a label wants LF alone.
QString WithLineFeeds(const std::string& text) {
  QString s = ToQString(text);
  s.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  return s;
}

// The font dialog offers no effects and no choice of script. The sample keeps the height it
// shared with the effects: on its own its box would shrink until the sample is gone.
void HideEffectsAndScripts(QFontDialog& dialog) {
  int effectsHeight = 0;
  for (QCheckBox* effect : dialog.findChildren<QCheckBox*>()) {
    effectsHeight = std::max(effectsHeight, effect->parentWidget()->sizeHint().height());
    effect->parentWidget()->hide();
  }
  for (QGroupBox* box : dialog.findChildren<QGroupBox*>()) {
    if (!box->isHidden() && box->findChild<QLineEdit*>()) box->setMinimumHeight(effectsHeight);
  }
  for (QComboBox* script : dialog.findChildren<QComboBox*>()) script->hide();
  for (QLabel* label : dialog.findChildren<QLabel*>()) {
    if (qobject_cast<QComboBox*>(label->buddy())) label->hide();
  }
}

QString WindowsPatternsToQt(const std::string& patterns) {
  QStringList out;
  for (const QString& pattern : ToQString(patterns).split(u';', Qt::SkipEmptyParts)) {
    const QString p = pattern.trimmed();
    out << (p == QStringLiteral("*.*") ? QStringLiteral("*") : p);
  }
  return out.join(u' ');
}

}  // namespace

QStringList ToQtNameFilters(const std::string& filter) {
  const QStringList parts = ToQString(filter).split(u'|');
  QStringList filters;
  for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
    QString description = parts[i].trimmed();
    if (description.isEmpty()) continue;
    // Qt takes the patterns from the parentheses at the end of the description.
    if (description.endsWith(u')')) {
      const qsizetype open = description.lastIndexOf(u'(');
      if (open >= 0) description = description.left(open).trimmed();
    }
    filters << QStringLiteral("%1 (%2)").arg(description, WindowsPatternsToQt(FromQString(parts[i + 1])));
  }
  return filters;
}

int QtUiHost::MessageBox(const std::string& text, const std::string& caption, unsigned style) {
  if (!HaveApplication()) {
    std::fprintf(stderr, "%s: %s\n", caption.c_str(), text.c_str());
    return CancelAnswer(style);
  }
  QMessageBox box(IconOf(style), ToQString(caption), WithLineFeeds(text), QMessageBox::NoButton, Owner());
  ShowAsPlainText(&box);
  box.setTextInteractionFlags(Qt::TextSelectableByMouse);  // an address in it can be copied
  switch (Buttons(style)) {
    case MB_OKCANCEL:
      box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
      box.setDefaultButton(QMessageBox::Ok);
      box.setEscapeButton(QMessageBox::Cancel);
      break;
    case MB_YESNO:
      box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
      box.setDefaultButton(QMessageBox::Yes);
      box.setEscapeButton(QMessageBox::No);
      break;
    default:
      box.setStandardButtons(QMessageBox::Ok);
      box.setEscapeButton(QMessageBox::Ok);
      break;
  }
  box.exec();
  QAbstractButton* clicked = box.clickedButton();
  return clicked ? AnswerOf(box.standardButton(clicked), style) : CancelAnswer(style);
}

int QtUiHost::RunModal(CDialog& dialog) {
  if (!HaveApplication()) return IDCANCEL;
  QtDialog window(dialog, units_ ? *units_ : DialogFontBaseUnits(), Owner());
  return window.Run();
}

std::optional<std::string> QtUiHost::FileDialog(const FileDialogRequest& request) {
  if (!HaveApplication()) return std::nullopt;
  QFileDialog dialog(Owner(), ToQString(request.caption));
  // Qt's own dialog, so that it speaks the interface language rather than the desktop's.
  dialog.setOption(QFileDialog::DontUseNativeDialog);
  dialog.setAcceptMode(request.save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
  dialog.setFileMode(request.save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
  // Always a folder of our choosing: Qt's own memory of the last folder is one for all dialogs.
  dialog.setDirectory(request.folder.empty() ? QDir::currentPath() : ToQString(request.folder));
  const QStringList filters = ToQtNameFilters(request.filter);
  if (!filters.isEmpty()) dialog.setNameFilters(filters);
  if (!request.defaultExt.empty()) dialog.setDefaultSuffix(ToQString(request.defaultExt));
  if (!request.defaultName.empty()) dialog.selectFile(ToQString(request.defaultName));
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
  return FromQString(dialog.selectedFiles().front());
}

std::optional<FontDesc> QtUiHost::ChooseFont(const FontDesc& current) {
  if (!HaveApplication()) return std::nullopt;
  // The dialog lists installed families and sizes in points: it opens on the face that really
  // draws the description (Liberation Sans for Arial), in its style, at its size in points.
  const QFont drawn = ToQFont(current);
  const QFontInfo info(drawn);
  QFont shown(info.family());
  shown.setPointSize(std::max(1, static_cast<int>(std::lround(info.pixelSize() * 72.0 / kFontDpi))));
  shown.setWeight(drawn.weight());
  shown.setItalic(drawn.italic());
  shown.setStyleName(info.styleName());
  QFontDialog dialog(shown, Owner());
  dialog.setOption(QFontDialog::DontUseNativeDialog);
  HideEffectsAndScripts(dialog);
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  // Only what the user changed changes: confirming the dialog as it opened keeps the description.
  const QFont selected = dialog.selectedFont();
  const FontDesc picked = FromQFont(selected);
  FontDesc result = current;
  if (selected.family() != shown.family()) result.faceName = picked.faceName;
  if (selected.pointSize() != shown.pointSize()) result.height = picked.height;
  if (selected.weight() != shown.weight()) result.weight = picked.weight;
  result.italic = picked.italic;
  return result;
}

bool QtUiHost::OpenUrl(const std::string& url) {
  return HaveApplication() && QDesktopServices::openUrl(QUrl(ToQString(url)));
}

void QtUiHost::ExitProcess(int code) {
  std::fflush(nullptr);
  std::_Exit(code);
}
