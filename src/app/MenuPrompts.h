#pragma once
#include <string>

// The status-bar prompt of a menu command, shown while the interface language is Russian.
// Empty for a command without a prompt.
std::string MenuPrompt(int commandId);
