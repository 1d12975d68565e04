#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <fstream>
#include <future>
#include <string>

#include "TempDir.h"
#include "game/Settings.h"
#include "persistence/BinaryFile.h"
#include "persistence/GameRecord.h"
#include "platform/GraphicsDevice.h"
#include "platform/Texture.h"

namespace {
// Runs `read` on a named pipe nobody writes to. A reader that blocks is freed afterwards by a
// writer opening and closing the pipe, so a failing test ends instead of hanging.
template <typename Read>
bool returnsWithoutAWriter(const std::string& fifo, Read read) {
  auto done = std::async(std::launch::async, read);
  const bool returned = done.wait_for(std::chrono::seconds(2)) == std::future_status::ready;
  if (!returned) {
    const int writer = open(fifo.c_str(), O_WRONLY | O_NONBLOCK);
    if (writer >= 0) close(writer);
  }
  done.wait();
  return returned;
}

long peakKilobytes() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return usage.ru_maxrss;
}

// A BMP of `total` bytes whose header states the given sides at 24 bits, its pixels cut short.
void writeShortPicture(const std::string& path, int32_t width, int32_t height, uint32_t total) {
  uint8_t bytes[256] = {'B', 'M'};
  auto put32 = [&](int at, uint32_t v) {
    for (int i = 0; i < 4; ++i) bytes[at + i] = static_cast<uint8_t>(v >> (8 * i));
  };
  put32(2, total);
  put32(10, 54);
  put32(14, 40);
  put32(18, static_cast<uint32_t>(width));
  put32(22, static_cast<uint32_t>(height));
  bytes[26] = 1;
  bytes[28] = 24;
  std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(bytes), total);
}
}  // namespace

TEST(UnsafeFiles, APipeInPlaceOfASaveTheHallOfFameOrTheSettingsCountsAsMissing) {
  TempDir dir;
  const std::string fifo = dir.file("pipe");
  ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
  EXPECT_TRUE(returnsWithoutAWriter(fifo, [&] {
    BinaryFile file;
    file.allocate(1115);
    EXPECT_EQ(file.readFile(fifo.c_str()), nullptr);
  }));
  EXPECT_TRUE(returnsWithoutAWriter(fifo, [&] {
    GameRecord record;
    record.loadHallOfFame(fifo.c_str());
    EXPECT_EQ(record.hallEntriesUsed(), 0);
  }));
  EXPECT_TRUE(returnsWithoutAWriter(fifo, [&] {
    Settings settings;
    settings.Read(fifo.c_str());
    EXPECT_FALSE(settings.showFps());
  }));
  // A folder in a file's place is no file either.
  BinaryFile file;
  EXPECT_EQ(file.readFile(dir.path.c_str()), nullptr);
}

class UnsafePictures : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_EQ(graphics.SetMode(nullptr, 0, 0, 800, 600, 32), 1); }
  GraphicsDevice graphics;
  TempDir dir;
};

// 102 bytes that claim 64 by 30 million pixels: before the check the loader set aside gigabytes.
TEST_F(UnsafePictures, APictureClaimingMoreRowsThanItsFileHoldsIsRefusedWithoutAllocating) {
  const std::string tall = dir.file("tall.bmp"), downward = dir.file("downward.bmp");
  writeShortPicture(tall, 64, 30000000, 102);
  writeShortPicture(downward, 64, -30000000, 102);
  const long before = peakKilobytes();
  Texture texture;
  EXPECT_EQ(texture.Load(&graphics, tall.c_str(), kKeyBlack, 0), 0);
  EXPECT_EQ(texture.Load(&graphics, downward.c_str(), kKeyBlack, 0), 0);
  EXPECT_LT(peakKilobytes() - before, 64 * 1024);
  EXPECT_EQ(texture.texture, nullptr);
  EXPECT_EQ(texture.width, 0);
  // The same header with its pixels all there still loads.
  const std::string whole = dir.file("whole.bmp");
  writeShortPicture(whole, 4, -2, 54 + 2 * 12);
  EXPECT_EQ(texture.Load(&graphics, whole.c_str(), kKeyBlack, 0), 1);
  EXPECT_EQ(texture.height, 2);
}

TEST_F(UnsafePictures, APipeInPlaceOfAPictureCountsAsMissing) {
  const std::string fifo = dir.file("pipe.bmp");
  ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
  EXPECT_TRUE(returnsWithoutAWriter(fifo, [&] {
    Texture texture;
    EXPECT_EQ(texture.Load(&graphics, fifo.c_str(), kNoKey, 0), 0);
  }));
}

// A broken installation says what is broken, once per file, however often the game asks for it.
TEST_F(UnsafePictures, AnUnreadablePictureIsNamedOnceOnStandardError) {
  const std::string missing = dir.file("NoSuchPicture.bmp"), damaged = dir.file("Damaged.bmp");
  std::ofstream(damaged) << "BM not a picture";
  testing::internal::CaptureStderr();
  Texture texture;
  for (int frame = 0; frame < 3; ++frame) {
    texture.Load(&graphics, missing.c_str(), kNoKey, 0);
    texture.Load(&graphics, damaged.c_str(), kNoKey, 0);
  }
  const std::string said = testing::internal::GetCapturedStderr();
  const auto timesNamed = [&](const std::string& name) {
    int n = 0;
    for (size_t at = said.find(name); at != std::string::npos; at = said.find(name, at + 1)) ++n;
    return n;
  };
  EXPECT_EQ(timesNamed(missing), 1) << said;
  EXPECT_EQ(timesNamed(damaged), 1) << said;
}
