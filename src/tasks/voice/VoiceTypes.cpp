#include "tasks/voice/VoiceTypes.h"

#include <array>

#include "commands/CommandIds.h"
#include "tasks/melody/MonoMelodyTest13_N.h"
#include "tasks/melody/MonoMelodyTest37_N.h"
#include "tasks/voice/VoiceTask.h"
#include "text/TextIds.h"

namespace {

using progress::Family;
using namespace controls;

// As the random melodies: key, mode, tempo and the piano options; the distance for melodies.
constexpr uint16_t kOneTone = kKeyList | kModeList | kTempoList | kFixIllumination | kBlockExtramode | kPlay | kTimeMeter;
constexpr uint16_t kSequence = kOneTone | kMaxDistance;
constexpr progress::UsedSettings kScale{true, true, false};
constexpr progress::UsedSettings kScaleAndDistance{true, true, true};

}  // namespace

class SingTheTone13 : public voice::VoiceTask<MonoMelodyTest13_1, txt::kVoiceTone13> {};
class SingTheTone37 : public voice::VoiceTask<MonoMelodyTest37_1, txt::kVoiceTone37> {};
class SingTheMelody2 : public voice::VoiceTask<MonoMelodyTest13_2, txt::kVoiceMelody2> {};
class SingTheMelody4 : public voice::VoiceTask<MonoMelodyTest13_4, txt::kVoiceMelody4> {};
class SingTheMelody8 : public voice::VoiceTask<MonoMelodyTest13_8, txt::kVoiceMelody8> {};

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
};

}  // namespace

std::span<const TaskType> VoiceTaskTypes() { return kTypes; }
