#include "dialogs/CDialogMidiOptions.h"

#include <algorithm>
#include <string>

#include "dialogs/GeneralMidiNames.h"
#include "settings/MidiPortNames.h"
#include "settings/ProgramSettings.h"
#include "sound/MidiDevices.h"
#include "sound/MidiOutput.h"
#include "sound/MidiSystem.h"
#include "text/LanguageTable.h"
#include "text/TextIds.h"

namespace {

constexpr int kMaxVelocity = 127;
// The chord the instrument's "Listen" button plays: C2, then C4 E4 G4.
constexpr std::array<uint32_t, 4> kListenNotes = {36, 60, 64, 67};
// Percussion keys the list recommends for the metronome.
constexpr std::array<int, 9> kRecommendedKeys = {37, 42, 54, 56, 60, 62, 70, 75, 80};

bool Recommended(int key) {
  for (int k : kRecommendedKeys) {
    if (k == key) return true;
  }
  return false;
}

// Takes the list's selection into the member, unless nothing is selected.
void ExchangeList(DialogControls& controls, int id, int32_t& value, bool save) {
  if (!save) {
    controls.SetCurSel(id, value);
  } else if (const int selected = controls.CurSel(id); selected >= 0) {
    value = selected;
  }
}

void SendProgram(int32_t channel, int32_t program) {
  SendShortMsg(midi::Pack(midi::kProgramChange + static_cast<uint32_t>(channel), static_cast<uint32_t>(program)));
}

}  // namespace

CDialogMidiOptions::CDialogMidiOptions()
    : CDialog({kTemplateId,
               276,
               294,
               "MIDI settings",
               {
                   // Two units wider than for the classic dialog font: the line is a little longer in ours.
                   {1072, ControlKind::Label, 13, 3, 148, 8, "To listen timbers you can use MIDI keyboard.", false},
                   {1073, ControlKind::Label, 12, 16, 254, 16,
                    "Attention! First midi-channel is used by default for getting tone (tenth for clicking) in all "
                    "types of tasks so far.",
                    true},
                   {1074, ControlKind::Label, 12, 33, 255, 24,
                    "If after selection of type of task you will select another active MIDI channel, this MIDI "
                    "channel will sound on answers input, but when listening the 1st MIDI channel will sound.",
                    true},
                   {1075, ControlKind::Label, 12, 58, 243, 16,
                    "This can help to achieve good understanding of difference between pitch and timbre.", true},
                   {1076, ControlKind::GroupBox, 7, 80, 262, 71, "Select active MIDI channel and configure it", false},
                   {1077, ControlKind::RightLabel, 7, 96, 120, 8, "Active MIDI channel", false},
                   {kChannelList, ControlKind::ComboBox, 131, 93, 62, 30, "", false},
                   {kListenInstrument, ControlKind::PushButton, 203, 93, 59, 34, "Listen", true},
                   {kInstrumentList, ControlKind::ComboBox, 14, 114, 179, 81, "", false},
                   {1078, ControlKind::RightLabel, 7, 135, 195, 8, "Velocity of pressing virtual keys", false},
                   {kVelocitySlider, ControlKind::Slider, 204, 134, 58, 12, "", false},
                   {kStopAll, ControlKind::PushButton, 7, 156, 262, 15, "Stop (all midi-channels)", false},
                   {1079, ControlKind::GroupBox, 7, 174, 262, 29, "Select metronome timbre (10th MIDI channel is used)",
                    false},
                   {kDrumList, ControlKind::ComboBox, 14, 187, 180, 30, "", false},
                   {kListenDrum, ControlKind::PushButton, 203, 187, 59, 12, "Listen", false},
                   {kHardwareKeyboardBox, ControlKind::CheckBox, 7, 205, 262, 29,
                    "Use hardware MIDI keyboard (To take effect you should restart program after MIDI keyboard "
                    "connecting)",
                    true},
                   {kKeyboardPortLabel, ControlKind::RightLabel, 7, 238, 120, 8, "MIDI keyboard port", false},
                   {kKeyboardPortList, ControlKind::ComboBox, 131, 236, 138, 60, "", false},
                   {kLatencyLabel, ControlKind::RightLabel, 7, 256, 120, 8, "Audio latency", false},
                   {kLatencyList, ControlKind::ComboBox, 131, 254, 138, 60, "", false},
                   {IDCANCEL, ControlKind::PushButton, 7, 272, 68, 15, "Exit", false},
                   {IDOK, ControlKind::DefaultPushButton, 81, 272, 188, 15, "Save and exit", false},
               }}),
      savedDrumNote(metronomeDrumNote),
      savedPrograms(channelProgram),
      savedVelocities(channelVelocity),
      drum(metronomeDrumNote - gm::kFirstPercussionKey),
      hardwareKeyboard(useHardwareMidiKeyboard),
      latency(audioLatency) {}

void CDialogMidiOptions::OnInitDialog() {
  SetTexts(T(186), {{1072, T(187)},
                    {1073, T(188)},
                    {1074, T(189)},
                    {1075, T(190)},
                    {1076, T(191)},
                    {1077, T(192)},
                    {1078, T(193)},
                    {1079, T(194)},
                    {kListenInstrument, T(195)},
                    {kListenDrum, T(195)},
                    {kStopAll, T(196)},
                    {kHardwareKeyboardBox, T(txt::kKeyboardCheckBox)},
                    {kKeyboardPortLabel, T(txt::kKeyboardPortLabel)},
                    {kLatencyLabel, T(txt::kAudioLatencyLabel)},
                    {IDCANCEL, T(10)},
                    {IDOK, T(11)}});
  // The list items are the template's own and are not translated.
  DialogControls& c = Controls();
  for (int i = 1; i <= midi::kChannelCount; ++i) {
    c.AddString(kChannelList, i == midi::kPercussionChannel + 1 ? "10 (DRUM)" : std::to_string(i));
  }
  for (size_t i = 0; i < gm::programNames.size(); ++i) {
    c.AddString(kInstrumentList, std::to_string(i) + " " + gm::programNames[i]);
  }
  for (int i = 0; i < gm::kPercussionKeyCount; ++i) {
    const int key = gm::kFirstPercussionKey + i;
    c.AddString(kDrumList, std::string(gm::percussionNames[static_cast<size_t>(i)]) +
                               (Recommended(key) ? " (recommended)" : ""));
  }
  // The ports there now; a chosen port that is not plugged in stays in the list.
  portNames = GetMidiSystem().InputPortNames();
  const std::string& chosen = midiInPortName;
  const auto isChosen = [&chosen](const std::string& name) { return midi_in::IsChosen(name, chosen); };
  if (!chosen.empty() && std::none_of(portNames.begin(), portNames.end(), isChosen)) portNames.push_back(chosen);
  c.AddString(kKeyboardPortList, T(txt::kKeyboardAllPorts));
  for (const std::string& name : portNames) c.AddString(kKeyboardPortList, name);
  for (int id : {txt::kAudioLatencyLow, txt::kAudioLatencyNormal, txt::kAudioLatencySafe}) c.AddString(kLatencyList, T(id));
  const auto found = std::find_if(portNames.begin(), portNames.end(), isChosen);
  keyboardPort = chosen.empty() ? 0 : static_cast<int32_t>(found - portNames.begin()) + 1;
  channel = activeChannel;
  program = channelProgram[static_cast<size_t>(channel)];
  velocity = channelVelocity[static_cast<size_t>(channel)];
  c.SetRange(kVelocitySlider, 0, kMaxVelocity);
  CDialog::OnInitDialog();
}

void CDialogMidiOptions::DoDataExchange(bool save) {
  DialogControls& c = Controls();
  ExchangeList(c, kChannelList, channel, save);
  ExchangeList(c, kInstrumentList, program, save);
  ExchangeList(c, kDrumList, drum, save);
  ExchangeList(c, kKeyboardPortList, keyboardPort, save);
  ExchangeList(c, kLatencyList, latency, save);
  if (save) {
    velocity = c.Pos(kVelocitySlider);
  } else {
    c.SetPos(kVelocitySlider, velocity);
  }
  ExchangeCheck(kHardwareKeyboardBox, hardwareKeyboard, save);
}

void CDialogMidiOptions::OnCommand(int id) {
  switch (id) {
    case kChannelList:
      ShowChannel();
      break;
    case kInstrumentList:
      DoDataExchange(true);
      channelProgram[static_cast<size_t>(channel)] = program;
      SendProgram(channel, program);
      break;
    case kVelocitySlider:
      DoDataExchange(true);
      channelVelocity[static_cast<size_t>(channel)] = velocity;
      break;
    case kDrumList:
      DoDataExchange(true);
      metronomeDrumNote = drum + gm::kFirstPercussionKey;
      break;
    case kListenInstrument:
      ListenInstrument();
      break;
    case kListenDrum:
      ListenDrum();
      break;
    case kStopAll:
      ResetMidiOut();
      break;
    case kHardwareKeyboardBox:
    case kKeyboardPortList:
    case kLatencyList:
      DoDataExchange(true);
      break;
    case kSaveButton:
      DoDataExchange(true);
      Keep();
      EndDialog(IDOK);
      break;
    case kExitButton:
      Undo();
      EndDialog(IDCANCEL);
      break;
    default:
      break;
  }
}

void CDialogMidiOptions::ShowChannel() {
  DoDataExchange(true);
  program = channelProgram[static_cast<size_t>(channel)];
  velocity = channelVelocity[static_cast<size_t>(channel)];
  DoDataExchange(false);
}

void CDialogMidiOptions::ListenInstrument() {
  ResetMidiOut();
  const int selected = Controls().CurSel(kChannelList);
  const auto ch = static_cast<uint32_t>(selected >= 0 ? selected : channel) & midi::kChannelMask;
  const auto v = static_cast<uint32_t>(Controls().Pos(kVelocitySlider));
  for (uint32_t note : kListenNotes) SendShortMsg(midi::Pack(midi::kNoteOn + ch, note, v));
}

void CDialogMidiOptions::ListenDrum() {
  const auto note = static_cast<uint32_t>(metronomeDrumNote.load());
  const auto v = static_cast<uint32_t>(channelVelocity[midi::kPercussionChannel].load());
  SendShortMsg(midi::Pack(midi::kNoteOn + midi::kPercussionChannel, note, v));
  SendShortMsg(midi::Pack(midi::kNoteOff + midi::kPercussionChannel, note, 0));
}

void CDialogMidiOptions::Undo() {
  ResetMidiOut();
  for (size_t c = 0; c < savedPrograms.size(); ++c) {
    channelProgram[c] = savedPrograms[c];
    channelVelocity[c] = savedVelocities[c];
    SendProgram(static_cast<int32_t>(c), savedPrograms[c]);
  }
  metronomeDrumNote = savedDrumNote;
}

void CDialogMidiOptions::Keep() {
  ResetMidiOut();
  for (size_t c = 0; c < channelProgram.size(); ++c) SendProgram(static_cast<int32_t>(c), channelProgram[c]);
}

void MidiSettings() {
  CDialogMidiOptions dialog;
  if (dialog.DoModal() != IDOK) return;
  metronomeDrumNote = dialog.drum + gm::kFirstPercussionKey;
  activeChannel = dialog.channel;
  useHardwareMidiKeyboard = dialog.hardwareKeyboard;
  const auto port = static_cast<size_t>(dialog.keyboardPort);
  midiInPortName = port >= 1 && port <= dialog.portNames.size() ? dialog.portNames[port - 1] : std::string();
  audioLatency = dialog.latency;
  ApplyAudioLatency();
}
