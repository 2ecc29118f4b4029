#pragma once
#include <QDialog>

#include "progress/ProgressCsv.h"
#include "progress/ProgressDatabase.h"

class QChart;
class QChartView;
class QComboBox;
class QDateTimeAxis;
class QLabel;
class QLineSeries;
class QPushButton;
class QValueAxis;

namespace progress {

class ProgressTable;

// The progress window: for one task family or all, over the last 7, 30 or 365 days or all
// time, the tasks per day and the share solved at the first attempt per day as a chart, a
// table by key and mode and, for chord recognition, the chord types most often confused.
// The rows can be exported as CSV and the history cleared.
class ProgressWindow : public QDialog {
  Q_OBJECT

 public:
  // Periods in the order of the period list; 0: all time.
  static constexpr int kPeriodDays[] = {7, 30, 365, 0};
  static constexpr int kMostConfusions = 10;

  ProgressWindow(ProgressDatabase& database, TaskTitles taskTitles, QWidget* parent = nullptr);

  // List index of the family (0: all) and of the period.
  void SetFamily(int index);
  void SetPeriod(int index);
  // List index of the answer input (0: any; n: progress::AnswerInput n - 1).
  void SetInput(int index);
  // Reads the history again and shows it.
  void Refresh();
  // Asks for a file and writes the rows shown as CSV.
  void ExportCsv();
  // Asks, then deletes the whole history.
  void ClearHistory();

  QChart* Chart() const { return chart_; }
  QLineSeries* TasksSeries() const { return tasksSeries_; }
  QLineSeries* FirstShareSeries() const { return firstSeries_; }
  ProgressTable* KeyModeTable() const { return keyModeTable_; }
  ProgressTable* ConfusionTable() const { return confusionTable_; }
  QLabel* Summary() const { return summary_; }

 private:
  void BuildLayout();
  void BuildChart();
  void ApplyTexts();
  // The rows of the chosen family and period.
  Filter CurrentFilter() const;
  void ShowDays();
  void ShowKeyModes();
  void ShowConfusions();

  ProgressDatabase& database_;
  TaskTitles taskTitles_;
  QComboBox* familyList_ = nullptr;
  QComboBox* periodList_ = nullptr;
  QComboBox* inputList_ = nullptr;
  QLabel* inputLabel_ = nullptr;
  QLabel* familyLabel_ = nullptr;
  QLabel* periodLabel_ = nullptr;
  QPushButton* exportButton_ = nullptr;
  QPushButton* clearButton_ = nullptr;
  QPushButton* closeButton_ = nullptr;
  QLabel* summary_ = nullptr;
  QChartView* chartView_ = nullptr;
  QChart* chart_ = nullptr;
  QLineSeries* tasksSeries_ = nullptr;
  QLineSeries* firstSeries_ = nullptr;
  QDateTimeAxis* dayAxis_ = nullptr;
  QValueAxis* tasksAxis_ = nullptr;
  QValueAxis* shareAxis_ = nullptr;
  ProgressTable* keyModeTable_ = nullptr;
  ProgressTable* confusionTable_ = nullptr;
};

// Opens the window over the parent and returns when it is closed.
void ShowProgressWindow(ProgressDatabase& database, TaskTitles taskTitles, QWidget* parent);

}  // namespace progress
