#include "game/SceneFrame.h"
#include "game/Scenes.h"
#include "persistence/GameRecord.h"
#include "persistence/SaveGameCodec.h"
#include "persistence/SaveScreen.h"

// One frame, drawing nothing: writes the slot the save screen picked and goes straight back to it,
// its screen object still alive.
void SaveWriterScene(GameApp& game) {
  ensureLongLivedObjects(game);
  GameRecord& record = *game.gameRecord;
  record.rescanSlots = 1;
  QuestImage& image = record.questImage;
  if (image.dudeNextX < 0) image.dudeNextX = 0;
  if (image.dudeNextY < 0) image.dudeNextY = 0;
  if (SaveScreen* screen = game.saveScreen.get())
    screen->saveWritten(screen->chosenSlot, writeSlotFile(screen->chosenSlot, savedGameOf(game, record)) == 1);
  game.sceneChange = 0;
  game.currentScene = SaveScene;
}
