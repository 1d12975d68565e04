#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <string>

#include "TempDir.h"
#include "persistence/BinaryFile.h"
#include "persistence/GameRecord.h"
#include "persistence/SaveFolder.h"
#include "persistence/SaveGameCodec.h"
#include "platform/GamePaths.h"

namespace fs = std::filesystem;

namespace {
// A made-up file system: the folders and files named exist, nothing else does.
struct Machine {
  std::set<fs::path> dirs, files;

  void gameDirAt(const fs::path& dir, bool withSaves) {
    dirs.insert(dir / "Art");
    files.insert(dir / "Data" / "data1.txt");
    if (withSaves) dirs.insert(dir / "Saves");
  }

  PathClues clues(const fs::path& workingDir, const fs::path& executableDir) const {
    PathClues c;
    c.workingDir = workingDir;
    c.executableDir = executableDir;
    c.home = "/home/ilvy";
    c.isDirectory = [this](const fs::path& p) { return dirs.count(p.lexically_normal()) > 0; };
    c.isFile = [this](const fs::path& p) { return files.count(p.lexically_normal()) > 0; };
    return c;
  }
};
}  // namespace

TEST(GamePaths, BuildTreeStartedInItsGameDirectoryKeepsEverythingThere) {
  Machine m;
  m.gameDirAt("/src/build/game", true);
  const GamePaths p = chooseGamePaths(m.clues("/src/build/game", "/src/build"));
  EXPECT_TRUE(p.dataFound);
  EXPECT_EQ(p.gameDir, fs::path("/src/build/game"));
  EXPECT_EQ(p.savesDir, fs::path("/src/build/game/Saves"));
  EXPECT_EQ(p.settingsFile, fs::path("/src/build/game/Data/data1.txt"));
}

TEST(GamePaths, InstalledGameFindsItsDataBesideItsExecutableAndSavesPerUser) {
  Machine m;
  m.gameDirAt("/opt/ilvy/share/ilvys-mission", false);
  PathClues clues = m.clues("/home/ilvy/Documents", "/opt/ilvy/bin");
  GamePaths p = chooseGamePaths(clues);
  EXPECT_EQ(p.gameDir, fs::path("/opt/ilvy/share/ilvys-mission"));
  EXPECT_EQ(p.savesDir, fs::path("/home/ilvy/.local/share/ilvys-mission/Saves"));
  EXPECT_EQ(p.settingsFile, fs::path("/opt/ilvy/share/ilvys-mission/Data/data1.txt"));

  clues.xdgDataHome = "/data/ilvy";
  EXPECT_EQ(chooseGamePaths(clues).savesDir, fs::path("/data/ilvy/ilvys-mission/Saves"));
  // A relative XDG_DATA_HOME is not to be used: the default under HOME applies.
  clues.xdgDataHome = "relative/data";
  EXPECT_EQ(chooseGamePaths(clues).savesDir, fs::path("/home/ilvy/.local/share/ilvys-mission/Saves"));
}

TEST(GamePaths, WorkingDirectoryThatIsAGameDirectoryWinsOverTheInstalledData) {
  Machine m;
  m.gameDirAt("/usr/share/ilvys-mission", false);
  m.gameDirAt("/home/ilvy/mygame", true);
  const GamePaths p = chooseGamePaths(m.clues("/home/ilvy/mygame", "/usr/bin"));
  EXPECT_EQ(p.gameDir, fs::path("/home/ilvy/mygame"));
  EXPECT_EQ(p.savesDir, fs::path("/home/ilvy/mygame/Saves"));
}

TEST(GamePaths, BuildTreeStartedFromElsewhereUsesTheGameDirectoryBesideTheExecutable) {
  Machine m;
  m.gameDirAt("/src/build/game", true);
  const GamePaths p = chooseGamePaths(m.clues("/tmp", "/src/build"));
  EXPECT_EQ(p.gameDir, fs::path("/src/build/game"));
  EXPECT_EQ(p.savesDir, fs::path("/src/build/game/Saves"));
}

TEST(GamePaths, SettingsInTheUsersConfigFolderWinWhenPresent) {
  Machine m;
  m.gameDirAt("/usr/share/ilvys-mission", false);
  PathClues clues = m.clues("/", "/usr/bin");
  EXPECT_EQ(chooseGamePaths(clues).settingsFile, fs::path("/usr/share/ilvys-mission/Data/data1.txt"));
  m.files.insert("/home/ilvy/.config/ilvys-mission/data1.txt");
  EXPECT_EQ(chooseGamePaths(clues).settingsFile, fs::path("/home/ilvy/.config/ilvys-mission/data1.txt"));
  clues.xdgConfigHome = "/etc/ilvy-config";
  EXPECT_EQ(chooseGamePaths(clues).settingsFile, fs::path("/usr/share/ilvys-mission/Data/data1.txt"));
  m.files.insert("/etc/ilvy-config/ilvys-mission/data1.txt");
  EXPECT_EQ(chooseGamePaths(clues).settingsFile, fs::path("/etc/ilvy-config/ilvys-mission/data1.txt"));
}

TEST(GamePaths, WithoutHomeOrXdgTheGameDirectoryKeepsTheSaves) {
  Machine m;
  m.gameDirAt("/usr/share/ilvys-mission", false);
  PathClues clues = m.clues("/", "/usr/bin");
  clues.home.clear();
  EXPECT_EQ(chooseGamePaths(clues).savesDir, fs::path("/usr/share/ilvys-mission/Saves"));
}

TEST(GamePaths, NoGameDirectoryAnywhereIsToldApart) {
  Machine m;
  EXPECT_FALSE(chooseGamePaths(m.clues("/tmp/x", "/usr/bin")).dataFound);
  EXPECT_FALSE(chooseGamePaths(m.clues("/tmp/x", "")).dataFound);
  // Pictures without the settings file are not a game directory.
  m.dirs.insert("/usr/share/ilvys-mission/Art");
  EXPECT_FALSE(chooseGamePaths(m.clues("/tmp/x", "/usr/bin")).dataFound);
  m.files.insert("/usr/share/ilvys-mission/Data/data1.txt");
  EXPECT_TRUE(chooseGamePaths(m.clues("/tmp/x", "/usr/bin")).dataFound);
}

TEST(SaveFolder, FirstSaveCreatesTheChosenFolderAndBothKindsOfFileGoThere) {
  TempDir dir;
  const fs::path folder = dir.path / "share" / "ilvys-mission" / "Saves";
  useSaveFolder(folder.string());
  EXPECT_EQ(fs::path(slotFilePath(3)), folder / "3.sav");
  EXPECT_EQ(slotFilePath(0), nullptr);
  EXPECT_EQ(slotFilePath(6), nullptr);

  SavedGame game;
  game.score = 4321;
  game.questNumber = 7;
  ASSERT_EQ(writeSlotFile(3, game), 1);
  EXPECT_TRUE(fs::is_regular_file(folder / "3.sav"));
  SavedGame back;
  ASSERT_TRUE(readSlotFile(3, back));
  EXPECT_EQ(back.score, 4321u);

  GameRecord record;
  ASSERT_EQ(record.saveHallOfFame(), 1);
  EXPECT_TRUE(fs::is_regular_file(folder / "HallOfFame.save"));
  useSaveFolder("Saves");
  EXPECT_STREQ(slotFilePath(1), "Saves/1.sav");
  EXPECT_STREQ(hallOfFameFileInSaveFolder(), kHallOfFameFile);
}
