#include <gtest/gtest.h>

#include <fstream>

#include "listen/VoiceSettings.h"
#include "platform/TestFolder.h"

TEST(VoiceSettings, WrittenAndReadBack) {
  TestFolder folder;
  const std::string path = folder.Path("AureloVoice.txt");
  const VoiceSettings settings{20, true, SingingRange{55, 74}, "alsa_input.usb-Mic-00.mono-fallback"};
  ASSERT_TRUE(WriteVoiceSettings(settings, path));
  std::ifstream file(path, std::ios::binary);
  const std::string text((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
  EXPECT_EQ(text,
            "tolerance_cents=20\nexact_octave=yes\nlowest_note=55\nhighest_note=74\n"
            "input_device=alsa_input.usb-Mic-00.mono-fallback\n");
  EXPECT_EQ(ReadVoiceSettings(path), settings);
  EXPECT_EQ(folder.Entries().size(), 1u);  // no temporary file left
}

TEST(VoiceSettings, BrokenFileGivesDefaults) {
  TestFolder folder;
  EXPECT_EQ(ReadVoiceSettings(folder.Path("missing.txt")), VoiceSettings{});
  EXPECT_EQ(ReadVoiceSettings(folder.Path("")), VoiceSettings{});  // a folder
  EXPECT_EQ(ParseVoiceSettings(std::string("\x00\xff\xfe garbage", 11)), VoiceSettings{});
  const VoiceSettings odd = ParseVoiceSettings(
      "tolerance_cents=51\r\nexact_octave=maybe\nlowest_note=72\nhighest_note=60\ninput_device=a\tb\nfuture=1\n");
  EXPECT_EQ(odd, VoiceSettings{});
  const VoiceSettings partly = ParseVoiceSettings("tolerance_cents=10\r\nlowest_note=48x\nhighest_note=70\n");
  EXPECT_EQ(partly.toleranceCents, 10);
  EXPECT_FALSE(partly.range.Known());
  const std::string tooBig(5000, '\n');
  std::ofstream(folder.Path("big.txt")) << "tolerance_cents=20\n" << tooBig;
  EXPECT_EQ(ReadVoiceSettings(folder.Path("big.txt")), VoiceSettings{});
}
