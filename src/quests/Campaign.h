#pragma once

class GameApp;

// One step of the play order, taken when the player accepts a quest's result: the quest's gem, if
// it awards one, then the next quest. After the last quest the campaign is over: the game record
// says so and the quest number stays.
void advanceQuest(GameApp& game);
