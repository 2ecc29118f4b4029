#pragma once

// The state of the three lock keys shown in the status bar.
struct LockKeyState {
  // Whether the window system told the state; where it cannot (Wayland, no display) the
  // indicators are hidden.
  bool known = false;
  bool caps = false;
  bool num = false;
  bool scroll = false;
};

// Reads the keyboard's lock indicators: on X11 from the X keyboard extension; elsewhere Qt
// does not tell them, and nothing X11-only is called.
LockKeyState ReadLockKeys();
