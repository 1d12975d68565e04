#include "world/QuestDrawing.h"

#include "quests/QuestObjects.h"
#include "world/WorldState.h"

namespace {

enum Slot : int { kBallSlot = 24, kParticleSlot = 25, kMachineParticleSlot = 32, kBlockParticleSlot = 33, kRockSlot = 34 };
// Each particle of a burst keeps its own size, so the seven read as scattered pieces.
constexpr float kParticleScales[kBurstParticles] = {0.9f, 0.6f, 1.1f, 0.7f, 0.5f, 1.0f, 0.8f};
constexpr float kSmallParticleScales[kBurstParticles] = {0.6f, 0.4f, 0.9f, 0.5f, 0.3f, 0.7f, 0.5f};

struct Painter {
  const WorldState& w;
  const DrawLine& line;

  void at(int frame, int x, int y, float scaleX) const {
    const int px = line.at ? line.at->x : x + line.offsetX;
    const int py = line.at ? line.at->y : y + line.offsetY;
    if (w.sheet) w.sheet->DrawFrame(line.slot, frame, px, py, kWhite, scaleX, line.scaleY);
  }
  void at(int frame, int x, int y) const { at(frame, x, y, line.scaleX); }
  // Every object i of a kind for which `shown(i)` holds, or only the line's own object.
  template <typename Shown, typename DrawOne>
  void each(int count, Shown&& shown, DrawOne&& drawOne) const {
    for (int i = 0; i < count; ++i)
      if ((line.index < 0 || line.index == i) && shown(i)) drawOne(i);
  }
};

void drawLine(const WorldState& w, const DrawLine& line) {
  const Painter p{w, line};
  const auto always = [](int) { return true; };
  switch (line.what) {
    case Draw::Coins:
      p.each(w.coinCount, [&](int i) { return w.coinPresent[i]; }, [&](int i) { p.at(w.coinFrame, w.coinX[i], w.coinY[i]); });
      break;
    case Draw::Keys:
      p.each(w.keyCount, [&](int i) { return w.keyPresent[i] && w.keyKind[i] == line.slot; },
             [&](int i) { p.at(w.keyFrame, w.keyX[i], w.keyY[i]); });
      break;
    case Draw::Food:
      p.each(w.foodCount, [&](int i) { return w.foodPresent[i]; }, [&](int i) { p.at(w.foodFrame, w.foodX[i], w.foodY[i]); });
      break;
    case Draw::Weights:
      p.each(w.weightCount, [&](int i) { return w.weightPresent[i]; },
             [&](int i) { p.at(w.weightFrame, w.weightX[i], w.weightY[i]); });
      break;
    case Draw::Doors:
      p.each(w.doorCount, [&](int i) { return w.doorPresent[i]; },
             [&](int i) { p.at(0, w.doorX[i], w.doorY[i], w.doorScaleX[i]); });
      break;
    case Draw::Blocks:
      p.each(w.blockCount, [&](int i) { return w.blockPresent[i]; },
             [&](int i) { p.at(0, w.blockX[i], w.blockY[i], w.blockScaleX[i]); });
      break;
    case Draw::Hammers:
      p.each(kMaxHammers, [&](int i) { return w.hammerPresent[i]; },
             [&](int i) { p.at(w.hammerFrame, w.hammerX[i], w.hammerY[i]); });
      break;
    case Draw::TeleporterPads:
      p.each(w.teleporterCount, always, [&](int i) { p.at(0, w.teleporterX[i], w.teleporterY[i]); });
      break;
    case Draw::TeleporterBeams:
      p.each(w.teleporterCount, always, [&](int i) { p.at(w.teleporterFrame, w.teleporterX[i], w.teleporterY[i]); });
      break;
    case Draw::Catapults:
      p.each(w.catapultCount, [&](int i) { return w.catapultPresent[i]; }, [&](int i) {
        p.at(w.catapultFrame + (w.catapultFacing[i] == 2 ? 2 : 0), w.catapultX[i], w.catapultY[i]);
      });
      break;
    case Draw::Gem:
      if (w.gemPresent) p.at(w.gemFrame, w.gemX, w.gemY);
      break;
    case Draw::Levers:
      p.each(w.leverCount, [&](int i) { return w.leverPresent[i]; },
             [&](int i) { p.at(w.leverPosition[i], w.leverX[i], w.leverY[i]); });
      break;
    case Draw::Stores:
      p.each(kMaxStores, [&](int i) { return w.storePresent[i]; }, [&](int i) { p.at(0, w.storeX[i], w.storeY[i]); });
      break;
    case Draw::Machine:
      if (w.machinePresent) p.at(w.machineFrame, w.machineX, w.machineY);
      break;
    case Draw::Vases:
      p.each(w.vaseCount, [&](int i) { return w.vasePresent[i]; }, [&](int i) { p.at(0, w.vaseX[i], w.vaseY[i]); });
      break;
    case Draw::Horn:
      if (w.hornPresent == 1) p.at(0, w.hornX, w.hornY);
      break;
    case Draw::MovablePad:
      p.at(0, w.movablePadX, w.movablePadY);
      break;
    case Draw::Ladders:
      p.each(w.ladderCount, [&](int i) { return w.ladderPresent[i]; }, [&](int i) { p.at(0, w.ladderX[i], w.ladderY[i]); });
      break;
    case Draw::SuspiciousWalls:
      p.each(w.suspWallCount, [&](int i) { return w.suspWallPresent[i] || w.suspWallOpening[i]; },
             [&](int i) { p.at(0, w.suspWallX[i], w.suspWallY[i], w.suspWallScale[i]); });
      break;
    case Draw::Picture:
      p.at(line.frame, 0, 0);
      break;
    case Draw::Buttons:
      p.each(w.buttonCount, [&](int i) { return w.buttonPresent[i]; }, [&](int i) { p.at(0, w.buttonX[i], w.buttonY[i]); });
      break;
    case Draw::TrapDoors:
      p.each(2, [&](int i) { return i < w.trapDoorCount; }, [&](int i) { p.at(w.trapDoorFrame[i], w.trapDoorX[i], w.trapDoorY[i]); });
      break;
    case Draw::Trampolines:
      p.each(w.trampolineCount, [&](int i) { return w.trampolinePresent[i]; },
             [&](int i) { p.at(w.trampolineSetting[i], w.trampolineX[i], w.trampolineY[i]); });
      break;
    case Draw::Balls:
      if (w.ballRolling) p.at(w.ballFrame, w.ballX, w.ballY);
      p.each(kWorld4Balls - 1, [&](int i) { return w.moreBallRolling[i]; },
             [&](int i) { p.at(w.ballFrame, w.moreBallX[i], w.moreBallY[i]); });
      break;
  }
}

void drawParticles(const WorldState& w, int slot, int frame, const Particle (&burst)[kBurstParticles]) {
  for (int i = 0; i < kBurstParticles; ++i)
    w.sheet->DrawFrame(slot, frame, burst[i].x, burst[i].y, kWhite, kSmallParticleScales[i], kSmallParticleScales[i]);
}

void drawBursts(const WorldState& w) {
  for (int k = 0; k < kBursts; ++k) {
    if (w.burstActive[k])
      for (int i = 0; i < kBurstParticles; ++i)
        w.sheet->DrawFrame(kParticleSlot, w.burstFrame, w.burst[i].x[k], w.burst[i].y[k], kWhite, kParticleScales[i],
                           kParticleScales[i]);
    if (w.spareBurstActive[k])
      for (int i = 0; i < kBurstParticles; ++i)
        w.sheet->DrawFrame(kParticleSlot, w.burstFrame, w.spareBurst[i].x[k], w.spareBurst[i].y[k], kWhite,
                           kSmallParticleScales[i], kSmallParticleScales[i]);
  }
  if (w.machineBurstActive)
    for (int i = 0; i < kBurstParticles; ++i)
      w.sheet->DrawFrame(kMachineParticleSlot, w.machineBurstFrames[i % 3], w.machineBurst[i].x, w.machineBurst[i].y,
                         kWhite, kSmallParticleScales[i], kSmallParticleScales[i]);
  if (w.blockBurstActive) drawParticles(w, kBlockParticleSlot, w.burstFrame, w.blockBurst);
}

}  // namespace

void drawQuestObjects(const WorldState& w, const QuestObjects* quest) {
  if (!w.sheet) return;
  if (quest)
    for (const DrawLine& line : quest->drawing) drawLine(w, line);
  // World 4's quests draw their balls with their own lines.
  const bool ownBalls = quest && !quest->balls.empty();
  if (w.ballRolling && !ownBalls) w.sheet->DrawFrame(kBallSlot, w.ballFrame, w.ballX, w.ballY, kWhite, 0.9f, 0.9f);
  drawBursts(w);
}

void drawRocks(const WorldState& w) {
  if (!w.sheet) return;
  for (int i = 0; i < 3 && i < w.rockCount; ++i)
    if (w.rockPresent[i] && w.rockY[i] > -50 && w.rockY[i] < 500)
      w.sheet->DrawFrame(kRockSlot, w.sparkleFrame, w.rockColumnX, w.rockY[i], kWhite, 1.0f, 1.2f);
}
