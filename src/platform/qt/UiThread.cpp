#include "platform/UiThread.h"

#include <QCoreApplication>
#include <QMetaObject>

void PostToUiThread(std::function<void()> task) {
  QCoreApplication* app = QCoreApplication::instance();
  if (!app) return;
  QMetaObject::invokeMethod(app, std::move(task), Qt::QueuedConnection);
}
