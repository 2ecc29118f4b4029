#include "app/TaskTable.h"

#include <array>

#include "sequencer/CSeqPlayer.h"
#include "sequencer/CSequencerRealTime.h"
#include "sequencer/CSequencerRealTimeMidi.h"
#include "tasks/chords/ChordHearBaseTests.h"
#include "tasks/chords/ChordPlayBaseTest.h"
#include "tasks/intro/MonoIntroTest_N.h"
#include "tasks/melody/CSequencedTest13.h"
#include "tasks/melody/MonoMelodyTest13_0.h"
#include "tasks/melody/MonoMelodyTest13_N.h"
#include "tasks/melody/MonoMelodyTest37_0.h"
#include "tasks/melody/MonoMelodyTest37_N.h"
#include "tasks/range/CSetMidiKbdRangeT.h"
#include "tools/CMetronome.h"
#include "text/LanguageTable.h"
#include "tools/CTuneFork.h"

namespace {

constexpr std::array<TaskTypeInfo, kTaskTypeCount> kTaskTypes = {{
    {0, 32809, "MonoMelodyTest13_0"},
    {1, 32811, "MonoMelodyTest13_1"},
    {2, 32813, "MonoMelodyTest13_2"},
    {3, 32815, "MonoMelodyTest13_4"},
    {4, 32817, "MonoMelodyTest13_8"},
    {5, 32806, "MonoMelodyTest37_0"},
    {6, 32780, "MonoMelodyTest37_1"},
    {7, 32785, "MonoMelodyTest37_2"},
    {8, 32787, "MonoMelodyTest37_4"},
    {9, 32789, "MonoMelodyTest37_8"},
    {10, 32962, "CSequencedTest13"},
    {11, 32794, "MonoIntroTest_1"},
    {12, 32796, "MonoIntroTest_2"},
    {13, 32798, "MonoIntroTest_3"},
    {14, 32800, "MonoIntroTest_4"},
    {15, 32802, "MonoIntroTest_5"},
    {16, 32852, "ChordHearBaseTrePolyTest"},
    {17, 32855, "ChordHearBaseAllPolyTest"},
    {18, 32856, "ChordHearBaseAllFromOnePolyTest"},
    {19, 32843, "ChordHearBaseTreTest"},
    {20, 32845, "ChordHearBaseAllTest"},
    {21, 32846, "ChordHearBaseAllFromOneTest"},
    {22, 33004, "ChordPlayBaseFromOneTest"},
    {23, 33005, "ChordPlayBaseFromRandomTest"},
    {24, 32964, "CSequencerRealTime13"},
    {25, 32967, "CSequencerRealTime37"},
    {26, 32969, "CSeqPlayer"},
    {27, 32826, "CTuneFork"},
    {28, 32966, "CMetronome"},
    {29, 32999, "CSetMidiKbdRangeT"},
    {30, 32983, "CSequencedTest37"},
    {31, 33110, "CSequencedTest13_2"},
    {32, 33111, "CMyMelodiesTest13"},
    {33, 33112, "CMyMelodiesTest37"},
    {34, 32975, "CSequencerRealTimeMidi"},
}};

std::function<std::unique_ptr<CAbstractT>(int)> taskMaker;

template <class Task>
std::unique_ptr<CAbstractT> Make() {
  return std::make_unique<Task>();
}

using TaskMaker = std::unique_ptr<CAbstractT> (*)();

// How a task type is built and the text id of its title (-1: none, the tools).
struct TaskClass {
  TaskMaker make;
  int title;
};

template <class Task>
constexpr TaskClass Of() {
  if constexpr (requires { Task::kTitle; }) {
    return {&Make<Task>, Task::kTitle};
  } else if constexpr (requires { Task::kTexts.title; }) {
    return {&Make<Task>, Task::kTexts.title};
  } else {
    return {&Make<Task>, -1};
  }
}

// The class of each task type.
constexpr std::array<TaskClass, kTaskTypeCount> kClasses = {{
    Of<MonoMelodyTest13_0>(),               // 0
    Of<MonoMelodyTest13_1>(),               // 1
    Of<MonoMelodyTest13_2>(),               // 2
    Of<MonoMelodyTest13_4>(),               // 3
    Of<MonoMelodyTest13_8>(),               // 4
    Of<MonoMelodyTest37_0>(),               // 5
    Of<MonoMelodyTest37_1>(),               // 6
    Of<MonoMelodyTest37_2>(),               // 7
    Of<MonoMelodyTest37_4>(),               // 8
    Of<MonoMelodyTest37_8>(),               // 9
    Of<CSequencedTest13>(),                 // 10
    Of<MonoIntroTest_1>(),                  // 11
    Of<MonoIntroTest_2>(),                  // 12
    Of<MonoIntroTest_3>(),                  // 13
    Of<MonoIntroTest_4>(),                  // 14
    Of<MonoIntroTest_5>(),                  // 15
    Of<ChordHearBaseTrePolyTest>(),         // 16
    Of<ChordHearBaseAllPolyTest>(),         // 17
    Of<ChordHearBaseAllFromOnePolyTest>(),  // 18
    Of<ChordHearBaseTreTest>(),             // 19
    Of<ChordHearBaseAllTest>(),             // 20
    Of<ChordHearBaseAllFromOneTest>(),      // 21
    Of<ChordPlayBaseFromOneTest>(),         // 22
    Of<ChordPlayBaseFromRandomTest>(),      // 23
    Of<CSequencerRealTime13>(),             // 24
    Of<CSequencerRealTime37>(),             // 25
    Of<CSeqPlayer>(),                       // 26
    Of<CTuneFork>(),                        // 27
    Of<CMetronome>(),                       // 28
    Of<CSetMidiKbdRangeT>(),                // 29
    Of<CSequencedTest37>(),                 // 30
    Of<CSequencedTest13_2>(),               // 31
    Of<CMyMelodiesTest13>(),                // 32
    Of<CMyMelodiesTest37>(),                // 33
    Of<CSequencerRealTimeMidi>(),           // 34
}};

}  // namespace

const TaskTypeInfo& TaskTypeAt(int type) {
  if (type < 0 || type >= kTaskTypeCount) return kTaskTypes[0];
  return kTaskTypes[static_cast<size_t>(type)];
}

int TaskTypeOfCommand(int commandId) {
  if (commandId == 0) return -1;
  for (const TaskTypeInfo& info : kTaskTypes) {
    if (info.commandId == commandId) return info.type;
  }
  return -1;
}

bool IsToolType(int type) {
  return (type >= kFirstToolType && type <= kLastToolType) || type == kKeyboardSequencerType;
}

bool NeedsMidiKeyboard(int type) { return type == kKeyboardRangeType || type == kKeyboardSequencerType; }

void SetTaskMaker(std::function<std::unique_ptr<CAbstractT>(int type)> maker) { taskMaker = std::move(maker); }

std::string TaskTitle(int type) {
  if (type < 0 || type >= kTaskTypeCount) return {};
  const int title = kClasses[static_cast<size_t>(type)].title;
  return title < 0 ? std::string() : T(title);
}

std::unique_ptr<CAbstractT> MakeTask(int type) {
  const TaskTypeInfo& info = TaskTypeAt(type);
  if (taskMaker) return taskMaker(info.type);
  return kClasses[static_cast<size_t>(info.type)].make();
}
