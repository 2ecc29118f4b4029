#include "sequencer/CSeqDialog.h"

#include <string>

#include "music/TempoTables.h"
#include "platform/UiHost.h"
#include "sequencer/CSequencer.h"
#include "settings/ProgramSettings.h"
#include "text/LanguageTable.h"

namespace {

constexpr const char* kQuantizeEntries[] = {"\u043d\u0435\u0442", "1/4", "1/6", "1/8", "1/12", "1/16", "1/24"};
constexpr int kDrumChannel = 9;
constexpr const char* kNotANumber = "Please enter an integer.";

// The index of a list, or the old value when nothing is selected.
int32_t SelectionOr(const DialogControls& controls, int id, int32_t old) {
  const int selected = controls.CurSel(id);
  return selected < 0 ? old : selected;
}

}  // namespace

CSeqDialog::CSeqDialog()
    : CDialog({kTemplateId,
               254,
               250,
               "Recording settings",
               {
                   {1060, ControlKind::Label, 7, 4, 240, 17,
                    "Title of musical fragment (in Latin letters only). If it is not necessary, leave empty:", true},
                   {kTitleBox, ControlKind::Edit, 7, 21, 240, 12, "", false},
                   {1061, ControlKind::Label, 7, 35, 240, 17,
                    "Author (in Latin letters only). If it is not necessary, leave empty:", true},
                   {kAuthorBox, ControlKind::Edit, 7, 52, 240, 12, "", false},
                   {1062, ControlKind::Label, 7, 67, 110, 9, "Tempo", false},
                   {kTempoList, ControlKind::EditableComboBox, 7, 76, 110, 120, "", false},
                   {1063, ControlKind::Label, 137, 67, 110, 9, "Time signature", false},
                   {kSignatureList, ControlKind::ComboBox, 137, 76, 110, 120, "", false},
                   {1064, ControlKind::Label, 7, 92, 110, 9, "Quantize", false},
                   {kQuantizeList, ControlKind::EditableComboBox, 7, 101, 110, 100, "", false},
                   {1065, ControlKind::Label, 137, 92, 110, 9, "Number of measures", false},
                   {kMeasuresBox, ControlKind::NumberEdit, 137, 101, 60, 12, "", false},
                   {1066, ControlKind::Label, 7, 117, 240, 9, "Midi-channel for recording (ohter channels for playback)",
                    false},
                   {kChannelList, ControlKind::ComboBox, 7, 126, 110, 120, "", false},
                   {kStartAgainBox, ControlKind::CheckBox, 7, 142, 240, 10, "Start again (erase all)", false},
                   {kSaveTempoBox, ControlKind::CheckBox, 7, 152, 240, 10, "Save tempo in musical fragment file", false},
                   {kEraseChannelBox, ControlKind::CheckBox, 7, 162, 240, 10,
                    "Erase previous content of selected channel", false},
                   {1067, ControlKind::Label, 7, 174, 240, 17,
                    "Attention! When working with virtual MIDI keyboard polyphony recording is impossible.", true},
                   {1068, ControlKind::Label, 7, 192, 240, 36,
                    "On virtual MIDI keyboard when a key is pressed previously pressed key stops sounding. To achieve "
                    "polyphonic sounding record different melodies in different channels.",
                    true},
                   {IDOK, ControlKind::DefaultPushButton, 7, 232, 240, 14,
                    "Start recording (wait during two introducing measures of metronome)", false},
               }}) {}

int CSeqDialog::Run(const std::string& titleText, const std::string& authorText, int32_t startAgainFlag,
                    int32_t saveTempoFlag, int32_t signature, int32_t measureCount, int32_t quantize,
                    int32_t recordingChannel) {
  title = fragment::UnderscoresToBlanks(titleText);
  author = fragment::UnderscoresToBlanks(authorText);
  startAgain = startAgainFlag;
  saveTempo = saveTempoFlag;
  tempoIndex = ClampTempoIndex(::tempoIndex);
  signatureIndex = signature;
  measures = measureCount;
  quantizeIndex = quantize;
  channel = recordingChannel;
  return DoModal();
}

void CSeqDialog::OnInitDialog() {
  SetTexts(T(159), {{1060, T(160)},
                    {1061, T(161)},
                    {1062, T(162)},
                    {1063, T(163)},
                    {1064, T(164)},
                    {1065, T(165)},
                    {1066, T(166)},
                    {1067, T(167)},
                    {1068, T(168)},
                    {kSaveTempoBox, T(169)},
                    {kStartAgainBox, T(170)},
                    {kEraseChannelBox, T(171)},
                    {IDOK, T(172)}});
  DialogControls& c = Controls();
  for (int i = 1; i <= 8; ++i) c.AddString(kSignatureList, std::to_string(i) + "/4");
  for (int i = 1; i <= 8; ++i) c.AddString(kSignatureList, std::to_string(i) + "/8");
  for (const char* entry : kQuantizeEntries) c.AddString(kQuantizeList, entry);
  for (const char* name : tempoNames) c.AddString(kTempoList, name);
  for (int i = 0; i < 16; ++i) c.AddString(kChannelList, std::to_string(i + 1) + (i == kDrumChannel ? " (DRUM)" : ""));
  CDialog::OnInitDialog();
  EnableStartAgainControls();
}

void CSeqDialog::DoDataExchange(bool save) {
  DialogControls& c = Controls();
  ExchangeCheck(kStartAgainBox, startAgain, save);
  ExchangeCheck(kSaveTempoBox, saveTempo, save);
  ExchangeCheck(kEraseChannelBox, eraseChannel, save);
  if (save) {
    signatureIndex = SelectionOr(c, kSignatureList, signatureIndex);
    quantizeIndex = c.CurSel(kQuantizeList);
    // Typed text that names no tempo keeps the tempo as it was.
    tempoIndex = SelectionOr(c, kTempoList, tempoIndex);
    channel = SelectionOr(c, kChannelList, channel);
    title = c.Text(kTitleBox);
    author = c.Text(kAuthorBox);
    ReadMeasures(false);
  } else {
    c.SetCurSel(kSignatureList, signatureIndex);
    c.SetCurSel(kQuantizeList, quantizeIndex);
    c.SetCurSel(kTempoList, tempoIndex);
    c.SetCurSel(kChannelList, channel);
    c.SetText(kTitleBox, title);
    c.SetText(kAuthorBox, author);
    c.SetText(kMeasuresBox, std::to_string(measures));
  }
}

bool CSeqDialog::ReadMeasures(bool complain) {
  const std::string text = Controls().Text(kMeasuresBox);
  bool valid = !text.empty() && text.size() <= 9 && text.find_first_not_of("0123456789") == std::string::npos;
  const int32_t value = valid ? std::stoi(text) : 0;
  std::string message = kNotANumber;
  if (valid && value > kMaxMeasures) {
    valid = false;
    message = "Please enter an integer between 0 and " + std::to_string(kMaxMeasures) + ".";
  }
  if (valid) {
    measures = value;
  } else if (complain) {
    GetUiHost().MessageBox(message, "Aurelo", MB_OK | MB_ICONEXCLAMATION);
  }
  return valid;
}

void CSeqDialog::EnableStartAgainControls() {
  for (int id : {kMeasuresBox, kSignatureList, kTitleBox, kAuthorBox}) Controls().EnableControl(id, startAgain != 0);
}

void CSeqDialog::OnCommand(int id) {
  if (id == kStartAgainBox) {
    DoDataExchange(true);
    EnableStartAgainControls();
    return;
  }
  if (id == IDOK && !ReadMeasures(true)) return;
  CDialog::OnCommand(id);
}
