#pragma once
#include <memory>

#include "platform/Audio.h"
#include "platform/GraphicsDevice.h"
#include "platform/Input.h"

struct SDL_Window;

// How the program runs, chosen once at start-up.
struct PlatformOptions {
  bool headless = false;   // no window, no sound card, the virtual clock; input from `scriptedInput`
  bool windowed = false;   // an 800 by 600 window instead of the full screen
  uint32_t frameMs = 16;   // virtual milliseconds per frame in headless runs
  InputSource* scriptedInput = nullptr;
};

// Window messages the game may want to see.
enum class WindowMessage { Close, FocusLost, FocusGained };

// The window, the message loop and the platform subsystems, with the hooks the game fills in.
class Application {
 public:
  Application();
  virtual ~Application();
  Application(const Application&) = delete;
  Application& operator=(const Application&) = delete;

  virtual int MsgProc(WindowMessage message) { return 0; }
  virtual int Init() { return 1; }
  virtual int Cleanup() { return 1; }
  virtual int Frame() { return 1; }

  // Opens the window (or the headless device), runs Init, the loop and Cleanup. 1 after a normal
  // end, 0 when the window could not be created.
  int Run();
  // The pieces of Run, for callers that drive the frames themselves (the replay runner).
  int Open();
  void Close();
  // Ends the loop when the next message is taken.
  void PostQuitMessage() { quitPosted = true; }
  bool quitRequested() const { return quitPosted; }
  // The keyboard and mouse of this run: the real ones, or the script's in headless runs. The real
  // source maps the pointer through the renderer, so ask for it once the graphics device exists.
  InputSource* platformInput();
  // Between full screen and an 800 by 600 window (F11, Alt+Enter).
  void toggleFullScreen();

  PlatformOptions options;
  char caption[260] = "Application Caption";
  int x = 0, y = 0;
  int width = 500, height = 500;
  SDL_Window* window = nullptr;

  InputSystem input;
  InputDevice keyboard;
  GraphicsDevice graphics;
  SoundSystem audio;
  SoundEffect sound;
  MusicPlayer music;

 private:
  bool pumpOneMessage();
  void paceWithoutDisplaySync(uint32_t frameStart);

  bool quitPosted = false;
  bool videoStarted = false;
  std::unique_ptr<InputSource> realInput;
  int fastFrames = 0;
};
