#include "progress/ProgressTable.h"

#include <QEvent>
#include <QHeaderView>
#include <QStyle>
#include <algorithm>
#include <utility>

#include "platform/qt/PlainText.h"

namespace progress {

ProgressTable::ProgressTable(std::vector<int> namedColumns, QWidget* parent)
    : QTableWidget(parent), named_(std::move(namedColumns)) {
  setEditTriggers(QAbstractItemView::NoEditTriggers);
  setSelectionMode(QAbstractItemView::NoSelection);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  verticalHeader()->setVisible(false);
  verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 4);
  // A heading cut short keeps its start.
  horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
}

bool ProgressTable::IsNamed(int column) const { return std::find(named_.begin(), named_.end(), column) != named_.end(); }

int ProgressTable::HeadingMargins() const {
  return 2 * style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, horizontalHeader());
}

void ProgressTable::CutHeading(int column) {
  QTableWidgetItem* item = horizontalHeaderItem(column);
  if (item == nullptr || column >= headings_.size()) return;
  const QHeaderView& header = *horizontalHeader();
  item->setText(header.fontMetrics().elidedText(headings_[column], Qt::ElideRight,
                                                header.sectionSize(column) - HeadingMargins()));
}

void ProgressTable::SetHeadings(const QStringList& headings) {
  headings_ = headings;
  setColumnCount(static_cast<int>(headings.size()));
  setHorizontalHeaderLabels(headings);
  for (int column = 0; column < columnCount(); ++column) {
    horizontalHeaderItem(column)->setToolTip(PlainToolTip(headings[column]));
    horizontalHeader()->setSectionResizeMode(column, QHeaderView::Fixed);
  }
  FitColumns();
}

void ProgressTable::SetCell(int row, int column, const QString& text) {
  auto* item = new QTableWidgetItem(text);
  item->setToolTip(PlainToolTip(text));
  if (!IsNamed(column)) item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
  setItem(row, column, item);
}

void ProgressTable::FitColumns() {
  const int columns = std::min(columnCount(), static_cast<int>(headings_.size()));
  const auto named = static_cast<int>(std::count_if(named_.begin(), named_.end(), [columns](int c) { return c < columns; }));
  const int width = viewport()->width();
  // A named column weighs two number columns; a number column's heading gets at most its share.
  const int share = width / std::max(1, columns + named);
  QHeaderView& header = *horizontalHeader();
  int rest = width;
  for (int column = 0; column < columns; ++column) {
    if (IsNamed(column)) continue;
    const int numbers = sizeHintForColumn(column);
    // One pixel more than the text: a text exactly as wide as the room is cut.
    const int heading = header.fontMetrics().horizontalAdvance(headings_[column]) + HeadingMargins() + 1;
    header.resizeSection(column, std::max(numbers, std::min(heading, share)));
    rest -= header.sectionSize(column);
  }
  // The named columns share the rest alike; the last of them takes what the division leaves.
  int namedLeft = named;
  for (int column = 0; column < columns; ++column) {
    if (!IsNamed(column)) continue;
    const int size = std::max(0, rest) / namedLeft;
    header.resizeSection(column, size);
    rest -= size;
    --namedLeft;
  }
  for (int column = 0; column < columns; ++column) CutHeading(column);
}

bool ProgressTable::viewportEvent(QEvent* event) {
  const bool handled = QTableWidget::viewportEvent(event);
  // The width changes with the window and as the vertical scroll bar comes and goes.
  if (event->type() == QEvent::Resize) FitColumns();
  return handled;
}

}  // namespace progress
