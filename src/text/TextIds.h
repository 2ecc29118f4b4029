#pragma once

// Interface texts beyond the original 441 (ids 0-440). They are appended, in id order, to every
// shipped language file and to the translator's guide (lang_files/guide.tsv). A language file that
// ends before one of them (an older custom file) gets the English text for it.
namespace txt {
inline constexpr int kFirstAdded = 441;

// The teacher-melody tasks, their melodies and Standard MIDI Files.
inline constexpr int kTeacherBase = kFirstAdded;
inline constexpr int kTeacherLevel2Item = kTeacherBase + 0;
inline constexpr int kTeacherMine13Item = kTeacherBase + 1;
inline constexpr int kTeacherMine37Item = kTeacherBase + 2;
inline constexpr int kTeacherLevel1Title = kTeacherBase + 3;
inline constexpr int kTeacherLevel2Title = kTeacherBase + 4;
inline constexpr int kTeacher37Title = kTeacherBase + 5;
inline constexpr int kTeacherMine13Title = kTeacherBase + 6;
inline constexpr int kTeacherMine37Title = kTeacherBase + 7;
inline constexpr int kTeacherMelodyName = kTeacherBase + 8;
inline constexpr int kTeacherNoMelodies = kTeacherBase + 9;
inline constexpr int kTeacherUnreadable = kTeacherBase + 10;
inline constexpr int kTeacherNotFitting = kTeacherBase + 11;
inline constexpr int kMidiExportButton = kTeacherBase + 12;
inline constexpr int kMidiExportCaption = kTeacherBase + 13;
inline constexpr int kMidiExportFilter = kTeacherBase + 14;
inline constexpr int kMidiOpenFilter = kTeacherBase + 15;
inline constexpr int kMidiUnreadable = kTeacherBase + 16;
inline constexpr int kMidiCaption = kTeacherBase + 17;
inline constexpr int kTeacherEnd = kTeacherBase + 18;

// One past the last text id.
inline constexpr int kEnd = kTeacherEnd;
}  // namespace txt
