#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

#include "TempDir.h"
#include "game/GameApp.h"
#include "persistence/MissionScreen.h"
#include "persistence/SaveGameCodec.h"
#include "persistence/SlotNumberLayout.h"
#include "world/Dude.h"
#include "world/QuestScenery.h"
#include "world/WorldState.h"

namespace {
using Payload = std::vector<uint8_t>;

Payload encode(const SavedGame& game) {
  Payload payload(kSavePayloadSize, 0xEE);
  encodeSavedGame(game, payload.data());
  return payload;
}

int int2At(const Payload& p, int offset) { return p[offset] * 100 + p[offset + 1]; }

// The objects of a running quest, captured into a saved game and restored from one as the world
// scene does.
struct Quest {
  GameApp game;
  Dude dude;
  QuestScenery scenery;
  WorldState world;
  LiveQuest live(bool signBytes) { return {dude, scenery, world, game, signBytes, false}; }
};

SavedGame capture(Quest& quest, bool signBytes) {
  SavedGame saved;
  captureQuest(quest.live(signBytes), saved.image);
  return saved;
}

SavedGame throughTheFile(const SavedGame& saved) {
  const Payload payload = encode(saved);
  SavedGame loaded;
  EXPECT_TRUE(decodeSavedGame(payload.data(), kSavePayloadSize, loaded));
  return loaded;
}

// Runs a test inside a fresh game directory with a Saves folder.
class SlotFiles : public ::testing::Test {
 protected:
  void SetUp() override {
    previous = std::filesystem::current_path();
    std::filesystem::create_directory(dir.path / "Saves");
    std::filesystem::current_path(dir.path);
  }
  void TearDown() override { std::filesystem::current_path(previous); }
  static Payload fileBytes(const char* path) {
    std::ifstream in(path, std::ios::binary);
    return Payload(std::istreambuf_iterator<char>(in), {});
  }
  static void writeBytes(const char* path, const Payload& bytes) {
    std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()), bytes.size());
  }
  TempDir dir;
  std::filesystem::path previous;
};
}  // namespace

TEST(SaveGamePayload, CampaignValuesNameAndMarkerSitAtTheirOffsets) {
  SavedGame saved;
  saved.score = 25;
  saved.questNumber = 31;
  saved.gemCount = 7;
  saved.playerName[0] = 44;
  saved.playerName[20] = 1;
  const Payload p = encode(saved);
  EXPECT_EQ(p[0], 0x00);
  EXPECT_EQ(p[1], 0x00);
  EXPECT_EQ(p[2], 0x19);
  EXPECT_EQ(p[3], 0x1F);
  EXPECT_EQ(p[4], 44);
  EXPECT_EQ(p[24], 1);
  EXPECT_EQ(p[1113], 0x4D);
  EXPECT_EQ(p[1114], 7);
  for (int reserved : {340, 341, 531, 532, 533, 534, 535, 536, 1015, 1016}) EXPECT_EQ(p[reserved], 0) << reserved;
}

TEST(SaveGamePayload, FieldsAwayFromTheirGroupStayThere) {
  SavedGame saved;
  QuestImage& im = saved.image;
  im.coinsHeld = 3;
  im.weightsHeld = 2;
  im.gemX = 512;
  im.gemY = 77;
  im.keyHeld[1] = 1;
  im.specialKeyHeld = 1;
  im.coinY[0] = 431;
  im.questTimerCarried = 123456;
  im.sceneSeconds = 149;
  im.hammerY[3] = 250;
  im.walkerX = 640;
  const Payload p = encode(saved);
  EXPECT_EQ(p[307], 3);
  EXPECT_EQ(p[308], 2);
  EXPECT_EQ(int2At(p, 527), 512);
  EXPECT_EQ(int2At(p, 529), 77);
  EXPECT_EQ(p[394], 1);
  EXPECT_EQ(p[403], 1);
  EXPECT_EQ(int2At(p, 1074), 431);
  EXPECT_EQ(p[1067], 12);
  EXPECT_EQ(p[1068], 34);
  EXPECT_EQ(p[1069], 56);
  EXPECT_EQ(int2At(p, 1070), 149);
  EXPECT_EQ(int2At(p, 1001), 250);
  EXPECT_EQ(int2At(p, 1107), 640);
}

TEST(SaveGamePayload, EveryByteBelongsToOneFieldOrIsReserved) {
  std::vector<int> claims(kSavePayloadSize, 0);
  bool outside = false;
  struct Context {
    std::vector<int>& claims;
    bool& outside;
  } context{claims, outside};
  forEachSavedField(
      [](int offset, int length, void* c) {
        auto& ctx = *static_cast<Context*>(c);
        for (int i = offset; i < offset + length; ++i) {
          if (i < 0 || i >= static_cast<int>(kSavePayloadSize))
            ctx.outside = true;
          else
            ++ctx.claims[i];
        }
      },
      &context);
  EXPECT_FALSE(outside);
  const std::vector<int> reserved = {340, 341, 531, 532, 533, 534, 535, 536, 1015, 1016};
  for (int i = 0; i < static_cast<int>(kSavePayloadSize); ++i) {
    const bool isReserved = std::find(reserved.begin(), reserved.end(), i) != reserved.end();
    EXPECT_EQ(claims[i], isReserved ? 0 : 1) << "byte " << i;
  }
}

// Every stored byte is read into a field and written back from the same field.
TEST(SaveGamePayload, EveryFieldRoundTrips) {
  Payload original(kSavePayloadSize);
  for (int i = 0; i < static_cast<int>(kSavePayloadSize); ++i) original[i] = static_cast<uint8_t>((i * 7 + 3) % 100);
  // A flag reads back as 0.5, above the gate's threshold but not the walls', doors' and blocks'
  // (their restore turns it into the setup's scale), so only the gate's set flag survives here.
  original[38] = 1;
  for (int first : {260, 577, 649})
    for (int i = 0; i < 10; ++i) original[first + i] = 0;
  for (int reserved : {340, 341, 531, 532, 533, 534, 535, 536, 1015, 1016}) original[reserved] = 0;
  // Counts come back as they are only while they stay inside their lists.
  for (int count : {61, 113, 158, 209, 309, 342, 404, 465, 516, 598, 679, 750, 821}) original[count] %= 10;
  original[1070] = 1;  // and the clock's seconds inside its limit
  original[1113] = 0x4D;
  SavedGame loaded;
  ASSERT_TRUE(decodeSavedGame(original.data(), kSavePayloadSize, loaded));
  const Payload again = encode(loaded);
  for (int i = 0; i < static_cast<int>(kSavePayloadSize); ++i) EXPECT_EQ(again[i], original[i]) << "byte " << i;
}

TEST(SaveGamePayload, AWholeFileWithoutItsMarkerOrOfAnotherLengthIsRefused) {
  SavedGame saved;
  saved.score = 900;
  Payload p = encode(saved);
  SavedGame loaded;
  EXPECT_FALSE(decodeSavedGame(p.data(), kSavePayloadSize - 1, loaded));
  SlotSummary summary;
  EXPECT_FALSE(decodeSlotSummary(p.data(), 24, summary));
  p[1113] = 0x4E;
  EXPECT_FALSE(decodeSavedGame(p.data(), kSavePayloadSize, loaded));
  EXPECT_EQ(loaded.score, 0u);                                          // nothing was taken from the refused payload
  EXPECT_TRUE(decodeSlotSummary(p.data(), kSavePayloadSize, summary));  // the save screen still shows it
  EXPECT_EQ(summary.score, 900u);
}

// A damaged count may not send the world's loops past the end of its list, nor a damaged clock
// wrap the time left around; sound values pass as they are.
TEST(SaveGamePayload, ValuesBeyondTheirRangeAreCutToIt) {
  SavedGame saved;
  saved.image.coinCount = 7;
  saved.image.blockCount = 14;  // world 4 sets up twenty blocks
  saved.image.sceneSeconds = 150;
  Payload p = encode(saved);
  p[209] = 200;  // suspicious walls
  p[821] = 21;   // teleporters
  p[598] = 99;   // blocks
  SavedGame loaded;
  ASSERT_TRUE(decodeSavedGame(p.data(), kSavePayloadSize, loaded));
  EXPECT_EQ(loaded.image.coinCount, 7);
  EXPECT_EQ(loaded.image.suspWallCount, kMaxObjects);
  EXPECT_EQ(loaded.image.teleporterCount, kMaxTeleporters);
  EXPECT_EQ(loaded.image.blockCount, kMaxBlocks);
  EXPECT_EQ(loaded.image.sceneSeconds, 150u);
  p[598] = 14;
  p[1070] = 2;  // 200 seconds
  p[1071] = 0;
  ASSERT_TRUE(decodeSavedGame(p.data(), kSavePayloadSize, loaded));
  EXPECT_EQ(loaded.image.blockCount, 14);
  EXPECT_EQ(loaded.image.sceneSeconds, 150u);
}

TEST(SaveGameImage, AWorldOneRockAboveTheScreenComesBackAboveIt) {
  Quest before;
  before.world.rockY[2] = -40;
  before.dude.x = 120;
  before.dude.y = 300;
  const SavedGame saved = capture(before, true);
  const Payload p = encode(saved);
  EXPECT_EQ(p[120], 0);
  EXPECT_EQ(p[121], 40);
  EXPECT_EQ(p[1098], 1);
  EXPECT_EQ(p[1096], 0);
  SavedGame loaded = throughTheFile(saved);
  Quest after;
  restoreQuest(after.live(true), loaded.image);
  EXPECT_EQ(after.world.rockY[2], -40);
  EXPECT_EQ(after.dude.x, 120);
  EXPECT_EQ(after.dude.y, 300);
}

TEST(SaveGameImage, ScalesPassOnlyAsGoneOrAsTheSetupGaveThem) {
  Quest before;
  before.world.doorScaleX[0] = 0.6f;  // half open
  before.world.doorScaleX[1] = 1.2f;
  before.world.blockScaleX[0] = 0.5f;
  before.world.suspWallScale[0] = NAN;
  before.scenery.gateScale = 0.3f;
  const SavedGame saved = capture(before, true);
  const Payload p = encode(saved);
  EXPECT_EQ(p[577], 0);
  EXPECT_EQ(p[578], 1);
  EXPECT_EQ(p[649], 0);  // 0.5 is not above 1.0
  EXPECT_EQ(p[260], 0);
  EXPECT_EQ(p[38], 1);  // the gate's threshold is 0.2
  SavedGame loaded = throughTheFile(saved);
  Quest after;
  after.world.doorScaleX[0] = after.world.doorScaleX[1] = 1.25f;  // as the quest's setup made them
  after.scenery.gateScale = 1.0f;
  restoreQuest(after.live(true), loaded.image);
  EXPECT_EQ(after.world.doorScaleX[0], 0.0f);
  EXPECT_EQ(after.world.doorScaleX[1], 1.25f);
  EXPECT_EQ(after.world.blockScaleX[0], 0.0f);
  EXPECT_EQ(after.scenery.gateScale, 1.0f);
}

TEST(SaveGameImage, TheQuestClockAndInventoryComeBack) {
  Quest before;
  before.game.questTimerCarried = 61234;
  before.game.sceneSeconds = 61;
  before.dude.hearts = 4;
  before.dude.menuState = Dude::kMenuOpen;
  before.world.coinsHeld = 2;
  before.world.keyHeld[3] = 1;
  before.world.hammersHeld = 1;
  SavedGame loaded = throughTheFile(capture(before, true));
  Quest after;
  restoreQuest(after.live(true), loaded.image);
  EXPECT_EQ(after.game.questTimerCarried, 61234u);
  EXPECT_EQ(after.game.sceneSeconds, 61u);
  EXPECT_EQ(after.dude.hearts, 4);
  EXPECT_EQ(after.dude.menuState, Dude::kMenuOpen);
  EXPECT_EQ(after.world.coinsHeld, 2);
  EXPECT_EQ(after.world.keyHeld[3], 1);
  EXPECT_EQ(after.world.hammersHeld, 1);
}

TEST_F(SlotFiles, ASlotFileIsTheLengthThenThePayload) {
  SavedGame saved;
  saved.score = 123456;
  saved.questNumber = 3;
  ASSERT_EQ(writeSlotFile(3, saved), 1);
  const Payload bytes = fileBytes("Saves/3.sav");
  ASSERT_EQ(bytes.size(), 1119u);
  EXPECT_EQ(bytes[0], 0x5B);
  EXPECT_EQ(bytes[1], 0x04);
  EXPECT_EQ(bytes[2], 0x00);
  EXPECT_EQ(bytes[3], 0x00);
  SavedGame loaded;
  ASSERT_TRUE(readSlotFile(3, loaded));
  EXPECT_EQ(loaded.score, 123456u);
  EXPECT_EQ(loaded.questNumber, 3);
  EXPECT_FALSE(readSlotFile(2, loaded));  // no file
  EXPECT_EQ(writeSlotFile(6, saved), 0);  // there is no slot 6
}

TEST_F(SlotFiles, DamagedFilesCountAsEmpty) {
  SavedGame saved;
  writeSlotFile(1, saved);
  Payload whole = fileBytes("Saves/1.sav");
  Payload truncated(whole.begin(), whole.begin() + 600);
  writeBytes("Saves/2.sav", truncated);  // states 1115 bytes, holds fewer
  Payload shortPayload = {0xE8, 0x03, 0, 0};
  shortPayload.resize(4 + 1000, 0);
  writeBytes("Saves/3.sav", shortPayload);  // states and holds 1000
  writeBytes("Saves/4.sav", {0x5B, 0x04});
  Payload unmarked = whole;
  unmarked[4 + 1113] = 0;
  writeBytes("Saves/5.sav", unmarked);
  SavedGame loaded;
  SlotSummary summary;
  bool marked = true;
  for (int slot : {2, 3, 4}) {
    EXPECT_FALSE(readSlotFile(slot, loaded)) << slot;
    EXPECT_FALSE(readSlotSummary(slot, summary, marked)) << slot;
  }
  EXPECT_FALSE(readSlotFile(5, loaded));
  EXPECT_TRUE(readSlotSummary(5, summary, marked));
  EXPECT_FALSE(marked);
  EXPECT_TRUE(readSlotSummary(1, summary, marked));
  EXPECT_TRUE(marked);
}

TEST(SlotNumbers, ScoresShowTheirLowestFiveDigitsSpacedByCount) {
  const DigitRow big = savedScoreDigits(123456, 20);
  ASSERT_EQ(big.count, 5);
  const int bigXs[5] = {29, 48, 67, 86, 105};
  for (int i = 0; i < 5; ++i) {
    EXPECT_EQ(big.digits[i], i + 2);
    EXPECT_EQ(big.xs[i], bigXs[i]);
  }
  const DigitRow zero = savedScoreDigits(0, 321);
  ASSERT_EQ(zero.count, 1);
  EXPECT_EQ(zero.xs[0], 364);
  const DigitRow three = savedScoreDigits(149, 0);
  EXPECT_EQ(three.xs[0], 26);
  EXPECT_EQ(three.xs[2], 62);
}

TEST(SlotNumbers, OrdinalsPutTheirTensLeftOfTheOnes) {
  const DigitRow header = headerOrdinalDigits(19, 517);
  ASSERT_EQ(header.count, 2);
  EXPECT_EQ(header.digits[0], 1);
  EXPECT_EQ(header.xs[0], 537);
  EXPECT_EQ(header.xs[1], 561);
  EXPECT_EQ(headerOrdinalDigits(7, 517).xs[0], 544);
  const DigitRow row = slotOrdinalDigits(50, 20);
  EXPECT_EQ(row.xs[0], 375);
  EXPECT_EQ(row.xs[1], 399);
  EXPECT_EQ(slotOrdinalDigits(1, 20).xs[0], 382);
}

TEST(EndingAnimation, TheDudeWalksBackAndForthThroughItsFourFrames) {
  uint8_t frame = 0, rising = 0;
  std::vector<int> shown;
  for (int i = 0; i < 10; ++i) {
    stepWalkFrame(frame, rising);
    shown.push_back(frame);
  }
  EXPECT_EQ(shown, (std::vector<int>{12, 13, 14, 15, 15, 14, 13, 12, 12, 13}));
}
