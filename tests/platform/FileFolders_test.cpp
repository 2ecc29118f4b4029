#include "platform/FileFolders.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "platform/ScopedHome.h"

namespace {

namespace fs = std::filesystem;

class FileFoldersTest : public ::testing::Test {
 protected:
  FileFoldersTest() { ForgetFileFolders(); }
  ~FileFoldersTest() override { ForgetFileFolders(); }
  ScopedHome home;
};

TEST_F(FileFoldersTest, SavesStartInDocumentsOrHomeUntilTheirKindIsSavedSomewhere) {
  // No documents folder: home. ~/Documents once it exists; the one user-dirs.dirs names over it.
  EXPECT_EQ(SaveFolder(SaveKind::kResultsLog), home.Home());
  fs::create_directory(home.Home() + "/Documents");
  EXPECT_EQ(SaveFolder(SaveKind::kResultsLog), home.Home() + "/Documents");
  const std::string documents = home.MakeDocuments("Papiere");
  EXPECT_EQ(SaveFolder(SaveKind::kProgressCsv), documents);

  // Each kind keeps its own folder; opening keeps another one.
  const std::string songs = home.Home() + "/songs";
  fs::create_directory(songs);
  RememberSaveFolder(SaveKind::kFragment, songs + "/etude.aro");
  EXPECT_EQ(SaveFolder(SaveKind::kFragment), songs);
  EXPECT_EQ(SaveFolder(SaveKind::kMidiFile), documents);
  EXPECT_EQ(OpenFolder(), "");
  RememberOpenFolder(home.Home() + "/in.mid");
  EXPECT_EQ(OpenFolder(), home.Home());
  EXPECT_EQ(SaveFolder(SaveKind::kFragment), songs);

  // A folder removed since is not offered.
  fs::remove(songs);
  EXPECT_EQ(SaveFolder(SaveKind::kFragment), documents);
}

}  // namespace
