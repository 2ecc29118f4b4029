#include "sequencer/CSequencer.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cstdlib>
#include <filesystem>
#include <optional>

#include "commands/CommandIds.h"
#include "dialogs/SaveUserFile.h"
#include "formats/FragmentFile.h"
#include "formats/MidiFile.h"
#include "music/TempoTables.h"
#include "platform/FileFolders.h"
#include "platform/FileWrite.h"
#include "platform/UiHost.h"
#include "platform/Utf.h"
#include "platform/ViewHost.h"
#include "settings/ProgramSettings.h"
#include "sound/MidiOutput.h"
#include "text/LanguageTable.h"
#include "text/TextIds.h"

namespace {

constexpr int kFilterText = 345;
constexpr int kLoadTitleText = 346;
constexpr int kSaveTitleText = 347;
constexpr const char* kExtension = "aro";

// The quantize list: none, 1/4, 1/6, 1/8, 1/12, 1/16, 1/24.
constexpr std::array<int32_t, 7> kGrids = {0, 12, 8, 6, 4, 3, 2};
constexpr int32_t kOutsideListGrid = 12;

// The dialogs leave the program's working folder as it was; the paths they give are full.
// Opening starts in the folder last opened from, saving in the one fragments were last saved to.
std::optional<std::string> AskForFile(bool load, int filterText = kFilterText) {
  FileDialogRequest request;
  request.caption = T(load ? kLoadTitleText : kSaveTitleText);
  request.filter = T(filterText);
  request.defaultExt = kExtension;
  if (!load) return AskWhereToSave(SaveKind::kFragment, request);
  request.save = false;
  request.folder = OpenFolder();
  std::optional<std::string> path = GetUiHost().FileDialog(request);
  if (path) RememberOpenFolder(*path);
  return path;
}

// A name that promises a Standard MIDI File: ".mid" or ".midi", in any case.
bool NamedAsMidiFile(const std::string& path) {
  std::string extension = std::filesystem::path(path).extension().string();
  for (char& c : extension) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return extension == ".mid" || extension == ".midi";
}

// The number of the tempo list's entry ("120" of "120 Moderato/Allegro").
std::string TempoNumber(int32_t index) {
  const std::string name = tempoNames[static_cast<size_t>(ClampTempoIndex(index))];
  return name.substr(0, name.find(' '));
}

// The fragment's title as a MIDI file has it: UTF-8 when it is, else one byte a character.
std::string TitleOfMidiFile(const std::string& bytes) {
  const bool utf8 = Utf16ToUtf8(Utf8ToUtf16(bytes)) == bytes;
  return fragment::BlanksToUnderscores(utf8 ? bytes : fragment::Latin1ToUtf8(bytes));
}

// The quarter note as the sequencers and the player play a tempo of the list: twelve ticks
// of the timer's period, which is rounded to whole milliseconds (42 ms at "120" makes 504 ms,
// not 500).
int32_t PlayedQuarterMicros(int32_t tempo) {
  return smf::kTicksPerQuarter * msPerTick[static_cast<size_t>(ClampTempoIndex(tempo))] * 1000;
}

// The tempo of the list that plays nearest to the microseconds of a quarter note.
int32_t NearestTempo(int32_t microsPerQuarter) {
  int32_t best = 0;
  for (int32_t i = 1; i < kTempoCount; ++i) {
    if (std::abs(PlayedQuarterMicros(i) - microsPerQuarter) < std::abs(PlayedQuarterMicros(best) - microsPerQuarter)) {
      best = i;
    }
  }
  return best;
}

// Signatures 0-7 are 1/4 to 8/4, 8-15 are 1/8 to 8/8.
constexpr int32_t kFirstEighths = 8;
constexpr int32_t kMostBeats = 8;

std::pair<int32_t, int32_t> SignatureOf(int32_t index) {
  return index < kFirstEighths ? std::pair<int32_t, int32_t>{index + 1, 4} : std::pair<int32_t, int32_t>{index - 7, 8};
}

std::optional<int32_t> SignatureIndexOf(std::pair<int32_t, int32_t> signature) {
  const auto [beats, unit] = signature;
  if (beats < 1 || beats > kMostBeats) return std::nullopt;
  if (unit == 4) return beats - 1;
  if (unit == 8) return beats - 1 + kFirstEighths;
  return std::nullopt;
}


// A fragment's note as a MIDI file holds it: the note, and whether the notes that its channel
// strikes at its tick sound together (keyboard notes) or cut one another (piano keys).
struct ExportedNote {
  NoteEvent event;
  int32_t note = 0;
  bool chord = false;
};

// The note an event sounds, as timer playback sounds it; nullopt for a percussion code.
std::optional<ExportedNote> ExportedNoteOf(const NoteEvent& e, bool keyboardNotes, int32_t keyToNote) {
  switch (SoundOfKey(e.key, keyboardNotes)) {
    case KeySound::PianoKey:
      return ExportedNote{e, e.key + keyToNote, false};
    case KeySound::KeyboardNote:
      return ExportedNote{e, e.key + kKeyboardKeyToNote, true};
    case KeySound::Percussion:
    case KeySound::Nothing:
      break;
  }
  return std::nullopt;
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
  void KeyboardNotes() override { keyboardNotes = true; }

  std::vector<NoteEvent> events;
  bool keyboardNotes = false;

 private:
  CAbstractT& task_;
};

}  // namespace

CSequencer::CSequencer() {
  fragmentTitle.clear();
  fragmentAuthor.clear();
  activeChannel = 0;
}

bool CSequencer::LoadFragment(CAbstractT& task, bool withMidiFiles) {
  const std::optional<std::string> path = AskForFile(true, withMidiFiles ? txt::kMidiOpenFilter : kFilterText);
  if (!path) return false;
  // Anything but a regular file of a sane size is refused before the current fragment is touched.
  UserFile file = ReadUserFile(*path, smf::kMostBytes);  // fragments and MIDI files alike
  if (file.status == UserFileStatus::kNotRegular || file.status == UserFileStatus::kTooBig) {
    GetUiHost().MessageBox(T(txt::kFileRefused) + std::filesystem::path(*path).filename().string(), "Error!",
                           MB_OK | MB_ICONEXCLAMATION);
    return false;
  }
  if (file.status != UserFileStatus::kRead) return false;
  const std::optional<std::vector<uint8_t>> bytes = std::move(file.bytes);
  // A file is a MIDI file by its content; one named as such that is none is refused, like a
  // broken one, before anything changes.
  const bool midiContent = smf::LooksLikeMidiFile(*bytes);
  std::optional<smf::Song> song;
  if (midiContent) song = smf::Read(*bytes);
  if ((midiContent || NamedAsMidiFile(*path)) && !song) {
    const std::string name = std::filesystem::path(*path).filename().string();
    GetUiHost().MessageBox(T(txt::kMidiUnreadable) + name, T(txt::kMidiCaption), MB_OK | MB_ICONSTOP);
    return false;
  }
  if (task.playing) sequencer::ShowState(PlaybackState::kStopped);
  task.StopTimer();
  task.playing = false;
  TaskSink sink(task);
  if (song) {
    sequencer::SongToFragment(*song, sink);
    if (song->microsPerQuarter) GetViewHost().ShowStatus(T(txt::kMidiTempoFromFile) + TempoNumber(tempoIndex));
  } else {
    fragment::Parse(*bytes, sink);
  }
  {
    std::lock_guard lock(task.eventsLock);
    task.events = std::move(sink.events);
    task.keysAreNotes = sink.keyboardNotes;
  }
  filePath.clear();
  task.ComputeLength();
  return true;
}

void CSequencer::SaveFragmentAs(CAbstractT& task) {
  task.statisticsEnabled = true;
  const std::optional<std::string> path = AskForFile(false);
  if (!path || !WriteFragment(task, *path)) return;
  fileFolder = std::filesystem::path(*path).parent_path().string();
  filePath = *path;
}

void CSequencer::SaveFragment(CAbstractT& task) {
  task.statisticsEnabled = true;
  if (!filePath.empty()) {
    WriteFragment(task, filePath);
    return;
  }
  // Like "Save as", but the folder of the dialog is not remembered.
  const std::optional<std::string> path = AskForFile(false);
  if (path && WriteFragment(task, *path)) filePath = *path;
}

void CSequencer::ExportMidiFile(CAbstractT& task, int32_t keyToNote) {
  FileDialogRequest request;
  request.caption = T(txt::kMidiExportCaption);
  request.filter = T(txt::kMidiExportFilter);
  request.defaultExt = "mid";
  const std::optional<std::string> path = AskWhereToSave(SaveKind::kMidiFile, request);
  if (!path) return;
  const std::optional<std::vector<uint8_t>> bytes =
      smf::Write(sequencer::SongOfFragment(ContentOf(task), task.lastTick, keyToNote));
  if (!bytes) {
    // Only a song past the longest time a MIDI file can hold; a fragment never is.
    ReportUnsavedFile(*path, "");
    return;
  }
  SaveUserFile(SaveKind::kMidiFile, *path, *bytes);
}

bool CSequencer::WriteFragment(CAbstractT& task, const std::string& path) const {
  return SaveUserFile(SaveKind::kFragment, path, fragment::Format(ContentOf(task)));
}

fragment::Content CSequencer::ContentOf(CAbstractT& task) const {
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
    content.keyboardNotes = task.keysAreNotes;
  }
  return content;
}

namespace sequencer {

smf::Song SongOfFragment(const fragment::Content& content, int32_t lastTick, int32_t keyToNote) {
  smf::Song song;
  song.title = fragment::UnderscoresToBlanks(content.title);
  song.microsPerQuarter = PlayedQuarterMicros(content.tempoIndex);
  song.signature = SignatureOf(std::clamp(content.signatureIndex, 0, fragment::kLastSignature));
  for (int32_t channel = 0; channel < fragment::kChannels; ++channel) {
    std::vector<ExportedNote> notes;
    for (const NoteEvent& e : content.events) {
      if (e.channel != channel) continue;
      if (const std::optional<ExportedNote> n = ExportedNoteOf(e, content.keyboardNotes, keyToNote)) notes.push_back(*n);
    }
    std::stable_sort(notes.begin(), notes.end(),
                     [](const ExportedNote& a, const ExportedNote& b) { return a.event.tick < b.event.tick; });
    const auto ch = static_cast<size_t>(channel);
    std::vector<smf::Note> track;
    for (size_t i = 0; i < notes.size(); ++i) {
      // A note is cut by the next one of its channel (a chord's note by the next tick its channel
      // strikes); one cut at once never sounds.
      size_t next = i + 1;
      while (notes[i].chord && next < notes.size() && notes[next].event.tick == notes[i].event.tick) ++next;
      const int32_t start = std::max(0, notes[i].event.tick);
      const int32_t end = next < notes.size() ? std::max(0, notes[next].event.tick) : std::max(lastTick, start + 1);
      if (end <= start) continue;
      track.push_back({channel, notes[i].note, std::clamp(content.velocities[ch], 1, 127), start, end - start});
    }
    if (track.empty()) continue;
    song.programs[ch] = content.programs[ch];
    song.tracks.push_back(std::move(track));
  }
  return song;
}

void SongToFragment(const smf::Song& song, fragment::Sink& sink) {
  if (!song.title.empty()) sink.Title(TitleOfMidiFile(song.title));
  if (song.microsPerQuarter) sink.Tempo(NearestTempo(*song.microsPerQuarter));
  if (song.signature) {
    if (const std::optional<int32_t> index = SignatureIndexOf(*song.signature)) sink.Signature(*index);
  }
  for (int32_t channel = 0; channel < fragment::kChannels; ++channel) {
    const int32_t program = song.programs[static_cast<size_t>(channel)];
    if (program >= 0) sink.Program(channel, program);
  }
  std::array<bool, fragment::kChannels> velocityGiven{};
  for (const std::vector<smf::Note>& track : song.tracks) {
    for (const smf::Note& n : track) {
      if (n.tick > fragment::kLastTick) continue;
      const auto ch = static_cast<size_t>(n.channel);
      if (!velocityGiven[ch]) sink.Velocity(n.channel, n.velocity);
      velocityGiven[ch] = true;
      int32_t key = n.note - fragment::kKeyToNote;
      while (key < 0) key += 12;
      while (key > kHighestPianoKey) key -= 12;
      sink.Event({n.channel, n.tick, key});
    }
  }
}

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

void ShowTempo(int32_t index) {
  GetViewHost().SetControlText(cmd::kTempoList, tempoNames[static_cast<size_t>(ClampTempoIndex(index))]);
}

void ShowState(PlaybackState state) {
  std::string text;
  switch (state) {
    case PlaybackState::kCountIn:
      text = T(txt::kSeqCountIn);
      break;
    case PlaybackState::kRecording:
      text = T(txt::kSeqRecording) + std::to_string(activeChannel + 1) + ")";
      break;
    case PlaybackState::kPlaying:
      text = T(txt::kSeqPlaying);
      break;
    case PlaybackState::kStopped:
      text = T(txt::kSeqStopped);
      break;
  }
  GetViewHost().ShowStatus(text);
}

}  // namespace sequencer
