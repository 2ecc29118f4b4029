#include "tasks/intro/ExamTypes.h"

#include <array>

#include "tasks/intro/MonoIntroTest_N.h"

namespace {

using progress::Family;
constexpr uint16_t kControls = controls::kTempoList | controls::kPlay;
constexpr progress::UsedSettings kNoSettings{};

// The stored type numbers and families are kept in the settings file and the progress history:
// never renumber them. The explanation takes no answers and keeps no history.
constexpr std::array kTypes = {
    Describe<MonoIntroTest_1>({11, Family::kOther, kNoSettings, 32794, MenuPlace::kExam, 36, "Explanation",
                               "Объяснение задания на вступительном экзамене", kControls, false, false,
                               "MonoIntroTest_1"}),
    Describe<MonoIntroTest_2>({12, Family::kExam, kNoSettings, 32796, MenuPlace::kExam, 37, "Warm-up",
                               "Разминка перед вступительным экзаменом", kControls, false, false, "MonoIntroTest_2"}),
    Describe<MonoIntroTest_3>({13, Family::kExam, kNoSettings, 32798, MenuPlace::kExam, 38, "Level 1: Minor thirds",
                               "Уровень 1: малые терции", kControls, false, false, "MonoIntroTest_3"}),
    Describe<MonoIntroTest_4>({14, Family::kExam, kNoSettings, 32800, MenuPlace::kExam, 39, "Level 2: Major seconds",
                               "Уровень 2: большие секунды", kControls, false, false, "MonoIntroTest_4"}),
    Describe<MonoIntroTest_5>({15, Family::kExam, kNoSettings, 32802, MenuPlace::kExam, 40,
                               "Level 3: Minor seconds and primes", "Уровень 3: малые секунды и примы", kControls,
                               false, false, "MonoIntroTest_5"}),
};

}  // namespace

std::span<const TaskType> ExamTaskTypes() { return kTypes; }
