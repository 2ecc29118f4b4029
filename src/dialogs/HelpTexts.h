#pragma once
#include <string>

#include "commands/CommandIds.h"

// The help texts of the Help menu, each shown in a message box.

// The commands that show a help text, in menu order.
inline constexpr int kHelpTextCommands[] = {105,   32863, 32958, 32956, 32977, 32979, cmd::kAboutDrills,
                                            cmd::kAboutRhythmTasks, cmd::kAboutVoiceAnswers};

// The body of the command's help text: its texts joined with nothing between them, every "~"
// a line break (CR LF). Empty for a command without a help text.
std::string HelpTextBody(int command);
// Shows the command's help text: its caption, the body, an OK button, no icon.
void ShowHelpText(int command);
