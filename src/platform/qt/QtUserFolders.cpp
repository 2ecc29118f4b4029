#include "platform/qt/QtUserFolders.h"

#include <QDir>
#include <QStandardPaths>

#include "platform/qt/QtConvert.h"

std::string DocumentsFolder() {
  return FromQString(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation));
}

std::string HomeFolder() { return FromQString(QDir::homePath()); }
