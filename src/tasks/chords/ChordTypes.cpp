#include "tasks/chords/ChordTypes.h"

#include <array>

#include "tasks/chords/ChordHearBaseTests.h"
#include "tasks/chords/ChordPlayBaseTest.h"

namespace {

using progress::Family;
using namespace controls;

// Recognition: key, tempo and the block of extra tones; the mode where the chords stand on the
// mode's tones. Playing: the key only from one tone.
constexpr uint16_t kFromOneTone = kKeyList | kBlockExtramode | kTempoList | kPlay | kTimeMeter;
constexpr uint16_t kOnScale = kFromOneTone | kModeList;
constexpr uint16_t kPlayFromRandom = kTempoList | kPlay | kTimeMeter;
constexpr uint16_t kPlayFromOne = kPlayFromRandom | kKeyList;
constexpr progress::UsedSettings kScale{true, true, false};
constexpr progress::UsedSettings kKeyOnly{true, false, false};
constexpr progress::UsedSettings kNone{};

constexpr const char* kTriads = "Triads on the mode's scale tones";
constexpr const char* kAll = "Triads, seventh chords and triads added sixth on the mode's scale tones";
constexpr const char* kAllFromOne = "Triads, seventh chords and triads added sixth in basic form from one tone";

// The stored type numbers and families are kept in the settings file and the progress history:
// never renumber them.
constexpr std::array kTypes = {
    Describe<ChordHearBaseTreTest>({19, Family::kChordRecognition, kScale, 32843, MenuPlace::kChordsAlternate, 51,
                                    kTriads, "Трезвучия на ступенях лада (звуки по очереди)", kOnScale, false, false,
                                    "ChordHearBaseTreTest"}),
    Describe<ChordHearBaseAllTest>({20, Family::kChordRecognition, kScale, 32845, MenuPlace::kChordsAlternate, 52, kAll,
                                    "Трезвучия, септаккорды и трезвучия с секстой на ступенях лада (звуки по очереди)",
                                    kOnScale, false, false, "ChordHearBaseAllTest"}),
    Describe<ChordHearBaseAllFromOneTest>(
        {21, Family::kChordRecognition, kKeyOnly, 32846, MenuPlace::kChordsAlternate, 53, kAllFromOne,
         "Трезвучия, септаккорды и трезвучия с секстой от одного звука (звуки по очереди)", kFromOneTone, false, false,
         "ChordHearBaseAllFromOneTest"}),
    Describe<ChordHearBaseTrePolyTest>({16, Family::kChordRecognition, kScale, 32852, MenuPlace::kChordsTogether, 51,
                                        kTriads, "Трезвучия на ступенях лада (звуки одновременно)", kOnScale, false,
                                        false, "ChordHearBaseTrePolyTest"}),
    Describe<ChordHearBaseAllPolyTest>(
        {17, Family::kChordRecognition, kScale, 32855, MenuPlace::kChordsTogether, 52, kAll,
         "Трезвучия, септаккорды и трезвучия с секстой на ступенях лада (звуки одновременно)", kOnScale, false, false,
         "ChordHearBaseAllPolyTest"}),
    Describe<ChordHearBaseAllFromOnePolyTest>(
        {18, Family::kChordRecognition, kKeyOnly, 32856, MenuPlace::kChordsTogether, 53, kAllFromOne,
         "Трезвучия, септаккорды и трезвучия с секстой от одного звука (звуки одновременно)", kFromOneTone, false, false,
         "ChordHearBaseAllFromOnePolyTest"}),
    Describe<ChordPlayBaseFromOneTest>({22, Family::kChordPlaying, kKeyOnly, 33004, MenuPlace::kChordsPlaying, 54,
                                        "Chords in basic form from one tone",
                                        "Игра аккордов в основном виде от одного звука", kPlayFromOne, false, false,
                                        "ChordPlayBaseFromOneTest"}),
    Describe<ChordPlayBaseFromRandomTest>({23, Family::kChordPlaying, kNone, 33005, MenuPlace::kChordsPlaying, 55,
                                           "Chords in basic form from random tone",
                                           "Игра аккордов в основном виде от случайного звука", kPlayFromRandom, false,
                                           false, "ChordPlayBaseFromRandomTest"}),
};

}  // namespace

std::span<const TaskType> ChordTaskTypes() { return kTypes; }
