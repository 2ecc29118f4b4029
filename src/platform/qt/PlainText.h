#pragma once
// Names from files, devices and other programs (a port called "<img src=...>", a melody file
// "<b>x</b>.mid") are shown as they are, never read as markup: every label and message box
// of the program takes its text as plain text. (Buttons, lists, edit boxes and window titles
// show plain text anyway.)
#include <QLabel>
#include <QString>

// Makes a label or message box show its text as plain text.
template <typename Widget>
Widget* ShowAsPlainText(Widget* widget) {
  widget->setTextFormat(Qt::PlainText);
  return widget;
}

// A new label that shows its text as plain text.
inline QLabel* NewPlainLabel(const QString& text, QWidget* parent) { return ShowAsPlainText(new QLabel(text, parent)); }

// A tooltip that shows the text as it is. Qt takes a tooltip that looks like markup for rich
// text; this one is rich text on purpose, the text escaped in a paragraph that keeps its spaces
// and line breaks.
inline QString PlainToolTip(const QString& text) {
  return text.isEmpty() ? text : "<p style='white-space:pre'>" + text.toHtmlEscaped() + "</p>";
}
