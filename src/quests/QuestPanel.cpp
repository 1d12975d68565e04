#include "quests/QuestPanel.h"

#include "quests/PlayOrder.h"
#include "quests/QuestPanelLayout.h"
#include "quests/QuestPictures.h"
#include "quests/QuestTexts.h"

namespace {
enum Slot : int {
  kBackdrop = 0,
  kQuestLettering = 1,
  kAcceptButton = 2,
  kOrdinalDigits = 3,
  kPictureFrame = 4,
  kPicture = 5,
  kHeart = 6,
  kSecondsDigits = 7,
  kTimeFrame = 8,
  kPointsLettering = 9,
  kPointsDigits = 10,
  kNecklace = 11,
  kScoreDigits = 21,
  kSlotCount = 22,
};

struct SlotFile {
  const char* file;
  int16_t frameWidth, frameHeight;
  uint32_t colourKey;
};
// The panel's art by slot; slot 5 holds the quest's picture, loaded apart.
constexpr SlotFile kSlotFiles[kSlotCount] = {
    {"Art/Back.bmp", 256, 128, kNoKey},        {"Art/WriteQuest.bmp", 256, 64, kKeyRed},
    {"Art/ButtonAccept.bmp", 128, 32, kNoKey}, {"Art/Numbers4.bmp", 64, 64, kKeyRed},
    {"Art/Frame.bmp", 128, 128, kNoKey},       {nullptr, 0, 0, kNoKey},
    {"Art/Health.bmp", 32, 32, kKeyGreen},     {"Art/Numbers7.bmp", 32, 32, kKeyBlack},
    {"Art/Frame4.bmp", 64, 32, kKeyRed},       {"Art/WritePoints.bmp", 128, 32, kKeyBlack},
    {"Art/Numbers6.bmp", 32, 32, kKeyBlack},   {"Art/Necklace.bmp", 512, 512, kKeyBlack},
    {"Art/Gem1.bmp", 32, 32, kKeyBlack},       {"Art/Gem2.bmp", 32, 32, kKeyRed},
    {"Art/Gem3.bmp", 64, 32, kKeyBlack},       {"Art/Gem4.bmp", 32, 64, kKeyBlack},
    {"Art/Gem5.bmp", 64, 64, kKeyBlack},       {"Art/Gem6.bmp", 64, 64, kKeyBlack},
    {"Art/Gem7.bmp", 64, 64, kKeyBlack},       {"Art/Gem8.bmp", 64, 64, kKeyBlack},
    {"Art/Gem9.bmp", 64, 64, kKeyBlack},       {"Art/Numbers5.bmp", 64, 64, kKeyBlack},
};
constexpr int kTextureFormat = 25;

// The necklace's gems in the order they are won, each on its place on the chain.
struct GemPlace {
  int slot;
  int x, y;
  float scale;
};
// The slot of "Art/GemN.bmp".
constexpr int gemSlot(int fileNumber) { return kNecklace + fileNumber; }
constexpr GemPlace kGems[] = {
    {gemSlot(3), 547, 452, 1.0f}, {gemSlot(7), 420, 504, 0.9f}, {gemSlot(1), 67, 160, 1.1f},
    {gemSlot(2), 166, 444, 1.2f}, {gemSlot(8), 87, 314, 0.7f},  {gemSlot(6), 286, 504, 0.9f},
    {gemSlot(9), 634, 314, 0.7f}, {gemSlot(4), 665, 150, 1.0f}, {gemSlot(5), 350, 526, 1.0f},
};
constexpr int kGemCount = sizeof kGems / sizeof kGems[0];
constexpr uint32_t kGemStepMs = 200;

// Five strips of the 256 by 128 backdrop stretched across the screen; the last one is cut to fit.
struct Strip {
  int y;
  float scaleY;
};
constexpr Strip kBackdropStrips[] = {{0, 1.0f}, {128, 1.0f}, {256, 1.0f}, {384, 1.0f}, {512, 0.6875f}};
constexpr float kBackdropScaleX = 3.125f;

constexpr int kTextLineHeight = 30;
constexpr int kScoreY = 20;
constexpr int kHeartY = 306;
constexpr int kResultX = 333, kResultY = 245;
}  // namespace

uint8_t shownOrdinal(int questNumber) {
  const int ordinal = questOrdinal(questNumber);
  return static_cast<uint8_t>(ordinal ? ordinal : questNumber);
}

void QuestPanel::loadArt(GraphicsDevice* graphics) {
  font.Create(graphics, "Arial", 20, 0, 0, 0, 0);
  sheet.Create(graphics, kSlotCount);
  for (int slot = 0; slot < kSlotCount; ++slot) {
    const SlotFile& art = kSlotFiles[slot];
    if (art.file) sheet.Load(slot, art.file, art.frameWidth, art.frameHeight, art.colourKey, kTextureFormat);
  }
}

void QuestPanel::loadPicture(int questNumber) {
  const QuestPicture* picture = questPicture(questNumber);
  if (!picture) return;
  sheet.Load(kPicture, picture->file, picture->frameWidth, picture->frameHeight, picture->colourKey,
             kTextureFormat);
  pictureX = picture->x;
  pictureY = picture->y;
  pictureScaleX = picture->scaleX;
  pictureScaleY = picture->scaleY;
}

void QuestPanel::animateGems() {
  if (gemTimer.fires(kGemStepMs)) stepGemFrame(gemFrame, gemFrameRising);
}

void QuestPanel::drawHeader(int x, int y, Button button, const BackContinuePanel* continueArt) const {
  for (const Strip& strip : kBackdropStrips)
    sheet.DrawFrame(kBackdrop, 0, 0, strip.y, kWhite, kBackdropScaleX, strip.scaleY);
  sheet.DrawFrame(kQuestLettering, 0, 260, 70, kWhite, 1, 1);
  const DigitRow digits = ordinalDigits(ordinal, x);
  for (int i = 0; i < digits.count; ++i)
    sheet.DrawFrame(kOrdinalDigits, digits.digits[i], digits.xs[i], y, kWhite, 0.9f, 1);
  if (button == Button::Accept) {
    sheet.DrawFrame(kAcceptButton, acceptFrame, kAcceptPlace.x, kAcceptPlace.y, kWhite, 1, 1);
  } else if (continueArt) {
    continueArt->buttons.DrawFrame(BackContinuePanel::kContinue, continueFrame, kContinuePlace.x, kContinuePlace.y,
                               kWhite, 1, 1);
  }
}

void QuestPanel::drawGoal(int questNumber) {
  sheet.DrawFrame(kPictureFrame, 0, 306, 210, kWhite, 1.2f, 1.1f);
  sheet.DrawFrame(kPicture, 0, pictureX, pictureY, kWhite, pictureScaleX, pictureScaleY);
  if (const TextLine* goal = goalLine(questNumber))
    font.DrawText(goal->text, goal->x, goal->y, goal->width, kTextLineHeight, goal->colour, 0);
}

void QuestPanel::drawNecklace() const {
  sheet.DrawFrame(kPictureFrame, 0, 240, 0, kWhite, 2.3f, 0.5f);
  sheet.DrawFrame(kNecklace, 0, 50, 0, kWhite, 1.3f, 1.3f);
  if (gemsShown > kGemCount) return;  // a count no campaign reaches shows a bare necklace
  for (int n = 0; n < gemsShown; ++n) {
    const GemPlace& gem = kGems[n];
    sheet.DrawFrame(gem.slot, gemFrame, gem.x, gem.y, kWhite, gem.scale, gem.scale);
  }
}

void QuestPanel::drawScore(uint32_t score) const {
  const DigitRow digits = scoreDigits(score);
  for (int i = 0; i < digits.count; ++i)
    sheet.DrawFrame(kScoreDigits, digits.digits[i], digits.xs[i], kScoreY, kWhite, 0.3f, 0.35f);
}

void QuestPanel::drawPoints(uint8_t hearts, uint8_t seconds) const {
  int heartXs[5];
  const int shown = heartPositions(hearts, heartXs);
  for (int i = 0; i < shown; ++i) sheet.DrawFrame(kHeart, 0, heartXs[i], kHeartY, kWhite, 0.9f, 0.9f);

  sheet.DrawFrame(kTimeFrame, 0, kResultX + 7, kResultY - 17, kWhite, 1.40625f, 2);
  const DigitRow time = resultDigits(seconds, kResultX);
  for (int i = 0; i < time.count; ++i)
    sheet.DrawFrame(kSecondsDigits, time.digits[i], time.xs[i], kResultY, kWhite, 0.6f, 0.75f);

  sheet.DrawFrame(kPictureFrame, 0, kResultX - 70, kResultY + 102, kWhite, 1.9f, 1);
  sheet.DrawFrame(kPointsLettering, 0, kResultX - 13, kResultY + 126, kWhite, 1, 1);
  const DigitRow earned = resultDigits(points, kResultX);
  for (int i = 0; i < earned.count; ++i)
    sheet.DrawFrame(kPointsDigits, earned.digits[i], earned.xs[i], kResultY + 168, kWhite, 0.6f, 0.75f);
}
