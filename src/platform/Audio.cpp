#include "platform/Audio.h"

#include <SDL.h>
#include <SDL_mixer.h>

#include <algorithm>
#include <cmath>

#include "platform/GameFileReport.h"

namespace {
constexpr int kEffectChannel = 0;
constexpr const char* kSoundFonts[] = {"/usr/share/sounds/sf2/TimGM6mb.sf2", "/usr/share/sounds/sf2/default-GM.sf2"};

int mixerVolume(float gain) { return static_cast<int>(std::lround(std::clamp(gain, 0.0f, 1.0f) * MIX_MAX_VOLUME)); }
}  // namespace

int masterAttenuation(int volume) { return (volume % 101) * 100 - 9000; }
int effectAttenuation(int volume) { return (volume % 101) * 100 - 10000; }
int musicAttenuation(int volume) {
  volume %= 101;
  return volume == 0 ? -9600 : (100 - volume) * -32;
}
float gainOfAttenuation(int hundredthsOfDecibel) { return std::pow(10.0f, hundredthsOfDecibel / 2000.0f); }

int SoundSystem::Create(int sampleRate) {
  Release();
  if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) return 0;
  for (const char* font : kSoundFonts) {
    if (SDL_RWops* probe = SDL_RWFromFile(font, "rb")) {
      SDL_RWclose(probe);
      Mix_SetSoundFonts(font);
      break;
    }
  }
  Mix_Init(MIX_INIT_MID);
  if (Mix_OpenAudio(sampleRate, AUDIO_S16SYS, 2, 1024) != 0) {
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    return 0;
  }
  Mix_AllocateChannels(1);
  open = true;
  SetMasterVolume(100);
  return 1;
}

int SoundSystem::SetMasterVolume(int volume) {
  if (!open) return 0;
  masterVolume = volume % 101;
  applyVolumes();
  return 1;
}

void SoundSystem::setEffectAttenuation(int hundredthsOfDecibel) {
  effectLevel = hundredthsOfDecibel;
  applyVolumes();
}

void SoundSystem::setMusicAttenuation(int hundredthsOfDecibel) {
  musicLevel = hundredthsOfDecibel;
  applyVolumes();
}

// The master volume at 100 lifts every level by 10 dB, above what the mixer can play: the gains
// are taken relative to that loudest master, so the levels below it stay apart instead of all
// clipping to full volume (effect volumes 90 and 100 would sound the same).
void SoundSystem::applyVolumes() {
  if (!open) return;
  const float master = masterGain() / gainOfAttenuation(masterAttenuation(100));
  Mix_Volume(kEffectChannel, mixerVolume(master * gainOfAttenuation(effectLevel)));
  Mix_VolumeMusic(mixerVolume(master * gainOfAttenuation(musicLevel)));
}

Mix_Chunk* SoundSystem::wave(const char* file) {
  if (!open || !file) return nullptr;
  for (CachedWave& w : waves)
    if (w.chunk && w.file == file) return w.chunk;
  for (CachedWave& w : waves) {
    if (w.chunk) continue;
    w.chunk = Mix_LoadWAV(file);
    if (!w.chunk) {
      reportUnreadableGameFile(file, Mix_GetError());
      return nullptr;
    }
    w.file = file;
    return w.chunk;
  }
  return nullptr;
}

void SoundSystem::Release() {
  if (!open) return;
  Mix_HaltChannel(-1);
  Mix_HaltMusic();
  for (CachedWave& w : waves) {
    if (w.chunk) Mix_FreeChunk(w.chunk);
    w = CachedWave{};
  }
  Mix_CloseAudio();
  Mix_Quit();
  SDL_QuitSubSystem(SDL_INIT_AUDIO);
  open = false;
}

int SoundEffect::Attach(SoundSystem* system) {
  Release();
  audio = system;
  return audio && audio->open ? 1 : 0;
}

int SoundEffect::Play(const char* file, int vol, int count) {
  lastRequest = {file ? file : "", vol % 101, count};
  if (!audio || !audio->open) return 0;
  Mix_HaltChannel(kEffectChannel);
  if (!file) return 0;
  Mix_Chunk* chunk = audio->wave(file);
  if (!chunk) return 0;
  plays = count;
  SetVolume(vol);
  Mix_PlayChannel(kEffectChannel, chunk, plays == 0 ? -1 : plays - 1);
  return 1;
}

int SoundEffect::SetVolume(int vol) {
  volume = vol % 101;
  if (!audio || !audio->open) return 0;
  audio->setEffectAttenuation(effectAttenuation(volume));
  return 1;
}

void SoundEffect::Release() {
  if (audio && audio->open) Mix_HaltChannel(kEffectChannel);
  audio = nullptr;
}

int MusicPlayer::Attach(SoundSystem* system) {
  Release();
  audio = system;
  return audio && audio->open ? 1 : 0;
}

int MusicPlayer::Load(const char* file) {
  Release();
  lastRequest = {file ? file : "", volume, 0};
  if (!audio || !audio->open || !file) return 0;
  loadingFile = file;
  loadDone = false;
  loader = std::thread([this] {
    loaded = Mix_LoadMUS(loadingFile.c_str());
    if (!loaded) reportUnreadableGameFile(loadingFile.c_str(), Mix_GetError());  // the error is this thread's
    loadDone = true;
  });
  return 1;
}

void MusicPlayer::WaitUntilLoaded() {
  if (!loader.joinable()) return;
  loader.join();
  segment = loaded;
  loaded = nullptr;
}

void MusicPlayer::Update() {
  if (loader.joinable()) {
    if (!loadDone) return;
    WaitUntilLoaded();
  }
  if (!playWhenLoaded || !segment) return;
  playWhenLoaded = false;
  Mix_PlayMusic(segment, playsWhenLoaded == 0 ? -1 : playsWhenLoaded);
}

int MusicPlayer::Play(int vol, int plays) {
  lastRequest.volume = vol % 101;
  lastRequest.plays = plays;
  if (loader.joinable()) {
    Stop();
    SetVolume(vol);
    playWhenLoaded = true;
    playsWhenLoaded = plays;
    return 1;
  }
  if (!segment) return 0;
  Stop();
  SetVolume(vol);
  Mix_PlayMusic(segment, plays == 0 ? -1 : plays);
  return 1;
}

int MusicPlayer::Stop() {
  playWhenLoaded = false;
  if (!audio || !audio->open) return 0;
  Mix_HaltMusic();
  return 1;
}

int MusicPlayer::SetVolume(int vol) {
  volume = vol % 101;
  if (!audio || !audio->open) return 0;
  audio->setMusicAttenuation(musicAttenuation(volume));
  return 1;
}

int MusicPlayer::Release() {
  Stop();
  WaitUntilLoaded();
  if (segment) Mix_FreeMusic(segment);
  segment = nullptr;
  return 1;
}
