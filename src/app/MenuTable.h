#pragma once
#include <functional>
#include <string>
#include <vector>

// One entry of the menu: a command item (commandId != 0) or a popup (children).
// textId is the language text shown on it; -1 keeps the resource text (the language names).
struct MenuEntry {
  int commandId = 0;
  int textId = -1;
  const char* resourceText = "";
  std::vector<MenuEntry> children;
  // A text made anew at each language change (a drill's title), in place of textId.
  std::function<std::string()> text{};

  bool IsPopup() const { return commandId == 0; }
};

// The menu bar with its six popups, in order. Built once; the menu and the language code share it.
const std::vector<MenuEntry>& MenuTable();

// The five language items in the order of their language index.
inline constexpr int kLanguageCommands[5] = {32981, 32994, 32982, 32996, 32986};
