#include "tasks/common/Deck.h"

#include <cstdlib>

size_t Deck::Next() {
  const bool newOrder = left_.empty();
  if (newOrder) {
    for (size_t i = 0; i < count_; ++i) left_.push_back(i);
  }
  size_t pick = static_cast<size_t>(std::rand()) % left_.size();
  if (newOrder && left_.size() > 1 && left_[pick] == last_) pick = (pick + 1) % left_.size();
  const size_t index = left_[pick];
  left_.erase(left_.begin() + static_cast<std::ptrdiff_t>(pick));
  last_ = index;
  return index;
}
