#include <cstdio>

#include "game/Panels.h"
#include "game/SceneFrame.h"
#include "game/Scenes.h"
#include "game/Settings.h"
#include "persistence/GameRecord.h"
#include "platform/KeyCodes.h"
#include "quests/PlayOrder.h"
#include "quests/QuestObjects.h"
#include "world/ChoicePanel.h"
#include "world/Collisions.h"
#include "world/Dude.h"
#include "world/GateTriggers.h"
#include "world/Kinds.h"
#include "world/QuestDrawing.h"
#include "world/Hud.h"
#include "world/InGameMenu.h"
#include "world/QuestClock.h"
#include "world/QuestImage.h"
#include "world/QuestScenery.h"
#include "world/WorldRules.h"
#include "world/WorldState.h"

namespace {

// The seven pacers of a world, in pacer order.
enum Pace : int { k30, k40, k60, k80, k110, k130, k170 };
constexpr int kPaceRates[kPacerCount] = {30, 40, 60, 80, 110, 130, 170};
constexpr uint8_t kCaptureQuest = 1, kRestoreQuest = 2;
constexpr uint8_t kFromInformation = 2, kFromQuitDialog = 3;
constexpr uint8_t kPlainSave = 0, kAskBeforeMenu = 1;

// One frame's context: the world's objects and rules.
struct Frame {
  GameApp& game;
  const WorldRules& rules;
  WorldObjects& objects;
  QuestScenery& scenery;
  WorldState& world;
  Dude& dude;
  int quest;
  const QuestObjects* objectsOfQuest;
  LiveQuest live() const { return {dude, scenery, world, game, rules.imageSignBytes, rules.imageWalkerAndBounce}; }
  uint8_t steps(Pace pace) const { return game.pacers[pace]->out; }
};

void enterWorld(GameApp& game) {
  if (!game.sceneChange) return;
  game.sceneChange = 0;
  game.frameValid = 0;
  game.sceneClockRestart = 1;
  game.sceneSeconds = 0;
  game.questTimerRunning = 0;
}

void startWorldMusic(GameApp& game) {
  game.music.Stop();
  game.music.Load("Data/Music2.mid");
  game.music.SetVolume(70);
  game.music.Play(40, 0);
}

// The quest's three objects are made on the first frame, each only when missing, so a world
// re-entered after a hand-over starts the quest from its layout.
void createQuest(GameApp& game, WorldObjects& objects) {
  const int quest = game.questNumber;
  if (!objects.scenery) {
    objects.scenery = std::make_unique<QuestScenery>();
    objects.scenery->load(&game.graphics, quest);
    objects.scenery->setupQuest(quest);
    startWorldMusic(game);
  }
  if (!objects.state) {
    objects.state = std::make_unique<WorldState>();
    objects.state->loadArt(&game.graphics, quest);
    objects.state->reset();
    objects.state->setupQuest(quest);
    objects.state->questNumber = static_cast<uint8_t>(quest);
  }
  if (!objects.dude) {
    objects.dude = std::make_unique<Dude>();
    objects.dude->loadArt(&game.graphics);
    objects.dude->setupQuest(quest);
  }
  for (int i = 0; i < kPacerCount; ++i) pacer(game, i);
}

void handOver(GameApp& game, SceneRoutine next) {
  game.currentScene = next;
  game.sceneChange = 1;
}

void continueToResult(Frame& f) {
  f.game.lastTimeLeft = static_cast<uint8_t>(f.scenery.timeLimit - f.game.sceneSeconds);
  f.game.lastHeartsLeft = f.dude.hearts;
  f.game.sceneClockRestart = 1;
  handOver(f.game, QuestResultScene);
}

// Leaving a solved quest for another screen closes its menu. A click while the menu was up made
// it "solved under the menu"; it goes back to plain solved, as Cancel would, or the quest would
// return with neither its message nor a working Continue.
void closeMenuOverSolvedQuest(Frame& f) {
  if (!f.world.questSolved) return;
  f.dude.menuState = Dude::kPlaying;
  f.world.questSolved = 1;
}

void openInformation(Frame& f) {
  GameApp& game = f.game;
  questclock::pause(game);
  closeMenuOverSolvedQuest(f);
  game.gameRecord->worldReturn = kFromInformation;
  game.gameRecord->transferState = kCaptureQuest;
  handOver(game, InformationScene);
}

void openMenu(Frame& f) {
  f.dude.menuState = Dude::kMenuOpen;
  questclock::pause(f.game);
}

// The save screen keeps the quest as an image; Main Menu first asks whether to save.
void openSaveScreen(Frame& f, uint8_t saveBeforeMenu) {
  GameApp& game = f.game;
  game.restartMusic = 1;
  game.gameRecord->saveBeforeMenu = saveBeforeMenu;
  game.gameRecord->transferState = kCaptureQuest;
  handOver(game, SaveScene);
}

void runMenuChoice(Frame& f, menu::Choice choice) {
  GameApp& game = f.game;
  switch (choice) {
    case menu::kRestart:
      game.restartMusic = 1;
      handOver(game, QuestBriefingScene);
      break;
    case menu::kMainMenu:
      openSaveScreen(f, kAskBeforeMenu);
      break;
    case menu::kSave:
      closeMenuOverSolvedQuest(f);
      openSaveScreen(f, kPlainSave);
      break;
    case menu::kQuit:
      closeMenuOverSolvedQuest(f);
      game.restartMusic = 1;
      game.gameRecord->worldReturn = kFromQuitDialog;
      game.gameRecord->transferState = kCaptureQuest;
      handOver(game, QuitScene);
      break;
    case menu::kCancel:
      f.dude.menuState = Dude::kPlaying;
      if (f.world.questSolved) f.world.questSolved = 1;
      game.sceneClockRestart = 1;
      break;
    default:
      break;
  }
}

void pressButtons(Frame& f) {
  InputDevice& mouse = f.game.cursor.mouse;
  if (!mouse.ButtonHit(0) && !mouse.ButtonHit(1)) return;
  const int cx = f.game.cursor.x, cy = f.game.cursor.y;
  WorldState& world = f.world;
  world.mouseClicked = 1;
  if (hud::overMenuButton(cx, cy)) {
    world.hudButtonDown = hud::kMenu;
    mouse.SetLatch(0, 1);
    mouse.SetLatch(1, 1);
    openMenu(f);
  }
  if (hud::overInfoButton(cx, cy)) {
    world.hudButtonDown = hud::kInfo;
    f.game.restartMusic = 1;
  }
  if (world.questSolved == 1 && hud::overContinueButton(world, cx, cy)) {
    world.hudButtonDown = hud::kContinue;
    world.continueButtonFrame = 2;
    world.continuePressed = 1;
  }
  if (f.dude.menuState != Dude::kPlaying) runMenuChoice(f, menu::click(f.dude, world, mouse, cx, cy));
}

// A pressed bar button acts once the pointer has left it or the mouse button is let go; only
// Continue reports hovering, so the menu and info buttons act at once.
void releaseButtons(Frame& f) {
  WorldState& world = f.world;
  if (world.hudButtonDown == hud::kNone) return;
  if (world.hudButtonHover == world.hudButtonDown && !MouseReleased(f.game.cursor.mouse)) return;
  switch (world.hudButtonDown) {
    case hud::kMenu:
      world.continuePressed = 0;
      world.hudButtonDown = hud::kNone;
      break;
    case hud::kInfo:
      world.hudButtonDown = hud::kNone;
      openInformation(f);
      break;
    case hud::kContinue:
      if (world.questSolved != 1) break;
      world.hudButtonDown = hud::kNone;
      continueToResult(f);
      break;
    default:
      break;
  }
}

void move(Frame& f) {
  GameApp& game = f.game;
  if (!game.frameValid) return;
  for (int i = 0; i < kPacerCount; ++i) game.pacers[i]->out = game.pacers[i]->StepAveraged(kPaceRates[i], game.frameMs);
  WorldState& w = f.world;
  if (f.dude.menuState == Dude::kPlaying) {
    switch (f.rules.balls) {
      case BallRolling::AlwaysLeft: moveBall(w, f.steps(k130)); break;
      case BallRolling::ByFlags: moveBallByFlags(w, f.steps(k130)); break;
      case BallRolling::ThreeBalls: moveThreeBalls(w, f.steps(k130)); break;
    }
    moveRocks(w, f.steps(k170));
  }
  moveBursts(w, {f.steps(k30), f.steps(k40), f.steps(k60), f.steps(k80), f.steps(k110), f.steps(k130)});
  if (!w.flightActive && !w.teleportState && !w.questSolved) f.dude.step(f.steps(k110));
  f.scenery.movePortcullis(f.steps(k30), f.quest);
}

// The per-frame scripts of world 4's quests: balls let go and caught, gates opened.
void runQuestScripts(Frame& f) {
  const QuestObjects* q = f.objectsOfQuest;
  if (!q || f.rules.balls != BallRolling::ThreeBalls) return;
  releaseBalls(f.world, f.dude, *q);
  catchBalls(f.world, *q);
  runGateTriggers(f.world, f.scenery, q);
}

void animate(Frame& f) {
  WorldState& w = f.world;
  w.animate();
  if (f.dude.menuState == Dude::kPlaying) runMachine(w);
  if (f.dude.menuState == Dude::kOutOfHearts) w.rocksFalling = 0;
  if (!w.flightActive && !w.teleportState) {
    f.dude.animateWalk();
    f.dude.animateIdle();
  }
  // A solved quest cheers every frame, also between the steps of a teleport.
  if (w.questSolved) f.dude.frame = Dude::kCheeringFrame;
  if (w.fadeTimer.fires(30)) {
    fadeBlocks(w, f.rules.world);
    fadeDoors(w);
    fadeSuspiciousWalls(w);
  }
  f.scenery.animate(f.rules.gateVanishesBelow);
  runQuestScripts(f);
}

// What the dude finds where it now stands.
void pickUp(Frame& f) {
  WorldState& w = f.world;
  Dude& d = f.dude;
  pickUpCoinsAndFood(w, d);
  pickUpKeys(w, d);
  pickUpWeights(w, d);
  pickUpHammers(w, d);
  pickUpGem(w, d);
  testLevers(w, d, f.rules.leversCostHearts);
  testCatapults(w, d);
  enterTeleporters(w, d);
  testStores(w, d);
  testTrader(w, d);
  pickUpHorn(w, d, f.rules.hornOpensPassage);
  testButtons(w, d);
}

// The dude's proposed move meets the balls and rocks, the field's edge, the quest's objects and
// its walls; then it picks up what it stands on.
void collide(Frame& f) {
  WorldState& w = f.world;
  Dude& d = f.dude;
  if (w.flightActive) return;
  if (d.menuState == Dude::kPlaying) {
    hitBallsAndRocks(w, d, f.quest);
    hitMoreBalls(w, d);
  }
  collideProposedMove(w, d, f.rules.world);
  pickUp(f);
}

// A catapult flight and a teleport move the dude after the collisions.
void flyOrTeleport(Frame& f) {
  WorldState& w = f.world;
  if (w.flightActive) {
    f.dude.frame = w.flightDirection == 1 ? 25 : 24;
    if (f.dude.menuState == Dude::kPlaying) {
      f.game.questTimerRunning = 1;
      fly(w, f.dude, f.steps(k130), f.objectsOfQuest);
    }
  }
  animateTeleport(w, f.dude);
}

void draw(Frame& f) {
  GameApp& game = f.game;
  f.scenery.draw(f.quest);
  drawRocks(f.world);
  stopRocksWithoutBlock0(f.world);
  hud::drawBar(f.world);
  hud::drawTime(f.world, static_cast<uint32_t>(f.scenery.timeLimit) - game.sceneSeconds);
  drawQuestObjects(f.world, f.objectsOfQuest);
  hud::drawInventory(f.world);
  hud::drawHearts(f.world, f.dude);
  if (!f.world.questSolved) {
    panel::draw(f.world, f.objectsOfQuest);
    if (!f.world.flightActive) panel::runScripts(f.world, f.dude, f.objectsOfQuest);
  }
  f.dude.draw();
  hud::drawSolvedMessage(f.world, f.quest, game.backContinuePanel ? &game.backContinuePanel->buttons : nullptr);
  if (f.dude.menuState == Dude::kPlaying) hud::drawBubble(f.world, f.dude);
}

void playVictoryMusic(Frame& f) {
  if (!f.world.questSolved || !f.world.musicSwitchPending) return;
  f.game.music.Load(f.rules.victoryMusic);
  f.game.music.SetVolume(70);
  f.game.music.Play(50, 1);
  f.world.musicSwitchPending = 0;
}

void drawDebugOverlay(Frame& f) {
  GameApp& game = f.game;
  if (!f.rules.debugOverlay || !game.settings || !game.settings->showFps()) return;
  drawFpsOverlay(game, 20, 560);
  constexpr uint32_t kPink = 0xFFF582F5, kOrange = 0xFFF5822D;
  char number[16];
  const auto line = [&](long value, int x, int y, const char* label, uint32_t colour, int width) {
    std::snprintf(number, sizeof number, "%ld", value);
    game.font.DrawText(number, x, y, width, 100, colour, 0);
    game.font.DrawText(label, x + 40, y, width, 100, colour, 0);
  };
  line(game.questTimerTotal, 20, 160, " TimeAccurate", kPink, 420);
  if (f.rules.world == 4) line(f.world.ledge[0].active, 20, 100, "InvisibleBarrierUP1Alive", kPink, 420);
  if (f.rules.world == 5) {
    line(game.questTimerCarried, 20, 100, "TimePassed", kPink, 420);
    line(game.cursor.x, 580, 560, "Mouse X", kOrange, 400);
    line(game.cursor.y, 580, 580, "Mouse Y", kOrange, 400);
  }
}

// Escape and Backspace open and close the menu, one change per frame; out of hearts they restart
// the quest through its briefing.
void menuKeys(Frame& f) {
  GameApp& game = f.game;
  game.menuKeyHandled = 0;
  pollKeyboard(game);
  for (const uint8_t key : {kKeyEscape, kKeyBackspace}) {
    if (!takeKey(game, key)) continue;
    questclock::pause(game);
    if (game.menuKeyHandled) continue;
    game.menuKeyHandled = 1;
    switch (f.dude.menuState) {
      case Dude::kPlaying:
        f.dude.menuState = Dude::kMenuOpen;
        if (f.world.questSolved == 1) f.world.questSolved = 2;
        break;
      case Dude::kOutOfHearts:
        handOver(game, QuestBriefingScene);
        if (f.world.questSolved == 2) f.world.questSolved = 1;
        break;
      default:
        f.dude.menuState = Dude::kPlaying;
        if (f.world.questSolved == 2) f.world.questSolved = 1;
        break;
    }
  }
}

// Whether the quest's background and the bar, as drawn last frame, hide the whole screen.
bool screenCovered(const WorldObjects& objects) {
  return objects.scenery && objects.state && objects.scenery->coversField() && hud::barCoversScreen(*objects.state);
}

void runWorld(GameApp& game, int worldNumber) {
  enterWorld(game);
  WorldObjects& objects = game.worlds[worldNumber - 1];
  if (screenCovered(objects))
    beginCoveredSceneFrame(game, hud::kTimeFrameX, hud::kTimeFrameY, hud::kTimeFrameWidth, hud::kTimeFrameHeight);
  else
    beginSceneFrame(game);
  createQuest(game, objects);
  Frame f{game,          worldRules(worldNumber), objects, *objects.scenery, *objects.state, *objects.dude,
          game.questNumber, questObjects(game.questNumber)};
  GameRecord& record = *game.gameRecord;
  if (record.transferState == kRestoreQuest) {
    record.transferState = 0;
    restoreQuest(f.live(), record.questImage);
  }

  pollKeyboard(game);
  if (f.dude.readArrows(game.keyboard)) game.questTimerRunning = 1;
  if (f.rules.enterContinues && f.world.questSolved == 1 && takeKey(game, kKeyEnter)) continueToResult(f);

  hud::hover(f.world, game.cursor.x, game.cursor.y);
  panel::hover(f.world, game.cursor.x, game.cursor.y);
  if (f.world.questSolved) game.questTimerRunning = 0;
  if (f.dude.menuState != Dude::kPlaying) menu::hover(f.dude, game.cursor.x, game.cursor.y);
  pressButtons(f);
  releaseButtons(f);

  move(f);
  animate(f);
  collide(f);
  flyOrTeleport(f);
  f.dude.commit();
  if (f.world.hornTaken) {
    f.scenery.fadeActive = 1;
    f.world.hornTaken = 0;
  }

  draw(f);
  playVictoryMusic(f);
  openGateOnSoundedPress(f.world, f.scenery, f.objectsOfQuest);
  f.world.serveSounds(game.sound, f.rules);
  f.world.hudButtonHover = 0;
  f.world.mouseClicked = 0;
  questclock::run(game);
  drawDebugOverlay(f);
  menuKeys(f);

  if (record.transferState == kCaptureQuest) {
    record.transferState = 0;
    captureQuest(f.live(), record.questImage);
  }
  if (game.sceneChange) objects.free();
  endSceneFrame(game, true);
}

}  // namespace

void WorldScene1(GameApp& game) { runWorld(game, 1); }
void WorldScene2(GameApp& game) { runWorld(game, 2); }
void WorldScene3(GameApp& game) { runWorld(game, 3); }
void WorldScene4(GameApp& game) { runWorld(game, 4); }
void WorldScene5(GameApp& game) { runWorld(game, 5); }
void WorldScene6(GameApp& game) { runWorld(game, 6); }
