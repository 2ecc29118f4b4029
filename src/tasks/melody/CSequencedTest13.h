#pragma once
#include "tasks/melody/TeacherMelodyTask.h"
#include "text/TextIds.h"

// The melodies written by teachers, one class per piano and level.
namespace teacher {
inline constexpr Level kLevel1{"level1", txt::kTeacherLevel1Title};
inline constexpr Level kLevel2{"level2", txt::kTeacherLevel2Title};
inline constexpr Level kLevel37{"level37", txt::kTeacher37Title};
inline constexpr Level kMine13{nullptr, txt::kTeacherMine13Title};
inline constexpr Level kMine37{nullptr, txt::kTeacherMine37Title};
}  // namespace teacher

// One octave: short stepwise tunes; then leaps and longer tunes.
class CSequencedTest13 : public teacher::TeacherMelodyTask<MonoMelodyTest13, teacher::kLevel1> {};
class CSequencedTest13_2 : public teacher::TeacherMelodyTask<MonoMelodyTest13, teacher::kLevel2> {};
// Three octaves: tunes of a wider range.
class CSequencedTest37 : public teacher::TeacherMelodyTask<MonoMelodyTest37, teacher::kLevel37> {};
// The user's own melodies on either piano.
class CMyMelodiesTest13 : public teacher::TeacherMelodyTask<MonoMelodyTest13, teacher::kMine13> {};
class CMyMelodiesTest37 : public teacher::TeacherMelodyTask<MonoMelodyTest37, teacher::kMine37> {};
