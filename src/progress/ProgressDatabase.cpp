#include "progress/ProgressDatabase.h"

#include <sqlite3.h>

#include <array>
#include <ctime>
#include <filesystem>
#include <map>
#include <system_error>
#include <utility>

#include "log/LocalTime.h"
#include "text/LanguageTable.h"
#include "text/StrFormat.h"
#include "text/TextIds.h"

namespace progress {

namespace {

// The layout of the file, in pieces that a migration shares with a new file, so that a file
// brought up to date holds exactly the tables and indexes a new one gets.
constexpr const char* kTaskTable = R"(
    CREATE TABLE task(
      id INTEGER PRIMARY KEY,
      day TEXT NOT NULL,
      time TEXT NOT NULL,
      task_type INTEGER NOT NULL,
      family INTEGER NOT NULL,
      key INTEGER NOT NULL,
      mode INTEGER NOT NULL,
      tempo INTEGER NOT NULL,
      max_distance INTEGER NOT NULL,
      attempt INTEGER NOT NULL,
      ended INTEGER NOT NULL,
      replays INTEGER NOT NULL,
      search_presses INTEGER,
      chord_type INTEGER,
      chord_root INTEGER,
      language INTEGER NOT NULL,
      melody_title TEXT,
      answered_by INTEGER NOT NULL DEFAULT 0,
      mean_cents INTEGER);)";
constexpr const char* kTaskIndexes = R"(
    CREATE INDEX task_day ON task(day, attempt, key, mode);
    CREATE INDEX task_family_day ON task(family, day, attempt, key, mode);)";
// A wrong chord type answered, with the day and the type played copied from its task, so
// that the confused types are counted from this table alone.
constexpr const char* kConfusionTable = R"(
    CREATE TABLE confusion(
      task_id INTEGER NOT NULL REFERENCES task(id) ON DELETE CASCADE,
      day TEXT NOT NULL,
      played_type INTEGER NOT NULL,
      answered_type INTEGER NOT NULL,
      family INTEGER NOT NULL DEFAULT 5);)";
constexpr const char* kConfusionIndexes = R"(
    CREATE INDEX confusion_task ON confusion(task_id);
    CREATE INDEX confusion_day ON confusion(day, played_type, answered_type);
    CREATE INDEX confusion_family_day ON confusion(family, day, played_type, answered_type);)";

// Version 3 added the title of a teacher's melody; the rows before it have none.
constexpr const char* kMelodyTitleColumn = "ALTER TABLE task ADD COLUMN melody_title TEXT;";
// Version 4 added how a task was answered (the rows before it: by mouse or keyboard, kept as
// mouse), the voice answers' mean deviation, and the family of a confusion (before it only
// chord recognition, family 5, kept any).
constexpr const char* kAnswerColumns = R"(
    ALTER TABLE task ADD COLUMN answered_by INTEGER NOT NULL DEFAULT 0;
    ALTER TABLE task ADD COLUMN mean_cents INTEGER;
    ALTER TABLE confusion ADD COLUMN family INTEGER NOT NULL DEFAULT 5;
    CREATE INDEX confusion_family_day ON confusion(family, day, played_type, answered_type);)";

// The confusions as versions 2 and 3 kept them.
constexpr const char* kConfusionV2Table = R"(
    CREATE TABLE confusion(
      task_id INTEGER NOT NULL REFERENCES task(id) ON DELETE CASCADE,
      day TEXT NOT NULL,
      played_type INTEGER NOT NULL,
      answered_type INTEGER NOT NULL);)";
constexpr const char* kConfusionV2Indexes = R"(
    CREATE INDEX confusion_task ON confusion(task_id);
    CREATE INDEX confusion_day ON confusion(day, played_type, answered_type);)";

// Version 1 was written in two layouts: the first kept only a confusion's task and answered
// type and indexed the tasks by day and attempt alone. Version 2 is the second layout; a file
// of the first gets the day and the played type (the task's chord type; kNone where a task
// had none) of its confusions and the covering indexes here.
std::string ConfusionsWithDaySql() {
  return std::string("ALTER TABLE confusion RENAME TO confusion_v1;") + kConfusionV2Table +
         StrFormat(R"(
    INSERT INTO confusion(task_id, day, played_type, answered_type)
      SELECT c.task_id, t.day, COALESCE(t.chord_type, %d), c.answered_type
      FROM confusion_v1 c JOIN task t ON t.id = c.task_id ORDER BY c.rowid;
    DROP TABLE confusion_v1;
    DROP INDEX task_day;
    DROP INDEX task_family_day;)",
                   kNone) +
         kTaskIndexes + kConfusionV2Indexes;
}

constexpr const char* kInsertTask =
    "INSERT INTO task(day, time, task_type, family, key, mode, tempo, max_distance, attempt, ended, replays, "
    "search_presses, chord_type, chord_root, language, melody_title, answered_by, mean_cents) VALUES(?1, ?2, ?3, ?4, "
    "?5, ?6, ?7, ?8, ?9, ?10, ?11, ?12, ?13, ?14, ?15, ?16, ?17, ?18)";
constexpr const char* kInsertConfusion =
    "INSERT INTO confusion(task_id, day, played_type, answered_type, family) VALUES(?1, ?2, ?3, ?4, ?5)";

// The rows of a filter: ?1 the first day, ?2 the family, ?4 the input that answered. With a
// family the family index serves.
std::string Where(const Filter& filter) {
  std::string where = filter.family >= 0 ? " WHERE family = ?2 AND day >= ?1" : " WHERE day >= ?1";
  if (filter.answeredBy >= 0) where += " AND answered_by = ?4";
  return where;
}

std::string TasksPerDaySql(const Filter& filter) {
  return "SELECT day, COUNT(*), SUM(attempt = 1) FROM task" + Where(filter) + " GROUP BY day ORDER BY day";
}

// Counted here rather than grouped by SQLite: the covering index gives the rows in day order,
// and a count per key and mode is quicker than sorting them.
std::string ByKeyAndModeSql(const Filter& filter) { return "SELECT key, mode, attempt FROM task" + Where(filter); }

// The confusions of a family, or of every family that names types or items.
std::string ConfusionsSql(const Filter& filter) {
  std::string where = filter.family >= 0 ? " WHERE family = ?2 AND day >= ?1" : " WHERE day >= ?1";
  if (filter.answeredBy >= 0) where += " AND task_id IN (SELECT id FROM task WHERE answered_by = ?4)";
  return "SELECT family, played_type, answered_type, COUNT(*) AS n FROM confusion" + where +
         " GROUP BY family, played_type, answered_type ORDER BY n DESC, family, played_type, answered_type LIMIT ?3";
}

std::string RowsSql(const Filter& filter) {
  return "SELECT day, time, task_type, family, key, mode, tempo, max_distance, attempt, ended, replays, "
         "search_presses, chord_type, chord_root, language, melody_title, answered_by, mean_cents, "
         "(SELECT group_concat(answered_type, ' ') FROM confusion WHERE task_id = task.id) FROM task" +
         Where(filter) + " ORDER BY id";
}

int32_t ToInt(int64_t value) { return static_cast<int32_t>(value); }

// The one number a query gives (NULL: 0); the SQLite result of asking. The statement is done
// with when this returns, so the schema may be changed next.
int Count(const sql::Database& db, const char* query, int64_t& count) {
  sql::Statement q = db.Prepare(query);
  const int result = q.Step();
  if (result != SQLITE_ROW) return q.Ok() ? result : db.ErrorCode();
  count = q.IsNull(0) ? 0 : q.Int(0);
  return SQLITE_OK;
}

std::vector<int32_t> ParseTypes(const std::string& text) {
  std::vector<int32_t> types;
  size_t at = 0;
  while (at < text.size()) {
    size_t end = text.find(' ', at);
    if (end == std::string::npos) end = text.size();
    types.push_back(std::atoi(text.substr(at, end - at).c_str()));
    at = end + 1;
  }
  return types;
}

}  // namespace

std::string DayBefore(int32_t days) {
  const LocalTime t = ToLocalTime(std::time(nullptr));
  std::tm tm{};
  tm.tm_year = t.year - 1900;
  tm.tm_mon = t.month - 1;
  tm.tm_mday = t.day - days;
  tm.tm_hour = 12;  // noon: a change of daylight saving time does not move the day
  tm.tm_isdst = -1;
  std::mktime(&tm);
  return StrFormat("%04d-%02d-%02d", tm.tm_year + 1900, tm.tm_mon + 1, tm.tm_mday);
}

ProgressDatabase::ProgressDatabase(std::string path) : path_(std::move(path)) {
  OwnsFile();  // the first Aurelo to open the history owns it for the whole of its run
  OpenOrRecreate();
}

ProgressDatabase::~ProgressDatabase() { CloseFile(); }

void ProgressDatabase::CloseFile() {
  insertTask_ = {};
  insertConfusion_ = {};
  db_.Close();
}

bool ProgressDatabase::OwnsFile() { return owner_.TryLock(path_ + kLockSuffix); }

void ProgressDatabase::OpenOrRecreate() {
  int result = OpenAndMigrate();
  if (result == sql::kMovedAway) result = OpenAndMigrate();
  // Only the owner sets a damaged file aside: another Aurelo may still be writing to it.
  if (sql::IsCorruption(result) && OwnsFile()) {
    MoveAside();
    result = OpenAndMigrate();
  }
  awaitingOwner_ = sql::IsCorruption(result);
  if (result != SQLITE_OK) {
    CloseFile();
    SayOnce(saidUnwritable_, T(txt::kProgressUnwritable));
  }
}

int ProgressDatabase::OpenAndMigrate() {
  CloseFile();
  int result = db_.Open(path_);
  if (result != SQLITE_OK) return result;
  const std::string busy = StrFormat("PRAGMA busy_timeout = %d", kBusyTimeoutMs);
  if ((result = db_.Exec(busy.c_str())) != SQLITE_OK) return result;
  // A file of a newer program is left as it is, its journal mode included.
  int32_t version = 0;
  if ((result = ReadVersion(version)) != SQLITE_OK) return result;
  if (version > kSchemaVersion) return SQLITE_READONLY;
  // WAL: a commit is one append to the log; readers do not block the writer. NORMAL: the log
  // is handed to the system before the commit returns, so an answer outlives a crash or a kill
  // of the program; the file stays sound after a power cut, which may take the last answers.
  // (FULL, a flush to the disk at every answer, costs several milliseconds on a busy disk.)
  if ((result = db_.Exec("PRAGMA journal_mode = WAL")) != SQLITE_OK) return result;
  if ((result = db_.Exec("PRAGMA synchronous = NORMAL; PRAGMA foreign_keys = ON")) != SQLITE_OK) return result;
  if ((result = Migrate()) != SQLITE_OK) return result;
  insertTask_ = db_.Prepare(kInsertTask);
  insertConfusion_ = db_.Prepare(kInsertConfusion);
  if (!insertTask_.Ok() || !insertConfusion_.Ok()) return db_.ErrorCode() == SQLITE_OK ? SQLITE_ERROR : db_.ErrorCode();
  return SQLITE_OK;
}

int ProgressDatabase::ReadVersion(int32_t& version) const {
  version = 0;
  int64_t tables = 0;
  int result = Count(db_, "SELECT COUNT(*) FROM sqlite_master WHERE type = 'table' AND name = 'schema_version'", tables);
  if (result != SQLITE_OK || tables == 0) return result;  // a new file: version 0
  int64_t stored = 0;
  result = Count(db_, "SELECT MAX(version) FROM schema_version", stored);
  version = ToInt(stored);
  return result;
}

int ProgressDatabase::Migrate() {
  // One transaction from whatever version to the current one: an interrupted migration leaves
  // the file as it was, and a second Aurelo opening the file meanwhile waits and finds it done.
  int result = db_.BeginWrite();
  if (result != SQLITE_OK) return result;
  int32_t version = 0;
  result = ReadVersion(version);
  if (result == SQLITE_OK && version > kSchemaVersion) result = SQLITE_READONLY;
  if (result == SQLITE_OK && version < kSchemaVersion) {
    result = Upgrade(version);
    const std::string mark = StrFormat("DELETE FROM schema_version; INSERT INTO schema_version VALUES(%d)", kSchemaVersion);
    if (result == SQLITE_OK) result = db_.Exec(mark.c_str());
  }
  if (result == SQLITE_OK) result = db_.Exec("COMMIT");
  if (result != SQLITE_OK) db_.Exec("ROLLBACK");
  return result;
}

int ProgressDatabase::Upgrade(int32_t version) {
  if (version == 0) {
    // Earlier programs made the version table in a transaction of its own: it may be there, empty.
    const std::string layout = std::string("CREATE TABLE IF NOT EXISTS schema_version(version INTEGER NOT NULL);") +
                               kTaskTable + kTaskIndexes + kConfusionTable + kConfusionIndexes;
    return db_.Exec(layout.c_str());
  }
  int64_t columns = 0;
  // Version 1 in its first layout: the confusions without their day.
  int result = Count(db_, "SELECT COUNT(*) FROM pragma_table_info('confusion') WHERE name = 'day'", columns);
  if (result == SQLITE_OK && columns == 0) result = db_.Exec(ConfusionsWithDaySql().c_str());
  if (result != SQLITE_OK) return result;
  // Versions 1 and 2: the tasks without the melody's title.
  result = Count(db_, "SELECT COUNT(*) FROM pragma_table_info('task') WHERE name = 'melody_title'", columns);
  if (result == SQLITE_OK && columns == 0) result = db_.Exec(kMelodyTitleColumn);
  if (result != SQLITE_OK) return result;
  // Versions 1 to 3: no answer input, voice deviation or confusion family.
  result = Count(db_, "SELECT COUNT(*) FROM pragma_table_info('task') WHERE name = 'answered_by'", columns);
  if (result == SQLITE_OK && columns == 0) result = db_.Exec(kAnswerColumns);
  return result;
}

void ProgressDatabase::MoveAside() {
  CloseFile();
  const LocalTime t = ToLocalTime(std::time(nullptr));
  std::string aside = path_ + StrFormat(".corrupt-%04d-%02d-%02d", t.year, t.month, t.day);
  std::error_code error;
  if (std::filesystem::exists(aside, error)) aside += StrFormat("-%02d%02d%02d", t.hour, t.minute, t.second);
  // The log and the shared-memory index belong to the damaged file; they go first, while no
  // other program can yet have begun a new file (and its own log and index) at the path.
  std::filesystem::rename(path_ + "-wal", aside + "-wal", error);
  std::filesystem::remove(path_ + "-shm", error);
  std::filesystem::rename(path_, aside, error);
  SayOnce(saidDamaged_, T(txt::kProgressDamaged) + aside);
}

void ProgressDatabase::Say(const std::string& message) {
  if (status_) {
    status_(message);
  } else {
    pendingStatus_.push_back(message);
  }
}

void ProgressDatabase::SayOnce(bool& said, const std::string& message) {
  if (said) return;
  said = true;
  Say(message);
}

void ProgressDatabase::SetStatusHandler(std::function<void(const std::string&)> handler) {
  status_ = std::move(handler);
  if (!status_) return;
  for (const std::string& message : std::exchange(pendingStatus_, {})) status_(message);
}

void ProgressDatabase::Write(const TaskRecord& record) { WriteRecord(record); }

bool ProgressDatabase::WriteRecord(const TaskRecord& record) {
  // A damaged file that another Aurelo owns is looked at again at each answer: that one sets
  // it aside and begins a new one the next time it writes or starts.
  if (!db_.IsOpen() && awaitingOwner_) OpenOrRecreate();
  if (!db_.IsOpen()) return false;
  int result = Insert(record);
  if (sql::IsCorruption(result)) {
    if (OwnsFile()) MoveAside();
    OpenOrRecreate();
    if (db_.IsOpen()) result = Insert(record);
  }
  if (result == SQLITE_OK) return true;
  SayOnce(saidUnwritable_, T(txt::kProgressUnwritable));
  return false;
}

int ProgressDatabase::BeginOnCurrentFile() {
  const int result = db_.BeginWrite();
  if (result != sql::kMovedAway) return result;
  // Another Aurelo has set the file aside: its successor at the path takes what follows.
  OpenOrRecreate();
  return db_.IsOpen() ? db_.BeginWrite() : SQLITE_CANTOPEN;
}

int ProgressDatabase::Insert(const TaskRecord& record) {
  int result = BeginOnCurrentFile();
  if (result != SQLITE_OK) return result;
  sql::Statement& task = insertTask_;
  task.Reset();
  task.Bind(1, record.day);
  task.Bind(2, record.time);
  const std::array<int64_t, 9> numbers = {record.taskType, static_cast<int64_t>(record.family), record.key,
                                          record.mode,     record.tempo,                        record.maxDistance,
                                          record.attempt,  record.ended ? 1 : 0,              record.replays};
  for (size_t i = 0; i < numbers.size(); ++i) task.Bind(static_cast<int>(i + 3), numbers[i]);
  const std::array<int32_t, 3> optional = {record.searchPresses, record.chordType, record.chordRoot};
  for (size_t i = 0; i < optional.size(); ++i) {
    if (optional[i] == kNone) {
      task.BindNull(static_cast<int>(i + 12));
    } else {
      task.Bind(static_cast<int>(i + 12), optional[i]);
    }
  }
  task.Bind(15, record.language);
  if (record.melodyTitle.empty()) {
    task.BindNull(16);
  } else {
    task.Bind(16, record.melodyTitle);
  }
  task.Bind(17, static_cast<int64_t>(record.answeredBy));
  if (record.meanCents == kNone) {
    task.BindNull(18);
  } else {
    task.Bind(18, record.meanCents);
  }
  result = task.Step();
  const int64_t id = db_.LastInsertRowId();
  for (int32_t type : record.wrongTypes) {
    if (result != SQLITE_DONE) break;
    insertConfusion_.Reset();
    insertConfusion_.Bind(1, id);
    insertConfusion_.Bind(2, record.day);
    insertConfusion_.Bind(3, record.chordType);
    insertConfusion_.Bind(4, type);
    insertConfusion_.Bind(5, static_cast<int64_t>(record.family));
    result = insertConfusion_.Step();
  }
  task.Reset();
  insertConfusion_.Reset();
  if (result == SQLITE_DONE) result = db_.Exec("COMMIT");
  if (result == SQLITE_OK) return SQLITE_OK;
  db_.Exec("ROLLBACK");
  return result;
}

sql::Statement ProgressDatabase::Query(const std::string& text, const Filter& filter) const {
  sql::Statement statement = db_.Prepare(text);
  statement.Bind(1, filter.fromDay);
  if (filter.family >= 0) statement.Bind(2, filter.family);
  if (filter.answeredBy >= 0) statement.Bind(4, filter.answeredBy);
  return statement;
}

std::vector<DayCount> ProgressDatabase::TasksPerDay(const Filter& filter) const {
  std::vector<DayCount> days;
  sql::Statement q = Query(TasksPerDaySql(filter), filter);
  while (q.Step() == SQLITE_ROW) days.push_back({q.Text(0), ToInt(q.Int(1)), ToInt(q.Int(2))});
  return days;
}

std::vector<KeyModeCount> ProgressDatabase::ByKeyAndMode(const Filter& filter) const {
  std::map<std::pair<int32_t, int32_t>, KeyModeCount> counts;
  sql::Statement q = Query(ByKeyAndModeSql(filter), filter);
  while (q.Step() == SQLITE_ROW) {
    const int32_t key = ToInt(q.Int(0));
    const int32_t mode = ToInt(q.Int(1));
    const int64_t attempt = q.Int(2);
    KeyModeCount& count = counts.try_emplace({key, mode}, KeyModeCount{key, mode, 0, 0, 0}).first->second;
    ++count.tasks;
    count.solvedFirst += attempt == 1 ? 1 : 0;
    count.solved += attempt > 0 ? 1 : 0;
  }
  std::vector<KeyModeCount> rows;
  for (const auto& [keyMode, count] : counts) rows.push_back(count);
  return rows;
}

std::vector<Confusion> ProgressDatabase::Confusions(const Filter& filter, int32_t limit) const {
  std::vector<Confusion> rows;
  sql::Statement q = Query(ConfusionsSql(filter), filter);
  q.Bind(3, limit);
  while (q.Step() == SQLITE_ROW) {
    rows.push_back({static_cast<Family>(q.Int(0)), ToInt(q.Int(1)), ToInt(q.Int(2)), ToInt(q.Int(3))});
  }
  return rows;
}

std::optional<int32_t> ProgressDatabase::MeanVoiceCents(const Filter& filter) const {
  sql::Statement q = Query("SELECT ROUND(AVG(mean_cents)) FROM task" + Where(filter) + " AND mean_cents IS NOT NULL", filter);
  if (q.Step() != SQLITE_ROW || q.IsNull(0)) return std::nullopt;
  return ToInt(q.Int(0));
}

std::vector<TaskRecord> ProgressDatabase::Rows(const Filter& filter) const {
  std::vector<TaskRecord> rows;
  sql::Statement q = Query(RowsSql(filter), filter);
  while (q.Step() == SQLITE_ROW) {
    TaskRecord r;
    r.day = q.Text(0);
    r.time = q.Text(1);
    r.taskType = ToInt(q.Int(2));
    r.family = static_cast<Family>(q.Int(3));
    r.key = ToInt(q.Int(4));
    r.mode = ToInt(q.Int(5));
    r.tempo = ToInt(q.Int(6));
    r.maxDistance = ToInt(q.Int(7));
    r.attempt = ToInt(q.Int(8));
    r.ended = q.Int(9) != 0;
    r.replays = ToInt(q.Int(10));
    r.searchPresses = q.IsNull(11) ? kNone : ToInt(q.Int(11));
    r.chordType = q.IsNull(12) ? kNone : ToInt(q.Int(12));
    r.chordRoot = q.IsNull(13) ? kNone : ToInt(q.Int(13));
    r.language = ToInt(q.Int(14));
    r.melodyTitle = q.Text(15);
    r.answeredBy = static_cast<AnswerInput>(q.Int(16));
    r.meanCents = q.IsNull(17) ? kNone : ToInt(q.Int(17));
    r.wrongTypes = ParseTypes(q.Text(18));
    rows.push_back(std::move(r));
  }
  return rows;
}

bool ProgressDatabase::Clear() {
  if (!db_.IsOpen() || BeginOnCurrentFile() != SQLITE_OK) return false;
  if (db_.Exec("DELETE FROM confusion; DELETE FROM task; COMMIT") == SQLITE_OK) return true;
  db_.Exec("ROLLBACK");
  return false;
}

std::vector<std::string> ProgressDatabase::QueryPlans(const Filter& filter) const {
  std::vector<std::string> plans;
  for (const std::string& text :
       {TasksPerDaySql(filter), ByKeyAndModeSql(filter), ConfusionsSql(filter), RowsSql(filter)}) {
    std::string plan = text + "\n";
    sql::Statement q = db_.Prepare("EXPLAIN QUERY PLAN " + text);
    q.Bind(1, filter.fromDay);
    q.Bind(2, filter.family);
    q.Bind(3, 10);
    q.Bind(4, filter.answeredBy);
    while (q.Step() == SQLITE_ROW) plan += "  " + q.Text(3) + "\n";
    plans.push_back(std::move(plan));
  }
  return plans;
}

}  // namespace progress
