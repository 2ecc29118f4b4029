#include "app/MenuTable.h"

#include "app/CommandIds.h"
#include "text/LanguageNames.h"
#include "text/TextIds.h"

namespace {

MenuEntry Item(int command, int text, const char* resource) { return {command, text, resource, {}}; }
MenuEntry Popup(int text, const char* resource, std::vector<MenuEntry> children) {
  return {0, text, resource, std::move(children)};
}

// The five items of a random-melody popup: command ids for the 13-key or the 37-key piano.
std::vector<MenuEntry> MelodyItems(int search, int one, int two, int four, int eight) {
  return {
      Item(search, 43, "Search of the sounded tone pitch"),
      Item(one, 44, "Sounded tone pitch recognizing"),
      Item(two, 45, "Recognizing the two sounds sequence"),
      Item(four, 46, "Recognizing the four sounds sequence"),
      Item(eight, 47, "Recognizing the eight sounds sequence"),
  };
}

// The three items of a chord recognition popup.
std::vector<MenuEntry> ChordItems(int triads, int all, int fromOne) {
  return {
      Item(triads, 51, "Triads on the mode's scale tones"),
      Item(all, 52, "Triads, seventh chords and triads added sixth on the mode's scale tones"),
      Item(fromOne, 53, "Triads, seventh chords and triads added sixth in basic form from one tone"),
  };
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
                Popup(31, "Entering Musical school (Ear test)",
                      {
                          Item(32794, 36, "Explanation"),
                          Item(32796, 37, "Warm-up"),
                          Item(32798, 38, "Level 1: Minor thirds"),
                          Item(32800, 39, "Level 2: Major seconds"),
                          Item(32802, 40, "Level 3: Minor seconds and primes"),
                      }),
                Popup(32, "One-voice melodies (randomly generated)",
                      {
                          Popup(41, "In the range of one oktave (13 keys)", MelodyItems(32809, 32811, 32813, 32815, 32817)),
                          Popup(42, "In the range of three oktaves (37 keys)",
                                MelodyItems(32806, 32780, 32785, 32787, 32789)),
                      }),
                Popup(33, "One-voice melodies (composed by teachers)",
                      {
                          Popup(41, "In the range of one oktave (13 keys)",
                                {
                                    Item(32962, 48, "&1-й уровень"),
                                    Item(kTeacherLevel2, txt::kTeacherLevel2Item, "&Level 2"),
                                    Item(kMyMelodies13, txt::kTeacherMine13Item, "&My melodies"),
                                }),
                          Item(kTeacherMelodies37, 42, "In the range of three oktaves (37 keys)"),
                          Item(kMyMelodies37, txt::kTeacherMine37Item, "My melodies (37 keys)"),
                      }),
                Popup(34, "Chords recognition",
                      {
                          Popup(49, "Chords in basic form (tones sound alternately)", ChordItems(32843, 32845, 32846)),
                          Popup(50, "Chords in basic form (tones sound simultaneously)",
                                ChordItems(32852, 32855, 32856)),
                      }),
                Popup(35, "Chords playing",
                      {
                          Item(33004, 54, "Chords in basic form from one tone"),
                          Item(33005, 55, "Chords in basic form from random tone"),
                      }),
            }),
      Popup(22, "Tasks with usage of MIDI keyboard",
            {
                Item(kAboutMidiKeyboardTasks, 56, "About tasks with usage of MIDI keyboard..."),
                Item(kMeasureKeyboardRange, 57, "Measurement of MIDI keyboard range"),
            }),
      Popup(23, "Sequencer",
            {
                Popup(58, "16-track MIDI sequencer (with usage of virtual MIDI keyboard)",
                      {
                          Item(32964, 61, "In the range of one oktave (13 keys)"),
                          Item(32967, 62, "In the range of three oktaves (37 keys)"),
                          Item(kAboutVirtualKeyboardSequencer, 63,
                               "About features of sequencer with usage of virtual MIDI keyboard..."),
                      }),
                Item(kHardwareSequencer, 59, "16-track MIDI sequencer (with usage of MIDI keyboard)"),
                Item(32969, 60, "Player"),
            }),
      Popup(24, "Options",
            {
                Popup(64, "&Settings",
                      {
                          Item(kWarningSettings, 67, "Warning settings... (Ctrl+W)"),
                          Item(kMidiSettings, 68, "MIDI settings... (Ctrl+M)"),
                          Item(kFontSettings, 69, "Font settings... (Ctrl + F)"),
                          Item(kResultFontSettings, 70, "Result font settings... (Ctrl + R)"),
                      }),
                Item(32826, 65, "&Tuning oscillator"),
                Item(32966, 66, "&Metronome"),
                Item(kProgress, txt::kProgressMenuItem, "Progress... (Ctrl+P)"),
            }),
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
