// A small text notation for writing music as data, and the step from a written piece to a MIDI file.
//
// Notes:   "C5:q E5:e. F#5:s | G5:h r:h | C4+E4+G4:w | - |"
//   pitch  letter, optional # or b, octave (C4 is middle C, key 60); "r" rests; "+" joins a chord
//   length w h q e s t (whole to 32nd), "." dots it, "3" makes it a triplet; a length carries on
//          to the following notes until another is given
//   accent "!" after a note plays it louder, "?" softer
//   "|"    bar line: the bar must be exactly full, which catches a slipped note at once
//   "-"    a whole bar of rest
// Chords:  "F | Dm | Bb:h C7:q | Gm7/F |", the length defaults to the whole bar
// Patterns, one bar long, repeated over a chord progression (symbols as for notes):
//   R root (or the slash bass) at or above the voice's floor, F the fifth above it, O its octave
//   1..9 the chord tones of the close voicing above the floor, counting upwards past the octave
//   C the whole voicing at once; "r" a rest
// Drums:   a grid of steps, "X" loud, "x" normal, "o" soft, "." silent, "|" bar line
#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace soundgen {

inline constexpr std::uint32_t kTicksPerQuarter = 480;

// A mistake in written music; the message names the bar and the token.
class ScoreError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

struct Note {
  std::uint32_t tick;
  std::uint32_t length;
  int key;
  int accent = 0;  // added to the voice's velocity
};

// Notes with the written length of the passage, rests included.
struct Line {
  std::vector<Note> notes;
  std::uint32_t length = 0;
};

Line operator+(Line first, const Line& then);  // one after the other
Line overlay(Line a, const Line& b);           // at the same time
Line transpose(Line line, int semitones);
Line repeat(const Line& line, int times);

struct Chord {
  std::uint32_t tick;
  std::uint32_t length;
  int root;                 // pitch class, 0 = C
  int bass;                 // pitch class of the lowest note
  std::vector<int> tones;   // pitch classes, root first
};

std::vector<Chord> parseChords(std::string_view text, int beatsPerBar);
Line parseNotes(std::string_view text, int beatsPerBar);
// Plays a one-bar pattern in every bar of the progression, following its chord changes; a note
// that spans a change is struck again on the new chord.
Line accompany(const std::vector<Chord>& chords, std::string_view pattern, int beatsPerBar, int floorKey);
Line drumLine(int key, std::string_view grid, std::uint32_t stepTicks, int beatsPerBar);

struct Voice {
  std::string name;
  int channel = 0;       // 9 is the General MIDI percussion channel
  int program = 0;       // General MIDI program, 0-based
  int velocity = 80;
  int volume = 100;      // controller 7
  int pan = 64;          // controller 10
  int reverb = 40;       // controller 91
  double legato = 0.95;  // part of each written length that sounds
  Line line;
};

struct Piece {
  std::string fileName;
  std::string title;
  double beatsPerMinute = 120;
  int beatsPerBar = 4;
  int bars = 0;
  bool loops = false;
  std::vector<Voice> voices;
};

std::uint32_t ticksPerBar(int beatsPerBar);
// The piece as a format 1 MIDI file: a tempo track, then one track per voice, all ending on the
// last bar line. Throws ScoreError if a voice is longer or shorter than the piece.
std::vector<std::uint8_t> encodePiece(const Piece& piece);

}  // namespace soundgen
