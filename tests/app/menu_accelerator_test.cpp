// The menu against the task catalogue and the other items listed here, the catalogue against
// the stored type numbers, and the accelerator table: a shifted command or text id, a lost row
// or a key sending the wrong command fails.
#include <QKeySequence>
#include <QShortcut>
#include <set>
#include <string>
#include <vector>

#include "app/AcceleratorTable.h"
#include "app/CChildView.h"
#include "app/MenuTable.h"
#include "app/TaskTable.h"
#include "commands/CommandIds.h"
#include "support/AppFixture.h"
#include "tasks/drills/DrillChoice.h"
#include "text/TextIds.h"

namespace {

// "popup text ids > ... : command / text id" for every item, in menu order.
void Flatten(const std::vector<MenuEntry>& entries, const std::string& path, std::vector<std::string>& out) {
  for (const MenuEntry& e : entries) {
    if (e.IsPopup()) {
      Flatten(e.children, path + std::to_string(e.textId) + ">", out);
    } else {
      out.push_back(path + std::to_string(e.commandId) + "/" + std::to_string(e.textId));
    }
  }
}

std::string Item(const std::string& path, int command, int text) {
  return path + std::to_string(command) + "/" + std::to_string(text);
}

// The popups (their text ids) in which each menu place lists its task types.
std::string PathOf(MenuPlace place) {
  switch (place) {
    case MenuPlace::kExam: return "21>31>";
    case MenuPlace::kRandom13: return "21>32>41>";
    case MenuPlace::kRandom37: return "21>32>42>";
    case MenuPlace::kTeacher13: return "21>33>41>";
    case MenuPlace::kTeacher: return "21>33>";
    case MenuPlace::kChordsAlternate: return "21>34>49>";
    case MenuPlace::kChordsTogether: return "21>34>50>";
    case MenuPlace::kChordsPlaying: return "21>35>";
    case MenuPlace::kRhythm: return "21>" + std::to_string(txt::kRhythmPopup) + ">";
    case MenuPlace::kMidiKeyboard: return "22>";
    case MenuPlace::kVirtualSequencer: return "23>58>";
    case MenuPlace::kSequencer: return "23>";
    case MenuPlace::kOptions: return "24>";
    case MenuPlace::kVoice: return "21>" + std::to_string(txt::kVoicePopup) + ">";
    case MenuPlace::kNone: break;
  }
  return "";
}

// The items of a place's task types, from the catalogue.
std::vector<std::string> Place(MenuPlace place) {
  std::vector<std::string> items;
  for (const TaskType* type : TaskTypesAt(place)) items.push_back(Item(PathOf(place), type->commandId, type->menuText));
  return items;
}

// The whole menu in order: the other items listed here, the task items where their place is.
// Every task type with a command has a place.
TEST(MenuTable, EveryTaskTypeOfTheCatalogueAndEveryOtherItemInItsPopup) {
  std::vector<std::string> items;
  Flatten(MenuTable(), "", items);
  std::vector<std::string> expected;
  const auto add = [&expected](std::vector<std::string> more) { expected.insert(expected.end(), more.begin(), more.end()); };
  add({"20>32929/26", "20>32931/27", "20>32933/28", "20>29>32981/-1", "20>29>32994/-1", "20>29>32982/-1",
       "20>29>32996/-1", "20>29>32986/-1", "20>57665/30"});
  for (MenuPlace place : {MenuPlace::kExam, MenuPlace::kRandom13, MenuPlace::kRandom37, MenuPlace::kTeacher13,
                          MenuPlace::kTeacher, MenuPlace::kChordsAlternate, MenuPlace::kChordsTogether,
                          MenuPlace::kChordsPlaying}) {
    add(Place(place));
  }
  // The drills: the help item, the shipped exercise files, then My exercises with its folder item.
  const std::string drillPath = "21>" + std::to_string(txt::kDrillMenu) + ">";
  const std::string ownPath = drillPath + std::to_string(txt::kDrillMyExercises) + ">";
  add({Item(drillPath, cmd::kAboutDrills, txt::kDrillAboutItem)});
  std::vector<std::string> own = {Item(ownPath, cmd::kMyExercisesFolder, txt::kDrillMyExercisesFolder)};
  for (size_t i = 0; i < drills::LoadedDrills().drills.size(); ++i) {
    const bool mine = drills::LoadedDrills().drills[i].own;
    (mine ? own : expected).push_back(Item(mine ? ownPath : drillPath, cmd::kFirstDrill + static_cast<int>(i), -1));
  }
  add(own);
  add(Place(MenuPlace::kRhythm));
  add({Item(PathOf(MenuPlace::kRhythm), cmd::kAboutRhythmTasks, txt::kRhythmHelpItem)});
  add(Place(MenuPlace::kVoice));
  add({Item(PathOf(MenuPlace::kVoice), cmd::kAboutVoiceAnswers, txt::kVoiceHelpItem)});
  add({"22>32977/56"});
  add(Place(MenuPlace::kMidiKeyboard));
  add(Place(MenuPlace::kVirtualSequencer));
  add({"23>58>32979/63"});
  add(Place(MenuPlace::kSequencer));
  add({"24>64>32945/67", "24>64>32971/68", "24>64>32987/69", "24>64>32990/70"});
  add(Place(MenuPlace::kOptions));
  add({Item("24>", cmd::kPitchMeter, txt::kPitchMeterItem), Item("24>", cmd::kVoiceSettings, txt::kVoiceSettingsItem)});
  add({Item("24>", 33100, txt::kProgressMenuItem), "25>57664/71", "25>105/72", "25>32863/73", "25>32958/74",
       "25>32956/75", "25>32923/76", "25>32985/77", "25>32984/78"});
  EXPECT_EQ(items, expected);
  for (const TaskType& type : TaskCatalogue()) {
    EXPECT_EQ(type.commandId != 0, type.place != MenuPlace::kNone) << type.className;
  }
}

// The stored type numbers (settings file, progress history) keep their classes, their families
// and their commands; the numbers run from 0 without a gap and no command starts two types.
TEST(TaskCatalogue, StoredTypeNumbersKeepTheirClassesFamiliesAndCommands) {
  using progress::Family;
  struct Stored {
    const char* className;
    Family family;
    int command;
  };
  const std::vector<Stored> stored = {
      {"MonoMelodyTest13_0", Family::kToneSearch, 32809}, {"MonoMelodyTest13_1", Family::kMelody, 32811},
      {"MonoMelodyTest13_2", Family::kMelody, 32813}, {"MonoMelodyTest13_4", Family::kMelody, 32815},
      {"MonoMelodyTest13_8", Family::kMelody, 32817}, {"MonoMelodyTest37_0", Family::kToneSearch, 32806},
      {"MonoMelodyTest37_1", Family::kMelody, 32780}, {"MonoMelodyTest37_2", Family::kMelody, 32785},
      {"MonoMelodyTest37_4", Family::kMelody, 32787}, {"MonoMelodyTest37_8", Family::kMelody, 32789},
      {"CSequencedTest13", Family::kTeacherMelody, 32962}, {"MonoIntroTest_1", Family::kOther, 32794},
      {"MonoIntroTest_2", Family::kExam, 32796}, {"MonoIntroTest_3", Family::kExam, 32798},
      {"MonoIntroTest_4", Family::kExam, 32800}, {"MonoIntroTest_5", Family::kExam, 32802},
      {"ChordHearBaseTrePolyTest", Family::kChordRecognition, 32852},
      {"ChordHearBaseAllPolyTest", Family::kChordRecognition, 32855},
      {"ChordHearBaseAllFromOnePolyTest", Family::kChordRecognition, 32856},
      {"ChordHearBaseTreTest", Family::kChordRecognition, 32843},
      {"ChordHearBaseAllTest", Family::kChordRecognition, 32845},
      {"ChordHearBaseAllFromOneTest", Family::kChordRecognition, 32846},
      {"ChordPlayBaseFromOneTest", Family::kChordPlaying, 33004},
      {"ChordPlayBaseFromRandomTest", Family::kChordPlaying, 33005}, {"CSequencerRealTime13", Family::kOther, 32964},
      {"CSequencerRealTime37", Family::kOther, 32967}, {"CSeqPlayer", Family::kOther, 32969},
      {"CTuneFork", Family::kOther, 32826}, {"CMetronome", Family::kOther, 32966},
      {"CSetMidiKbdRangeT", Family::kOther, 32999}, {"CSequencedTest37", Family::kTeacherMelody, 32983},
      {"CSequencedTest13_2", Family::kTeacherMelody, 33110}, {"CMyMelodiesTest13", Family::kTeacherMelody, 33111},
      {"CMyMelodiesTest37", Family::kTeacherMelody, 33112}, {"CSequencerRealTimeMidi", Family::kOther, 32975},
  };
  ASSERT_GE(TaskTypeCount(), static_cast<int>(stored.size()));
  std::set<int> commands;
  for (int type = 0; type < TaskTypeCount(); ++type) {
    const TaskType& info = TaskCatalogue()[static_cast<size_t>(type)];
    EXPECT_EQ(info.type, type) << "a gap or a number given twice";
    ASSERT_NE(info.make, nullptr) << type;
    if (info.commandId != 0) {
      EXPECT_TRUE(commands.insert(info.commandId).second) << info.commandId;
    }
    EXPECT_EQ(progress::FamilyOfType(type), info.family);
    if (type >= static_cast<int>(stored.size())) continue;
    const Stored& s = stored[static_cast<size_t>(type)];
    EXPECT_STREQ(info.className, s.className) << type;
    EXPECT_EQ(info.family, s.family) << type;
    EXPECT_EQ(info.commandId, s.command) << type;
  }
}

struct KeyRow {
  const char* keys;
  int command;
};

TEST(AcceleratorTable, EveryKeySendsItsCommand) {
  const std::vector<KeyRow> expected = {
      {"Return", 32864}, {"Enter", 32864}, {"F1", 105}, {"Ctrl+C", 57634}, {"Ctrl+Ins", 57634},
      {"Shift+Del", 57635}, {"Ctrl+X", 57635}, {"Ctrl+V", 57637}, {"Shift+Ins", 57637},
      {"Alt+Backspace", 57643}, {"Ctrl+Z", 57643}, {"Ctrl+M", 32971}, {"F6", 57680}, {"Shift+F6", 57681},
      {"Ctrl+W", 32945}, {"Ctrl+Shift+Del", 32933}, {"Ctrl+S", 32929}, {"Ctrl+F", 32987}, {"Ctrl+L", 32931},
      {"Space", 1000}, {"R", 1001}, {"Ctrl+R", 32990}, {"Ctrl+P", 33100},
  };
  const std::vector<Accelerator>& table = Accelerators();
  ASSERT_EQ(table.size(), expected.size());
  for (size_t i = 0; i < table.size(); ++i) {
    EXPECT_EQ(QKeySequence(table[i].keys), QKeySequence(QString::fromLatin1(expected[i].keys))) << i;
    EXPECT_EQ(table[i].command, expected[i].command) << expected[i].keys;
  }
}

class FrameShortcuts : public AppFixture {
 protected:
  void SetUp() override {
    spyTypes = {0};
    StartProgram();
    calls.clear();
  }
  // Fires the frame's shortcut for the keys as the key press would.
  void Press(const char* keys) {
    for (QShortcut* s : Frame().findChildren<QShortcut*>()) {
      if (s->key() == QKeySequence(QString::fromLatin1(keys))) {
        emit s->activated();
        return;
      }
    }
    ADD_FAILURE() << "no shortcut for " << keys;
  }
};

// The frame makes one shortcut per row; Space and R act only while their button is enabled.
TEST_F(FrameShortcuts, SpaceAndRActOnlyWhileTheirButtonIsEnabled) {
  EXPECT_EQ(Frame().findChildren<QShortcut*>().size(), static_cast<qsizetype>(Accelerators().size()));
  View().Task().newTaskEnabled = false;
  View().Task().listenAgainEnabled = false;
  View().UpdateControls();
  Press("Space");
  Press("R");
  Press("Return");
  EXPECT_EQ(calls, (std::vector<std::string>{"OnEnterKey"}));
  View().Task().newTaskEnabled = true;
  View().Task().listenAgainEnabled = true;
  View().UpdateControls();
  calls.clear();
  Press("Space");
  Press("R");
  EXPECT_EQ(calls, (std::vector<std::string>{"OnListenNew", "OnListenAgain"}));
}

}  // namespace
