#pragma once
#include <sqlite3.h>

#include <string>
#include <vector>

#include "progress/ProgressDatabase.h"
#include "progress/Recorder.h"
#include "progress/SqliteDb.h"
#include "progress/TaskRecord.h"

namespace progress_test {

// A sink that keeps what the tasks record.
class CapturingSink final : public progress::RecordSink {
 public:
  void Write(const progress::TaskRecord& record) override { records.push_back(record); }
  std::vector<progress::TaskRecord> records;
};

// A closed task of the given day, type and attempt.
inline progress::TaskRecord Record(const std::string& day, int type, int attempt) {
  progress::TaskRecord r;
  r.day = day;
  r.time = "10:00:00";
  r.taskType = type;
  r.family = progress::FamilyOfType(type);
  r.key = 2;
  r.mode = 1;
  r.tempo = 21;
  r.maxDistance = 5;
  r.attempt = attempt;
  return r;
}

// The first column of the first row a query gives on the file, through a connection of its own.
inline std::string QueryText(const std::string& path, const char* query) {
  sql::Database db;
  if (db.Open(path) != SQLITE_OK) return "(cannot open)";
  sql::Statement q = db.Prepare(query);
  return q.Step() == SQLITE_ROW ? q.Text(0) : "(no row)";
}

}  // namespace progress_test
