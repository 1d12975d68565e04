// The generated sounds and music must be files the game's player accepts, at sane levels and
// lengths, with music that neither hangs notes nor drifts out of its bars.
#include <SDL.h>
#include <SDL_mixer.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "Compositions.h"
#include "Effects.h"
#include "MidiWriter.h"
#include "Score.h"
#include "Soundgen.h"
#include "WaveWriter.h"

namespace fs = std::filesystem;
using namespace soundgen;

namespace {

using Bytes = std::vector<std::uint8_t>;

const std::vector<std::string> kWaves{"Vibrate.wav", "Teleport.wav", "Pot.wav", "Pick.wav",
                                      "Smash.wav",   "Key.wav",      "Coin.wav"};
const std::vector<std::string> kMusic{"Music.mid", "Music2.mid", "Music3.mid", "Music4.mid"};

std::uint32_t le(const Bytes& b, std::size_t at, int n) {
  std::uint32_t v = 0;
  for (int i = n - 1; i >= 0; --i) v = (v << 8) | b.at(at + i);
  return v;
}
std::uint32_t be(const Bytes& b, std::size_t at, int n) {
  std::uint32_t v = 0;
  for (int i = 0; i < n; ++i) v = (v << 8) | b.at(at + i);
  return v;
}
std::string tag(const Bytes& b, std::size_t at) { return std::string(b.begin() + at, b.begin() + at + 4); }

Bytes readBytes(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return Bytes(std::istreambuf_iterator<char>(in), {});
}

// Everything the game needs, generated once into a scratch folder.
class GeneratedFiles : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    dir_ = fs::temp_directory_path() / ("ilvy-soundgen-test-" + std::to_string(::getpid()));
    error_ = writeAll(dir_ / "Data");
  }
  static void TearDownTestSuite() { fs::remove_all(dir_); }
  void SetUp() override { ASSERT_EQ(error_, ""); }
  static fs::path data(const std::string& name) { return dir_ / "Data" / name; }

  static inline fs::path dir_;
  static inline std::string error_;
};

// ---- a small independent reader for Standard MIDI Files ------------------------------------

struct ParsedNote {
  std::uint32_t on, off;
  int channel, key;
};
struct ParsedTrack {
  std::vector<ParsedNote> notes;
  std::uint32_t endTick = 0;
  bool endsWithEndOfTrack = false;
  std::set<int> programChannels;  // channels given a program
  std::set<int> noteChannels;
  std::vector<std::string> faults;
};
struct ParsedMidi {
  int format = -1, division = 0;
  double microsPerQuarter = 0;
  int beatsPerBar = 0;
  std::vector<ParsedTrack> tracks;
  std::string fault;

  std::uint32_t endTick() const {
    std::uint32_t end = 0;
    for (const auto& t : tracks) end = std::max(end, t.endTick);
    return end;
  }
  double seconds() const { return endTick() / static_cast<double>(division) * microsPerQuarter / 1e6; }
};

ParsedMidi parseMidi(const Bytes& b) {
  ParsedMidi midi;
  if (b.size() < 14 || tag(b, 0) != "MThd" || be(b, 4, 4) != 6) {
    midi.fault = "bad header chunk";
    return midi;
  }
  midi.format = static_cast<int>(be(b, 8, 2));
  const auto trackCount = be(b, 10, 2);
  midi.division = static_cast<int>(be(b, 12, 2));
  std::size_t pos = 14;
  for (std::uint32_t t = 0; t < trackCount; ++t) {
    if (pos + 8 > b.size() || tag(b, pos) != "MTrk") {
      midi.fault = "track " + std::to_string(t) + " missing";
      return midi;
    }
    const std::size_t end = pos + 8 + be(b, pos + 4, 4);
    if (end > b.size()) {
      midi.fault = "track " + std::to_string(t) + " runs past the file";
      return midi;
    }
    ParsedTrack track;
    std::map<std::pair<int, int>, std::vector<std::uint32_t>> sounding;
    std::size_t i = pos + 8;
    std::uint32_t tick = 0;
    int running = 0;
    auto varLen = [&] {
      std::uint32_t v = 0;
      for (int n = 0; n < 4 && i < end; ++n) {
        const auto c = b[i++];
        v = (v << 7) | (c & 0x7f);
        if (!(c & 0x80)) return v;
      }
      track.faults.push_back("bad variable-length number");
      return v;
    };
    while (i < end && track.faults.empty()) {
      if (track.endsWithEndOfTrack) {
        track.faults.push_back("events after End of Track");
        break;
      }
      tick += varLen();
      int status = b[i];
      if (status & 0x80) {
        ++i;
      } else {
        status = running;  // running status
      }
      if (status == 0xff) {
        const int type = b[i++];
        const auto length = varLen();
        if (type == 0x2f) {
          track.endsWithEndOfTrack = true;
          track.endTick = tick;
        } else if (type == 0x51) {
          midi.microsPerQuarter = be(b, i, 3);
        } else if (type == 0x58) {
          midi.beatsPerBar = b[i];
        }
        i += length;
        continue;
      }
      running = status;
      const int kind = status & 0xf0, channel = status & 0x0f;
      if (kind == 0x90 && b[i + 1] > 0) {
        sounding[{channel, b[i]}].push_back(tick);
        track.noteChannels.insert(channel);
      } else if (kind == 0x80 || kind == 0x90) {
        auto& open = sounding[{channel, b[i]}];
        if (open.empty()) {
          track.faults.push_back("note-off without a note-on at tick " + std::to_string(tick));
        } else {
          track.notes.push_back({open.front(), tick, channel, b[i]});
          open.erase(open.begin());
        }
      } else if (kind == 0xc0) {
        track.programChannels.insert(channel);
      }
      i += (kind == 0xc0 || kind == 0xd0) ? 1 : 2;
    }
    if (i != end) track.faults.push_back("chunk length does not match its events");
    if (!track.endsWithEndOfTrack) track.faults.push_back("no End of Track");
    for (const auto& [key, open] : sounding)
      if (!open.empty()) track.faults.push_back("note " + std::to_string(key.second) + " never released");
    midi.tracks.push_back(std::move(track));
    pos = end;
  }
  if (pos != b.size()) midi.fault = "bytes after the last track";
  return midi;
}

// ---- sound effects ---------------------------------------------------------------------------

TEST_F(GeneratedFiles, EffectsAreMonoPcmWavesAtAComfortableLevel) {
  std::set<std::string> names;
  for (const Effect& e : effects()) names.insert(e.fileName);
  EXPECT_EQ(names, std::set<std::string>(kWaves.begin(), kWaves.end()));

  for (const std::string& name : kWaves) {
    SCOPED_TRACE(name);
    const Bytes b = readBytes(data(name));
    ASSERT_GE(b.size(), 44u);
    EXPECT_EQ(tag(b, 0), "RIFF");
    EXPECT_EQ(le(b, 4, 4), b.size() - 8);
    EXPECT_EQ(tag(b, 8), "WAVE");
    EXPECT_EQ(tag(b, 12), "fmt ");
    EXPECT_EQ(le(b, 16, 4), 16u);
    EXPECT_EQ(le(b, 20, 2), 1u);  // PCM
    EXPECT_EQ(le(b, 22, 2), 1u);  // mono
    EXPECT_EQ(le(b, 24, 4), 22050u);
    EXPECT_EQ(le(b, 28, 4), 44100u);
    EXPECT_EQ(le(b, 32, 2), 2u);
    EXPECT_EQ(le(b, 34, 2), 16u);
    EXPECT_EQ(tag(b, 36), "data");
    ASSERT_EQ(le(b, 40, 4), b.size() - 44);

    std::vector<int> samples;
    for (std::size_t i = 44; i + 1 < b.size(); i += 2)
      samples.push_back(static_cast<std::int16_t>(le(b, i, 2)));
    const double seconds = samples.size() / 22050.0;
    EXPECT_GE(seconds, 0.1);
    EXPECT_LE(seconds, 1.0);

    const int peak = std::abs(*std::max_element(samples.begin(), samples.end(),
                                                [](int a, int c) { return std::abs(a) < std::abs(c); }));
    EXPECT_LT(peak, 32767) << "clipped";
    const double peakDb = 20.0 * std::log10(peak / 32768.0);
    EXPECT_NEAR(peakDb, -3.0, 1.0);
    // Starting or stopping away from zero is heard as a click.
    EXPECT_LT(std::abs(samples.front()), 100);
    EXPECT_LT(std::abs(samples.back()), 100);
  }
}

TEST(WaveWriter, OutOfRangeSamplesClampInsteadOfWrappingAround) {
  const Bytes b = encodeWave({2.0f, -2.0f, 1.0f, -1.0f, 0.0f});
  ASSERT_EQ(b.size(), 44u + 10u);
  EXPECT_EQ(static_cast<std::int16_t>(le(b, 44, 2)), 32767);
  EXPECT_EQ(static_cast<std::int16_t>(le(b, 46, 2)), -32767);
  EXPECT_EQ(static_cast<std::int16_t>(le(b, 48, 2)), 32767);
  EXPECT_EQ(static_cast<std::int16_t>(le(b, 50, 2)), -32767);
  EXPECT_EQ(static_cast<std::int16_t>(le(b, 52, 2)), 0);
}

// ---- music -----------------------------------------------------------------------------------

TEST_F(GeneratedFiles, MusicFilesAreWellFormedAndReleaseEveryNote) {
  for (const std::string& name : kMusic) {
    SCOPED_TRACE(name);
    const ParsedMidi midi = parseMidi(readBytes(data(name)));
    ASSERT_EQ(midi.fault, "");
    EXPECT_EQ(midi.format, 1);
    EXPECT_GT(midi.microsPerQuarter, 0);
    ASSERT_GE(midi.tracks.size(), 4u);
    for (std::size_t t = 0; t < midi.tracks.size(); ++t) {
      const ParsedTrack& track = midi.tracks[t];
      SCOPED_TRACE("track " + std::to_string(t));
      EXPECT_TRUE(track.faults.empty()) << track.faults.front();
      // Every voice ends on the same bar line, or the looped piece would drift apart.
      EXPECT_EQ(track.endTick, midi.endTick());
      for (const ParsedNote& n : track.notes) EXPECT_LE(n.off, track.endTick);
      // Melodic channels need their instrument chosen, or they all play a piano.
      for (int channel : track.noteChannels) {
        if (channel == 9) continue;
        EXPECT_TRUE(track.programChannels.contains(channel)) << "channel " << channel;
      }
    }
  }
}

TEST_F(GeneratedFiles, LoopsAreLongAndEndOnABarLineFanfaresAreShort) {
  struct Expect {
    std::string name;
    double minSeconds, maxSeconds;
    bool loops;
  };
  const std::vector<Expect> expected{
      {"Music.mid", 60, 90, true}, {"Music2.mid", 60, 120, true}, {"Music3.mid", 3, 6, false}, {"Music4.mid", 3, 6, false}};
  for (const Expect& e : expected) {
    SCOPED_TRACE(e.name);
    const ParsedMidi midi = parseMidi(readBytes(data(e.name)));
    ASSERT_EQ(midi.fault, "");
    EXPECT_GE(midi.seconds(), e.minSeconds);
    EXPECT_LE(midi.seconds(), e.maxSeconds);
    ASSERT_GT(midi.beatsPerBar, 0);
    EXPECT_EQ(midi.endTick() % (midi.division * midi.beatsPerBar), 0u) << "the loop would wrap mid-bar";
  }
  for (const Piece& piece : compositions()) {
    const bool shouldLoop = piece.fileName == "Music.mid" || piece.fileName == "Music2.mid";
    EXPECT_EQ(piece.loops, shouldLoop) << piece.fileName;
  }
}

TEST(MidiWriter, RepeatedPitchIsReleasedBeforeItIsStruckAgain) {
  MidiTrack track;
  track.note(480, 480, 0, 60, 90);  // written first, sorts after the one below
  track.note(0, 480, 0, 60, 90);
  track.endAt(200000);              // a long delta needs a three-byte length
  const std::vector<MidiTrack> tracks{track};
  const ParsedMidi midi = parseMidi(encodeMidiFile(tracks, 480));
  ASSERT_EQ(midi.fault, "");
  ASSERT_EQ(midi.tracks.size(), 1u);
  EXPECT_TRUE(midi.tracks[0].faults.empty());
  ASSERT_EQ(midi.tracks[0].notes.size(), 2u);
  EXPECT_EQ(midi.tracks[0].notes[0].on, 0u);
  EXPECT_EQ(midi.tracks[0].notes[0].off, 480u);
  EXPECT_EQ(midi.tracks[0].notes[1].on, 480u);
  EXPECT_EQ(midi.tracks[0].endTick, 200000u);
}

// ---- the notation the music is written in ----------------------------------------------------

TEST(Notation, ReadsPitchesLengthsAndChords) {
  const Line line = parseNotes("C4:q. C#4:e Bb3:h | E4+G4:e3 r A4 Cb5:h. | - |", 4);
  EXPECT_EQ(line.length, 3 * 4 * kTicksPerQuarter);
  ASSERT_EQ(line.notes.size(), 7u);
  const std::vector<int> keys{60, 61, 58, 64, 67, 69, 71};
  const std::vector<std::uint32_t> ticks{0, 720, 960, 1920, 1920, 2240, 2400};
  for (std::size_t i = 0; i < keys.size(); ++i) {
    EXPECT_EQ(line.notes[i].key, keys[i]) << i;
    EXPECT_EQ(line.notes[i].tick, ticks[i]) << i;
  }
  EXPECT_EQ(line.notes[5].length, 160u);  // triplet eighth carried on from E4+G4
}

TEST(Notation, SlipsInTheWrittenMusicAreCaught) {
  EXPECT_THROW(parseNotes("C4:q D4 | E4:w |", 4), ScoreError);        // short bar
  EXPECT_THROW(parseNotes("C4:w | D4:q", 4), ScoreError);             // unfinished last bar
  EXPECT_THROW(parseNotes("H4:w |", 4), ScoreError);                  // no such note
  EXPECT_THROW(parseChords("C:h G7:h | Fzz |", 4), ScoreError);       // no such chord
  EXPECT_THROW(parseChords("C G |", 4), ScoreError);                  // two chords, no lengths
  EXPECT_THROW(accompany(parseChords("C |", 4), "R:q F O", 4, 40), ScoreError);  // pattern short

  Piece piece{"Broken.mid", "Broken", 120, 4, 2, false, {}};
  piece.voices.push_back({"Lead", 0, 0, 80, 100, 64, 40, 0.9, parseNotes("C4:w |", 4)});
  EXPECT_THROW(encodePiece(piece), ScoreError);  // one bar written, two in the piece
}

TEST(Notation, AccompanimentFollowsChordChangesInsideABar) {
  const auto chords = parseChords("C:h G7:h | F/A |", 4);
  const Line held = accompany(chords, "C:w", 4, 55);
  std::map<std::uint32_t, std::set<int>> struck;
  for (const Note& n : held.notes) struck[n.tick].insert(n.key);
  ASSERT_EQ(struck.size(), 3u);
  EXPECT_EQ(struck[0], (std::set<int>{55, 60, 64}));         // G3 C4 E4
  EXPECT_EQ(struck[960], (std::set<int>{55, 59, 62, 65}));   // G3 B3 D4 F4
  EXPECT_EQ(struck[1920], (std::set<int>{57, 60, 65}));      // A3 C4 F4

  const Line bass = accompany(chords, "R:h F", 4, 40);
  std::vector<int> keys;
  for (const Note& n : bass.notes) keys.push_back(n.key);
  // C then the fifth of G7; the slash bass A, then the chord's F above it rather than a foreign E.
  EXPECT_EQ(keys, (std::vector<int>{48, 50, 45, 53}));
}

// ---- the game's own player -------------------------------------------------------------------

TEST_F(GeneratedFiles, SdlMixerLoadsAndPlaysEveryFile) {
  const char* soundFont = "/usr/share/sounds/sf2/TimGM6mb.sf2";
  ASSERT_TRUE(fs::exists(soundFont)) << "the timgm6mb-soundfont package is missing";
  setenv("SDL_AUDIODRIVER", "dummy", 1);
  ASSERT_EQ(SDL_Init(SDL_INIT_AUDIO), 0) << SDL_GetError();
  Mix_Init(MIX_INIT_MID);
  ASSERT_EQ(Mix_OpenAudio(22050, MIX_DEFAULT_FORMAT, 2, 1024), 0) << Mix_GetError();
  Mix_SetSoundFonts(soundFont);

  for (const std::string& name : kWaves) {
    Mix_Chunk* chunk = Mix_LoadWAV(data(name).c_str());
    EXPECT_NE(chunk, nullptr) << name << ": " << Mix_GetError();
    if (chunk) Mix_FreeChunk(chunk);
  }
  for (const std::string& name : kMusic) {
    Mix_Music* music = Mix_LoadMUS(data(name).c_str());
    EXPECT_NE(music, nullptr) << name << ": " << Mix_GetError();
    if (!music) continue;
    EXPECT_EQ(Mix_GetMusicType(music), MUS_MID) << name;
    // A file the synthesiser cannot read ends at once; a good one is still playing.
    ASSERT_EQ(Mix_PlayMusic(music, 1), 0) << name << ": " << Mix_GetError();
    SDL_Delay(300);
    EXPECT_EQ(Mix_PlayingMusic(), 1) << name;
    Mix_HaltMusic();
    Mix_FreeMusic(music);
  }
  Mix_CloseAudio();
  Mix_Quit();
  SDL_Quit();
}

}  // namespace
