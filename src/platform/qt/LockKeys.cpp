#include "platform/qt/LockKeys.h"

#include <QGuiApplication>

#ifdef AURELO_HAVE_X11
#include <X11/XKBlib.h>
#endif

LockKeyState ReadLockKeys() {
  LockKeyState state;
#ifdef AURELO_HAVE_X11
  auto* x11 = qApp ? qApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
  Display* display = x11 ? x11->display() : nullptr;
  unsigned int indicators = 0;
  if (display && XkbGetIndicatorState(display, XkbUseCoreKbd, &indicators) == Success) {
    state.known = true;
    // Indicator bits of the core keyboard: Caps Lock, Num Lock, Scroll Lock.
    state.caps = (indicators & 0x01) != 0;
    state.num = (indicators & 0x02) != 0;
    state.scroll = (indicators & 0x04) != 0;
  }
#endif
  return state;
}
