#pragma once
#include <cstdint>
#include <memory>

#include "progress/TaskRecord.h"

class CAbstractT;

// Where a task type's item stands in the menu: the popup it is listed in. Items of one place
// keep the order of the catalogue.
enum class MenuPlace : uint8_t {
  kNone,              // reachable only as a stored task type
  kExam,              // Tasks > Entering Musical school (Ear test)
  kRandom13,          // Tasks > One-voice melodies (randomly generated) > 13 keys
  kRandom37,          // ... > 37 keys
  kTeacher13,         // Tasks > One-voice melodies (composed by teachers) > 13 keys
  kTeacher,           // Tasks > One-voice melodies (composed by teachers)
  kChordsAlternate,   // Tasks > Chords recognition > tones sound alternately
  kChordsTogether,    // Tasks > Chords recognition > tones sound simultaneously
  kChordsPlaying,     // Tasks > Chords playing
  kRhythm,            // Tasks > Rhythm repetition
  kMidiKeyboard,      // Tasks with usage of MIDI keyboard
  kVirtualSequencer,  // Sequencer > 16-track MIDI sequencer (virtual keyboard)
  kSequencer,         // Sequencer
  kOptions,           // Options
  kVoice,             // Tasks > Sing it back (voice)
};

// The controls of the control bar a task type works with: these are enabled when it starts,
// the others disabled. kTimeMeter: the time meter shows "00:00" (otherwise it is empty).
namespace controls {
inline constexpr uint16_t kKeyList = 1 << 0;
inline constexpr uint16_t kModeList = 1 << 1;
inline constexpr uint16_t kTempoList = 1 << 2;
inline constexpr uint16_t kMaxDistance = 1 << 3;
inline constexpr uint16_t kFixIllumination = 1 << 4;
inline constexpr uint16_t kBlockExtramode = 1 << 5;
inline constexpr uint16_t kListenNew = 1 << 6;
inline constexpr uint16_t kVolume = 1 << 7;
inline constexpr uint16_t kTimeMeter = 1 << 8;
// What every tool and most tasks have: a start button and the volume.
inline constexpr uint16_t kPlay = kListenNew | kVolume;
}  // namespace controls

// One task type: everything the program needs to know of it outside its own class. Each family
// lists its types in its own folder; the catalogue (app/TaskTable) puts the families together.
struct TaskType {
  // The stored type number and family. Both are kept in the settings file (the last task) and
  // in the progress history: they must never be renumbered.
  int32_t type = 0;
  progress::Family family = progress::Family::kOther;
  // The settings of the control bar the type's tasks are made from, as the history keeps them.
  progress::UsedSettings used;
  // The menu command that starts it (0: none) and where the item stands.
  int commandId = 0;
  MenuPlace place = MenuPlace::kNone;
  // The item's language text and the text it has until a language file is read.
  int menuText = -1;
  const char* resourceText = "";
  // The status bar's prompt for the command while the interface is Russian.
  const char* prompt = "";
  uint16_t controls = 0;
  // A tool (sequencers, player, tuning fork, metronome): no task log header, no history.
  bool tool = false;
  // Played from the hardware MIDI keyboard.
  bool needsMidiKeyboard = false;
  const char* className = "";
  // The text id of the title the task shows (-1: none).
  int title = -1;
  std::unique_ptr<CAbstractT> (*make)() = nullptr;
};

// The factory and title of a task class, for its descriptor.
template <class Task>
std::unique_ptr<CAbstractT> MakeTaskOf() {
  return std::make_unique<Task>();
}

template <class Task>
constexpr int TitleOf() {
  if constexpr (requires { Task::kTitle; }) {
    return Task::kTitle;
  } else if constexpr (requires { Task::kTexts.title; }) {
    return Task::kTexts.title;
  } else {
    return -1;
  }
}

// A descriptor with its class's factory and title filled in.
template <class Task>
constexpr TaskType Describe(TaskType type) {
  type.make = &MakeTaskOf<Task>;
  type.title = TitleOf<Task>();
  return type;
}
