#include "tasks/melody/MelodyTypes.h"

#include <array>

#include "commands/CommandIds.h"
#include "tasks/melody/MelodyControls.h"
#include "tasks/melody/CSequencedTest13.h"
#include "tasks/melody/MonoMelodyTest13_0.h"
#include "tasks/melody/MonoMelodyTest13_N.h"
#include "tasks/melody/MonoMelodyTest37_0.h"
#include "tasks/melody/MonoMelodyTest37_N.h"
#include "text/TextIds.h"

namespace {

using progress::Family;
using namespace controls;
using namespace melody_controls;

// The stored type numbers and families are kept in the settings file and the progress history:
// never renumber them.
constexpr std::array kTypes = {
    Describe<MonoMelodyTest13_0>({0, Family::kToneSearch, kScale, 32809, MenuPlace::kRandom13, 43,
                                  "Search of the sounded tone pitch", "Поиск высоты прозвучавшего звука (13 клавиш)",
                                  kOneTone, false, false, "MonoMelodyTest13_0"}),
    Describe<MonoMelodyTest13_1>({1, Family::kMelody, kScale, 32811, MenuPlace::kRandom13, 44,
                                  "Sounded tone pitch recognizing", "Узнавание высоты прозвучавшего звука (13 клавиш)",
                                  kOneTone, false, false, "MonoMelodyTest13_1"}),
    Describe<MonoMelodyTest13_2>({2, Family::kMelody, kScaleAndDistance, 32813, MenuPlace::kRandom13, 45,
                                  "Recognizing the two sounds sequence",
                                  "Узнавание последовательности из двух звуков (13 клавиш)", kSequence, false, false,
                                  "MonoMelodyTest13_2"}),
    Describe<MonoMelodyTest13_4>({3, Family::kMelody, kScaleAndDistance, 32815, MenuPlace::kRandom13, 46,
                                  "Recognizing the four sounds sequence",
                                  "Узнавание последовательности из четырёх звуков (13 клавиш)", kSequence, false, false,
                                  "MonoMelodyTest13_4"}),
    Describe<MonoMelodyTest13_8>({4, Family::kMelody, kScaleAndDistance, 32817, MenuPlace::kRandom13, 47,
                                  "Recognizing the eight sounds sequence",
                                  "Узнавание последовательности из восьми звуков (13 клавиш)", kSequence, false, false,
                                  "MonoMelodyTest13_8"}),
    Describe<MonoMelodyTest37_0>({5, Family::kToneSearch, kScale, 32806, MenuPlace::kRandom37, 43,
                                  "Search of the sounded tone pitch", "Поиск высоты прозвучавшего звука (37 клавиш)",
                                  kOneTone, false, false, "MonoMelodyTest37_0"}),
    Describe<MonoMelodyTest37_1>({6, Family::kMelody, kScale, 32780, MenuPlace::kRandom37, 44,
                                  "Sounded tone pitch recognizing", "Узнавание высоты прозвучавшего звука (37 клавиш)",
                                  kOneTone, false, false, "MonoMelodyTest37_1"}),
    Describe<MonoMelodyTest37_2>({7, Family::kMelody, kScaleAndDistance, 32785, MenuPlace::kRandom37, 45,
                                  "Recognizing the two sounds sequence",
                                  "Узнавание последовательности из двух звуков (37 клавиш)", kSequence, false, false,
                                  "MonoMelodyTest37_2"}),
    Describe<MonoMelodyTest37_4>({8, Family::kMelody, kScaleAndDistance, 32787, MenuPlace::kRandom37, 46,
                                  "Recognizing the four sounds sequence",
                                  "Узнавание последовательности из четырёх звуков (37 клавиш)", kSequence, false, false,
                                  "MonoMelodyTest37_4"}),
    Describe<MonoMelodyTest37_8>({9, Family::kMelody, kScaleAndDistance, 32789, MenuPlace::kRandom37, 47,
                                  "Recognizing the eight sounds sequence",
                                  "Узнавание последовательности из восьми звуков (37 клавиш)", kSequence, false, false,
                                  "MonoMelodyTest37_8"}),
    Describe<CSequencedTest13>({10, Family::kTeacherMelody, kOwnKey, 32962, MenuPlace::kTeacher13, 48, "&1-й уровень",
                                "Мелодии, составленные педагогами: 1-й уровень", kOneTone, false, false,
                                "CSequencedTest13"}),
    Describe<CSequencedTest13_2>({31, Family::kTeacherMelody, kOwnKey, cmd::kTeacherLevel2, MenuPlace::kTeacher13,
                                  txt::kTeacherLevel2Item, "&Level 2", "", kOneTone, false, false,
                                  "CSequencedTest13_2"}),
    Describe<CMyMelodiesTest13>({32, Family::kTeacherMelody, kOwnKey, cmd::kMyMelodies13, MenuPlace::kTeacher13,
                                 txt::kTeacherMine13Item, "&My melodies", "", kOneTone, false, false,
                                 "CMyMelodiesTest13"}),
    Describe<CSequencedTest37>({30, Family::kTeacherMelody, kOwnKey, cmd::kTeacherMelodies37, MenuPlace::kTeacher, 42,
                                "In the range of three oktaves (37 keys)", "", kOneTone, false, false,
                                "CSequencedTest37"}),
    Describe<CMyMelodiesTest37>({33, Family::kTeacherMelody, kOwnKey, cmd::kMyMelodies37, MenuPlace::kTeacher,
                                 txt::kTeacherMine37Item, "My melodies (37 keys)", "", kOneTone, false, false,
                                 "CMyMelodiesTest37"}),
};

}  // namespace

std::span<const TaskType> MelodyTaskTypes() { return kTypes; }
