// Writes the view of melody and tone search tasks after a solved task into /tmp/melody-*.png
// for looking at them. Run with --gtest_also_run_disabled_tests --gtest_filter='*RenderMelody*'.
#include <string>
#include <vector>

#include "tasks/melody/MelodyTestSupport.h"

namespace {

using namespace melody_test;

class RenderMelody : public MelodyApp {};

TEST_F(RenderMelody, DISABLED_WritesPictures) {
  for (int type : {3, 8, 0, 5}) {
    Open(type);
    View().UpdateWindow();
    std::srand(5);
    Command(cmd::kListenNew);
    const std::vector<int> melody = KeysOf(Heard());
    if (type == 0 || type == 5) {
      Click((melody[0] + 3) % Piano().KeyCount());
      Click(melody[0]);
      Command(cmd::kEnter);
    } else {
      Click((melody[0] + 1) % Piano().KeyCount());
      for (int key : melody) Click(key);
    }
    const std::string name = "/tmp/melody-" + std::to_string(type) + ".png";
    EXPECT_TRUE(View().BackBuffer().save(QString::fromStdString(name)));
    View().Invalidate();
    View().UpdateWindow();
    EXPECT_TRUE(View().grab().save(QString::fromStdString("/tmp/melody-" + std::to_string(type) + "-repainted.png")));
  }
}

}  // namespace
