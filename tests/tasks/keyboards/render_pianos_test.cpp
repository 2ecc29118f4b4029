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
    // Marks as tasks and the flash draw them: green, red, pressed white and black keys.
    QImage marked = PaintPiano(three, w, h);
    {
      QPainter painter(&marked);
      Dc dc(painter);
      three.MarkKey(dc, 2, three.greenBrush);
      three.MarkKey(dc, 3, three.redBrush);
      three.MarkKey(dc, 4, three.lightGreyBrush);
      three.MarkKey(dc, 6, three.darkGreyBrush);
      three.MarkKey(dc, 36, three.greenBrush);
    }
    EXPECT_TRUE(marked.save(QString::fromStdString("/tmp/keys-37-marked-" + size + ".png")));
  }
}
