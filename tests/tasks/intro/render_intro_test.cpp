// Writes the views of the entrance-exam tasks, the teacher-melody task and the keyboard range
// measurement into /tmp/intro-*.png for looking at them. Run with
// --gtest_also_run_disabled_tests --gtest_filter='*RenderIntro*'.
#include <string>

#include "tasks/melody/MelodyTestSupport.h"

namespace {

using namespace melody_test;

class RenderIntro : public MelodyApp {};

TEST_F(RenderIntro, DISABLED_WritesPictures) {
  for (int type : {11, 13, 15, 10, 29}) {
    // The range measurement has no menu command.
    if (type == 29) {
      View().CreateTask(type);
    } else {
      Open(type);
    }
    View().UpdateWindow();
    const std::string name = "/tmp/intro-" + std::to_string(type);
    EXPECT_TRUE(View().grab().save(QString::fromStdString(name + "-start.png")));
    std::srand(5);
    Command(cmd::kListenNew);
    if (type >= 12 && type <= 15) {
      Frame().OnCommand(113);
      EXPECT_TRUE(View().BackBuffer().save(QString::fromStdString(name + "-answered.png")));
      Command(cmd::kListenNew);
    }
    View().UpdateWindow();
    EXPECT_TRUE(View().grab().save(QString::fromStdString(name + "-task.png")));
  }
}

}  // namespace
