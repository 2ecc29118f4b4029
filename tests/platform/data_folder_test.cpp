#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <string>

#include "platform/DataFolder.h"
#include "support/TempDir.h"

namespace {

TEST(DataFolder, AFolderWithSettingsStaysOtherwiseThePerUserFolder) {
  TempWorkDir dir;
  const std::filesystem::path here = std::filesystem::current_path();
  EXPECT_EQ(ChooseDataFolder(here, "/x/data", "/home/u"), "/x/data/aurelo");
  EXPECT_EQ(ChooseDataFolder(here, "", "/home/u"), "/home/u/.local/share/aurelo");
  EXPECT_EQ(ChooseDataFolder(here, "relative", "/home/u"), "/home/u/.local/share/aurelo");
  EXPECT_EQ(ChooseDataFolder(here, nullptr, nullptr), here);
  std::ofstream("AureloSettings.dat") << "x";
  EXPECT_EQ(ChooseDataFolder(here, "/x/data", "/home/u"), here);
  std::filesystem::remove("AureloSettings.dat");
  std::filesystem::create_directory("lang_files");
  EXPECT_EQ(ChooseDataFolder(here, "/x/data", "/home/u"), here);
}

TEST(DataFolder, ANewFolderIsMadeOnlyOnceTheProgramCanRun) {
  TempWorkDir dir;
  const std::filesystem::path here = std::filesystem::current_path();
  const char* old = std::getenv("XDG_DATA_HOME");
  const std::string oldValue = old ? old : "";
  setenv("XDG_DATA_HOME", (here / "data").c_str(), 1);
  EnterDataFolder();
  EXPECT_FALSE(std::filesystem::exists(here / "data")) << "a start that ends now leaves nothing";
  EXPECT_EQ(std::filesystem::current_path(), here);
  EnterNewDataFolder();
  EXPECT_EQ(std::filesystem::current_path(), here / "data" / "aurelo");
  EnterNewDataFolder();
  EXPECT_EQ(std::filesystem::current_path(), here / "data" / "aurelo");
  if (old) {
    setenv("XDG_DATA_HOME", oldValue.c_str(), 1);
  } else {
    unsetenv("XDG_DATA_HOME");
  }
}

}  // namespace
