#pragma once
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

// One answered (or abandoned) task as the progress history keeps it.
namespace progress {

// The task families the progress window can show on their own.
enum class Family : int32_t {
  kOther = 0,
  kToneSearch = 1,
  kMelody = 2,
  kExam = 3,
  kTeacherMelody = 4,
  kChordRecognition = 5,
  kChordPlaying = 6,
  kRhythm = 7,
  kIntervals = 8,
  kScales = 9,
  kInversions = 10,
};
inline constexpr int32_t kFamilyCount = 11;

// How a task was answered: the input of its last answer. Stored numbers: never renumber.
enum class AnswerInput : int32_t {
  kMouse = 0,
  kKeyboard = 1,  // the computer keyboard or a MIDI keyboard or pad
  kVoice = 2,
  kClap = 3,
};
inline constexpr int32_t kAnswerInputCount = 4;

// The settings of the control bar a task type takes its tasks from. The others are stored as
// they stood but say nothing of the task: the entrance exam has no key, a chord from a random
// tone neither key nor mode, a teacher's melody brings its own.
struct UsedSettings {
  bool key = false;
  bool mode = false;
  bool maxDistance = false;
};

// What the history needs to know of a task type; the task catalogue tells it at start
// (SetTaskHistoryInfo). Until then, and for a number no type has, every type is kOther.
struct TaskHistoryInfo {
  Family family = Family::kOther;
  UsedSettings used;
};
void SetTaskHistoryInfo(std::function<TaskHistoryInfo(int32_t taskType)> lookup);

// The family of a task type; kOther for the tools, the explanation and the range measurement,
// which keep no history.
Family FamilyOfType(int32_t taskType);
// Whether tasks of this type are kept: every type that takes answers.
bool KeepsHistory(int32_t taskType);
UsedSettings SettingsUsedBy(int32_t taskType);

// No value: a column that does not apply to the task (a chord of a melody task).
inline constexpr int32_t kNone = -1;

struct TaskRecord {
  std::string day;   // local date "yyyy-mm-dd" at which the task closed
  std::string time;  // local time "hh:mm:ss"
  int32_t taskType = 0;
  Family family = Family::kOther;
  int32_t key = 0;
  int32_t mode = 0;
  int32_t tempo = 0;
  int32_t maxDistance = 0;
  // 1-3: solved at that attempt; 0: not solved (shown, or ended before it was).
  int32_t attempt = 0;
  // The task was still open when a settings change, a task change or a new task ended it.
  bool ended = false;
  int32_t replays = 0;
  int32_t searchPresses = kNone;
  // The chord type played; in the drill families (intervals, scales, inversions) the item asked.
  int32_t chordType = kNone;
  int32_t chordRoot = kNone;
  // The chord types (drill items) the student named wrongly, in order.
  std::vector<int32_t> wrongTypes;
  int32_t language = 0;
  // The title of the melody of a teacher-melody task; empty for the other tasks.
  std::string melodyTitle;
  AnswerInput answeredBy = AnswerInput::kMouse;
  // The mean of the voice answers' deviations from their tones, in cents (absolute, rounded).
  int32_t meanCents = kNone;

  bool operator==(const TaskRecord&) const = default;
};

}  // namespace progress
