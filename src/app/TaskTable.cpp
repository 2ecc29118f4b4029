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

// The constructor of each task type.
constexpr std::array<TaskMaker, kTaskTypeCount> kMakers = {
    &Make<MonoMelodyTest13_0>,               // 0
    &Make<MonoMelodyTest13_1>,               // 1
    &Make<MonoMelodyTest13_2>,               // 2
    &Make<MonoMelodyTest13_4>,               // 3
    &Make<MonoMelodyTest13_8>,               // 4
    &Make<MonoMelodyTest37_0>,               // 5
    &Make<MonoMelodyTest37_1>,               // 6
    &Make<MonoMelodyTest37_2>,               // 7
    &Make<MonoMelodyTest37_4>,               // 8
    &Make<MonoMelodyTest37_8>,               // 9
    &Make<CSequencedTest13>,                 // 10
    &Make<MonoIntroTest_1>,                  // 11
    &Make<MonoIntroTest_2>,                  // 12
    &Make<MonoIntroTest_3>,                  // 13
    &Make<MonoIntroTest_4>,                  // 14
    &Make<MonoIntroTest_5>,                  // 15
    &Make<ChordHearBaseTrePolyTest>,         // 16
    &Make<ChordHearBaseAllPolyTest>,         // 17
    &Make<ChordHearBaseAllFromOnePolyTest>,  // 18
    &Make<ChordHearBaseTreTest>,             // 19
    &Make<ChordHearBaseAllTest>,             // 20
    &Make<ChordHearBaseAllFromOneTest>,      // 21
    &Make<ChordPlayBaseFromOneTest>,         // 22
    &Make<ChordPlayBaseFromRandomTest>,      // 23
    &Make<CSequencerRealTime13>,             // 24
    &Make<CSequencerRealTime37>,             // 25
    &Make<CSeqPlayer>,                       // 26
    &Make<CTuneFork>,                        // 27
    &Make<CMetronome>,                       // 28
    &Make<CSetMidiKbdRangeT>,                // 29
    &Make<CSequencedTest37>,                 // 30
    &Make<CSequencedTest13_2>,               // 31
    &Make<CMyMelodiesTest13>,                // 32
    &Make<CMyMelodiesTest37>,                // 33
    &Make<CSequencerRealTimeMidi>,           // 34
};

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

std::unique_ptr<CAbstractT> MakeTask(int type) {
  const TaskTypeInfo& info = TaskTypeAt(type);
  if (taskMaker) return taskMaker(info.type);
  return kMakers[static_cast<size_t>(info.type)]();
}
