// Progress history figures: the time to write one answered task (its own transaction), and,
// with 100,000 rows, the time to open the progress window and draw its charts (offscreen),
// with the query plans of the window's queries.
#include <sqlite3.h>
#include <stdlib.h>

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <random>
#include <string>
#include <vector>

#include "progress/ProgressDatabase.h"
#include "progress/ProgressWindow.h"
#include "progress/SqliteDb.h"

namespace {

using Clock = std::chrono::steady_clock;
constexpr int kWrites = 2000;
constexpr int kRows = 100000;
constexpr int kWindowRuns = 7;

double MsSince(Clock::time_point start) {
  return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

void PrintFigures(const char* what, std::vector<double> ms) {
  std::sort(ms.begin(), ms.end());
  std::printf("%s: n=%zu  median %.3f ms  p90 %.3f  worst %.3f ms\n", what, ms.size(), ms[ms.size() / 2],
              ms[ms.size() * 9 / 10], ms.back());
}

progress::TaskRecord RandomRecord(std::mt19937& random, int daysBack) {
  static const int types[] = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 12, 13, 14, 15, 16, 17, 18, 19, 20, 21, 22, 23};
  progress::TaskRecord r;
  r.day = progress::DayBefore(static_cast<int32_t>(random() % static_cast<unsigned>(daysBack)));
  r.time = "12:00:00";
  r.taskType = types[random() % std::size(types)];
  r.family = progress::FamilyOfType(r.taskType);
  r.key = static_cast<int32_t>(random() % 12);
  r.mode = static_cast<int32_t>(random() % 11);
  r.tempo = 21;
  r.maxDistance = 5;
  r.attempt = static_cast<int32_t>(random() % 4);
  r.replays = static_cast<int32_t>(random() % 3);
  if (r.family == progress::Family::kChordRecognition) {
    r.chordType = static_cast<int32_t>(random() % 15);
    r.chordRoot = static_cast<int32_t>(random() % 12);
    if (r.attempt != 1) r.wrongTypes = {static_cast<int32_t>(random() % 15)};
  }
  return r;
}

// Fills the file quickly: the rows of 100,000 tasks in one transaction over two years.
void Fill(const std::string& path) {
  std::mt19937 random(7);
  sql::Database db;
  db.Open(path);
  db.Exec("BEGIN");
  sql::Statement task = db.Prepare(
      "INSERT INTO task(day, time, task_type, family, key, mode, tempo, max_distance, attempt, ended, replays, "
      "search_presses, chord_type, chord_root, language) VALUES(?1, ?2, ?3, ?4, ?5, ?6, ?7, ?8, ?9, 0, ?10, NULL, "
      "?11, ?12, 0)");
  sql::Statement confusion =
      db.Prepare("INSERT INTO confusion(task_id, day, played_type, answered_type) VALUES(?1, ?2, ?3, ?4)");
  for (int i = 0; i < kRows; ++i) {
    const progress::TaskRecord r = RandomRecord(random, 730);
    task.Reset();
    task.Bind(1, r.day);
    task.Bind(2, r.time);
    const int64_t values[] = {r.taskType, static_cast<int64_t>(r.family), r.key, r.mode, r.tempo,
                              r.maxDistance, r.attempt, r.replays, r.chordType, r.chordRoot};
    for (int v = 0; v < 10; ++v) task.Bind(v + 3, values[v]);
    task.Step();
    for (int32_t wrong : r.wrongTypes) {
      confusion.Reset();
      confusion.Bind(1, db.LastInsertRowId());
      confusion.Bind(2, r.day);
      confusion.Bind(3, r.chordType);
      confusion.Bind(4, wrong);
      confusion.Step();
    }
  }
  task = {};
  confusion = {};
  db.Exec("COMMIT");
  db.Exec("ANALYZE");
}

}  // namespace

int main(int argc, char** argv) {
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  QApplication app(argc, argv);
  std::string folder = (std::filesystem::temp_directory_path() / "aurelo-bench-XXXXXX").string();
  if (!mkdtemp(folder.data())) return 1;
  const std::string path = folder + "/AureloProgress.sqlite";
  {
    progress::ProgressDatabase db(path);
    std::mt19937 random(1);
    std::vector<double> writes;
    for (int i = 0; i < kWrites; ++i) {
      const progress::TaskRecord record = RandomRecord(random, 30);
      const auto start = Clock::now();
      db.WriteRecord(record);
      writes.push_back(MsSince(start));
    }
    PrintFigures("write one task (own transaction, WAL, synchronous=NORMAL)", writes);
    db.Clear();
  }
  {
    const auto start = Clock::now();
    Fill(path);
    std::printf("filled %d rows in %.0f ms\n", kRows, MsSince(start));
  }
  progress::ProgressDatabase db(path);
  {
    std::vector<double> days, keys, confusions;
    for (int run = 0; run < kWindowRuns; ++run) {
      auto start = Clock::now();
      db.TasksPerDay({});
      days.push_back(MsSince(start));
      start = Clock::now();
      db.ByKeyAndMode({});
      keys.push_back(MsSince(start));
      start = Clock::now();
      db.Confusions({}, progress::ProgressWindow::kMostConfusions);
      confusions.push_back(MsSince(start));
    }
    PrintFigures("query: tasks per day, all time", days);
    PrintFigures("query: by key and mode, all time", keys);
    PrintFigures("query: confused chords, all time", confusions);
  }
  // Opening: the window as the menu command shows it (last 7 days, all families), drawn into an
  // image; then all time, the most rows there are; then one family over a year.
  std::vector<double> opening;
  std::vector<double> allTime;
  std::vector<double> family;
  const auto draw = [](progress::ProgressWindow& window) {
    QImage image(window.size(), QImage::Format_ARGB32_Premultiplied);
    QPainter painter(&image);
    window.render(&painter);
  };
  for (int run = 0; run < kWindowRuns; ++run) {
    auto start = Clock::now();
    progress::ProgressWindow window(db, [](int32_t type) { return "T" + std::to_string(type); });
    window.resize(760, 520);
    draw(window);
    opening.push_back(MsSince(start));
    start = Clock::now();
    window.SetPeriod(3);
    draw(window);
    allTime.push_back(MsSince(start));
    start = Clock::now();
    window.SetFamily(static_cast<int>(progress::Family::kChordRecognition));
    window.SetPeriod(2);
    draw(window);
    family.push_back(MsSince(start));
  }
  PrintFigures("open the window (last 7 days) and draw it", opening);
  PrintFigures("switch to all time (100,000 rows) and draw it", allTime);
  PrintFigures("switch to chord recognition, last 365 days, and draw it", family);
  for (const progress::Filter& filter :
       {progress::Filter{-1, progress::DayBefore(29)},
        progress::Filter{static_cast<int32_t>(progress::Family::kChordRecognition), progress::DayBefore(364)}}) {
    for (const std::string& plan : db.QueryPlans(filter)) std::printf("\nEXPLAIN QUERY PLAN %s", plan.c_str());
  }
  std::error_code error;
  std::filesystem::remove_all(folder, error);
  return 0;
}
