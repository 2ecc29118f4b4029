// Accuracy of the playback timer against ideal tick times, and the processor time that the
// task's beat wait costs. "bench_timer_accuracy quick" runs 50 ticks of 500 ms instead of 200.
#include <sys/resource.h>

#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <thread>
#include <vector>

#include "BenchStats.h"
#include "platform/Clock.h"
#include "sound/TimerService.h"

namespace {

using Clock = std::chrono::steady_clock;

struct Run {
  std::vector<Clock::time_point> ticks;
  std::atomic<size_t> count{0};
};

void Record(void* user) {
  auto* run = static_cast<Run*>(user);
  const size_t n = run->count.load();
  if (n < run->ticks.size()) run->ticks[n] = Clock::now();
  run->count.store(n + 1);
}

void MeasureTimer(uint32_t periodMs, size_t ticks) {
  Run run;
  run.ticks.resize(ticks);
  const Clock::time_point start = Clock::now();
  const uint32_t id = GetTimerService().SetEvent(periodMs, &Record, &run);
  while (run.count.load() < ticks) std::this_thread::sleep_for(std::chrono::milliseconds(periodMs));
  GetTimerService().KillEvent(id);
  std::vector<double> dev;
  for (size_t k = 0; k < ticks; ++k) {
    const auto ideal = start + std::chrono::milliseconds(periodMs * (k + 1));
    dev.push_back(std::chrono::duration<double, std::milli>(run.ticks[k] - ideal).count());
  }
  char what[64];
  std::snprintf(what, sizeof what, "timer %u ms x %zu ticks", periodMs, ticks);
  PrintDeviations(what, dev);
  std::printf("  drift after the last tick: %+.3f ms\n", dev.back());
}

double ThreadCpuMs() {
  rusage usage{};
  getrusage(RUSAGE_THREAD, &usage);
  return (usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) * 1e3 + (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e3;
}

void MeasureBeatWait(uint32_t beatMs) {
  const double cpu0 = ThreadCpuMs();
  const auto t0 = Clock::now();
  CurrentClock().WaitMs(beatMs);
  const double wall = std::chrono::duration<double, std::milli>(Clock::now() - t0).count();
  const double cpu = ThreadCpuMs() - cpu0;
  std::printf("WaitMs(%u): %.3f ms of wall time, %.3f ms of processor time (%.4f%%)\n", beatMs, wall, cpu,
              100.0 * cpu / wall);
}

}  // namespace

int main(int argc, char** argv) {
  const bool quick = argc > 1 && std::strcmp(argv[1], "quick") == 0;
  MeasureBeatWait(500);
  MeasureBeatWait(288);
  MeasureTimer(24, 400);
  MeasureTimer(500, quick ? 50 : 200);
  return 0;
}
