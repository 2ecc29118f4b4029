// Fonts, help texts and the about box through their menu commands, answered by the scripted host.
#include "dialogs/CAboutDlg.h"
#include "dialogs/Links.h"
#include "platform/ModalDriver.h"
#include "platform/qt/QtDialog.h"
#include "platform/qt/QtUiHost.h"
#include "tasks/melody/MelodyTestSupport.h"
#include "text/TextIds.h"

namespace {

using namespace melody_test;

class HelpFontsAbout : public MelodyApp {
 protected:
  void SetUp() override { Open(0); }
};

TEST_F(HelpFontsAbout, HelpTextsJoinTheirPartsWithLineBreaksAtTheTildes) {
  languageTable.SetText(386, "Help for beginners");
  languageTable.SetText(387, "One~");
  languageTable.SetText(388, "Two");
  languageTable.SetText(389, "Three~~");
  languageTable.SetText(390, "");
  languageTable.SetText(391, "Four");
  Command(cmd::kHelpBeginners);
  ASSERT_EQ(host.messageBoxes.size(), 1u);
  EXPECT_EQ(host.messageBoxes[0].caption, "Help for beginners");
  EXPECT_EQ(host.messageBoxes[0].text, "One\r\nTwoThree\r\n\r\nFour");
  EXPECT_EQ(host.messageBoxes[0].style, static_cast<unsigned>(MB_OK));

  const std::vector<std::pair<int, int>> captions = {
      {32863, 379}, {32958, 397}, {32956, 392}, {32977, 402}, {32979, 407}};
  for (const auto& [command, caption] : captions) {
    Command(command);
    EXPECT_EQ(host.messageBoxes.back().caption, T(caption)) << command;
    EXPECT_EQ(host.messageBoxes.back().text.find('~'), std::string::npos) << command;
    EXPECT_FALSE(host.messageBoxes.back().text.empty()) << command;
  }
  EXPECT_EQ(host.messageBoxes.size(), 6u);
}

TEST_F(HelpFontsAbout, MainFontReachesTheTaskAtOnceAndLaterTasks) {
  const FontDesc before = mainFontDesc;
  FontDesc chosen = before;
  chosen.SetFace("DejaVu Serif");
  chosen.height = -20;
  host.fontAnswers.push_back(chosen);
  Command(cmd::kFontSettings);
  ASSERT_EQ(host.fontRequests.size(), 1u);
  EXPECT_EQ(host.fontRequests[0], before);
  EXPECT_EQ(mainFontDesc, chosen);
  EXPECT_EQ(View().Task().messageFont.Desc(), chosen);
  Command(TaskTypeAt(8).commandId);
  EXPECT_EQ(View().Task().messageFont.Desc(), chosen);
}

TEST_F(HelpFontsAbout, CancelledResultFontKeepsItsDescriptionAndTheTaskAFontOfIt) {
  const FontDesc before = resultFontDesc;
  View().Task().resultFont = Font(DefaultMainFontDesc());
  Command(cmd::kResultFontSettings);  // no answer queued: cancelled
  ASSERT_EQ(host.fontRequests.size(), 1u);
  EXPECT_EQ(host.fontRequests[0], before);
  EXPECT_EQ(resultFontDesc, before);
  EXPECT_EQ(View().Task().resultFont.Desc(), before);
}

TEST_F(HelpFontsAbout, AboutBoxShowsItsTextsAndItsLinkOpensTheMakersPage) {
  host.dialogActions.push_back([](CDialog& d, DialogControls&) {
    d.OnCommand(CAboutDlg::kLinkButton);
    d.OnCommand(IDOK);
  });
  Command(cmd::kAbout);
  ASSERT_EQ(host.dialogs.size(), 1u);
  const DialogRun& run = host.dialogs[0];
  EXPECT_EQ(run.templateId, 100);
  EXPECT_EQ(run.caption, T(3));
  EXPECT_EQ(run.controls.at(1048).text, T(1));
  EXPECT_EQ(run.controls.at(1047).text, T(2));
  EXPECT_EQ(run.controls.at(1052).text, T(7));
  EXPECT_EQ(run.controls.at(CAboutDlg::kLinkButton).text, T(8));
  EXPECT_EQ(run.result, IDOK);
  EXPECT_EQ(host.openedUrls, std::vector<std::string>{links::kMakerPage});
  EXPECT_TRUE(host.messageBoxes.empty());
}

// With neither browser nor mail program, each Help link shows its address (the mail address
// without its scheme and subject) in a message box.
TEST_F(HelpFontsAbout, LinksWithNothingToOpenThemShowTheAddress) {
  host.urlsOpen = false;
  for (int id : {cmd::kSupport, cmd::kWebsite, cmd::kMakerPage}) {
    host.messageBoxAnswers.push_back(IDOK);
    Command(id);
  }
  ASSERT_EQ(host.messageBoxes.size(), 3u);
  EXPECT_EQ(host.messageBoxes[0].text, T(txt::kNoLinkHandler) + "support@aurelo.app");
  EXPECT_EQ(host.messageBoxes[1].text, T(txt::kNoLinkHandler) + links::kWebsite);
  EXPECT_EQ(host.messageBoxes[2].caption, T(0));
}

// A picture of the about box with its icon, for looking at: /tmp/about-box.png.
TEST_F(HelpFontsAbout, DISABLED_WritesThePicture) {
  QtUiHost qtHost(DialogBaseUnits{6, 13});
  CAboutDlg dialog;
  WhenModal<QtDialog>([](QtDialog* w) {
    EXPECT_TRUE(w->grab().save("/tmp/about-box.png"));
    w->End(IDOK);
  });
  EXPECT_EQ(qtHost.RunModal(dialog), IDOK);
}

}  // namespace
