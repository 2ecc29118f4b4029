#pragma once
#include <cstdint>
#include <functional>
#include <string>

#include "progress/TaskRecord.h"

// Where the tasks report what happens to each task they give. The open task is held here until
// it closes; then one record goes to the installed sink (the progress database, or a test's).
namespace progress {

class RecordSink {
 public:
  virtual ~RecordSink() = default;
  virtual void Write(const TaskRecord& record) = 0;
};

// Installs the sink (the caller keeps it); nullptr: records are dropped.
void SetRecordSink(RecordSink* sink);

// A new task was played: the settings of the moment are taken. A task still open (skipped by
// asking for a new one) is ended first, with its replays. Nothing is kept for types that keep
// no history.
void TaskOpened(int32_t replaysOfOpenTask);
// The task being answered, to add its chord or search presses to; nullptr when none is open.
TaskRecord* OpenTask();
// The task closed: solved at attempt 1-3, or not solved (0). replays: "Listen again" uses in it.
void TaskClosed(int32_t attempt, int32_t replays);
// The open task is being answered by this input; the record keeps the last one before it closes.
void NoteAnswerInput(AnswerInput input);
// One voice answer of the open task was this many cents off its tone (signed).
void NoteVoiceDeviation(int32_t cents);
// A settings change or a task change ends a task that is still open, unsolved.
void EndOpenTask(int32_t replays);
// Forgets an open task without recording it (program end, tests).
void DropOpenTask();

// The local day and time now, in the record's forms.
void StampNow(TaskRecord& record);

}  // namespace progress
