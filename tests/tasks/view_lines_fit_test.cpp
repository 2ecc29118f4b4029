// What every task, tool and sequencer draws when it starts and once a task has been given
// (legends, help lines, statistics, the messages of wrong answers), and the captions of the
// buttons it puts into the view, in each shipped language, stay inside the view of the smallest
// main window.
#include <QFontInfo>
#include <QFontMetrics>
#include <QMenuBar>
#include <QStatusBar>
#include <string>

#include "app/MenuTable.h"
#include "app/TaskTable.h"
#include "platform/qt/QtConvert.h"
#include "support/TextFit.h"
#include "tasks/melody/MelodyTestSupport.h"

namespace {

using namespace melody_test;

class ViewLines : public MelodyApp {};

TEST_F(ViewLines, FitTheSmallestWindowInEveryLanguage) {
  // The faces that draw the two first-start fonts on a fresh machine (fonts-liberation2,
  // fonts-dejavu-core), not look-alikes.
  ASSERT_EQ(QFontInfo(ToQFont(mainFontDesc)).family(), "Liberation Sans");
  ASSERT_EQ(QFontInfo(ToQFont(resultFontDesc)).family(), "DejaVu Sans");
  Open(0);
  Frame().resize(722, 450);
  Frame().show();
  QApplication::processEvents();
  const int width = View().width();
  const int height = View().height();
  // The smallest window is 722 x 450 with its frame; the view gets what the menu, control bar,
  // status bar and frame leave.
  ASSERT_LE(width, 722);
  ASSERT_GT(height, 250);
  auto expectTextsInside = [&](const std::vector<DrawnText>& texts, int language, int type) {
    for (const DrawnText& drawn : texts) {
      QString text = QString::fromStdString(drawn.text);
      while (!text.isEmpty() && text.back().isSpace()) text.chop(1);
      // Blanks that clear a line, and the player's rules of dashes, which run to the edge.
      if (text.isEmpty() || text.count(QChar(0x2014)) == text.size()) continue;
      const QFontMetrics metrics(drawn.font);
      const double right = drawn.at.x() + metrics.horizontalAdvance(text);
      const double bottom = drawn.at.y() + metrics.descent();
      EXPECT_TRUE(right <= width && bottom <= height)
          << CLanguageTable::kFileNames[language] << ", task type " << type << ": \"" << drawn.text
          << "\" ends at " << right << "," << bottom << " in " << width << "x" << height << " ("
          << QFontInfo(drawn.font).family().toStdString() << (drawn.font.bold() ? " bold" : "") << ")";
    }
  };
  auto expectInside = [&](int language, int type) {
    expectTextsInside(PaintedTexts(View().Task(), width, height), language, type);
    for (const std::string& cut : CutTexts(View())) {
      ADD_FAILURE() << CLanguageTable::kFileNames[language] << ", task type " << type << ", button: " << cut;
    }
  };
  for (int language = 0; language < 5; ++language) {
    Command(kLanguageCommands[language]);
    for (int type = 0; type < TaskTypeCount(); ++type) {
      View().CreateTask(type);
      expectInside(language, type);
      // The tasks that are answered on the piano, once a task has been given.
      if (type <= 15 || type == 22 || type == 23) {
        Heard();  // what earlier tasks sounded
        Command(cmd::kListenNew);
        expectInside(language, type);
      }
      // The random melodies and tone searches, answered wrongly three times: the messages of
      // the second and third attempt and of the solution.
      if (type <= 9) {
        const std::vector<int> melody = KeysOf(Heard());
        ASSERT_FALSE(melody.empty());
        DrawnTextsHost messages;  // the message line is drawn at the click, outside painting
        for (int attempt = 0; attempt < 3; ++attempt) {
          Click((melody.front() + 1) % Piano().KeyCount());
          if (type == 0 || type == 5) Command(cmd::kEnter);
          expectInside(language, type);
        }
        expectTextsInside(messages.Texts(), language, type);
      }
    }
  }
}

}  // namespace
