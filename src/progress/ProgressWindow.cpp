#include "progress/ProgressWindow.h"

#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QDateTime>
#include <QDateTimeAxis>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineSeries>
#include <QPushButton>
#include <QTableWidget>
#include <QValueAxis>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>
#include <utility>
#include <vector>

#include "dialogs/SaveUserFile.h"
#include "log/ReportFile.h"
#include "platform/Dialog.h"
#include "platform/UiHost.h"
#include "platform/qt/PlainText.h"
#include "platform/qt/QtConvert.h"
#include "progress/ProgressCsv.h"
#include "progress/ProgressNames.h"
#include "progress/ProgressTable.h"
#include "text/LanguageTable.h"
#include "text/StrFormat.h"
#include "text/TextIds.h"

namespace progress {

namespace {

constexpr int kMinWidth = 700;
constexpr int kMinHeight = 430;

QString Text(int id) { return ToQString(T(id)); }

int Percent(int part, int whole) { return whole > 0 ? static_cast<int>(std::lround(100.0 * part / whole)) : 0; }

qint64 DayMs(const std::string& day) {
  return QDateTime(QDate::fromString(ToQString(day), Qt::ISODate), QTime(12, 0)).toMSecsSinceEpoch();
}

}  // namespace

ProgressWindow::ProgressWindow(ProgressDatabase& database, TaskTitles taskTitles, QWidget* parent)
    : QDialog(parent), database_(database), taskTitles_(std::move(taskTitles)) {
  BuildLayout();
  ApplyTexts();
  Refresh();
}

void ProgressWindow::BuildLayout() {
  setMinimumSize(kMinWidth, kMinHeight);
  resize(760, 520);
  familyLabel_ = NewPlainLabel(QString(), this);
  familyList_ = new QComboBox(this);
  periodLabel_ = NewPlainLabel(QString(), this);
  periodList_ = new QComboBox(this);
  inputLabel_ = NewPlainLabel(QString(), this);
  inputList_ = new QComboBox(this);
  exportButton_ = new QPushButton(this);
  clearButton_ = new QPushButton(this);
  closeButton_ = new QPushButton(this);
  summary_ = NewPlainLabel(QString(), this);
  // Names share the width; numbers take what they need.
  keyModeTable_ = new ProgressTable({0}, this);
  confusionTable_ = new ProgressTable({0, 1}, this);
  BuildChart();

  // Lists and summary above the chart, the tables below it, the buttons at the bottom.
  auto* lists = new QHBoxLayout;
  lists->addWidget(familyLabel_);
  lists->addWidget(familyList_);
  lists->addSpacing(12);
  lists->addWidget(periodLabel_);
  lists->addWidget(periodList_);
  lists->addStretch(1);
  auto* tables = new QHBoxLayout;
  tables->addWidget(keyModeTable_, 1);
  tables->addWidget(confusionTable_, 1);
  auto* bottom = new QHBoxLayout;
  bottom->addWidget(inputLabel_);
  bottom->addWidget(inputList_);
  bottom->addStretch(1);
  bottom->addWidget(exportButton_);
  bottom->addWidget(clearButton_);
  bottom->addWidget(closeButton_);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(6, 6, 6, 6);
  layout->addLayout(lists);
  layout->addWidget(summary_);
  layout->addWidget(chartView_, 3);
  layout->addLayout(tables, 2);
  layout->addLayout(bottom);

  connect(familyList_, &QComboBox::currentIndexChanged, this, [this] { Refresh(); });
  connect(periodList_, &QComboBox::currentIndexChanged, this, [this] { Refresh(); });
  connect(inputList_, &QComboBox::currentIndexChanged, this, [this] { Refresh(); });
  connect(exportButton_, &QPushButton::clicked, this, [this] { ExportCsv(); });
  connect(clearButton_, &QPushButton::clicked, this, [this] { ClearHistory(); });
  connect(closeButton_, &QPushButton::clicked, this, &QDialog::accept);
}

void ProgressWindow::BuildChart() {
  chart_ = new QChart;
  chart_->setMargins(QMargins(2, 2, 2, 2));
  chart_->legend()->setAlignment(Qt::AlignTop);
  tasksSeries_ = new QLineSeries(chart_);
  tasksSeries_->setPointsVisible(true);
  firstSeries_ = new QLineSeries(chart_);
  firstSeries_->setPointsVisible(true);
  chart_->addSeries(tasksSeries_);
  chart_->addSeries(firstSeries_);
  dayAxis_ = new QDateTimeAxis(chart_);
  dayAxis_->setFormat("dd.MM");
  tasksAxis_ = new QValueAxis(chart_);
  tasksAxis_->setLabelFormat("%d");
  shareAxis_ = new QValueAxis(chart_);
  shareAxis_->setRange(0, 100);
  shareAxis_->setLabelFormat("%d%%");
  chart_->addAxis(dayAxis_, Qt::AlignBottom);
  chart_->addAxis(tasksAxis_, Qt::AlignLeft);
  chart_->addAxis(shareAxis_, Qt::AlignRight);
  tasksSeries_->attachAxis(dayAxis_);
  tasksSeries_->attachAxis(tasksAxis_);
  firstSeries_->attachAxis(dayAxis_);
  firstSeries_->attachAxis(shareAxis_);
  chartView_ = new QChartView(chart_, this);
  chartView_->setRenderHint(QPainter::Antialiasing);
  chartView_->setMinimumHeight(160);
}

void ProgressWindow::ApplyTexts() {
  setWindowTitle(Text(txt::kProgressCaption));
  familyLabel_->setText(Text(txt::kProgressFamilyLabel));
  periodLabel_->setText(Text(txt::kProgressPeriodLabel));
  const QSignalBlocker familyBlock(familyList_);
  const QSignalBlocker periodBlock(periodList_);
  const QSignalBlocker inputBlock(inputList_);
  inputLabel_->setText(Text(txt::kProgressInputLabel));
  inputList_->addItem(Text(txt::kProgressAnyInput));
  for (int32_t input = 0; input < kAnswerInputCount; ++input) {
    inputList_->addItem(ToQString(AnswerInputName(static_cast<AnswerInput>(input))));
  }
  familyList_->addItem(Text(txt::kProgressAllFamilies));
  for (int32_t family = 1; family < kFamilyCount; ++family) {
    familyList_->addItem(ToQString(FamilyName(static_cast<Family>(family))));
  }
  for (int id : {txt::kProgressLast7, txt::kProgressLast30, txt::kProgressLast365, txt::kProgressAllTime}) {
    periodList_->addItem(Text(id));
  }
  exportButton_->setText(Text(txt::kProgressExport));
  clearButton_->setText(Text(txt::kProgressClear));
  closeButton_->setText(Text(txt::kProgressClose));
  tasksSeries_->setName(Text(txt::kProgressTasksPerDay));
  firstSeries_->setName(Text(txt::kProgressFirstShare));
  keyModeTable_->SetHeadings({Text(txt::kProgressKey) + " / " + Text(txt::kProgressMode), Text(txt::kProgressTasks),
                              Text(txt::kProgressFirstPercent), Text(txt::kProgressSolvedPercent)});
  confusionTable_->SetHeadings(
      {Text(txt::kProgressChordPlayed), Text(txt::kProgressAnsweredAs), Text(txt::kProgressTimes)});
}

void ProgressWindow::SetFamily(int index) { familyList_->setCurrentIndex(index); }

void ProgressWindow::SetPeriod(int index) { periodList_->setCurrentIndex(index); }

void ProgressWindow::SetInput(int index) { inputList_->setCurrentIndex(index); }

Filter ProgressWindow::CurrentFilter() const {
  Filter filter;
  // List item 0 is all families; item n is family n.
  filter.family = familyList_->currentIndex() > 0 ? familyList_->currentIndex() : -1;
  const int period = std::clamp(periodList_->currentIndex(), 0, static_cast<int>(std::size(kPeriodDays)) - 1);
  const int days = kPeriodDays[period];
  if (days > 0) filter.fromDay = DayBefore(days - 1);
  filter.answeredBy = inputList_->currentIndex() - 1;
  return filter;
}

void ProgressWindow::Refresh() {
  ShowDays();
  ShowKeyModes();
  ShowConfusions();
}

void ProgressWindow::ShowDays() {
  const Filter filter = CurrentFilter();
  const std::vector<DayCount> days = database_.TasksPerDay(filter);
  QList<QPointF> tasks;
  QList<QPointF> first;
  int total = 0;
  int totalFirst = 0;
  int most = 0;
  for (const DayCount& day : days) {
    const auto x = static_cast<qreal>(DayMs(day.day));
    tasks.append({x, static_cast<qreal>(day.tasks)});
    first.append({x, static_cast<qreal>(Percent(day.solvedFirst, day.tasks))});
    total += day.tasks;
    totalFirst += day.solvedFirst;
    most = std::max(most, day.tasks);
  }
  tasksSeries_->replace(tasks);
  firstSeries_->replace(first);
  // The axis runs from noon of the first day to noon of today, so that ticks fall on the days'
  // points; for all time it begins with the first day there is.
  const QDate today = QDate::currentDate();
  QDate from = filter.fromDay.empty() ? today : QDate::fromString(ToQString(filter.fromDay), Qt::ISODate);
  if (filter.fromDay.empty() && !days.empty()) from = QDate::fromString(ToQString(days.front().day), Qt::ISODate);
  const int span = static_cast<int>(from.daysTo(today));
  // A single day stands in the middle, between the days before and after.
  dayAxis_->setRange(QDateTime(from.addDays(span == 0 ? -1 : 0), QTime(12, 0)),
                     QDateTime(today.addDays(span == 0 ? 1 : 0), QTime(12, 0)));
  int ticks = 7;
  for (int t = 8; t >= 5; --t) {
    if (span > 0 && span % (t - 1) == 0) {
      ticks = t;
      break;
    }
  }
  dayAxis_->setTickCount(span == 0 ? 3 : span < 8 ? span + 1 : ticks);
  dayAxis_->setFormat(span > 300 ? "MM.yyyy" : "dd.MM");
  // Four whole steps above the most tasks of a day, so that every label is a whole number.
  const int step = std::max(1, (most + 4) / 4);
  tasksAxis_->setRange(0, 4 * step);
  tasksAxis_->setTickCount(5);
  std::string summary = StrFormat("%s = %d      %s = %d", T(txt::kProgressSummary).c_str(), total,
                                  T(txt::kProgressFirstShare).c_str(), Percent(totalFirst, total));
  if (const std::optional<int32_t> cents = database_.MeanVoiceCents(filter)) {
    summary += StrFormat("      %s = %d", T(txt::kProgressMeanCents).c_str(), *cents);
  }
  summary_->setText(total == 0 ? Text(txt::kProgressEmpty) : ToQString(summary));
}

void ProgressWindow::ShowKeyModes() {
  const std::vector<KeyModeCount> rows = database_.ByKeyAndMode(CurrentFilter());
  keyModeTable_->setRowCount(static_cast<int>(rows.size()));
  int row = 0;
  for (const KeyModeCount& r : rows) {
    keyModeTable_->SetCell(row, 0, ToQString(KeyName(r.key) + " " + ModeName(r.mode)));
    keyModeTable_->SetCell(row, 1, QString::number(r.tasks));
    keyModeTable_->SetCell(row, 2, QString::number(Percent(r.solvedFirst, r.tasks)));
    keyModeTable_->SetCell(row, 3, QString::number(Percent(r.solved, r.tasks)));
    ++row;
  }
  keyModeTable_->FitColumns();
}

void ProgressWindow::ShowConfusions() {
  const Filter filter = CurrentFilter();
  const bool shown = filter.family < 0 || NamesItems(static_cast<Family>(filter.family));
  confusionTable_->setVisible(shown);
  if (!shown) return;
  const std::vector<Confusion> rows = database_.Confusions(filter, kMostConfusions);
  confusionTable_->setRowCount(static_cast<int>(rows.size()));
  int row = 0;
  for (const Confusion& r : rows) {
    confusionTable_->SetCell(row, 0, ToQString(ItemName(r.family, r.played)));
    confusionTable_->SetCell(row, 1, ToQString(ItemName(r.family, r.answered)));
    confusionTable_->SetCell(row, 2, QString::number(r.count));
    ++row;
  }
  confusionTable_->FitColumns();
}

void ProgressWindow::ExportCsv() {
  FileDialogRequest request;
  request.caption = T(txt::kProgressExport);
  request.filter = ReportFilter(T(txt::kProgressCsvFilter));
  request.defaultName = "progress_" + DayBefore(0);
  request.defaultExt = "csv";
  const std::optional<std::string> path = AskWhereToSave(SaveKind::kProgressCsv, request);
  if (!path) return;
  const std::string csv = ToCsv(database_.Rows(CurrentFilter()), taskTitles_);
  SaveUserFile(SaveKind::kProgressCsv, *path, std::vector<uint8_t>(csv.begin(), csv.end()));
}

void ProgressWindow::ClearHistory() {
  if (GetUiHost().MessageBox(T(txt::kProgressClearQuestion), T(txt::kProgressCaption), MB_YESNO | MB_ICONQUESTION) !=
      IDYES) {
    return;
  }
  database_.Clear();
  Refresh();
}

void ShowProgressWindow(ProgressDatabase& database, TaskTitles taskTitles, QWidget* parent) {
  ProgressWindow window(database, std::move(taskTitles), parent);
  window.exec();
}

}  // namespace progress
