#pragma once
#include <string>

// The folder that holds the saved games and the hall of fame: "Saves" in the game directory unless
// the start-up chose another (the user's data folder for an installed game).
void useSaveFolder(const std::string& folder);
// "<folder>/1.sav" to "<folder>/5.sav"; null for any other slot.
const char* slotFileInSaveFolder(int slot);
const char* hallOfFameFileInSaveFolder();
// Creates the folder a save file goes into (and its parents) when it is missing, so that the first
// save of a player makes their save folder.
bool makeFolderFor(const char* file);
