#include "tasks/voice/VoiceTypes.h"

#include <array>

#include "commands/CommandIds.h"
#include "tasks/melody/MelodyControls.h"
#include "tasks/melody/CSequencedTest13.h"
#include "tasks/melody/MonoMelodyTest13_N.h"
#include "tasks/melody/MonoMelodyTest37_N.h"
#include "tasks/voice/VoiceTask.h"
#include "text/TextIds.h"

namespace {

using progress::Family;
using namespace controls;
// The same controls as the melodies played for the piano.
using namespace melody_controls;

}  // namespace

class SingTheTone13 : public voice::VoiceTask<MonoMelodyTest13_1, txt::kVoiceTone13> {};
class SingTheTone37 : public voice::VoiceTask<MonoMelodyTest37_1, txt::kVoiceTone37> {};
class SingTheMelody2 : public voice::VoiceTask<MonoMelodyTest13_2, txt::kVoiceMelody2> {};
class SingTheMelody4 : public voice::VoiceTask<MonoMelodyTest13_4, txt::kVoiceMelody4> {};
class SingTheMelody8 : public voice::VoiceTask<MonoMelodyTest13_8, txt::kVoiceMelody8> {};
class SingTeacherMelodies1 : public voice::VoiceTask<CSequencedTest13, txt::kVoiceTeacher1> {};
class SingTeacherMelodies2 : public voice::VoiceTask<CSequencedTest13_2, txt::kVoiceTeacher2> {};
class SingTeacherMelodies37 : public voice::VoiceTask<CSequencedTest37, txt::kVoiceTeacher37> {};
class SingMyMelodies13 : public voice::VoiceTask<CMyMelodiesTest13, txt::kVoiceMine13> {};
class SingMyMelodies37 : public voice::VoiceTask<CMyMelodiesTest37, txt::kVoiceMine37> {};

namespace {

// The stored type numbers and families are kept in the settings file and the progress history:
// never renumber them.
constexpr std::array kTypes = {
    Describe<SingTheTone13>({44, Family::kMelody, kScale, cmd::kVoiceTone13, MenuPlace::kVoice, txt::kVoiceTone13,
                             "Sing the tone (13 keys)", "", kOneTone, false, false, "SingTheTone13"}),
    Describe<SingTheTone37>({45, Family::kMelody, kScale, cmd::kVoiceTone37, MenuPlace::kVoice, txt::kVoiceTone37,
                             "Sing the tone (37 keys)", "", kOneTone, false, false, "SingTheTone37"}),
    Describe<SingTheMelody2>({46, Family::kMelody, kScaleAndDistance, cmd::kVoiceMelody2, MenuPlace::kVoice,
                              txt::kVoiceMelody2, "Sing back a melody of two tones", "", kSequence, false, false,
                              "SingTheMelody2"}),
    Describe<SingTheMelody4>({47, Family::kMelody, kScaleAndDistance, cmd::kVoiceMelody4, MenuPlace::kVoice,
                              txt::kVoiceMelody4, "Sing back a melody of four tones", "", kSequence, false, false,
                              "SingTheMelody4"}),
    Describe<SingTheMelody8>({48, Family::kMelody, kScaleAndDistance, cmd::kVoiceMelody8, MenuPlace::kVoice,
                              txt::kVoiceMelody8, "Sing back a melody of eight tones", "", kSequence, false, false,
                              "SingTheMelody8"}),
    Describe<SingTeacherMelodies1>({49, Family::kTeacherMelody, kOwnKey, cmd::kVoiceTeacher1, MenuPlace::kVoice,
                                    txt::kVoiceTeacher1, "Sing back teacher melodies, level 1", "", kOneTone, false,
                                    false, "SingTeacherMelodies1"}),
    Describe<SingTeacherMelodies2>({50, Family::kTeacherMelody, kOwnKey, cmd::kVoiceTeacher2, MenuPlace::kVoice,
                                    txt::kVoiceTeacher2, "Sing back teacher melodies, level 2", "", kOneTone, false,
                                    false, "SingTeacherMelodies2"}),
    Describe<SingTeacherMelodies37>({51, Family::kTeacherMelody, kOwnKey, cmd::kVoiceTeacher37, MenuPlace::kVoice,
                                     txt::kVoiceTeacher37, "Sing back teacher melodies (37 keys)", "", kOneTone, false,
                                     false, "SingTeacherMelodies37"}),
    Describe<SingMyMelodies13>({52, Family::kTeacherMelody, kOwnKey, cmd::kVoiceMine13, MenuPlace::kVoice,
                                txt::kVoiceMine13, "Sing back my melodies (13 keys)", "", kOneTone, false, false,
                                "SingMyMelodies13"}),
    Describe<SingMyMelodies37>({53, Family::kTeacherMelody, kOwnKey, cmd::kVoiceMine37, MenuPlace::kVoice,
                                txt::kVoiceMine37, "Sing back my melodies (37 keys)", "", kOneTone, false, false,
                                "SingMyMelodies37"}),
};

}  // namespace

std::span<const TaskType> VoiceTaskTypes() { return kTypes; }
