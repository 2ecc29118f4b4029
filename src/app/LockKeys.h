#pragma once

// The state of the three lock keys shown in the status bar.
struct LockKeyState {
  bool caps = false;
  bool num = false;
  bool scroll = false;
};

// Reads the keyboard's lock indicators; all off where the window system does not tell.
LockKeyState ReadLockKeys();
