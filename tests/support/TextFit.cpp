#include "support/TextFit.h"

#include <QCheckBox>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QStyle>

namespace {

// Where a text is cut: what it needs against what its control gives, as text for the report.
std::string Describe(const QString& text, const QRect& need, const QRect& have) {
  return "\"" + text.toStdString() + "\" needs " + std::to_string(need.width()) + "x" +
         std::to_string(need.height()) + " at " + std::to_string(need.x()) + "," + std::to_string(need.y()) +
         ", has " + std::to_string(have.width()) + "x" + std::to_string(have.height()) + " at " +
         std::to_string(have.x()) + "," + std::to_string(have.y());
}

}  // namespace

std::vector<std::string> CutTexts(const QWidget& window) {
  std::vector<std::string> cut;
  // Labels, also the wrapped texts of multi-line check boxes and buttons: drawn into their
  // contents rectangle with their alignment, wrapped where they wrap.
  for (const QLabel* label : window.findChildren<QLabel*>()) {
    if (label->text().isEmpty() || !label->isVisibleTo(&window)) continue;
    const QRect have = label->contentsRect();
    const int flags = static_cast<int>(label->alignment()) | (label->wordWrap() ? Qt::TextWordWrap : 0);
    const QRect need = QFontMetrics(label->font()).boundingRect(have, flags, label->text());
    if (!have.contains(need)) cut.push_back(Describe(label->text(), need, have));
  }
  for (const QAbstractButton* button : window.findChildren<QAbstractButton*>()) {
    if (button->text().isEmpty() || !button->isVisibleTo(&window)) continue;
    const QFontMetrics metrics(button->font());
    const QRect need(0, 0, metrics.horizontalAdvance(button->text()), metrics.height());
    QRect have = button->rect();
    if (qobject_cast<const QCheckBox*>(button)) {
      const QStyle* style = button->style();
      have.setLeft(style->pixelMetric(QStyle::PM_IndicatorWidth, nullptr, button) +
                   style->pixelMetric(QStyle::PM_CheckBoxLabelSpacing, nullptr, button));
    } else {
      const int margin = button->style()->pixelMetric(QStyle::PM_ButtonMargin, nullptr, button) / 2 +
                         button->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, button);
      have.adjust(margin, 0, -margin, 0);
    }
    if (need.width() > have.width() || need.height() > have.height()) {
      cut.push_back(Describe(button->text(), need, have));
    }
  }
  for (const QGroupBox* group : window.findChildren<QGroupBox*>()) {
    if (!group->isVisibleTo(&window)) continue;
    const QRect need(0, 0, QFontMetrics(group->font()).horizontalAdvance(group->title()), 0);
    const QRect have = group->contentsRect();
    if (need.width() > have.width()) cut.push_back(Describe(group->title(), need, have));
  }
  return cut;
}

