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
std::function<TaskHistoryInfo(int32_t)> historyInfo;
// The open task's voice answers: the sum of their deviations' absolute values and their count.
int64_t centsSum = 0;
int32_t centsCount = 0;

void Close(int32_t attempt, bool ended, int32_t replays) {
  if (!open) return;
  TaskRecord record = std::move(*open);
  open.reset();
  record.attempt = attempt >= 1 && attempt <= 3 ? attempt : 0;
  record.ended = ended;
  record.replays = replays;
  if (centsCount > 0) record.meanCents = static_cast<int32_t>((centsSum + centsCount / 2) / centsCount);
  centsSum = 0;
  centsCount = 0;
  StampNow(record);
  if (sink) sink->Write(record);
}
}  // namespace

void SetTaskHistoryInfo(std::function<TaskHistoryInfo(int32_t)> lookup) { historyInfo = std::move(lookup); }

Family FamilyOfType(int32_t taskType) { return historyInfo ? historyInfo(taskType).family : Family::kOther; }

bool KeepsHistory(int32_t taskType) { return FamilyOfType(taskType) != Family::kOther; }

UsedSettings SettingsUsedBy(int32_t taskType) { return historyInfo ? historyInfo(taskType).used : UsedSettings{}; }

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

void NoteAnswerInput(AnswerInput input) {
  if (open) open->answeredBy = input;
}

void NoteVoiceDeviation(int32_t cents) {
  if (!open) return;
  centsSum += cents < 0 ? -static_cast<int64_t>(cents) : cents;
  ++centsCount;
}

void TaskClosed(int32_t attempt, int32_t replays) { Close(attempt, false, replays); }

void EndOpenTask(int32_t replays) { Close(0, true, replays); }

void DropOpenTask() {
  open.reset();
  centsSum = 0;
  centsCount = 0;
}

void StampNow(TaskRecord& record) {
  const LocalTime t = ToLocalTime(std::time(nullptr));
  record.day = StrFormat("%04d-%02d-%02d", t.year, t.month, t.day);
  record.time = StrFormat("%02d:%02d:%02d", t.hour, t.minute, t.second);
}

}  // namespace progress
