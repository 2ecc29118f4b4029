// Files of every earlier layout of the progress history: opened, their rows kept, new rows
// taken, the window's queries answered and the layout made that of a new file; a file of a
// newer program left untouched.
#include <gtest/gtest.h>
#include <sqlite3.h>

#include <filesystem>
#include <string>
#include <vector>

#include "platform/TestFolder.h"
#include "progress/ProgressTestSupport.h"
#include "progress/SqliteDb.h"
#include "text/LanguageTable.h"
#include "text/TextIds.h"

namespace {

using namespace progress;
using progress_test::QueryText;
using progress_test::Record;

// The task table of versions 1 and 2.
constexpr const char* kTaskTable = R"(
  CREATE TABLE task(id INTEGER PRIMARY KEY, day TEXT NOT NULL, time TEXT NOT NULL,
    task_type INTEGER NOT NULL, family INTEGER NOT NULL, key INTEGER NOT NULL, mode INTEGER NOT NULL,
    tempo INTEGER NOT NULL, max_distance INTEGER NOT NULL, attempt INTEGER NOT NULL,
    ended INTEGER NOT NULL, replays INTEGER NOT NULL, search_presses INTEGER, chord_type INTEGER,
    chord_root INTEGER, language INTEGER NOT NULL);
  INSERT INTO task VALUES(1, '2026-12-01', '10:00:00', 19, 5, 2, 1, 21, 5, 0, 0, 0, NULL, 2, 7, 0);
  INSERT INTO task VALUES(2, '2026-12-02', '10:00:00', 3, 2, 2, 1, 21, 5, 1, 0, 0, NULL, NULL, NULL, 0);)";

// Version 1 as first written: a confusion kept only its task and the type answered.
constexpr const char* kFirstLayout = R"(
  CREATE TABLE schema_version(version INTEGER NOT NULL);
  INSERT INTO schema_version VALUES(1);
  CREATE INDEX task_day ON task(day, attempt);
  CREATE INDEX task_family_day ON task(family, day, attempt);
  CREATE TABLE confusion(task_id INTEGER NOT NULL REFERENCES task(id) ON DELETE CASCADE,
    answered_type INTEGER NOT NULL);
  CREATE INDEX confusion_task ON confusion(task_id);
  INSERT INTO confusion VALUES(1, 1);
  INSERT INTO confusion VALUES(1, 3);)";

// Version 1 as written later, under the same number: confusions by day, covering indexes.
constexpr const char* kSecondLayout = R"(
  CREATE TABLE schema_version(version INTEGER NOT NULL);
  INSERT INTO schema_version VALUES(1);
  CREATE INDEX task_day ON task(day, attempt, key, mode);
  CREATE INDEX task_family_day ON task(family, day, attempt, key, mode);
  CREATE TABLE confusion(task_id INTEGER NOT NULL REFERENCES task(id) ON DELETE CASCADE,
    day TEXT NOT NULL, played_type INTEGER NOT NULL, answered_type INTEGER NOT NULL);
  CREATE INDEX confusion_task ON confusion(task_id);
  CREATE INDEX confusion_day ON confusion(day, played_type, answered_type);
  INSERT INTO confusion VALUES(1, '2026-12-01', 2, 1);
  INSERT INTO confusion VALUES(1, '2026-12-01', 2, 3);)";

// Version 2: the second layout of version 1 under its own number.
const std::string kVersion2 = std::string(kSecondLayout) + "UPDATE schema_version SET version = 2;";

// Version 3: the title of a teacher's melody added to the tasks.
const std::string kVersion3 =
    std::string(kSecondLayout) + "ALTER TABLE task ADD COLUMN melody_title TEXT; UPDATE schema_version SET version = 3;";

// The rows the layouts hold.
std::vector<TaskRecord> StoredRows() {
  TaskRecord chord = Record("2026-12-01", 19, 0);
  chord.chordType = 2;
  chord.chordRoot = 7;
  chord.wrongTypes = {1, 3};
  return {chord, Record("2026-12-02", 3, 1)};
}

// Every table and index but the task table, whose text keeps the layout it was made in,
// without spaces and line breaks.
constexpr const char* kSchemaQuery =
    "SELECT group_concat(type || ':' || replace(replace(sql, ' ', ''), char(10), ''), char(10)) FROM "
    "(SELECT * FROM sqlite_master WHERE name != 'task' ORDER BY name)";
// The task table's columns in order: name, type, NOT NULL.
constexpr const char* kTaskColumnsQuery =
    "SELECT group_concat(name || ' ' || type || ' ' || \"notnull\", ', ') FROM pragma_table_info('task')";

class ProgressSchemaTest : public ::testing::Test {
 protected:
  std::string Path() const { return folder.Path("AureloProgress.sqlite"); }
  void MakeFile(const std::string& script) {
    sql::Database db;
    ASSERT_EQ(db.Open(Path()), SQLITE_OK);
    ASSERT_EQ(db.Exec(("PRAGMA journal_mode = WAL;" + script).c_str()), SQLITE_OK) << db.ErrorMessage();
  }
  std::string NewFileSchema(const char* query) const {
    ProgressDatabase fresh(other.Path("AureloProgress.sqlite"));
    return QueryText(fresh.Path(), query);
  }
  TestFolder folder;
  TestFolder other;
  std::vector<std::string> said;
};

TEST_F(ProgressSchemaTest, EveryEarlierLayoutIsBroughtUpToDateWithItsRows) {
  const std::vector<std::pair<const char*, std::string>> layouts = {
      {"first version 1", std::string(kTaskTable) + kFirstLayout},
      {"second version 1", std::string(kTaskTable) + kSecondLayout},
      {"version 2", kTaskTable + kVersion2},
      {"version 3", kTaskTable + kVersion3},
      // Earlier programs made the version table before the rest, in a transaction of its own.
      {"version table alone", "CREATE TABLE schema_version(version INTEGER NOT NULL);"},
  };
  const std::string newSchema = NewFileSchema(kSchemaQuery);
  const std::string newColumns = NewFileSchema(kTaskColumnsQuery);
  EXPECT_EQ(newColumns,
            "id INTEGER 0, day TEXT 1, time TEXT 1, task_type INTEGER 1, family INTEGER 1, key INTEGER 1, mode INTEGER 1, "
            "tempo INTEGER 1, max_distance INTEGER 1, attempt INTEGER 1, ended INTEGER 1, replays INTEGER 1, "
            "search_presses INTEGER 0, chord_type INTEGER 0, chord_root INTEGER 0, language INTEGER 1, "
            "melody_title TEXT 0, answered_by INTEGER 1, mean_cents INTEGER 0");
  for (const auto& [name, script] : layouts) {
    SCOPED_TRACE(name);
    std::filesystem::remove(Path());
    MakeFile(script);
    const bool hasRows = script.find("INSERT INTO task") != std::string::npos;
    {
      ProgressDatabase db(Path());
      db.SetStatusHandler([this](const std::string& s) { said.push_back(s); });
      ASSERT_TRUE(db.Available());
      EXPECT_EQ(db.Rows({}), hasRows ? StoredRows() : std::vector<TaskRecord>{});
      TaskRecord added = Record("2026-12-03", 19, 2);
      added.chordType = 4;
      added.chordRoot = 0;
      added.wrongTypes = {2};
      added.key = 5;
      ASSERT_TRUE(db.WriteRecord(added));
      EXPECT_EQ(db.Rows({}).back(), added);
      TaskRecord melody = Record("2026-12-03", 10, 1);
      melody.melodyTitle = "Kalinka, \"berry\"";
      melody.answeredBy = AnswerInput::kVoice;
      melody.meanCents = 17;
      ASSERT_TRUE(db.WriteRecord(melody));
      EXPECT_EQ(db.Rows({}).back(), melody);
      EXPECT_EQ(db.Rows({-1, "", static_cast<int>(AnswerInput::kVoice)}), std::vector<TaskRecord>{melody});

      const std::vector<Confusion> confused = db.Confusions({-1, ""}, 10);
      std::vector<std::vector<int>> counts;
      for (const Confusion& c : confused) {
        EXPECT_EQ(c.family, Family::kChordRecognition) << "the confusions kept before families were";
        counts.push_back({c.played, c.answered, c.count});
      }
      const std::vector<std::vector<int>> expected =
          hasRows ? std::vector<std::vector<int>>{{2, 1, 1}, {2, 3, 1}, {4, 2, 1}} : std::vector<std::vector<int>>{{4, 2, 1}};
      EXPECT_EQ(counts, expected);
      EXPECT_EQ(db.Confusions({-1, "2026-12-02"}, 10).size(), 1u) << "the confusions of 1 December have their day";
      EXPECT_EQ(db.TasksPerDay({}).size(), hasRows ? 3u : 1u);
      EXPECT_EQ(db.TasksPerDay({}).back().tasks, 2);
      const std::vector<KeyModeCount> keys = db.ByKeyAndMode({static_cast<int>(Family::kChordRecognition), ""});
      ASSERT_EQ(keys.size(), 2u - (hasRows ? 0 : 1));
      EXPECT_EQ(keys.back().tasks, 1);
    }
    EXPECT_TRUE(said.empty());
    EXPECT_EQ(QueryText(Path(), "SELECT group_concat(version) FROM schema_version"), "4");
    EXPECT_EQ(QueryText(Path(), kSchemaQuery), newSchema);
    EXPECT_EQ(QueryText(Path(), kTaskColumnsQuery), newColumns);
    EXPECT_EQ(QueryText(Path(), "PRAGMA integrity_check"), "ok");
  }
}

TEST_F(ProgressSchemaTest, FileOfANewerProgramIsLeftAsItIsAndHistoryStaysOff) {
  MakeFile(std::string(kTaskTable) + kSecondLayout + "UPDATE schema_version SET version = 4;");
  const std::vector<uint8_t> before = ReadBytes(Path());
  {
    ProgressDatabase db(Path());
    db.SetStatusHandler([this](const std::string& s) { said.push_back(s); });
    EXPECT_FALSE(db.Available());
    EXPECT_FALSE(db.WriteRecord(Record("2026-12-03", 3, 1)));
    EXPECT_FALSE(db.WriteRecord(Record("2026-12-03", 3, 1)));
  }
  EXPECT_EQ(said, std::vector<std::string>{T(txt::kProgressUnwritable)});
  EXPECT_EQ(ReadBytes(Path()), before);
  EXPECT_EQ(QueryText(Path(), "SELECT COUNT(*) FROM task"), "2");
  for (const std::string& name : folder.Entries()) EXPECT_EQ(name.find(".corrupt"), std::string::npos) << name;
}

}  // namespace
