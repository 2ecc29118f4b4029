#include "progress/Recorder.h"

#include <ctime>
#include <optional>

#include "log/LocalTime.h"
#include "settings/ProgramSettings.h"
#include "text/StrFormat.h"

namespace progress {

namespace {
RecordSink* sink = nullptr;
std::optional<TaskRecord> open;

void Close(int32_t attempt, bool ended, int32_t replays) {
  if (!open) return;
  TaskRecord record = std::move(*open);
  open.reset();
  record.attempt = attempt >= 1 && attempt <= 3 ? attempt : 0;
  record.ended = ended;
  record.replays = replays;
  StampNow(record);
  if (sink) sink->Write(record);
}
}  // namespace

Family FamilyOfType(int32_t taskType) {
  if (taskType == 0 || taskType == 5) return Family::kToneSearch;
  if ((taskType >= 1 && taskType <= 4) || (taskType >= 6 && taskType <= 9)) return Family::kMelody;
  if (taskType == 10 || (taskType >= 30 && taskType <= 33)) return Family::kTeacherMelody;  // levels, 37 keys, own
  if (taskType >= 12 && taskType <= 15) return Family::kExam;
  if (taskType >= 16 && taskType <= 21) return Family::kChordRecognition;
  if (taskType == 22 || taskType == 23) return Family::kChordPlaying;
  return Family::kOther;
}

bool KeepsHistory(int32_t taskType) { return FamilyOfType(taskType) != Family::kOther; }

UsedSettings SettingsUsedBy(int32_t taskType) {
  const bool randomMelody = taskType >= 0 && taskType <= 9;
  // Chord recognition on the mode's tones; from one tone (18, 21) only the key counts.
  const bool chordOnScale = taskType == 16 || taskType == 17 || taskType == 19 || taskType == 20;
  const bool chordFromKey = chordOnScale || taskType == 18 || taskType == 21 || taskType == 22;
  // The distance between neighbouring tones: melodies of 2, 4 and 8 tones.
  const bool sequence = (taskType >= 2 && taskType <= 4) || (taskType >= 7 && taskType <= 9);
  return {randomMelody || chordFromKey, randomMelody || chordOnScale, sequence};
}

void SetRecordSink(RecordSink* newSink) { sink = newSink; }

void TaskOpened(int32_t replaysOfOpenTask) {
  Close(0, true, replaysOfOpenTask);
  if (!KeepsHistory(taskType)) return;
  TaskRecord record;
  record.taskType = taskType;
  record.family = FamilyOfType(taskType);
  record.key = keyIndex;
  record.mode = modeIndex;
  record.tempo = tempoIndex;
  record.maxDistance = maxDistance;
  record.language = languageIndex;
  open = std::move(record);
}

TaskRecord* OpenTask() { return open ? &*open : nullptr; }

void TaskClosed(int32_t attempt, int32_t replays) { Close(attempt, false, replays); }

void EndOpenTask(int32_t replays) { Close(0, true, replays); }

void DropOpenTask() { open.reset(); }

void StampNow(TaskRecord& record) {
  const LocalTime t = ToLocalTime(std::time(nullptr));
  record.day = StrFormat("%04d-%02d-%02d", t.year, t.month, t.day);
  record.time = StrFormat("%02d:%02d:%02d", t.hour, t.minute, t.second);
}

}  // namespace progress
