#pragma once
#include <cstddef>
#include <optional>
#include <vector>

// Gives the indices 0..count-1 in random order, each once, then again in a new order; the first
// of a new order is never the last of the one before (when count is above 1).
class Deck {
 public:
  explicit Deck(size_t count) : count_(count) {}
  // count must be above 0.
  size_t Next();

 private:
  size_t count_;
  std::vector<size_t> left_;
  std::optional<size_t> last_;
};
