#include "platform/qt/QtTranslations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <memory>

namespace {

// The locale of Qt's catalogue for a language file; nullptr where Qt's English stays.
const char* QtLocaleOf(int languageIndex) {
  switch (languageIndex) {
    case 1:
      return "de";
    case 2:
      return "ru";
    case 3:
      // The Portuguese texts are Brazilian Portuguese.
      return "pt_BR";
    default:
      return nullptr;
  }
}

std::unique_ptr<QTranslator>& Installed() {
  static std::unique_ptr<QTranslator> translator;
  return translator;
}

}  // namespace

void UseQtTranslations(int languageIndex) {
  if (QCoreApplication::instance() == nullptr) return;
  std::unique_ptr<QTranslator>& installed = Installed();
  if (installed) {
    QCoreApplication::removeTranslator(installed.get());
    installed.reset();
  }
  const char* locale = QtLocaleOf(languageIndex);
  if (locale == nullptr) return;
  auto translator = std::make_unique<QTranslator>();
  // "qt_<locale>.qm" gathers the catalogues of Qt's modules; without it Qt's texts stay English.
  if (!translator->load(QLocale(QString::fromLatin1(locale)), QStringLiteral("qt"), QStringLiteral("_"),
                        QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
    return;
  }
  QCoreApplication::installTranslator(translator.get());
  installed = std::move(translator);
}
