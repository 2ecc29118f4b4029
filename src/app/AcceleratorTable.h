#pragma once
#include <QKeyCombination>
#include <vector>

// One accelerator: the keys and the command they send to the frame.
struct Accelerator {
  QKeyCombination keys;
  int command;
};

// The accelerator table, in its order; the frame makes one shortcut per row.
const std::vector<Accelerator>& Accelerators();
