#pragma once
#include <atomic>
#include <cstdint>
#include <string>
#include <thread>

struct Mix_Chunk;
typedef struct _Mix_Music Mix_Music;

// Volumes are 0..100 taken modulo 101. They become attenuations in hundredths of a decibel, which
// become linear gains (gain = 10^(attenuation / 2000)).
int masterAttenuation(int volume);
int effectAttenuation(int volume);
int musicAttenuation(int volume);
float gainOfAttenuation(int hundredthsOfDecibel);

// The mixer: one effect voice and one music stream. Without a sound card (or in headless runs) it
// stays empty and the game runs silent.
class SoundSystem {
 public:
  SoundSystem() = default;
  ~SoundSystem() { Release(); }
  SoundSystem(const SoundSystem&) = delete;
  SoundSystem& operator=(const SoundSystem&) = delete;

  int masterVolume = 100;
  bool open = false;

  int Create(int sampleRate);
  int SetMasterVolume(int volume);
  void Release();

  // Wave files are read once and kept, so an effect never touches the disk during play.
  Mix_Chunk* wave(const char* file);
  float masterGain() const { return gainOfAttenuation(masterAttenuation(masterVolume)); }
  // The attenuations of the effect voice and the music. The master volume scales both, and a new
  // master volume is heard at once on whatever is playing.
  void setEffectAttenuation(int hundredthsOfDecibel);
  void setMusicAttenuation(int hundredthsOfDecibel);

 private:
  void applyVolumes();

  int effectLevel = 0;
  int musicLevel = 0;
  struct CachedWave {
    std::string file;
    Mix_Chunk* chunk = nullptr;
  };
  static constexpr int kWaveSlots = 16;
  CachedWave waves[kWaveSlots];
};

// What was last asked of a voice, played or not (the replay runner reports it).
struct AudioRequest {
  std::string file;
  int volume = 0;
  int plays = 0;  // 0 loops for ever
};

// The one effect voice: starting an effect cuts the one still playing.
class SoundEffect {
 public:
  SoundSystem* audio = nullptr;
  int volume = 100;
  int plays = 1;
  AudioRequest lastRequest;

  int Attach(SoundSystem* audio);
  int Play(const char* file, int volume, int plays);
  int SetVolume(int volume);
  void Release();
};

// The music: one piece, looping or played once. Reading a piece reads the whole sound font, which
// takes longer than several frames: a piece loads on a thread, so the title is on screen meanwhile
// and a quest starts without a stall, and starts playing, when asked to, once it is ready.
class MusicPlayer {
 public:
  MusicPlayer() = default;
  ~MusicPlayer() { Release(); }
  MusicPlayer(const MusicPlayer&) = delete;
  MusicPlayer& operator=(const MusicPlayer&) = delete;

  SoundSystem* audio = nullptr;
  int volume = 100;
  Mix_Music* segment = nullptr;
  AudioRequest lastRequest;

  int Attach(SoundSystem* audio);
  int Load(const char* file);
  int Play(int volume, int plays);
  int Stop();
  int SetVolume(int volume);
  int Release();
  // Takes a piece that has finished loading and starts it if it was asked to play. Every frame.
  void Update();
  // Waits for the piece being loaded, if any: `segment` holds it afterwards (null if it failed).
  void WaitUntilLoaded();

 private:

  std::thread loader;
  std::string loadingFile;
  std::atomic<bool> loadDone{false};
  Mix_Music* loaded = nullptr;  // the loader's result, taken once it is done
  bool playWhenLoaded = false;
  int playsWhenLoaded = 0;
};
