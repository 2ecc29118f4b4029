#include "sound/MidiDevices.h"

#include <atomic>
#include <memory>
#include <optional>

#include "platform/Clock.h"
#include "platform/UiHost.h"
#include "platform/UiThread.h"
#include "settings/ProgramSettings.h"
#include "sound/AudioEngine.h"
#include "sound/MidiInNoteQueue.h"
#include "sound/MidiOutput.h"
#include "sound/MidiSystem.h"
#include "text/LanguageTable.h"
#include "text/StrFormat.h"
#include "text/TextIds.h"

namespace {

constexpr int kTextNoInput = 373;
constexpr int kTextInputFailed = 374;
constexpr int kTextNoOutput = 375;
constexpr int kTextOutputFailed = 376;
constexpr int kTextOutputEnd = 378;
constexpr int kExitNoMidiOutput = 1;
constexpr const char* kErrorCaption = "Error!";

std::unique_ptr<MidiOutDevice> output;
std::unique_ptr<MidiInDevice> input;
std::function<void(uint32_t)> receiver;  // user-interface thread only
// Set while the task records the keyboard on the active channel (read on the input's thread).
std::atomic<bool> echoOnActiveChannel{false};
// Whether the status bar has been told about the keyboards since the input was opened.
bool keyboardsReported = false;

void ShowError(const std::string& text) { GetUiHost().MessageBox(text, kErrorCaption, MB_OK | MB_ICONEXCLAMATION); }

// The notes played on the keyboard, on their way to the receiver.
MidiInNoteQueue notesForUi;
// Notes handed to the receiver in one turn of the event loop; then painting and the user's
// input have theirs, even while notes keep coming.
constexpr int kNotesPerTurn = 8;

bool IsPlayedNote(uint32_t message) { return midi::Status(message) == midi::kNoteOn && midi::Data2(message) != 0; }

// On the user-interface thread.
void DeliverQueuedNotes() {
  for (int i = 0; i < kNotesPerTurn; ++i) {
    const std::optional<uint32_t> note = notesForUi.Pop();
    if (!note) return;
    if (receiver) receiver(*note);
  }
  PostToUiThread(&DeliverQueuedNotes);
}

// On the input's thread: the echo at once, so that the keyboard sounds within an audio period
// whatever the user-interface thread is busy with (a task's playback or a key's flash), then
// the notes played to the user-interface thread for the task. Nothing else goes there: a
// controller sweep or pitch bend (thousands of messages a second) never reaches its queue.
// The echo does not depend on the queue, so a note dropped there still ends when its
// note-off comes.
std::atomic<void (*)(uint32_t)> noteWatcher{nullptr};

void QueueToUi(uint32_t message) {
  if (IsPlayedNote(message)) {
    if (auto* watcher = noteWatcher.load()) watcher(timeGetTime());
  }
  EchoMidiIn(message);
  if (IsPlayedNote(message) && notesForUi.Push(message)) PostToUiThread(&DeliverQueuedNotes);
}

// A failing input only disables the keyboard for this run, whatever the failure is.
void OpenInput(MidiSystem& system) {
  int count = 0;
  try {
    count = system.InputCount();
  } catch (...) {
    count = 0;
  }
  if (count <= 0) {
    midiInFailed = true;
    ShowError(T(kTextNoInput));
    return;
  }
  std::unique_ptr<MidiInDevice> device;
  try {
    device = system.OpenInput(0, &QueueToUi);
  } catch (...) {
    device.reset();
  }
  if (!device) {
    midiInFailed = true;
    ShowError(T(kTextInputFailed));
    return;
  }
  device->Start();
  input = std::move(device);
  keyboardsReported = false;
}

std::string JoinNames(const std::vector<std::string>& names) {
  std::string joined;
  for (const std::string& name : names) joined += (joined.empty() ? "" : ", ") + name;
  return joined;
}

void OpenOutput(MidiSystem& system) {
  int errorText = 0;
  std::unique_ptr<MidiOutDevice> device;
  try {
    if (system.OutputCount() <= 0) {
      errorText = kTextNoOutput;
    } else {
      device = system.OpenOutput(0);
      if (!device) errorText = kTextOutputFailed;
    }
  } catch (...) {
    device.reset();
    errorText = kTextNoOutput;
  }
  if (errorText != 0) {
    ShowError(StrFormat("%s %s", T(errorText).c_str(), T(kTextOutputEnd).c_str()));
    GetUiHost().ExitProcess(kExitNoMidiOutput);
  }
  output = std::move(device);
  SetMidiOut(output.get());
}

void CloseMidiInput() {
  if (!input) return;
  input->Stop();
  input.reset();
}

}  // namespace

void OpenMidiDevices() {
  ApplyAudioLatency();
  MidiSystem& system = GetMidiSystem();
  if (useHardwareMidiKeyboard) OpenInput(system);
  OpenOutput(system);
  SendShortMsg(midi::Pack(midi::kProgramChange, 0));
  SendVolumeToAllChannels(volume);
}

void CloseMidiDevices() {
  SetMidiOut(nullptr);
  output.reset();
  CloseMidiInput();
}

void ReopenMidiInput() {
  CloseMidiInput();
  midiInFailed = false;
  if (useHardwareMidiKeyboard) OpenInput(GetMidiSystem());
}

void SetMidiInReceiver(std::function<void(uint32_t)> r) { receiver = std::move(r); }

void SetMidiInNoteWatcher(void (*watcher)(uint32_t arrivalMs)) { noteWatcher = watcher; }

void SetMidiInEchoChannel(bool onActiveChannel) { echoOnActiveChannel = onActiveChannel; }

void EchoMidiIn(uint32_t message) {
  const uint8_t status = midi::Status(message);
  if (status != midi::kNoteOn && status != midi::kNoteOff) return;
  const uint32_t channel = echoOnActiveChannel ? static_cast<uint32_t>(activeChannel.load()) : 0;
  SendShortMsg(message | (channel & midi::kChannelMask));
}

void RouteMidiInData(uint32_t message, const std::function<void(uint32_t)>& noteSink) {
  if (IsPlayedNote(message)) noteSink(message);
}

uint64_t DroppedKeyboardNotes() { return notesForUi.Dropped(); }

std::string ConnectKeyboards() {
  if (!input) return {};
  MidiInPortChanges changes;
  try {
    changes = input->ConnectNewPorts();
  } catch (...) {
    // The sequencer went away: the ports stay as they were.
    return {};
  }
  std::string line;
  if (!changes.connected.empty()) line = T(txt::kKeyboardConnected) + JoinNames(changes.connected);
  if (!changes.lost.empty()) {
    line += (line.empty() ? "" : "  ") + T(txt::kKeyboardLost) + JoinNames(changes.lost);
  }
  if (line.empty() && !keyboardsReported) line = T(txt::kKeyboardNone);
  keyboardsReported = true;
  return line;
}

std::string SoundStatusText() { return GetAudioEngine().StatusText(); }

void ApplyAudioLatency() {
  const bool known = audioLatency >= 0 && audioLatency < kAudioLatencyChoices;
  GetAudioEngine().SetLatency(static_cast<AudioLatency>(known ? audioLatency : firstStart::audioLatency));
}

void SetSoundNoticeReceiver(std::function<void(const std::string&)> r) { GetAudioEngine().SetNoticeHandler(std::move(r)); }
