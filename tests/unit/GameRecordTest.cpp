#include <gtest/gtest.h>

#include <cstring>
#include <fstream>

#include "TempDir.h"
#include "persistence/BinaryFile.h"
#include "persistence/GameRecord.h"

namespace {
void offer(GameRecord& record, uint32_t score, uint8_t nameTag) {
  record.candidateScore = score;
  std::memset(record.playerName, nameTag, kNameGlyphs);
  record.enterHallOfFame();
}
}  // namespace

TEST(ScoreBytes, ThreeBase100DigitsOneByteEach) {
  uint8_t bytes[3];
  encodeScore3(123456, bytes);
  EXPECT_EQ(bytes[0], 12);
  EXPECT_EQ(bytes[1], 34);
  EXPECT_EQ(bytes[2], 56);
  EXPECT_EQ(decodeScore3(bytes), 123456u);
  encodeScore3(2559999, bytes);
  EXPECT_EQ(decodeScore3(bytes), 2559999u);
  encodeScore3(2560000, bytes);  // the first byte wraps above this
  EXPECT_EQ(decodeScore3(bytes), 0u);
}

TEST(HallOfFame, EqualScoresGoAboveOlderOnes) {
  GameRecord record;
  offer(record, 500, 1);
  offer(record, 300, 2);
  offer(record, 300, 3);
  offer(record, 300, 4);
  EXPECT_EQ(record.hallName[1][0], 4);
  EXPECT_EQ(record.hallName[2][0], 3);
  EXPECT_EQ(record.hallName[3][0], 2);
  offer(record, 299, 5);
  EXPECT_EQ(record.hallName[4][0], 5);
  EXPECT_EQ(record.hallEntriesUsed(), 5);
  const uint32_t expected[5] = {500, 300, 300, 300, 299};
  for (int i = 0; i < 5; ++i) EXPECT_EQ(record.hallScore[i], expected[i]);
}

TEST(HallOfFame, FirstFinisherTakesTheTopEvenWithZero) {
  GameRecord record;
  offer(record, 0, 7);
  EXPECT_EQ(record.hallUsed[0], 1);
  EXPECT_EQ(record.madeHallOfFame, 1);
  EXPECT_EQ(record.hallName[0][20], 7);
}

TEST(HallOfFame, AFullTableDropsItsLastOnlyForAnEqualOrBetterScore) {
  GameRecord record;
  for (uint32_t s : {900u, 800u, 700u, 600u, 500u}) offer(record, s, static_cast<uint8_t>(s / 100));
  record.madeHallOfFame = 0;
  offer(record, 499, 1);
  EXPECT_EQ(record.madeHallOfFame, 0);
  EXPECT_EQ(record.hallScore[4], 500u);
  EXPECT_EQ(record.hallName[4][0], 5);
  offer(record, 500, 2);
  EXPECT_EQ(record.madeHallOfFame, 1);
  EXPECT_EQ(record.hallScore[4], 500u);
  EXPECT_EQ(record.hallName[4][0], 2);
  offer(record, 1000, 3);
  EXPECT_EQ(record.hallScore[0], 1000u);
  EXPECT_EQ(record.hallScore[4], 600u);
}

TEST(HallOfFame, FileIsByteExactAndLoadsBack) {
  TempDir dir;
  const std::string path = dir.file("HallOfFame.save");
  GameRecord record;
  offer(record, 123456, 9);
  offer(record, 42, 3);
  ASSERT_EQ(record.saveHallOfFame(path.c_str()), 1);

  std::ifstream in(path, std::ios::binary);
  std::vector<uint8_t> bytes{std::istreambuf_iterator<char>(in), {}};
  ASSERT_EQ(bytes.size(), 129u);
  const std::vector<uint8_t> head = {0x7D, 0, 0, 0, 12, 34, 56, 0, 0, 42};
  EXPECT_EQ(std::vector<uint8_t>(bytes.begin(), bytes.begin() + 10), head);
  EXPECT_EQ(bytes[4 + 15], 1);
  EXPECT_EQ(bytes[4 + 16], 1);
  EXPECT_EQ(bytes[4 + 17], 0);
  EXPECT_EQ(bytes[4 + 20], 9);
  EXPECT_EQ(bytes[4 + 41], 3);

  GameRecord loaded;
  loaded.loadHallOfFame(path.c_str());
  EXPECT_EQ(loaded.hallScore[0], 123456u);
  EXPECT_EQ(loaded.hallScore[1], 42u);
  EXPECT_EQ(loaded.hallEntriesUsed(), 2);
  EXPECT_EQ(0, std::memcmp(loaded.hallName, record.hallName, sizeof record.hallName));
}

TEST(HallOfFame, AShortFileLeavesTheTableEmpty) {
  TempDir dir;
  const std::string path = dir.file("HallOfFame.save");
  BinaryFile file;
  std::fill_n(file.allocate(100), 100, 1);
  ASSERT_EQ(file.writeFile(path.c_str()), 1);
  GameRecord record;
  record.loadHallOfFame(path.c_str());
  EXPECT_EQ(record.hallEntriesUsed(), 0);
  EXPECT_EQ(record.hallScore[0], 0u);
}
