#pragma once

class GameApp;

// The quest clock counts milliseconds only while it runs: from an arrow key until a pause (menu,
// information screen, solved quest). It shows whole seconds, at most the time limit.
namespace questclock {

constexpr unsigned kMaxSeconds = 150;

// Stops the clock, remembering what it had counted; it runs again with the next arrow key.
void pause(GameApp& game);
// The clock step of a world frame.
void run(GameApp& game);
// A quest starts with a full clock.
void resetForNewQuest(GameApp& game);

}  // namespace questclock
