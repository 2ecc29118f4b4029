#pragma once
#include <functional>
#include <memory>
#include <string>

class CAbstractT;

inline constexpr int kTaskTypeCount = 35;
inline constexpr int kFirstToolType = 24;  // types 24-28: sequencers, player, tuning fork, metronome
inline constexpr int kLastToolType = 28;
inline constexpr int kMetronomeType = 28;
inline constexpr int kKeyboardRangeType = 29;
inline constexpr int kKeyboardSequencerType = 34;  // a tool too: the sequencer of the hardware keyboard

struct TaskTypeInfo {
  int type;
  int commandId;  // 0: reachable only as a stored task type
  const char* className;
};

// The task type table, indexed by task type.
const TaskTypeInfo& TaskTypeAt(int type);
// The task type a menu command creates, or -1.
int TaskTypeOfCommand(int commandId);
bool IsToolType(int type);
// The types played from the hardware MIDI keyboard: the range measurement and its sequencer.
bool NeedsMidiKeyboard(int type);

// The title of a task type as its task shows it, in the current language; empty for the tools
// and for values outside the table.
std::string TaskTitle(int type);

// Builds the task of the given type; values outside the table build type 0.
std::unique_ptr<CAbstractT> MakeTask(int type);

// Replaces the factory (tests host their own task objects); an empty function restores it.
void SetTaskMaker(std::function<std::unique_ptr<CAbstractT>(int type)> maker);
