// Full repaint of the 37-key view at 1920 x 1080 logical pixels, at device pixel ratio 1 and
// 2: the window colour, the task's drawing and its messages into the back buffer, then the
// copy of the buffer to the window (offscreen). Each ratio runs in a child process of its own,
// as Qt takes the scale factor once, at start.
#include <stdlib.h>
#include <unistd.h>

#include <QApplication>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "app/CChildView.h"
#include "app/CMainFrame.h"

namespace {

using Clock = std::chrono::steady_clock;
constexpr int kRepaints = 300;
constexpr int kMelody37Type = 6;

int Measure(int argc, char** argv) {
  // A working folder of its own, with the shipped language files.
  namespace fs = std::filesystem;
  const fs::path dir = fs::temp_directory_path() / ("aurelo-bench-view-" + std::to_string(getpid()));
  fs::create_directories(dir);
  fs::create_directory_symlink(fs::path(AURELO_SOURCE_DIR) / "lang_files", dir / "lang_files");
  fs::current_path(dir);
  int result = 0;
  {
    QApplication app(argc, argv);
    CMainFrame frame;
    frame.Create();
    CChildView& view = frame.View();
    view.CreateTask(kMelody37Type);
    view.setFixedSize(1920, 1080);
    frame.show();
    QApplication::processEvents();
    view.UpdateWindow();
    std::vector<double> ms;
    for (int i = 0; i < kRepaints; ++i) {
      const auto start = Clock::now();
      view.Invalidate();
      view.repaint();
      ms.push_back(std::chrono::duration<double, std::milli>(Clock::now() - start).count());
    }
    std::sort(ms.begin(), ms.end());
    std::printf("full repaint, 37 keys, %dx%d logical, ratio %.2f (buffer %dx%d): n=%d  median %.3f ms  p99 %.3f"
                "  worst %.3f ms\n",
                view.width(), view.height(), view.devicePixelRatioF(), view.BackBuffer().width(),
                view.BackBuffer().height(), kRepaints, ms[ms.size() / 2], ms[ms.size() * 99 / 100], ms.back());
    if (view.width() != 1920 || view.height() != 1080) result = 1;
  }
  fs::current_path(fs::temp_directory_path());
  fs::remove_all(dir);
  return result;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc > 1 && std::string(argv[1]) == "--measure") return Measure(argc, argv);
  int result = 0;
  for (const char* ratio : {"1", "2"}) {
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    setenv("QT_SCALE_FACTOR", ratio, 1);
    const std::string command = std::string("'") + argv[0] + "' --measure";
    if (std::system(command.c_str()) != 0) result = 1;
  }
  return result;
}
