// The progress history file: rows written and read back, the queries of the window, the
// schema, a damaged file, an unwritable folder, a crash right after an answer, a second writer,
// a damaged file that two programs have open.
#include <gtest/gtest.h>
#include <signal.h>
#include <sqlite3.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <optional>
#include <random>
#include <thread>

#include "platform/TestFolder.h"
#include "progress/ProgressTestSupport.h"
#include "progress/SqliteDb.h"
#include "text/LanguageTable.h"
#include "text/TextIds.h"

namespace {

using namespace progress;
using progress_test::QueryText;
using progress_test::Record;

std::vector<uint8_t> Junk(size_t size) {
  std::mt19937 random(12);
  std::vector<uint8_t> junk(size);
  for (uint8_t& b : junk) b = static_cast<uint8_t>(random());
  return junk;
}

// Overwrites the open file in place, as a failing disk would; the log and the shared index are
// lost with it, so every connection reads the file afresh. Returns the damaged file's bytes.
std::vector<uint8_t> DamageInPlace(const std::string& path) {
  const std::vector<uint8_t> junk = Junk(std::filesystem::file_size(path));
  std::fstream(path, std::ios::in | std::ios::out | std::ios::binary)
      .write(reinterpret_cast<const char*>(junk.data()), static_cast<std::streamsize>(junk.size()));
  std::filesystem::resize_file(path + "-wal", 0);
  const std::vector<char> zeros(std::filesystem::file_size(path + "-shm"));
  std::fstream(path + "-shm", std::ios::in | std::ios::out | std::ios::binary)
      .write(zeros.data(), static_cast<std::streamsize>(zeros.size()));
  return junk;
}

class ProgressDatabaseTest : public ::testing::Test {
 protected:
  std::string Path() const { return folder.Path("AureloProgress.sqlite"); }
  // The name of the file set aside; empty when none is.
  std::string Aside() const {
    std::string aside;
    for (const std::string& name : folder.Entries()) {
      if (name.find(".corrupt-") != std::string::npos && name.find("-wal") == std::string::npos) aside = name;
    }
    return aside;
  }
  TestFolder folder;
  std::vector<std::string> said;
};

TEST_F(ProgressDatabaseTest, RowsComeBackAsWrittenAndTheQueriesCountThem) {
  ProgressDatabase db(Path());
  db.SetStatusHandler([this](const std::string& s) { said.push_back(s); });
  ASSERT_TRUE(db.Available());
  TaskRecord search = Record("2026-12-01", 0, 2);
  search.searchPresses = 7;
  search.replays = 1;
  TaskRecord chord = Record("2026-12-01", 19, 0);
  chord.chordType = 2;
  chord.chordRoot = 7;
  chord.wrongTypes = {1, 3};
  TaskRecord ended = Record("2026-12-03", 19, 0);
  ended.ended = true;
  ended.chordType = 2;
  ended.chordRoot = 0;
  ended.wrongTypes = {1};
  ended.key = 5;
  TaskRecord melody = Record("2026-11-20", 3, 1);
  for (const TaskRecord& r : {search, chord, ended, melody}) ASSERT_TRUE(db.WriteRecord(r));

  EXPECT_EQ(db.Rows({}), (std::vector<TaskRecord>{search, chord, ended, melody}));
  EXPECT_TRUE(said.empty());

  const std::vector<DayCount> days = db.TasksPerDay({-1, "2026-11-25"});
  ASSERT_EQ(days.size(), 2u);
  EXPECT_EQ(days[0].day, "2026-12-01");
  EXPECT_EQ(days[0].tasks, 2);
  EXPECT_EQ(days[0].solvedFirst, 0);
  EXPECT_EQ(days[1].day, "2026-12-03");
  EXPECT_EQ(db.TasksPerDay({}).front().solvedFirst, 1) << "the melody of 20 November, at attempt 1";

  const std::vector<KeyModeCount> keys = db.ByKeyAndMode({static_cast<int>(Family::kChordRecognition), ""});
  ASSERT_EQ(keys.size(), 2u);
  EXPECT_EQ((std::vector<int>{keys[0].key, keys[0].mode, keys[0].tasks, keys[0].solved}), (std::vector<int>{2, 1, 1, 0}));
  EXPECT_EQ((std::vector<int>{keys[1].key, keys[1].tasks}), (std::vector<int>{5, 1}));
  const std::vector<KeyModeCount> all = db.ByKeyAndMode({});
  ASSERT_EQ(all.size(), 2u);
  EXPECT_EQ((std::vector<int>{all[0].tasks, all[0].solvedFirst, all[0].solved}), (std::vector<int>{3, 1, 2}));

  const std::vector<Confusion> confused = db.Confusions({}, 10);
  ASSERT_EQ(confused.size(), 2u);
  EXPECT_EQ((std::vector<int>{confused[0].played, confused[0].answered, confused[0].count}),
            (std::vector<int>{2, 1, 2}));
  EXPECT_EQ((std::vector<int>{confused[1].played, confused[1].answered, confused[1].count}),
            (std::vector<int>{2, 3, 1}));
  EXPECT_EQ(db.Confusions({-1, "2026-12-02"}, 10).size(), 1u);

  ASSERT_TRUE(db.Clear());
  EXPECT_TRUE(db.Rows({}).empty());
  EXPECT_TRUE(db.Confusions({}, 10).empty());
}

TEST_F(ProgressDatabaseTest, DrillConfusionsAndVoiceAnswersAreCountedPerFamilyAndInput) {
  ProgressDatabase db(Path());
  TaskRecord chord = Record("2026-12-01", 19, 2);
  chord.chordType = 4;
  chord.wrongTypes = {3};
  TaskRecord interval = Record("2026-12-01", 40, 2);
  interval.family = Family::kIntervals;
  interval.chordType = 4;
  interval.wrongTypes = {3, 3};
  interval.answeredBy = AnswerInput::kVoice;
  interval.meanCents = 12;
  TaskRecord sung = Record("2026-12-02", 35, 1);
  sung.answeredBy = AnswerInput::kVoice;
  sung.meanCents = 25;
  for (const TaskRecord& r : {chord, interval, sung}) ASSERT_TRUE(db.WriteRecord(r));

  const auto counted = [](const std::vector<Confusion>& rows) {
    std::vector<std::vector<int>> out;
    for (const Confusion& c : rows) out.push_back({static_cast<int>(c.family), c.played, c.answered, c.count});
    return out;
  };
  const int intervals = static_cast<int>(Family::kIntervals);
  const int voice = static_cast<int>(AnswerInput::kVoice);
  EXPECT_EQ(counted(db.Confusions({}, 10)), (std::vector<std::vector<int>>{{8, 4, 3, 2}, {5, 4, 3, 1}}));
  EXPECT_EQ(counted(db.Confusions({intervals, ""}, 10)), (std::vector<std::vector<int>>{{8, 4, 3, 2}}));
  EXPECT_EQ(counted(db.Confusions({-1, "", voice}, 10)), (std::vector<std::vector<int>>{{8, 4, 3, 2}}));
  EXPECT_EQ(db.Rows({-1, "", voice}), (std::vector<TaskRecord>{interval, sung}));
  EXPECT_EQ(db.TasksPerDay({-1, "", static_cast<int>(AnswerInput::kMouse)}).size(), 1u);
  EXPECT_EQ(db.MeanVoiceCents({}), 19) << "the mean of 12 and 25, rounded";
  EXPECT_EQ(db.MeanVoiceCents({intervals, ""}), 12);
  EXPECT_EQ(db.MeanVoiceCents({-1, "2026-12-03"}), std::nullopt);
}

TEST_F(ProgressDatabaseTest, NewFileHasWalAndSchemaVersionAndKeepsRowsAcrossOpenings) {
  {
    ProgressDatabase db(Path());
    ASSERT_TRUE(db.WriteRecord(Record("2026-12-07", 1, 1)));
  }
  EXPECT_EQ(QueryText(Path(), "PRAGMA journal_mode"), "wal");
  EXPECT_EQ(QueryText(Path(), "SELECT group_concat(version) FROM schema_version"), "4");
  ProgressDatabase again(Path());
  ASSERT_TRUE(again.WriteRecord(Record("2026-12-07", 1, 2)));
  EXPECT_EQ(again.Rows({}).size(), 2u);
  EXPECT_EQ(QueryText(Path(), "SELECT group_concat(version) FROM schema_version"), "4");
}

TEST_F(ProgressDatabaseTest, DamagedFileIsMovedAsideOnceAndANewOneTakesTheAnswers) {
  const std::vector<uint8_t> junk = Junk(8192);
  WriteBytes(Path(), junk);

  ProgressDatabase db(Path());
  db.SetStatusHandler([this](const std::string& s) { said.push_back(s); });
  ASSERT_TRUE(db.Available());
  ASSERT_EQ(said.size(), 1u);
  const std::string aside = Aside();
  ASSERT_FALSE(aside.empty());
  EXPECT_NE(said[0].find(aside), std::string::npos) << said[0];
  EXPECT_EQ(ReadBytes(folder.Path(aside)), junk) << "the damaged file is kept as it was";
  ASSERT_TRUE(db.WriteRecord(Record("2026-12-07", 2, 1)));
  EXPECT_EQ(db.Rows({}).size(), 1u);
  EXPECT_EQ(said.size(), 1u);
}

TEST_F(ProgressDatabaseTest, UnwritableFolderRunsWithoutHistoryAndSaysSoOnce) {
  ProgressDatabase db(folder.Path("missing/folder/AureloProgress.sqlite"));
  EXPECT_FALSE(db.Available());
  EXPECT_FALSE(db.WriteRecord(Record("2026-12-07", 2, 1)));
  db.SetStatusHandler([this](const std::string& s) { said.push_back(s); });
  EXPECT_FALSE(db.WriteRecord(Record("2026-12-07", 2, 1)));
  EXPECT_EQ(said.size(), 1u);
  EXPECT_TRUE(db.Rows({}).empty());
  EXPECT_TRUE(db.TasksPerDay({}).empty());
}

TEST_F(ProgressDatabaseTest, AnswerWrittenRightBeforeAKillIsKept) {
  const pid_t child = fork();
  ASSERT_NE(child, -1);
  if (child == 0) {
    ProgressDatabase db(Path());
    db.WriteRecord(Record("2026-12-07", 4, 3));
    kill(getpid(), SIGKILL);
    _exit(0);
  }
  int status = 0;
  ASSERT_EQ(waitpid(child, &status, 0), child);
  ASSERT_TRUE(WIFSIGNALED(status));
  EXPECT_EQ(WTERMSIG(status), SIGKILL);
  ProgressDatabase db(Path());
  const std::vector<TaskRecord> rows = db.Rows({});
  ASSERT_EQ(rows.size(), 1u);
  EXPECT_EQ(rows[0], Record("2026-12-07", 4, 3));
}

TEST_F(ProgressDatabaseTest, SecondWriterIsWaitedFor) {
  ProgressDatabase db(Path());
  sql::Database other;
  ASSERT_EQ(other.Open(Path()), SQLITE_OK);
  ASSERT_EQ(other.Exec("BEGIN IMMEDIATE"), SQLITE_OK);
  std::thread release([&other] {
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    other.Exec("COMMIT");
  });
  const auto start = std::chrono::steady_clock::now();
  const bool written = db.WriteRecord(Record("2026-12-07", 1, 1));
  const auto waited = std::chrono::steady_clock::now() - start;
  release.join();
  EXPECT_TRUE(written);
  EXPECT_GE(waited, std::chrono::milliseconds(250));
  EXPECT_EQ(db.Rows({}).size(), 1u);
}

// Two stores on one file, as two programs would have it: the first owns it.
TEST_F(ProgressDatabaseTest, OnlyTheOwnerSetsADamagedFileAsideAndTheOtherFollowsItToTheNewFile) {
  ProgressDatabase owner(Path());
  ProgressDatabase other(Path());
  std::vector<std::string> otherSaid;
  owner.SetStatusHandler([this](const std::string& s) { said.push_back(s); });
  other.SetStatusHandler([&otherSaid](const std::string& s) { otherSaid.push_back(s); });
  ASSERT_TRUE(owner.WriteRecord(Record("2026-12-01", 1, 1)));
  ASSERT_TRUE(other.WriteRecord(Record("2026-12-01", 2, 1)));

  const std::vector<uint8_t> junk = DamageInPlace(Path());
  EXPECT_FALSE(other.WriteRecord(Record("2026-12-02", 2, 1)));
  EXPECT_EQ(Aside(), "") << "the other program leaves the file where it is";
  EXPECT_EQ(otherSaid, std::vector<std::string>{T(txt::kProgressUnwritable)});

  ASSERT_TRUE(owner.WriteRecord(Record("2026-12-03", 1, 1)));
  const std::string aside = Aside();
  ASSERT_FALSE(aside.empty());
  EXPECT_EQ(said, std::vector<std::string>{T(txt::kProgressDamaged) + folder.Path(aside)});
  ASSERT_TRUE(other.WriteRecord(Record("2026-12-04", 2, 1)));
  EXPECT_EQ(owner.Rows({}), (std::vector<TaskRecord>{Record("2026-12-03", 1, 1), Record("2026-12-04", 2, 1)}));
  EXPECT_EQ(ReadBytes(folder.Path(aside)), junk);
  EXPECT_EQ(otherSaid.size(), 1u);
}

TEST_F(ProgressDatabaseTest, FileMovedAsideUnderAnOpenStoreGetsNoMoreOfItsWrites) {
  const std::string aside = Path() + ".corrupt-2026-12-01";
  {
    ProgressDatabase stale(Path());
    ASSERT_TRUE(stale.WriteRecord(Record("2026-12-01", 2, 1)));
    // Moved as the owner moves a file it has found damaged (or an earlier Aurelo, which took no
    // lock): the stale store still has it open and takes no notice of the move until it writes.
    std::filesystem::rename(Path() + "-wal", aside + "-wal");
    std::filesystem::remove(Path() + "-shm");
    std::filesystem::rename(Path(), aside);
    ProgressDatabase fresh(Path());
    ASSERT_TRUE(fresh.WriteRecord(Record("2026-12-02", 1, 1)));
    ASSERT_TRUE(stale.WriteRecord(Record("2026-12-03", 2, 1)));
    ASSERT_TRUE(stale.Clear());
    ASSERT_TRUE(stale.WriteRecord(Record("2026-12-04", 2, 1)));
    EXPECT_EQ(fresh.Rows({}), std::vector<TaskRecord>{Record("2026-12-04", 2, 1)});
    ASSERT_TRUE(fresh.WriteRecord(Record("2026-12-05", 1, 1)));
    EXPECT_EQ(QueryText(Path(), "SELECT group_concat(day) FROM task"), "2026-12-04,2026-12-05")
        << "closing the file moved aside left the log and index of the new one alone";
  }
  EXPECT_EQ(QueryText(aside, "SELECT group_concat(day) FROM task"), "2026-12-01");
  EXPECT_EQ(QueryText(Path(), "SELECT group_concat(day) FROM task"), "2026-12-04,2026-12-05");

  // With the owner gone, the other program takes the file over and sets a damaged one aside.
  std::filesystem::rename(aside, folder.Path("first"));
  std::optional<ProgressDatabase> first(std::in_place, Path());
  ProgressDatabase heir(Path());
  first.reset();
  DamageInPlace(Path());
  ASSERT_TRUE(heir.WriteRecord(Record("2026-12-05", 2, 1)));
  EXPECT_FALSE(Aside().empty());
}

}  // namespace
