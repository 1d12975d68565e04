#include <gtest/gtest.h>

#include <SDL.h>
#include <SDL_mixer.h>

#include <cstdlib>
#include <fstream>
#include <string>

#include "TempDir.h"
#include "platform/Audio.h"

TEST(AudioVolumes, AttenuationsFollowTheTableAndWrapModulo101) {
  EXPECT_EQ(masterAttenuation(100), 1000);
  EXPECT_EQ(masterAttenuation(90), 0);
  EXPECT_EQ(masterAttenuation(0), -9000);
  EXPECT_EQ(effectAttenuation(90), -1000);
  EXPECT_EQ(effectAttenuation(101), -10000);
  EXPECT_EQ(musicAttenuation(90), -320);
  EXPECT_EQ(musicAttenuation(0), -9600);
  EXPECT_EQ(musicAttenuation(202), -9600);
  EXPECT_NEAR(gainOfAttenuation(-2000), 0.1f, 1e-6);
}

TEST(AudioVolumes, RequestsAreRecordedEvenWithoutASoundCard) {
  SoundSystem silent;
  SoundEffect effect;
  effect.Attach(&silent);
  EXPECT_EQ(effect.Play("Data/Key.wav", 191, 1), 0);
  EXPECT_EQ(effect.lastRequest.file, "Data/Key.wav");
  EXPECT_EQ(effect.lastRequest.volume, 90);
  MusicPlayer music;
  music.Attach(&silent);
  music.Load("Data/Music2.mid");
  music.Play(40, 0);
  EXPECT_EQ(music.lastRequest.file, "Data/Music2.mid");
  EXPECT_EQ(music.lastRequest.volume, 40);
  EXPECT_EQ(music.lastRequest.plays, 0);
}

// The real mixer on SDL's dummy driver: the game's music goes through FluidSynth with the General
// MIDI sound font, and every effect loads and plays on the one voice.
class MixerTest : public ::testing::Test {
 protected:
  void SetUp() override {
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    ASSERT_EQ(audio.Create(22050), 1) << SDL_GetError();
  }
  void TearDown() override { audio.Release(); }
  SoundSystem audio;
  const std::string data = std::string(GAME_DIR) + "/Data/";
};

TEST_F(MixerTest, EveryPieceOfMusicLoadsThroughTheSoundFontAndPlays) {
  int frequency = 0, channels = 0;
  Uint16 format = 0;
  ASSERT_EQ(Mix_QuerySpec(&frequency, &format, &channels), 1);
  EXPECT_EQ(frequency, 22050);
  ASSERT_NE(Mix_GetSoundFonts(), nullptr);
  MusicPlayer music;
  ASSERT_EQ(music.Attach(&audio), 1);
  for (const char* piece : {"Music.mid", "Music2.mid", "Music3.mid", "Music4.mid"}) {
    ASSERT_EQ(music.Load((data + piece).c_str()), 1) << piece;
    music.WaitUntilLoaded();
    ASSERT_NE(music.segment, nullptr) << piece << ": " << Mix_GetError();
    EXPECT_EQ(Mix_GetMusicType(music.segment), MUS_MID) << piece;
    ASSERT_EQ(music.Play(60, 0), 1) << piece;
    EXPECT_EQ(Mix_PlayingMusic(), 1) << piece;
  }
}

// The sound font takes longer to read than a frame lasts: a piece loads beside the game, starts
// at the first frame after it is ready when it was asked to play, and stays silent when it was
// stopped meanwhile.
TEST_F(MixerTest, MusicLoadsBesideTheGameAndStartsWhenReady) {
  MusicPlayer music;
  ASSERT_EQ(music.Attach(&audio), 1);
  const auto playsWithin = [&](int frames) {
    for (int i = 0; i < frames && !Mix_PlayingMusic(); ++i) {
      music.Update();
      SDL_Delay(10);
    }
    return Mix_PlayingMusic() == 1;
  };
  ASSERT_EQ(music.Load((data + "Music.mid").c_str()), 1);
  ASSERT_EQ(music.Play(60, 0), 1);
  EXPECT_EQ(music.lastRequest.file, data + "Music.mid");
  EXPECT_EQ(music.lastRequest.volume, 60);
  EXPECT_TRUE(playsWithin(500));
  EXPECT_EQ(Mix_GetMusicType(music.segment), MUS_MID);

  ASSERT_EQ(music.Load((data + "Music2.mid").c_str()), 1);
  EXPECT_EQ(Mix_PlayingMusic(), 0);  // the old piece is gone at once
  ASSERT_EQ(music.Play(40, 0), 1);
  music.Stop();
  music.WaitUntilLoaded();
  EXPECT_FALSE(playsWithin(5));
  EXPECT_NE(music.segment, nullptr);

  // A piece that cannot be read leaves nothing to play, as before.
  ASSERT_EQ(music.Load((data + "NoSuchMusic.mid").c_str()), 1);
  ASSERT_EQ(music.Play(60, 0), 1);
  music.WaitUntilLoaded();
  EXPECT_EQ(music.segment, nullptr);
  EXPECT_FALSE(playsWithin(5));
}

TEST_F(MixerTest, EveryEffectPlaysAndANewOneCutsTheOld) {
  SoundEffect effect;
  ASSERT_EQ(effect.Attach(&audio), 1);
  for (const char* wave : {"Vibrate.wav", "Teleport.wav", "Pot.wav", "Pick.wav", "Smash.wav", "Key.wav", "Coin.wav"}) {
    ASSERT_EQ(effect.Play((data + wave).c_str(), 84, 1), 1) << wave << ": " << Mix_GetError();
    EXPECT_EQ(Mix_Playing(-1), 1) << wave;  // one voice only
  }
  EXPECT_EQ(effect.Play((data + "NoSuchSound.wav").c_str(), 84, 1), 0);
  EXPECT_EQ(Mix_Playing(-1), 0);  // the previous effect was stopped all the same
}

TEST_F(MixerTest, VolumesFollowTheMasterAtOnceAndFileNamesMayBeMissing) {
  SoundEffect effect;
  MusicPlayer music;
  ASSERT_EQ(effect.Attach(&audio), 1);
  ASSERT_EQ(music.Attach(&audio), 1);
  ASSERT_EQ(music.Load((data + "Music.mid").c_str()), 1);
  ASSERT_EQ(music.Play(60, 0), 1);
  ASSERT_EQ(effect.Play((data + "Coin.wav").c_str(), 80, 1), 1);
  const int effectLoud = Mix_Volume(0, -1);
  const int musicLoud = Mix_VolumeMusic(-1);
  // Relative to the loudest master: 10^(-2000 / 2000) and 10^(-1280 / 2000) of 128.
  EXPECT_EQ(effectLoud, 13);
  EXPECT_EQ(musicLoud, 29);

  // A lower master volume is heard on what already plays, and the old one comes back whole.
  ASSERT_EQ(audio.SetMasterVolume(80), 1);
  EXPECT_EQ(Mix_Volume(0, -1), 1);
  EXPECT_EQ(Mix_VolumeMusic(-1), 3);
  ASSERT_EQ(audio.SetMasterVolume(201), 1);  // 201 is 100
  EXPECT_EQ(Mix_Volume(0, -1), effectLoud);
  EXPECT_EQ(Mix_VolumeMusic(-1), musicLoud);

  EXPECT_EQ(effect.Play(nullptr, 80, 1), 0);
  EXPECT_EQ(music.Load(nullptr), 0);
}

TEST_F(MixerTest, EffectVolumesNinetyAndAHundredSoundDifferent) {
  // At the full master level the top effect volumes used to clip to the same mixer volume.
  SoundEffect effect;
  ASSERT_EQ(effect.Attach(&audio), 1);
  ASSERT_EQ(effect.Play((data + "Coin.wav").c_str(), 100, 1), 1);
  const int loudest = Mix_Volume(0, -1);
  ASSERT_EQ(effect.Play((data + "Coin.wav").c_str(), 90, 1), 1);
  const int ninety = Mix_Volume(0, -1);
  EXPECT_EQ(loudest, 128);
  EXPECT_EQ(ninety, 40);  // 10 dB below
}

// A broken installation says which sound is missing or damaged, once, however often it is asked for.
TEST_F(MixerTest, AnUnreadableSoundIsNamedOnceOnStandardError) {
  TempDir dir;
  const std::string damaged = dir.file("Damaged.wav"), missing = dir.file("Missing.mid");
  std::ofstream(damaged) << "RIFF but no wave";
  SoundEffect effect;
  MusicPlayer music;
  ASSERT_EQ(effect.Attach(&audio), 1);
  ASSERT_EQ(music.Attach(&audio), 1);
  testing::internal::CaptureStderr();
  for (int i = 0; i < 3; ++i) {
    EXPECT_EQ(effect.Play(damaged.c_str(), 84, 1), 0);
    music.Load(missing.c_str());
    music.WaitUntilLoaded();
    EXPECT_EQ(music.segment, nullptr);
  }
  const std::string said = testing::internal::GetCapturedStderr();
  for (const std::string& name : {damaged, missing}) {
    const std::string line = "cannot read " + name;
    const size_t first = said.find(line);
    EXPECT_NE(first, std::string::npos) << said;
    EXPECT_EQ(said.find(line, first + 1), std::string::npos) << said;
  }
}
