#include "Score.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <sstream>

#include "MidiWriter.h"

namespace soundgen {

namespace {

std::vector<std::string> tokens(std::string_view text) {
  std::string spaced;
  for (char c : text) {
    if (c == '|') {
      spaced += " | ";
    } else {
      spaced += c;
    }
  }
  std::istringstream in(spaced);
  std::vector<std::string> out;
  for (std::string t; in >> t;) out.push_back(t);
  return out;
}

[[noreturn]] void fail(int bar, const std::string& token, const std::string& why) {
  throw ScoreError("bar " + std::to_string(bar) + ", \"" + token + "\": " + why);
}

std::string beats(std::uint32_t ticks) {
  std::ostringstream out;
  out << static_cast<double>(ticks) / kTicksPerQuarter;
  return out.str();
}

// Keeps count of time and checks every bar line.
class BarClock {
 public:
  explicit BarClock(int beatsPerBar) : perBar_(ticksPerBar(beatsPerBar)) {}
  std::uint32_t now = 0;
  int bar = 1;

  void barLine(const std::string& token) {
    if (now - barStart_ != perBar_)
      fail(bar, token, "the bar holds " + beats(now - barStart_) + " beats instead of " + beats(perBar_));
    barStart_ = now;
    ++bar;
  }
  void finish() {
    if (now != barStart_) barLine("end");
  }
  bool atBarStart() const { return now == barStart_; }
  std::uint32_t leftInBar() const { return perBar_ - std::min(perBar_, now - barStart_); }
  std::uint32_t perBar() const { return perBar_; }

 private:
  std::uint32_t perBar_;
  std::uint32_t barStart_ = 0;
};

std::uint32_t parseLength(std::string_view text, int bar, const std::string& token) {
  if (text.empty()) fail(bar, token, "empty length");
  static const std::map<char, std::uint32_t> base{{'w', 4 * kTicksPerQuarter}, {'h', 2 * kTicksPerQuarter},
                                                  {'q', kTicksPerQuarter},     {'e', kTicksPerQuarter / 2},
                                                  {'s', kTicksPerQuarter / 4}, {'t', kTicksPerQuarter / 8}};
  const auto it = base.find(text[0]);
  if (it == base.end()) fail(bar, token, "unknown length");
  std::uint32_t ticks = it->second;
  std::size_t i = 1;
  if (i < text.size() && text[i] == '.') {
    ticks += ticks / 2;
    ++i;
  }
  if (i < text.size() && text[i] == '3') {
    ticks = ticks * 2 / 3;
    ++i;
  }
  if (i != text.size()) fail(bar, token, "unknown length");
  return ticks;
}

int pitchClass(std::string_view text, std::size_t& i, int bar, const std::string& token) {
  static const std::map<char, int> letters{{'C', 0}, {'D', 2}, {'E', 4}, {'F', 5}, {'G', 7}, {'A', 9}, {'B', 11}};
  if (i >= text.size() || !letters.contains(text[i])) fail(bar, token, "expected a note letter A to G");
  int pc = letters.at(text[i++]);
  if (i < text.size() && text[i] == '#') {
    ++pc;
    ++i;
  } else if (i < text.size() && text[i] == 'b') {
    --pc;
    ++i;
  }
  return (pc + 12) % 12;
}

int parseKey(std::string_view text, int bar, const std::string& token) {
  std::size_t i = 0;
  const int pc = pitchClass(text, i, bar, token);
  // Cb4 and B#4 keep the octave of their letter.
  const int letterShift = text.size() > 1 && text[1] == 'b' && text[0] == 'C' ? -12
                        : text.size() > 1 && text[1] == '#' && text[0] == 'B' ? 12 : 0;
  const std::string octave(text.substr(i));
  if (octave.empty() || octave.find_first_not_of("-0123456789") != std::string::npos)
    fail(bar, token, "expected an octave number");
  const int key = 12 * (std::stoi(octave) + 1) + pc + letterShift;
  if (key < 0 || key > 127) fail(bar, token, "outside the MIDI range");
  return key;
}

// Splits "body:length" and a trailing accent mark.
struct Token {
  std::string body;
  std::string length;
  int accent = 0;
};

Token splitToken(std::string text) {
  Token t;
  if (!text.empty() && (text.back() == '!' || text.back() == '?')) {
    t.accent = text.back() == '!' ? 16 : -16;
    text.pop_back();
  }
  const auto colon = text.find(':');
  t.body = text.substr(0, colon);
  if (colon != std::string::npos) t.length = text.substr(colon + 1);
  return t;
}

std::vector<std::string> splitPlus(const std::string& body) {
  std::vector<std::string> parts;
  std::size_t start = 0;
  for (std::size_t plus; (plus = body.find('+', start)) != std::string::npos; start = plus + 1)
    parts.push_back(body.substr(start, plus - start));
  parts.push_back(body.substr(start));
  return parts;
}

const std::map<std::string, std::vector<int>>& chordQualities() {
  static const std::map<std::string, std::vector<int>> qualities{
      {"", {0, 4, 7}},          {"m", {0, 3, 7}},         {"7", {0, 4, 7, 10}},    {"m7", {0, 3, 7, 10}},
      {"maj7", {0, 4, 7, 11}},  {"6", {0, 4, 7, 9}},      {"m6", {0, 3, 7, 9}},    {"sus4", {0, 5, 7}},
      {"sus2", {0, 2, 7}},      {"dim", {0, 3, 6}},       {"dim7", {0, 3, 6, 9}},  {"aug", {0, 4, 8}},
      {"add9", {0, 4, 7, 2}},   {"m7b5", {0, 3, 6, 10}},  {"7sus4", {0, 5, 7, 10}}};
  return qualities;
}

Chord parseChord(const std::string& body, int bar, const std::string& token) {
  std::size_t i = 0;
  Chord chord{};
  chord.root = pitchClass(body, i, bar, token);
  const auto slash = body.find('/', i);
  const std::string quality = body.substr(i, slash == std::string::npos ? std::string::npos : slash - i);
  const auto q = chordQualities().find(quality);
  if (q == chordQualities().end()) fail(bar, token, "unknown chord quality \"" + quality + "\"");
  for (int interval : q->second) chord.tones.push_back((chord.root + interval) % 12);
  chord.bass = chord.root;
  if (slash != std::string::npos) {
    std::size_t j = slash + 1;
    chord.bass = pitchClass(body, j, bar, token);
    if (j != body.size()) fail(bar, token, "unexpected text after the bass note");
  }
  return chord;
}

int lowestAtOrAbove(int pitchClass, int floorKey) { return floorKey + ((pitchClass - floorKey % 12) + 12) % 12; }

std::vector<int> voicing(const Chord& chord, int floorKey) {
  std::vector<int> keys;
  for (int pc : chord.tones) keys.push_back(lowestAtOrAbove(pc, floorKey));
  std::sort(keys.begin(), keys.end());
  keys.erase(std::unique(keys.begin(), keys.end()), keys.end());
  return keys;
}

bool hasTone(const Chord& chord, int pc) {
  return std::find(chord.tones.begin(), chord.tones.end(), (pc + 12) % 12) != chord.tones.end();
}

std::vector<int> resolveSymbol(const std::string& symbol, const Chord& chord, int floorKey, int bar) {
  const int bass = lowestAtOrAbove(chord.bass, floorKey);
  if (symbol == "R") return {bass};
  if (symbol == "O") return {bass + 12};
  if (symbol == "F") {
    // The fifth above the bass; over a slash bass the nearest chord tone to it.
    for (int step : {7, 6, 8, 5, 9, 4, 3})
      if (hasTone(chord, chord.bass + step)) return {bass + step};
    return {bass + 7};
  }
  const std::vector<int> keys = voicing(chord, floorKey);
  if (symbol == "C") return keys;
  if (symbol.size() == 1 && symbol[0] >= '1' && symbol[0] <= '9') {
    const int index = symbol[0] - '1';
    const int n = static_cast<int>(keys.size());
    return {keys[index % n] + 12 * (index / n)};
  }
  fail(bar, symbol, "unknown pattern symbol");
}

}  // namespace

std::uint32_t ticksPerBar(int beatsPerBar) { return static_cast<std::uint32_t>(beatsPerBar) * kTicksPerQuarter; }

Line operator+(Line first, const Line& then) {
  for (Note n : then.notes) {
    n.tick += first.length;
    first.notes.push_back(n);
  }
  first.length += then.length;
  return first;
}

Line overlay(Line a, const Line& b) {
  a.notes.insert(a.notes.end(), b.notes.begin(), b.notes.end());
  a.length = std::max(a.length, b.length);
  return a;
}

Line transpose(Line line, int semitones) {
  for (Note& n : line.notes) n.key += semitones;
  return line;
}

Line repeat(const Line& line, int times) {
  Line out;
  for (int i = 0; i < times; ++i) out = out + line;
  return out;
}

Line parseNotes(std::string_view text, int beatsPerBar) {
  Line line;
  BarClock clock(beatsPerBar);
  std::uint32_t length = kTicksPerQuarter;
  for (const std::string& raw : tokens(text)) {
    if (raw == "|") {
      clock.barLine(raw);
      continue;
    }
    if (raw == "-") {
      if (!clock.atBarStart()) fail(clock.bar, raw, "a whole-bar rest must fill its own bar");
      clock.now += clock.perBar();
      continue;
    }
    const Token t = splitToken(raw);
    if (!t.length.empty()) length = parseLength(t.length, clock.bar, raw);
    if (t.body != "r") {
      for (const std::string& part : splitPlus(t.body))
        line.notes.push_back({clock.now, length, parseKey(part, clock.bar, raw), t.accent});
    }
    clock.now += length;
  }
  clock.finish();
  line.length = clock.now;
  return line;
}

std::vector<Chord> parseChords(std::string_view text, int beatsPerBar) {
  std::vector<Chord> chords;
  BarClock clock(beatsPerBar);
  bool open = false;  // the last chord has no length yet: it fills the rest of its bar
  auto close = [&] {
    if (open) {
      chords.back().length = clock.leftInBar();
      clock.now += chords.back().length;
      open = false;
    }
  };
  for (const std::string& raw : tokens(text)) {
    if (raw == "|") {
      close();
      clock.barLine(raw);
      continue;
    }
    if (open) fail(clock.bar, raw, "only the last chord of a bar may leave out its length");
    const Token t = splitToken(raw);
    Chord chord = parseChord(t.body, clock.bar, raw);
    chord.tick = clock.now;
    chords.push_back(chord);
    if (t.length.empty()) {
      open = true;
    } else {
      chords.back().length = parseLength(t.length, clock.bar, raw);
      clock.now += chords.back().length;
    }
  }
  close();
  clock.finish();
  return chords;
}

Line accompany(const std::vector<Chord>& chords, std::string_view pattern, int beatsPerBar, int floorKey) {
  struct Step {
    std::uint32_t offset, length;
    std::vector<std::string> symbols;
    int accent;
  };
  std::vector<Step> steps;
  BarClock clock(beatsPerBar);
  std::uint32_t length = kTicksPerQuarter;
  for (const std::string& raw : tokens(pattern)) {
    if (raw == "|") continue;
    const Token t = splitToken(raw);
    if (!t.length.empty()) length = parseLength(t.length, clock.bar, raw);
    if (t.body != "r") steps.push_back({clock.now, length, splitPlus(t.body), t.accent});
    clock.now += length;
  }
  if (clock.now != clock.perBar())
    fail(1, std::string(pattern), "a pattern must fill exactly one bar, it holds " + beats(clock.now) + " beats");

  Line line;
  line.length = chords.empty() ? 0 : chords.back().tick + chords.back().length;
  for (std::uint32_t barStart = 0; barStart < line.length; barStart += clock.perBar()) {
    const int bar = static_cast<int>(barStart / clock.perBar()) + 1;
    for (const Step& step : steps) {
      const std::uint32_t start = barStart + step.offset, end = start + step.length;
      for (const Chord& chord : chords) {
        const std::uint32_t from = std::max(start, chord.tick), to = std::min(end, chord.tick + chord.length);
        if (from >= to) continue;
        for (const std::string& symbol : step.symbols)
          for (int key : resolveSymbol(symbol, chord, floorKey, bar))
            line.notes.push_back({from, to - from, key, step.accent});
      }
    }
  }
  return line;
}

Line drumLine(int key, std::string_view grid, std::uint32_t stepTicks, int beatsPerBar) {
  Line line;
  BarClock clock(beatsPerBar);
  for (char c : grid) {
    switch (c) {
      case '|':
        clock.barLine("|");
        break;
      case 'X':
      case 'x':
      case 'o':
        line.notes.push_back({clock.now, stepTicks, key, c == 'X' ? 24 : c == 'o' ? -24 : 0});
        clock.now += stepTicks;
        break;
      case '.':
        clock.now += stepTicks;
        break;
      case ' ':
      case '\n':
        break;
      default:
        fail(clock.bar, std::string(1, c), "unknown drum step");
    }
  }
  clock.finish();
  line.length = clock.now;
  return line;
}

std::vector<std::uint8_t> encodePiece(const Piece& piece) {
  const std::uint32_t perBar = ticksPerBar(piece.beatsPerBar);
  const std::uint32_t total = perBar * static_cast<std::uint32_t>(piece.bars);
  std::vector<MidiTrack> tracks(1);
  tracks[0].trackName(0, piece.title);
  tracks[0].timeSignature(0, piece.beatsPerBar, 4);
  tracks[0].tempo(0, piece.beatsPerMinute);
  tracks[0].endAt(total);

  for (const Voice& voice : piece.voices) {
    if (voice.line.length != total)
      throw ScoreError(piece.fileName + ", " + voice.name + ": written for " + beats(voice.line.length) +
                       " beats, the piece has " + beats(total));
    MidiTrack& track = tracks.emplace_back();
    track.trackName(0, voice.name);
    if (voice.channel != 9) track.programChange(0, voice.channel, voice.program);
    track.controlChange(0, voice.channel, 7, voice.volume);
    track.controlChange(0, voice.channel, 10, voice.pan);
    track.controlChange(0, voice.channel, 91, voice.reverb);
    for (const Note& note : voice.line.notes) {
      const auto sounding = static_cast<std::uint32_t>(std::lround(note.length * voice.legato));
      // A light lean on each downbeat keeps the metre clear without any voice shouting.
      const int downbeat = note.tick % perBar == 0 ? 6 : 0;
      track.note(note.tick, std::max<std::uint32_t>(sounding, 1), voice.channel, note.key,
                 voice.velocity + note.accent + downbeat);
    }
    track.endAt(total);
  }
  return encodeMidiFile(tracks, static_cast<std::uint16_t>(kTicksPerQuarter));
}

}  // namespace soundgen
