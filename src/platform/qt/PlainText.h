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

// A tooltip that shows the text as it is, line breaks kept: a tooltip takes anything that looks
// like markup as markup, so the text goes in escaped, inside markup of its own.
inline QString PlainToolTip(const QString& text) {
  if (text.isEmpty()) return {};
  return "<p style='white-space:pre-wrap'>" + text.toHtmlEscaped() + "</p>";
}
