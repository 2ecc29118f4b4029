#pragma once
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <vector>

// Summary of deviations in milliseconds: median, 99th percentile and worst of their sizes.
inline void PrintDeviations(const char* what, std::vector<double> ms) {
  if (ms.empty()) {
    std::printf("%s: no samples\n", what);
    return;
  }
  std::vector<double> size(ms.size());
  std::transform(ms.begin(), ms.end(), size.begin(), [](double v) { return std::fabs(v); });
  std::sort(size.begin(), size.end());
  std::sort(ms.begin(), ms.end());
  const auto at = [&](double q) { return size[std::min(size.size() - 1, static_cast<size_t>(q * size.size()))]; };
  std::printf("%s: n=%zu  median %.3f ms  |dev| median %.3f  p99 %.3f  worst %.3f ms\n", what, ms.size(),
              ms[ms.size() / 2], at(0.5), at(0.99), size.back());
}
