#pragma once
#include <QString>
#include <QStringList>
#include <QTableWidget>
#include <vector>

namespace progress {

// A table of the progress window that always fits its width, in every language: the columns of
// numbers take what their numbers need (their headings as much as a share of the width allows),
// the named columns share the rest. A text too long for its column, a cell's or a heading's, is
// cut with "..."; every cell and heading shows its whole text, literally, as its tooltip. (The
// header does not cut its texts itself: it clips them, and a cut word looks whole.)
class ProgressTable : public QTableWidget {
 public:
  ProgressTable(std::vector<int> namedColumns, QWidget* parent);

  void SetHeadings(const QStringList& headings);
  // A named column's text stands left, a number right.
  void SetCell(int row, int column, const QString& text);
  // Shares the width out again, for the texts now shown.
  void FitColumns();

 protected:
  bool viewportEvent(QEvent* event) override;

 private:
  bool IsNamed(int column) const;
  // The heading's text as wide as its column allows.
  void CutHeading(int column);
  // The space a heading's text leaves in its column.
  int HeadingMargins() const;

  std::vector<int> named_;
  QStringList headings_;
};

}  // namespace progress
