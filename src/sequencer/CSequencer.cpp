#include "sequencer/CSequencer.h"

#include <algorithm>
#include <array>
#include <filesystem>
#include <optional>

#include "app/CommandIds.h"
#include "platform/FileWrite.h"
#include "platform/UiHost.h"
#include "platform/ViewHost.h"
#include "sequencer/FragmentFile.h"
#include "settings/ProgramSettings.h"
#include "sound/MidiOutput.h"
#include "sound/TempoTables.h"
#include "text/LanguageTable.h"

namespace {

constexpr int kFilterText = 345;
constexpr int kLoadTitleText = 346;
constexpr int kSaveTitleText = 347;
constexpr const char* kExtension = "aro";

// The quantize list: none, 1/4, 1/6, 1/8, 1/12, 1/16, 1/24.
constexpr std::array<int32_t, 7> kGrids = {0, 12, 8, 6, 4, 3, 2};
constexpr int32_t kOutsideListGrid = 12;

// The dialogs leave the program's working folder as it was; the paths they give are full.
std::optional<std::string> AskForFile(bool load) {
  FileDialogRequest request;
  request.save = !load;
  request.caption = T(load ? kLoadTitleText : kSaveTitleText);
  request.filter = T(kFilterText);
  request.defaultExt = kExtension;
  return GetUiHost().FileDialog(request);
}

// Takes the records of a file into the task and the process-wide MIDI and fragment state.
class TaskSink final : public fragment::Sink {
 public:
  explicit TaskSink(CAbstractT& task) : task_(task) {}
  void Title(const std::string& text) override { fragmentTitle = text; }
  void Author(const std::string& text) override { fragmentAuthor = text; }
  void Tempo(int32_t index) override {
    tempoIndex = index;
    sequencer::ShowTempo(index);
  }
  void Signature(int32_t index) override { task_.signatureIndex = index; }
  void Program(int32_t channel, int32_t program) override {
    const auto ch = static_cast<uint32_t>(channel);
    channelProgram[ch] = program;
    SendShortMsg(midi::Pack(midi::kProgramChange + ch, static_cast<uint32_t>(program)));
  }
  void Velocity(int32_t channel, int32_t velocity) override {
    channelVelocity[static_cast<uint32_t>(channel)] = velocity;
  }
  void Event(const NoteEvent& event) override { events.push_back(event); }

  std::vector<NoteEvent> events;

 private:
  CAbstractT& task_;
};

}  // namespace

CSequencer::CSequencer() {
  fragmentTitle.clear();
  fragmentAuthor.clear();
  activeChannel = 0;
}

bool CSequencer::LoadFragment(CAbstractT& task) {
  const std::optional<std::string> path = AskForFile(true);
  if (!path) return false;
  task.StopTimer();
  task.playing = false;
  const std::optional<std::vector<uint8_t>> bytes = ReadWholeFile(*path);
  if (!bytes) return false;
  TaskSink sink(task);
  fragment::Parse(*bytes, sink);
  {
    std::lock_guard lock(task.eventsLock);
    task.events = std::move(sink.events);
  }
  filePath.clear();
  task.ComputeLength();
  return true;
}

void CSequencer::SaveFragmentAs(CAbstractT& task) {
  task.statisticsEnabled = true;
  const std::optional<std::string> path = AskForFile(false);
  if (!path) return;
  fileFolder = std::filesystem::path(*path).parent_path().string();
  filePath = *path;
  WriteFragment(task, filePath);
}

void CSequencer::SaveFragment(CAbstractT& task) {
  task.statisticsEnabled = true;
  if (!filePath.empty()) {
    WriteFragment(task, filePath);
    return;
  }
  // Like "Save as", but the folder of the dialog is not remembered.
  const std::optional<std::string> path = AskForFile(false);
  if (!path) return;
  filePath = *path;
  WriteFragment(task, filePath);
}

void CSequencer::WriteFragment(CAbstractT& task, const std::string& path) const {
  fragment::Content content;
  content.title = fragmentTitle;
  content.author = fragmentAuthor;
  content.saveTempo = saveTempo != 0;
  content.tempoIndex = tempoIndex;
  content.signatureIndex = task.signatureIndex;
  content.programs = channelProgram;
  content.velocities = channelVelocity;
  {
    std::lock_guard lock(task.eventsLock);
    content.events = task.events;
  }
  WriteFileAtomically(path, fragment::Format(content));
}

namespace sequencer {

int32_t GridOf(int32_t quantizeIndex) {
  if (quantizeIndex < 0 || quantizeIndex >= static_cast<int32_t>(kGrids.size())) return kOutsideListGrid;
  return kGrids[static_cast<size_t>(quantizeIndex)];
}

int32_t Quantize(int32_t tick, int32_t grid) {
  if (grid <= 0) return tick;
  const int32_t down = tick / grid * grid;
  const int32_t up = (tick / grid + 1) * grid;
  return tick - down > up - tick ? up : down;
}

void EnableToolControls() {
  ViewHost& view = GetViewHost();
  view.SetControlText(cmd::kTimeMeter, "");
  for (int id : {cmd::kMaxDistanceList, cmd::kKeyList, cmd::kModeList, cmd::kFixIllumination, cmd::kBlockExtramode}) {
    view.EnableControl(id, false);
  }
  for (int id : {cmd::kTempoList, cmd::kListenNew, cmd::kVolumeSlider}) view.EnableControl(id, true);
}

void ShowTempo(int32_t index) {
  GetViewHost().SetControlText(cmd::kTempoList, tempoNames[static_cast<size_t>(ClampTempoIndex(index))]);
}

std::string UnderscoresToBlanks(std::string text) {
  std::replace(text.begin(), text.end(), '_', ' ');
  return text;
}

std::string BlanksToUnderscores(std::string text) {
  std::replace_if(
      text.begin(), text.end(), [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }, '_');
  return text;
}

}  // namespace sequencer
