#include "sequencer/SequencerTypes.h"

#include <array>

#include "commands/CommandIds.h"
#include "sequencer/CSeqPlayer.h"
#include "sequencer/CSequencerRealTime.h"
#include "sequencer/CSequencerRealTimeMidi.h"

namespace {

constexpr uint16_t kControls = controls::kTempoList | controls::kPlay;

// The stored type numbers are kept in the settings file: never renumber them. Tools keep no
// history.
constexpr std::array kTypes = {
    Describe<CSequencerRealTime13>({24, progress::Family::kOther, {}, 32964, MenuPlace::kVirtualSequencer, 61,
                                    "In the range of one oktave (13 keys)",
                                    "16-дорожечный MIDI-секвенсор в диапазоне одной октавы (13 клавиш)", kControls, true,
                                    false, "CSequencerRealTime13"}),
    Describe<CSequencerRealTime37>({25, progress::Family::kOther, {}, 32967, MenuPlace::kVirtualSequencer, 62,
                                    "In the range of three oktaves (37 keys)",
                                    "16-дорожечный MIDI-секвенсор в диапазоне трёх октав (37 клавиш)", kControls, true,
                                    false, "CSequencerRealTime37"}),
    Describe<CSequencerRealTimeMidi>({34, progress::Family::kOther, {}, cmd::kHardwareSequencer, MenuPlace::kSequencer,
                                      59, "16-track MIDI sequencer (with usage of MIDI keyboard)",
                                      "16-дорожечный MIDI-секвенсор с MIDI-клавиатурой", kControls, true, true,
                                      "CSequencerRealTimeMidi"}),
    Describe<CSeqPlayer>({26, progress::Family::kOther, {}, 32969, MenuPlace::kSequencer, 60, "Player",
                          "Проигрыватель музыкальных фрагментов", kControls, true, false, "CSeqPlayer"}),
};

}  // namespace

std::span<const TaskType> SequencerTaskTypes() { return kTypes; }
