#pragma once
#include <QWidget>
#include <string>
#include <vector>

// The texts of a laid-out window that do not fit their controls: labels (also the wrapped texts
// of multi-line check boxes and buttons) inside their contents rectangle, wrapped where they
// wrap; button and check box captions on one line; group box titles. Hidden controls count
// neither. One line per cut text, saying what it needs and what it has.
std::vector<std::string> CutTexts(const QWidget& window);
