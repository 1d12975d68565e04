#include <gtest/gtest.h>

#include <fstream>

#include "TempDir.h"
#include "game/Settings.h"

TEST(Settings, ReadsIntegersUntilTheFirstThatIsNot) {
  TempDir dir;
  std::ofstream(dir.file("data1.txt")) << "1 2\n-3 x 5 6";
  Settings settings;
  settings.Read(dir.file("data1.txt").c_str());
  EXPECT_TRUE(settings.showFps());
  EXPECT_EQ(settings.values[1], 2);
  EXPECT_EQ(settings.values[2], -3);
  EXPECT_EQ(settings.values[3], 0);
  EXPECT_EQ(settings.values[4], 0);
  EXPECT_EQ(settings.unread, 0);
}

TEST(Settings, MissingFileMeansAllZeroAndIsReadOnce) {
  TempDir dir;
  Settings settings;
  settings.Read(dir.file("absent.txt").c_str());
  EXPECT_FALSE(settings.showFps());
  std::ofstream(dir.file("absent.txt")) << "7";
  settings.Read(dir.file("absent.txt").c_str());
  EXPECT_EQ(settings.values[0], 0);
}
