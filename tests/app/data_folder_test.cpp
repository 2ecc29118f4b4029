#include <gtest/gtest.h>

#include <fstream>

#include "app/DataFolder.h"
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

}  // namespace
