#pragma once
#include <cstddef>

#include "log/ResultsLog.h"
#include "tasks/base/CAbstractT.h"

// The statistics of the task in progress, in the log only while this object lives: the task
// writes its block on construction and the same lines are taken out again on destruction.
// Lines appended after the block stay and move up in their place.
class TransientStatistics {
 public:
  explicit TransientStatistics(CAbstractT& task) : first_(resultsLog.size()) {
    task.WriteStatistics();
    count_ = resultsLog.size() - first_;
  }
  ~TransientStatistics() { RemoveLogLines(first_, count_); }
  TransientStatistics(const TransientStatistics&) = delete;
  TransientStatistics& operator=(const TransientStatistics&) = delete;

 private:
  size_t first_;
  size_t count_ = 0;
};
