#include "app/MenuTable.h"

#include "app/DrillMenu.h"
#include "app/TaskTable.h"
#include "commands/CommandIds.h"
#include "text/LanguageNames.h"
#include "text/TextIds.h"

namespace {

MenuEntry Item(int command, int text, const char* resource) { return {command, text, resource, {}}; }
MenuEntry Popup(int text, const char* resource, std::vector<MenuEntry> children) {
  return {0, text, resource, std::move(children)};
}

// The items of the task types that stand at a place, in catalogue order.
std::vector<MenuEntry> TaskItems(MenuPlace place) {
  std::vector<MenuEntry> items;
  for (const TaskType* type : TaskTypesAt(place)) items.push_back(Item(type->commandId, type->menuText, type->resourceText));
  return items;
}

std::vector<MenuEntry> Join(std::vector<MenuEntry> first, std::vector<MenuEntry> then) {
  for (MenuEntry& entry : then) first.push_back(std::move(entry));
  return first;
}

std::vector<MenuEntry> BuildMenu() {
  using namespace cmd;
  return {
      Popup(20, "Main menu",
            {
                Item(kSaveLog, 26, "Save log of results as text file... (Ctrl+S)"),
                Item(kShowLog, 27, "Show log of results (Ctrl+L)"),
                Item(kClearLog, 28, "Clear log of results (Ctrl+Shift+Del)"),
                Popup(29, "Language of interface",
                      {
                          Item(kLangEnglish, -1, kLanguageNames[0]),
                          Item(kLangGerman, -1, kLanguageNames[1]),
                          Item(kLangRussian, -1, kLanguageNames[2]),
                          Item(kLangPortuguese, -1, kLanguageNames[3]),
                          Item(kLangCustom, -1, kLanguageNames[4]),
                      }),
                Item(kExit, 30, "Exit (Alt+F4)"),
            }),
      Popup(21, "Tasks",
            {
                Popup(31, "Entering Musical school (Ear test)", TaskItems(MenuPlace::kExam)),
                Popup(32, "One-voice melodies (randomly generated)",
                      {
                          Popup(41, "In the range of one oktave (13 keys)", TaskItems(MenuPlace::kRandom13)),
                          Popup(42, "In the range of three oktaves (37 keys)", TaskItems(MenuPlace::kRandom37)),
                      }),
                Popup(33, "One-voice melodies (composed by teachers)",
                      Join({Popup(41, "In the range of one oktave (13 keys)", TaskItems(MenuPlace::kTeacher13))},
                           TaskItems(MenuPlace::kTeacher))),
                Popup(34, "Chords recognition",
                      {
                          Popup(49, "Chords in basic form (tones sound alternately)",
                                TaskItems(MenuPlace::kChordsAlternate)),
                          Popup(50, "Chords in basic form (tones sound simultaneously)",
                                TaskItems(MenuPlace::kChordsTogether)),
                      }),
                Popup(35, "Chords playing", TaskItems(MenuPlace::kChordsPlaying)),
                Popup(txt::kDrillMenu, "Intervals, scales and chord inversions", DrillMenuItems()),
                Popup(txt::kRhythmPopup, "Rhythm repetition",
                      Join(TaskItems(MenuPlace::kRhythm),
                           {Item(kAboutRhythmTasks, txt::kRhythmHelpItem, "About rhythm tasks...")})),
                Popup(txt::kVoicePopup, "Sing it back (voice)",
                      Join(TaskItems(MenuPlace::kVoice),
                           {Item(kAboutVoiceAnswers, txt::kVoiceHelpItem, "About answers by voice...")})),
            }),
      Popup(22, "Tasks with usage of MIDI keyboard",
            Join({Item(kAboutMidiKeyboardTasks, 56, "About tasks with usage of MIDI keyboard...")},
                 TaskItems(MenuPlace::kMidiKeyboard))),
      Popup(23, "Sequencer",
            Join({Popup(58, "16-track MIDI sequencer (with usage of virtual MIDI keyboard)",
                        Join(TaskItems(MenuPlace::kVirtualSequencer),
                             {Item(kAboutVirtualKeyboardSequencer, 63,
                                   "About features of sequencer with usage of virtual MIDI keyboard...")}))},
                 TaskItems(MenuPlace::kSequencer))),
      Popup(24, "Options",
            Join(Join({Popup(64, "&Settings",
                             {
                                 Item(kWarningSettings, 67, "Warning settings... (Ctrl+W)"),
                                 Item(kMidiSettings, 68, "MIDI settings... (Ctrl+M)"),
                                 Item(kFontSettings, 69, "Font settings... (Ctrl + F)"),
                                 Item(kResultFontSettings, 70, "Result font settings... (Ctrl + R)"),
                             })},
                      Join(TaskItems(MenuPlace::kOptions),
                           {Item(kPitchMeter, txt::kPitchMeterItem, "Pitch meter..."),
                            Item(kVoiceSettings, txt::kVoiceSettingsItem, "Voice settings...")})),
                 {Item(kProgress, txt::kProgressMenuItem, "Progress... (Ctrl+P)")})),
      Popup(25, "Help",
            {
                Item(kAbout, 71, "&About Aurelo..."),
                Item(kHelpBeginners, 72, "Help for beginners (F1)..."),
                Item(kHotKeys, 73, "&Hot keys..."),
                Item(kAboutLogs, 74, "About &logs..."),
                Item(kAboutSequencer, 75, "About &MIDI-sequencer..."),
                Item(kSupport, 76, "&Contact technical support"),
                Item(kWebsite, 77, "Aurelo website"),
                Item(kMakerPage, 78, "Software for musicians"),
            }),
  };
}

}  // namespace

const std::vector<MenuEntry>& MenuTable() {
  static const std::vector<MenuEntry> table = BuildMenu();
  return table;
}
