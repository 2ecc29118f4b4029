#include "dialogs/HelpTexts.h"

#include <array>

#include "platform/UiHost.h"
#include "text/LanguageTable.h"
#include "text/TextIds.h"

namespace {

// A help text: the command, the caption's text and the range of body texts.
struct HelpText {
  int command;
  int caption;
  int firstBody;
  int lastBody;
};

constexpr std::array<HelpText, 9> kHelpTexts = {{
    {105, 386, 387, 391},
    {32863, 379, 380, 385},
    {32958, 397, 398, 401},
    {32956, 392, 393, 396},
    {32977, 402, 403, 406},
    {32979, 407, 408, 412},
    {cmd::kAboutDrills, txt::kDrillHelpCaption, txt::kDrillHelpBody, txt::kDrillHelpBodyLast},
    {cmd::kAboutRhythmTasks, txt::kRhythmPopup, txt::kRhythmHelpFirst, txt::kRhythmHelpLast},
    {cmd::kAboutVoiceAnswers, txt::kVoiceHelpCaption, txt::kVoiceHelpFirst, txt::kVoiceHelpLast},
}};

const HelpText* Find(int command) {
  for (const HelpText& h : kHelpTexts) {
    if (h.command == command) return &h;
  }
  return nullptr;
}

}  // namespace

std::string HelpTextBody(int command) {
  const HelpText* help = Find(command);
  if (!help) return {};
  std::string body;
  for (int id = help->firstBody; id <= help->lastBody; ++id) {
    for (char c : T(id)) {
      if (c == '~') {
        body += "\r\n";
      } else {
        body += c;
      }
    }
  }
  return body;
}

void ShowHelpText(int command) {
  const HelpText* help = Find(command);
  if (!help) return;
  GetUiHost().MessageBox(HelpTextBody(command), T(help->caption), MB_OK);
}
