#include <gtest/gtest.h>

#include <string>

#include "tasks/base/CTest13Keys.h"
#include "tasks/base/CTest37Keys.h"
#include "tasks/keyboards/PianoTestSupport.h"

// Writes both pianos at two window sizes into /tmp/keys-*.png for looking at them.
// Run with --gtest_also_run_disabled_tests --gtest_filter='*RenderPianos*'.
TEST(RenderPianos, DISABLED_WritesPictures) {
  for (const auto& [w, h] : {std::pair{722, 280}, std::pair{1280, 700}}) {
    CTest37Keys three;
    CTest13Keys one;
    const std::string size = std::to_string(w) + "x" + std::to_string(h);
    EXPECT_TRUE(PaintPiano(three, w, h).save(QString::fromStdString("/tmp/keys-37-" + size + ".png")));
    EXPECT_TRUE(PaintPiano(one, w, h).save(QString::fromStdString("/tmp/keys-13-" + size + ".png")));
  }
}
