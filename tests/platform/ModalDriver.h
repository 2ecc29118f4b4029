#pragma once
#include <QApplication>
#include <QDialog>
#include <QKeyEvent>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>

// Acts on the modal window of type W as soon as the modal loop that is about to start
// shows it. If no such window appears, every open dialog is closed so that the test fails
// instead of hanging.
template <typename W>
void WhenModal(std::function<void(W*)> act) {
  QTimer::singleShot(0, [act] {
    if (auto* window = qobject_cast<W*>(QApplication::activeModalWidget())) {
      act(window);
      return;
    }
    ADD_FAILURE() << "no modal window of the expected type";
    for (QWidget* w : QApplication::topLevelWidgets()) {
      if (auto* d = qobject_cast<QDialog*>(w); d && d->isVisible()) d->done(0);
    }
  });
}

inline void PressKey(QWidget* target, int key) {
  QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
  QApplication::sendEvent(target, &press);
}
