#include "tasks/chords/CChordDialog.h"

#include <algorithm>
#include <cstddef>

#include "text/LanguageTable.h"

namespace {
constexpr int kCaptionText = 197;
constexpr int kListenAgainText = 202;
}  // namespace

CChordDialog::CChordDialog()
    : CDialog({kTemplateId,
               213,
               69,
               "Identify the type of the chord",
               {
                   {kHintText, ControlKind::Label, 7, 7, 199, 16, "Hint: Identify the type of the chord.", true},
                   {kTypeList, ControlKind::ComboBox, 7, 26, 199, 120, "", false},
                   {IDOK, ControlKind::DefaultPushButton, 7, 48, 60, 14, "OK", false},
                   {kListenAgainButton, ControlKind::PushButton, 72, 48, 134, 14, "OK, if error listen again", false},
               }}) {}

int CChordDialog::AskChordType(int32_t first, int32_t last, const std::string& hint) {
  firstType = std::clamp(first, 0, kLastType);
  lastType = std::clamp(last, firstType, kLastType);
  hintText = hint;
  return DoModal();
}

void CChordDialog::OnInitDialog() {
  SetTexts(T(kCaptionText), {{kListenAgainButton, T(kListenAgainText)}, {kHintText, hintText}});
  DialogControls& controls = Controls();
  controls.ResetContent(typeList);
  for (int32_t type = firstType; type <= lastType; ++type) {
    controls.AddString(typeList, chordNames[static_cast<size_t>(type)]);
  }
  controls.SetCurSel(typeList, 0);
  selectedType = firstType;
  CDialog::OnInitDialog();
}

void CChordDialog::OnCommand(int id) {
  if (id == typeList) {
    const int index = Controls().CurSel(typeList);
    if (index >= 0 && index <= lastType - firstType) selectedType = firstType + index;
  } else if (id == IDOK) {
    listenAgain = false;
    CDialog::OnCommand(IDOK);
  } else if (id == kListenAgainButton) {
    listenAgain = true;
    EndDialog(IDOK);
  } else {
    CDialog::OnCommand(id);
  }
}
