#include "dialogs/FontChoice.h"

#include <optional>

#include "platform/Font.h"
#include "platform/UiHost.h"
#include "platform/ViewHost.h"
#include "settings/ProgramSettings.h"

namespace {

// The system font dialog on the description, which changes only when the choice is confirmed;
// the font is made anew from it either way, and the view is drawn again.
void ChooseInto(FontDesc& desc, Font& font) {
  if (const std::optional<FontDesc> chosen = GetUiHost().ChooseFont(desc)) desc = *chosen;
  font = Font(desc);
  GetViewHost().Invalidate();
}

}  // namespace

void ChooseMainFont(Font& taskFont) { ChooseInto(mainFontDesc, taskFont); }

void ChooseResultFont(Font& taskFont) { ChooseInto(resultFontDesc, taskFont); }
