#pragma once
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "platform/FileLock.h"
#include "progress/Recorder.h"
#include "progress/SqliteDb.h"
#include "progress/TaskRecord.h"

namespace progress {

// Which rows a view of the history takes: one family or all (family < 0), from a day on
// ("yyyy-mm-dd"; empty: from the first), answered by one input (an AnswerInput) or any (< 0).
struct Filter {
  int32_t family = -1;
  std::string fromDay;
  int32_t answeredBy = -1;
};

struct DayCount {
  std::string day;
  int32_t tasks = 0;
  int32_t solvedFirst = 0;
};

struct KeyModeCount {
  int32_t key = 0;
  int32_t mode = 0;
  int32_t tasks = 0;
  int32_t solvedFirst = 0;
  int32_t solved = 0;
};

// A chord type (or a drill item) of the family played, named as answered, count times.
struct Confusion {
  Family family = Family::kChordRecognition;
  int32_t played = 0;
  int32_t answered = 0;
  int32_t count = 0;
};

// The history of answered tasks in one SQLite file: one row per closed task, written in its own
// transaction (a crash of the program right after an answer keeps it), WAL journal, a second
// program writing at the same time is waited for. The first program to open the file owns it
// (a lock on the file beside it, for the whole run); only the owner moves a damaged file aside
// and begins a new one, and every program looks, before each write, whether the file is still
// at its path, so none writes into a file moved aside. A damaged file that another program
// owns, a folder that cannot be written and a file of a newer version leave the program
// without history. Each of these is said once through the status handler.
class ProgressDatabase : public RecordSink {
 public:
  // The version of the file's layout, kept in its schema_version table. Any change of a table
  // or an index takes a new number and a migration: version 1 was written in two layouts,
  // version 2 exists to bring files of the first one up to date, version 3 keeps the title of
  // a teacher's melody, version 4 how a task was answered and the family of a confusion.
  static constexpr int32_t kSchemaVersion = 4;
  static constexpr int kBusyTimeoutMs = 3000;
  // The owner's lock file is the history file's name with this added.
  static constexpr const char* kLockSuffix = ".lock";

  explicit ProgressDatabase(std::string path);
  ~ProgressDatabase() override;

  // Writes the record; false when it could not be kept.
  void Write(const TaskRecord& record) override;
  bool WriteRecord(const TaskRecord& record);
  bool Available() const { return db_.IsOpen(); }
  const std::string& Path() const { return path_; }

  // Receives the status-bar messages; one that arose before it was installed is given at once.
  void SetStatusHandler(std::function<void(const std::string&)> handler);

  std::vector<DayCount> TasksPerDay(const Filter& filter) const;
  std::vector<KeyModeCount> ByKeyAndMode(const Filter& filter) const;
  // The answers that named a wrong chord type or drill item, most frequent first.
  std::vector<Confusion> Confusions(const Filter& filter, int32_t limit) const;
  // The mean of the tasks' voice deviations in cents, rounded; none without voice answers.
  std::optional<int32_t> MeanVoiceCents(const Filter& filter) const;
  // The rows in the order written.
  std::vector<TaskRecord> Rows(const Filter& filter) const;
  // Deletes every row; false when it could not.
  bool Clear();

  // The queries of the progress window with their parameters bound, for EXPLAIN QUERY PLAN.
  std::vector<std::string> QueryPlans(const Filter& filter) const;

 private:
  // Opens the file; a damaged one is moved aside (by the owner) and opened anew once.
  void OpenOrRecreate();
  // SQLite result of opening, configuring and migrating the file.
  int OpenAndMigrate();
  // The version in the file (0: a new file); the SQLite result of reading it.
  int ReadVersion(int32_t& version) const;
  int Migrate();
  // Inside the migration's transaction: from the version to the current layout.
  int Upgrade(int32_t version);
  void CloseFile();
  // Whether this program owns the file; takes it over when the owner has ended.
  bool OwnsFile();
  // BEGIN IMMEDIATE on the file at the path, reopened if another program moved the old one.
  int BeginOnCurrentFile();
  // SQLITE_OK, or the code of the failure (the transaction rolled back).
  int Insert(const TaskRecord& record);
  void MoveAside();
  void Say(const std::string& message);
  void SayOnce(bool& said, const std::string& message);
  sql::Statement Query(const std::string& text, const Filter& filter) const;

  std::string path_;
  std::function<void(const std::string&)> status_;
  std::vector<std::string> pendingStatus_;
  bool saidUnwritable_ = false;
  bool saidDamaged_ = false;
  // The file is damaged and another program owns it: opened again at each write.
  bool awaitingOwner_ = false;
  FileLock owner_;
  sql::Database db_;
  sql::Statement insertTask_;
  sql::Statement insertConfusion_;
};

// The day n days before today, "yyyy-mm-dd" in local time.
std::string DayBefore(int32_t days);

}  // namespace progress
