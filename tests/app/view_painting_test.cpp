#include <QCoreApplication>
#include <QFont>
#include <QMouseEvent>
#include <QPushButton>
#include <cmath>
#include <cstdio>

#include "app/CChildView.h"
#include "app/TaskTable.h"
#include "platform/qt/ImageDc.h"
#include "platform/qt/QtConvert.h"
#include "support/AppFixture.h"

namespace {

class ViewPainting : public AppFixture {
 protected:
  void SetUp() override {
    spyTypes = {0};
    StartProgram();
    View().resize(400, 300);
    View().UpdateWindow();
    calls.clear();
  }
};

TEST_F(ViewPainting, DeviceContextOutsidePaintingDrawsAtOnceAndLeavesPendingWorkPending) {
  View().InvalidateRect({0, 0, 10, 10});
  {
    std::unique_ptr<Dc> dc = View().GetDC();
    dc->FillRect({100, 100, 120, 110}, {255, 0, 0});
  }
  EXPECT_EQ(View().BackBuffer().pixel(100, 100), qRgb(255, 0, 0));
  EXPECT_EQ(View().BackBuffer().pixel(119, 109), qRgb(255, 0, 0));
  EXPECT_EQ(View().BackBuffer().pixel(120, 110), qRgb(255, 255, 255));
  EXPECT_TRUE(calls.empty()) << "releasing the context runs no task code";
  View().UpdateWindow();
  EXPECT_EQ(calls, (std::vector<std::string>{"Draw", "DrawMessages"}));
  // Only the dirty part was erased.
  EXPECT_EQ(View().BackBuffer().pixel(100, 100), qRgb(255, 0, 0));
}

TEST_F(ViewPainting, RegionsFillExactlyThePixelsTheyHitTest) {
  const Region key({{10, 10}, {30, 10}, {30, 60}, {20, 60}, {20, 40}, {10, 40}});
  {
    std::unique_ptr<Dc> dc = View().GetDC();
    dc->FillRgn(key, {0, 0, 0});
  }
  for (int y = 5; y < 65; ++y) {
    for (int x = 5; x < 35; ++x) {
      const bool black = View().BackBuffer().pixel(x, y) == qRgb(0, 0, 0);
      EXPECT_EQ(black, key.Contains({x, y})) << x << "," << y;
    }
  }
}

// Rectangles take a quicker way on whole-number scales; they must cover the same pixels as the
// same rectangle given as a polygon (a fifth corner on an edge keeps it on the general way).
TEST(RegionFill, RectanglesCoverThePixelsOfTheSamePolygon) {
  for (const qreal ratio : {1.0, 1.25, 1.5, 2.0, 3.0}) {
    QImage quick(90, 90, QImage::Format_RGB32), general(90, 90, QImage::Format_RGB32);
    for (QImage* image : {&quick, &general}) {
      image->setDevicePixelRatio(ratio);
      image->fill(Qt::white);
    }
    ImageDc(quick).FillRgn(Region({{3, 5}, {21, 5}, {21, 27}, {3, 27}}), {0, 0, 0});
    ImageDc(general).FillRgn(Region({{3, 5}, {12, 5}, {21, 5}, {21, 27}, {3, 27}}), {0, 0, 0});
    EXPECT_EQ(quick, general) << "ratio " << ratio;
  }
}

TEST_F(ViewPainting, WaitShowsTheBusyCursorAndAdvancesTheClock) {
  const uint32_t before = clock.NowMs();
  View().Task().WaitMs(600);
  EXPECT_EQ(clock.NowMs() - before, 600u);
  EXPECT_EQ(View().cursor().shape(), Qt::ArrowCursor);
  View().SetCursor(CursorKind::Hand);
  EXPECT_EQ(View().cursor().shape(), Qt::PointingHandCursor);
}

TEST(FontConversion, DescriptionsBecomePixelSizedFonts) {
  const QFont main = ToQFont(DefaultMainFontDesc());
  EXPECT_EQ(main.pixelSize(), 13);
  EXPECT_EQ(main.family(), "Arial");
  EXPECT_EQ(main.weight(), QFont::Normal);
  const QFont result = ToQFont(DefaultResultFontDesc());
  EXPECT_EQ(result.weight(), QFont::Bold);
  const FontDesc back = FromQFont(result);
  EXPECT_EQ(back.height, -13);
  EXPECT_EQ(back.weight, 700);
  EXPECT_EQ(back.Face(), "Verdana");
}

}  // namespace

namespace {

TEST_F(ViewPainting, TaskButtonsLiveInTheViewAndReachTheTask) {
  ViewHost& host = GetViewHost();
  host.CreateButton(107, "Open", {10, 200, 110, 230});
  auto* button = qobject_cast<QPushButton*>(View().ChildControl(107));
  ASSERT_NE(button, nullptr);
  EXPECT_EQ(button->geometry(), QRect(10, 200, 100, 30));
  EXPECT_EQ(host.ControlText(107), "Open");
  button->click();
  EXPECT_EQ(calls, (std::vector<std::string>{"OnTaskButton1"}));
  host.EnableControl(107, false);
  EXPECT_FALSE(host.IsControlEnabled(107));
  host.MoveControl(107, {0, 0, 50, 20});
  EXPECT_EQ(button->geometry(), QRect(0, 0, 50, 20));
  host.DestroyControl(107);
  EXPECT_EQ(View().ChildControl(107), nullptr);
}

}  // namespace

namespace {

// Run at every scale factor by ctest (QT_SCALE_FACTOR 1, 1.25, 1.5, 2): the buffer has the screen's
// pixels, and a click on any screen pixel reaches the task at the logical point whose shape
// covers that pixel.
TEST_F(ViewPainting, BufferHasTheScreenPixelsAndClicksHitWhatIsDrawnThere) {
  const qreal ratio = View().devicePixelRatioF();
  EXPECT_EQ(View().BackBuffer().devicePixelRatio(), ratio);
  EXPECT_EQ(View().BackBuffer().width(), static_cast<int>(std::ceil(400 * ratio)));
  EXPECT_EQ(View().BackBuffer().height(), static_cast<int>(std::ceil(300 * ratio)));
  // A white key's outline with the notch of its black neighbour.
  const Region key({{11, 10}, {23, 10}, {23, 33}, {31, 33}, {31, 47}, {11, 47}});
  {
    std::unique_ptr<Dc> dc = View().GetDC();
    dc->FillRgn(key, {0, 0, 0});
  }
  int mismatches = 0;
  for (int py = static_cast<int>(5 * ratio); py < 52 * ratio; ++py) {
    for (int px = static_cast<int>(5 * ratio); px < 38 * ratio; ++px) {
      calls.clear();
      const QPointF at(px / ratio, py / ratio);
      QMouseEvent press(QEvent::MouseButtonPress, at, View().mapToGlobal(at), Qt::LeftButton, Qt::LeftButton,
                        Qt::NoModifier);
      QCoreApplication::sendEvent(&View(), &press);
      ASSERT_FALSE(calls.empty());
      int x = 0, y = 0;
      ASSERT_EQ(std::sscanf(calls.front().c_str(), "OnLButtonDown(%d,%d)", &x, &y), 2);
      const bool black = View().BackBuffer().pixel(px, py) == qRgb(0, 0, 0);
      if (black != key.Contains({x, y})) ++mismatches;
    }
  }
  EXPECT_EQ(mismatches, 0) << "ratio " << ratio;
}

// Also run at every scale: a piano task paints every pixel of the view, erased background or not.
TEST_F(ViewPainting, APianoTaskCoversWhateverTheBufferHeldBefore) {
  SetTaskMaker({});  // the real tasks
  View().CreateTask(6);
  View().resize(722, 450);
  View().Invalidate();
  View().UpdateWindow();
  const QImage erased = View().BackBuffer().copy();
  {
    std::unique_ptr<Dc> dc = View().GetDC();
    dc->FillRect(View().ClientRect(), {255, 0, 255});
  }
  View().Invalidate();
  View().UpdateWindow();
  const QImage& now = View().BackBuffer();
  EXPECT_EQ(now, erased) << "ratio " << View().devicePixelRatioF();
}

}  // namespace
