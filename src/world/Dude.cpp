#include "world/Dude.h"

#include "quests/PlayOrder.h"

#include <algorithm>

#include "game/IdleAnimation.h"
#include "platform/Input.h"
#include "platform/KeyCodes.h"

namespace {
struct WalkRange {
  uint8_t lo, hi;
};
// Frames of the walk in each direction, indexed by Direction.
constexpr WalkRange kWalkFrames[5] = {{0, 0}, {12, 15}, {8, 11}, {20, 23}, {16, 19}};

template <typename Wall, size_t N>
uint8_t copyWalls(std::span<const Wall> from, Wall (&to)[N]) {
  const size_t n = std::min(from.size(), N);
  std::copy_n(from.begin(), n, to);
  return static_cast<uint8_t>(n);
}
}  // namespace

void Dude::loadArt(GraphicsDevice* graphics) {
  sheet.Create(graphics, 6);
  sheet.SetAlphaTest(1);
  sheet.Load(0, "Art/ButtonMainMenu.bmp", 128, 64, kNoKey, 25);
  sheet.Load(1, "Art/ButtonRestart.bmp", 128, 64, kNoKey, 25);
  sheet.Load(2, "Art/Dude.bmp", 32, 64, kKeyBlack, 25);
  sheet.Load(3, "Art/ButtonSave.bmp", 128, 64, kNoKey, 25);
  sheet.Load(4, "Art/ButtonCancle.bmp", 128, 64, kNoKey, 25);
  sheet.Load(5, "Art/ButtonQuit2.bmp", 128, 64, kNoKey, 25);
}

void Dude::setupQuest(int quest) {
  menuX = 330;
  // Outside world 1 every quest starts without hearts; the first must be earned.
  hearts = worldOfQuest(quest) == 1 ? 1 : 0;
  const QuestLayout* layout = questLayout(quest);
  if (!layout) return;
  const DudeLayout& d = layout->dude;
  x = nextX = d.startX;
  y = nextY = d.startY;
  hearts = d.hearts;
  wallUpCount = copyWalls(d.up, wallUp);
  wallDownCount = copyWalls(d.down, wallDown);
  wallLeftCount = copyWalls(d.left, wallLeft);
  wallRightCount = copyWalls(d.right, wallRight);
}

bool Dude::readArrows(const InputDevice& keyboard) {
  struct ArrowRow {
    uint8_t key, pad;
    Direction direction;
  };
  static constexpr ArrowRow kRows[4] = {{kKeyRight, kKeyPad6, kRight},
                                        {kKeyLeft, kKeyPad4, kLeft},
                                        {kKeyUp, kKeyPad8, kUp},
                                        {kKeyDown, kKeyPad2, kDown}};
  direction = kNone;
  if (menuState != kPlaying) return false;
  bool anyArrow = false;
  for (const ArrowRow& row : kRows) {
    if (keyboard.KeyHit(row.key) || keyboard.KeyHit(row.pad)) {
      direction = row.direction;
      anyArrow = true;
    }
  }
  return anyArrow;
}

void Dude::step(int pixels) {
  if (menuState != kPlaying) return;
  switch (direction) {
    case kRight: nextX += pixels; break;
    case kLeft: nextX -= pixels; break;
    case kUp: nextY -= pixels; break;
    case kDown: nextY += pixels; break;
    default: break;
  }
}

void Dude::animateWalk() {
  if (direction == kNone || !walkTimer.fires(70)) return;
  const WalkRange range = kWalkFrames[direction];
  frame = std::clamp(frame, range.lo, range.hi);
  if (frameRising) {
    if (++frame > range.hi) {
      frame = range.hi;
      frameRising = 0;
    }
  } else if (frame == range.lo) {
    frameRising = 1;
  } else {
    --frame;
  }
}

void Dude::animateIdle() {
  if (direction == kNone && idleTimer.fires(450)) stepIdleFrame(frame, frameRising);
}

void Dude::clampToField() {
  if (nextX < 0 || nextX + kWidth > kFieldWidth) nextX = x;
  if (nextY < 0 || nextY + kHeight > kFieldHeight) nextY = y;
}

void Dude::applyWalls() {
  for (int i = 0; i < wallUpCount; ++i) {
    const HorizontalWall& w = wallUp[i];
    if (nextX + width > w.x1 && nextX < w.x2 && nextY < w.y && y >= w.y) nextY = y;
  }
  for (int i = 0; i < wallDownCount; ++i) {
    const HorizontalWall& w = wallDown[i];
    if (nextX + width > w.x1 && nextX < w.x2 && nextY + height > w.y && y + height <= w.y) nextY = y;
  }
  for (int i = 0; i < wallLeftCount; ++i) {
    const VerticalWall& w = wallLeft[i];
    if (nextY + height - 1 >= w.y1 && nextY < w.y2 && nextX < w.x && x >= w.x) nextX = x;
  }
  for (int i = 0; i < wallRightCount; ++i) {
    const VerticalWall& w = wallRight[i];
    if (nextY + height - 1 >= w.y1 && nextY < w.y2 && nextX + width > w.x && x + width <= w.x) nextX = x;
  }
  commit();
}

void Dude::draw() const {
  if (menuState == kPlaying) {
    sheet.DrawFrame(2, frame, x, y, kWhite, 0.9f, 0.8f);
    return;
  }
  // The in-game menu stands in the figure's place.
  struct MenuButton {
    int slot, y, frameIndex;
  };
  static constexpr MenuButton kButtons[4] = {{1, 110, 0}, {0, 210, 1}, {3, 310, 2}, {5, 410, 4}};
  for (const MenuButton& b : kButtons)
    sheet.DrawFrame(b.slot, menuButtonFrame[b.frameIndex], menuX, b.y, kWhite, 1.2f, 1.2f);
  if (menuState == kMenuOpen) sheet.DrawFrame(4, menuButtonFrame[3], menuX, 10, kWhite, 1.2f, 1.2f);
}
