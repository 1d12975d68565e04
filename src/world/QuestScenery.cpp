#include "world/QuestScenery.h"

#include "world/QuestBackground.h"

#include "quests/PlayOrder.h"

#include <cstdio>

namespace {
constexpr float kFieldScaleX = 1.5625f;   // 512 wide becomes 800
constexpr float kFieldScaleY = 1.953125f; // 256 high becomes 500
constexpr int kPortcullisTop = 98;
enum Texture : int { kBackground = 0, kPropA = 1, kPropB = 2, kPropC = 3, kPropD = 4 };
constexpr int kSlidingDoorX = 380, kSlidingDoorStartY = 240;

// Quest 11's statues stand along the pyramid hall's side walls.
constexpr int kHallStatues[4][2] = {{90, 160}, {90, 370}, {680, 160}, {680, 370}};
constexpr int kHallUrns[2][2] = {{225, 370}, {520, 370}};

// The y of the prop that rises once the gate animation has ended: quest 2's portcullis, quest 11's
// sliding door; other quests have none.
int* risingPropY(QuestScenery& s, int quest) {
  switch (quest) {
    case 2: return &s.propBY;
    case 11: return &s.propAY;
    default: return nullptr;
  }
}
}  // namespace

void QuestScenery::load(GraphicsDevice* graphics, int quest) {
  // World 1's sceneries hold four pictures, the later worlds' five.
  sheet.Create(graphics, worldOfQuest(quest) == 1 ? 4 : 5);
  sheet.SetAlphaTest(1);
}

void QuestScenery::setupQuest(int quest) {
  char background[32];
  std::snprintf(background, sizeof background, "Art/Quest%d.bmp", quest);
  // Only black shows through a keyed background with nothing drawn behind it.
  if (sheet.Load(kBackground, background, 512, 256, backgroundHasRedKey(quest) ? kKeyRed : kNoKey, 25))
    sheet.textures[kBackground].drawnOnBlack = !propBehindBackground(quest);
  switch (quest) {
    case 2:
      sheet.Load(kPropA, "Art/portcullis2.bmp", 64, 64, kKeyRed, 25);
      sheet.Load(kPropB, "Art/Bridge.bmp", 64, 64, kNoKey, 25);
      propBX = 640;
      propBY = 154;
      gateScale = 0;
      break;
    case 3:
      sheet.Load(kPropA, "Art/Paintings.bmp", 64, 64, kNoKey, 25);
      break;
    case 11:
      sheet.Load(kPropA, "Art/Statue.bmp", 64, 64, kKeyRed, 25);
      sheet.Load(kPropB, "Art/Statue2.bmp", 64, 128, kKeyBlack, 25);
      sheet.Load(kPropC, "Art/Statue3.bmp", 64, 64, kKeyBlack, 25);
      sheet.Load(kPropD, "Art/Door9.bmp", 32, 32, kNoKey, 25);
      propAX = kSlidingDoorX;
      propAY = kSlidingDoorStartY;
      gateScale = 0;
      break;
    case 12:
      sheet.Load(kPropA, "Art/Ladder2.bmp", 64, 64, kNoKey, 25);
      break;
    case 4:
      sheet.Load(kPropA, "Art/Statue.bmp", 64, 64, kKeyRed, 25);
      sheet.Load(kPropB, "Art/Throne.bmp", 128, 128, kKeyBlack, 25);
      sheet.Load(kPropC, "Art/Gate3.bmp", 64, 32, kNoKey, 25);
      gateScale = 2.0f;
      gateClosing = 1;
      break;
    case 31:
      sheet.Load(kPropA, "Art/fence.bmp", 128, 32, kKeyRed, 25);
      gateScale = 1.3f;
      break;
    case 32:
      sheet.Load(kPropA, "Art/Grate.bmp", 64, 64, kKeyRed, 25);
      gateScale = 1.7f;
      break;
    case 33:
      sheet.Load(kPropB, "Art/Throne.bmp", 128, 128, kKeyBlack, 25);
      sheet.Load(kPropC, "Art/Gate3.bmp", 64, 32, kNoKey, 25);
      gateScale = 2.0f;
      gateClosing = 1;
      break;
    case 39:
      sheet.Load(kPropA, "Art/Ladder2.bmp", 64, 64, kNoKey, 25);
      break;
    default:
      break;
  }
}

bool QuestScenery::coversField() const {
  return sheet.textures && sheet.textures[kBackground].hidesWhatIsUnder();
}

void QuestScenery::draw(int quest) const {
  if (propBehindBackground(quest)) sheet.DrawFrame(kPropD, 0, propAX, propAY, kWhite, 1.25f, 1.76f);
  sheet.DrawFrame(kBackground, 0, 0, 0, kWhite, kFieldScaleX, kFieldScaleY);
  switch (quest) {
    case 2:
      // The portcullis rises from where it hangs; the drawbridge comes down in front of the gate.
      sheet.DrawFrame(kPropA, 0, propBX, propBY, kWhite, 1.1f, 1.1f);
      sheet.DrawFrame(kPropB, 0, 639, 217, kWhite, 0.8f, gateScale);
      break;
    case 3: {
      static constexpr int kPaintings[4][2] = {{210, 170}, {555, 170}, {210, 340}, {555, 340}};
      for (int i = 0; i < 4; ++i) sheet.DrawFrame(kPropA, i, kPaintings[i][0], kPaintings[i][1], kWhite, 1.1f, 1.1f);
      break;
    }
    case 4:
      sheet.DrawFrame(kPropA, 0, 211, 76, kWhite, 0.8f, 0.8f);
      sheet.DrawFrame(kPropA, 0, 563, 76, kWhite, 0.8f, 0.8f);
      sheet.DrawFrame(kPropB, 0, 358, 82, kWhite, 0.7f, 0.7f);
      sheet.DrawFrame(kPropC, 0, 328, 184, kWhite, 1.15f, gateScale);
      sheet.DrawFrame(kPropC, 1, 402, 184, kWhite, 1.15f, gateScale);
      break;
    // The palace garden's fence, the grate before the throne room, the throne behind its gate.
    case 31:
      sheet.DrawFrame(kPropA, 0, 255, 377, kWhite, 2.3f, gateScale);
      break;
    case 32:
      sheet.DrawFrame(kPropA, 0, 345, 168, kWhite, gateScale, 1.2f);
      break;
    case 33:
      sheet.DrawFrame(kPropB, 0, 358, 50, kWhite, 0.7f, 0.7f);
      sheet.DrawFrame(kPropC, 0, 350, 184, kWhite, 0.8f, gateScale);
      sheet.DrawFrame(kPropC, 1, 401, 184, kWhite, 0.8f, gateScale);
      break;
    case 11:
      for (const auto& [x, y] : kHallStatues) sheet.DrawFrame(kPropA, 0, x, y, kWhite, 0.8f, 0.8f);
      sheet.DrawFrame(kPropB, 0, 77, 230, kWhite, 0.8f, 0.8f);
      sheet.DrawFrame(kPropB, 0, 673, 230, kWhite, 0.76f, 0.8f);
      for (const auto& [x, y] : kHallUrns) sheet.DrawFrame(kPropC, 0, x, y, kWhite, 0.8f, 0.8f);
      break;
    case 12:
      sheet.DrawFrame(kPropA, 0, 372, 306, kWhite, 0.8f, 0.8f);
      break;
    case 39:
      sheet.DrawFrame(kPropA, 0, 10, 100, kWhite, 0.8f, 0.9f);
      break;
    default:
      break;
  }
}

void QuestScenery::movePortcullis(int step, int quest) {
  int* y = risingPropY(*this, quest);
  if (!y || !portcullisMoving) return;
  *y -= step;
  if (*y <= kPortcullisTop) {
    *y = kPortcullisTop;
    portcullisMoving = 0;
  }
}

void QuestScenery::animate(float vanishesBelow) {
  if (!fadeActive || !fadeTimer.fires(30)) return;
  if (gateClosing) {
    gateScale -= 0.02f;
    if (gateScale < vanishesBelow) {
      gateScale = 0;
      fadeActive = 0;
      portcullisMoving = 0;
    }
  } else {
    gateScale += 0.02f;
    if (gateScale > kGateOpenScale) {
      gateScale = kGateOpenScale;
      fadeActive = 0;
      portcullisMoving = 1;
    }
  }
}
