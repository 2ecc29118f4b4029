#pragma once
#include <functional>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "tasks/base/TaskType.h"

class CAbstractT;

// The catalogue of task types: every family's descriptors, indexed by the stored type number.
// A family adds its types in its own folder and one line in TaskTable.cpp.

// Type numbers the view and the tests name.
inline constexpr int kFirstToolType = 24;  // the 13-key sequencer
inline constexpr int kMetronomeType = 28;
inline constexpr int kKeyboardRangeType = 29;

// Every task type, in the order of its number (0, 1, 2, ...).
std::span<const TaskType> TaskCatalogue();
int TaskTypeCount();
// The descriptor of a task type; values outside the catalogue give type 0.
const TaskType& TaskTypeAt(int type);
// The task type a menu command creates, or -1.
int TaskTypeOfCommand(int commandId);
// The types whose items stand at a place of the menu, in catalogue order of their families.
std::vector<const TaskType*> TaskTypesAt(MenuPlace place);
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

// Enables the control bar's controls the type works with and disables the others; the time
// meter shows "00:00" or nothing. The view does this before a task starts.
void ShowControlsOf(int type);

// Gives the progress history the family and used settings of each type (at start).
void InstallTaskHistoryInfo();
