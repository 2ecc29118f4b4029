#include "progress/ProgressTable.h"

#include <QEvent>
#include <QHeaderView>
#include <algorithm>
#include <utility>

#include "platform/qt/PlainText.h"

namespace progress {

ProgressTable::ProgressTable(std::vector<int> namedColumns, QWidget* parent)
    : QTableWidget(parent), named_(std::move(namedColumns)) {
  setEditTriggers(QAbstractItemView::NoEditTriggers);
  setSelectionMode(QAbstractItemView::NoSelection);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setTextElideMode(Qt::ElideRight);
  verticalHeader()->setVisible(false);
  verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 4);
  QHeaderView& header = *horizontalHeader();
  header.setStretchLastSection(false);
  header.setTextElideMode(Qt::ElideRight);
  // A heading too long for its column keeps its start.
  header.setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
}

bool ProgressTable::IsNamed(int column) const { return std::find(named_.begin(), named_.end(), column) != named_.end(); }

void ProgressTable::SetHeadings(const QStringList& headings) {
  setColumnCount(static_cast<int>(headings.size()));
  setHorizontalHeaderLabels(headings);
  for (int column = 0; column < columnCount(); ++column) {
    horizontalHeaderItem(column)->setToolTip(PlainToolTip(headings[column]));
    horizontalHeader()->setSectionResizeMode(column, IsNamed(column) ? QHeaderView::Stretch : QHeaderView::Fixed);
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
  const int columns = columnCount();
  if (columns == 0) return;
  const auto named = static_cast<int>(std::count_if(named_.begin(), named_.end(), [columns](int c) { return c < columns; }));
  // A named column weighs two number columns; a number column's heading gets at most its share.
  const int share = viewport()->width() / (columns + named);
  const QHeaderView& header = *horizontalHeader();
  for (int column = 0; column < columns; ++column) {
    if (IsNamed(column)) continue;
    const int numbers = sizeHintForColumn(column);
    horizontalHeader()->resizeSection(column, std::max(numbers, std::min(header.sectionSizeHint(column), share)));
  }
}

bool ProgressTable::viewportEvent(QEvent* event) {
  const bool handled = QTableWidget::viewportEvent(event);
  // The width changes with the window and as the vertical scroll bar comes and goes.
  if (event->type() == QEvent::Resize) FitColumns();
  return handled;
}

}  // namespace progress
