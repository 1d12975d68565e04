#pragma once
#include "game/GameApp.h"

// The steps every scene runs each frame, in this order: entry, preamble, creation, input, logic and
// drawing, leaving, scene clock, freeing, overlay, epilogue.

// The entry step of most scenes: a scene just switched to clears the flag and takes no frame
// measurement on this first frame.
void enterScene(GameApp& game);
// Frame timer, pointer, begin the device frame and clear it to black.
void beginSceneFrame(GameApp& game);
// The same for a scene whose pictures cover the whole screen but one rectangle: only that is
// cleared (clearing the whole screen costs as much as drawing a large picture).
void beginCoveredSceneFrame(GameApp& game, int x, int y, int width, int height);
// Present the frame: the pointer (when the scene shows one), end, present, frame timer.
void endSceneFrame(GameApp& game, bool drawPointer);
// Restarts the scene clock when asked to and counts its whole seconds.
void runSceneClock(GameApp& game);
// The frames-per-second overlay, when the first settings value asks for it.
void drawFpsOverlay(GameApp& game, int x, int y);
// Leaves for another scene at the end of this frame; the leaving scene frees its screen.
void changeScene(GameApp& game, SceneRoutine next);
// Switches without freeing: the current screen stays and resumes when its scene runs again.
void openOver(GameApp& game, SceneRoutine next);
// The title music, from the start, at its usual volume.
void startTitleMusic(GameApp& game);
// A front-end screen being created restarts the title music when a world asked for it.
void restartTitleMusicIfAsked(GameApp& game);
// Marks a freshly created screen: no frame measurement yet, the scene clock starts again.
void startSceneClock(GameApp& game);
// Reads the keyboard for this frame.
void pollKeyboard(GameApp& game);
// An edge-triggered key press: true once per press, the key then stays latched until released.
bool takeKey(GameApp& game, uint8_t key);
// The Back and Continue button art every screen shares, made by the first screen that needs it.
void ensureBackContinuePanel(GameApp& game);
// The objects kept for the whole run (button art, settings, game record with the hall of fame),
// made by the first scene that finds them missing.
void ensureLongLivedObjects(GameApp& game);
// Creates the pacer when missing, with the measured machine speed as its reference.
StepPacer& pacer(GameApp& game, int index);
void deletePacers(GameApp& game);
