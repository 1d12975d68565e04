#pragma once

// Names a game file (picture, sound, font) that could not be read on standard error, once per file
// for the whole run, so a broken installation says what is broken while the game carries on
// without it.
void reportUnreadableGameFile(const char* path, const char* reason);
