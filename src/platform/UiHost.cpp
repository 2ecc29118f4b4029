#include "platform/UiHost.h"

#include "platform/qt/QtUiHost.h"

namespace {
UiHost* current = nullptr;
}  // namespace

UiHost& GetUiHost() {
  if (current) return *current;
  // Holds no Qt object itself; its requests need the QApplication the program creates first.
  static QtUiHost qtHost;
  return qtHost;
}

void SetUiHost(UiHost* host) { current = host; }
