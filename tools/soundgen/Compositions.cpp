// The game's music, written out by hand. Each piece is a chord progression, a melody and a few
// accompaniment patterns; see Score.h for the notation. Change a note here, rebuild, and the game
// plays it.
#include "Compositions.h"

namespace soundgen {

namespace {

// General MIDI programs (0-based) and percussion keys used below.
enum Program {
  Celesta = 8, Glockenspiel = 9, Marimba = 12, Cello = 42, Pizzicato = 45, Harp = 46, Timpani = 47,
  Strings = 48, SlowStrings = 49, AcousticBass = 32, Trumpet = 56, Trombone = 57, Tuba = 58,
  FrenchHorn = 60, Clarinet = 71, Flute = 73,
};
enum Drum {
  Kick = 36, SideStick = 37, Snare = 38, ClosedHat = 42, Crash = 49, Tambourine = 54, Maracas = 70,
  HighWood = 76, LowWood = 77, MuteTriangle = 80, OpenTriangle = 81,
};

Line rest(int bars, int beatsPerBar) { return Line{{}, ticksPerBar(beatsPerBar) * static_cast<std::uint32_t>(bars)}; }

// ---------------------------------------------------------------------------------------------
// Music.mid, the title theme: a slow waltz lullaby, the palace at night. F major, 32 bars,
// A A' B A''; the last bar turns on C7 so the loop falls back onto the opening F.

constexpr int kTitleMetre = 3;

constexpr const char* kTitleChords =
    "F | Dm | Bb | C    | F   | Am | Bb          | C7 |"   // A
    "F | Dm | Gm | C    | A7  | Dm | Gm7:h C7:q  | F  |"   // A'
    "Bb | F/A | Gm | Dm | Bb  | F/A | G7         | C7 |"   // B
    "F | Dm | Bb | Gm   | F/C | C7 | F           | C7 |";  // A''

constexpr const char* kTitleMelodyA =
    "C5:q F5 G5 | A5:h F5:q | D5:q. F5:e Bb5:q | G5:h. |"
    "C5:q F5 A5 | C6:h A5:q | D6:q. C6:e Bb5:q | G5:q. F5:e E5:q |";
constexpr const char* kTitleMelodyA2 =
    "C5:q F5 G5 | A5:h F5:q | Bb5:q. A5:e G5:q | E5:h C5:q |"
    "C#5:q E5 G5 | F5:q. E5:e D5:q | Bb4:q D5 E5 | F5:h. |";
constexpr const char* kTitleMelodyB =
    "D6:h C6:q | A5:h F5:q | G5:q Bb5 D6 | A5:h. |"
    "D6:q. C6:e Bb5:q | A5:q. G5:e F5:q | G5:q F5 D5 | E5:h Bb4:q |";
constexpr const char* kTitleMelodyA3 =
    "C5:q F5 G5 | A5:h F5:q | D5:q. F5:e Bb5:q | Bb5:q A5 G5 |"
    "A5:h C6:q | Bb5:q. G5:e E5:q | F5:h. | r:q G4 Bb4 |";
// The flute sings under the celesta in the second half.
constexpr const char* kTitleFluteA3 =
    "A4:h. | D5:h. | Bb4:h. | D5:h. | C5:h. | G4:h Bb4:q | A4:h. | - |";

Piece titleTheme() {
  const auto chords = parseChords(kTitleChords, kTitleMetre);
  const Line melody = parseNotes(kTitleMelodyA, kTitleMetre) + parseNotes(kTitleMelodyA2, kTitleMetre) +
                      parseNotes(kTitleMelodyB, kTitleMetre) + parseNotes(kTitleMelodyA3, kTitleMetre);
  const Line flute = rest(16, kTitleMetre) + transpose(parseNotes(kTitleMelodyB, kTitleMetre), -12) +
                     parseNotes(kTitleFluteA3, kTitleMetre);
  const Line bell = rest(16, kTitleMetre) +
                    repeat(drumLine(OpenTriangle, "o.. | ... |", kTicksPerQuarter, kTitleMetre), 8);

  Piece piece{"Music.mid", "Ilvy's Mission: The Palace at Night", 80, kTitleMetre, 32, true, {}};
  piece.voices = {
      {"Celesta", 0, Celesta, 94, 126, 64, 70, 0.95, melody},
      {"Flute", 1, Flute, 69, 103, 44, 70, 0.97, flute},
      {"Harp", 2, Harp, 65, 109, 84, 70, 0.98, accompany(chords, "1:e 2 3 4 3 2", kTitleMetre, 53)},
      {"Strings", 3, SlowStrings, 54, 92, 64, 80, 1.0, accompany(chords, "C:h.", kTitleMetre, 57)},
      {"Cello", 4, Cello, 69, 103, 56, 60, 0.95, accompany(chords, "R:h F:q", kTitleMetre, 41)},
      {"Triangle", 9, 0, 45, 80, 80, 70, 1.0, bell},
  };
  return piece;
}

// ---------------------------------------------------------------------------------------------
// Music2.mid, the quest music: light and bouncy, made to be heard for a long time. C major,
// 40 bars: A (flute), B (clarinet), A with clarinet harmony, C (a lift), A again. The closing G7
// leads back into the first bar.

constexpr int kQuestMetre = 4;

constexpr const char* kQuestChordsA =
    "C | Am | F | G | C | Am | Dm7:h G7:h | C |";
constexpr const char* kQuestChordsB =
    "Am | Em | F | C | Dm | Am | F | G7 |";
constexpr const char* kQuestChordsC =
    "F | G | Em | Am | Dm | G | C:h Am:h | G7 |";
constexpr const char* kQuestChordsLastA =
    "C | Am | F | G | C | Am | Dm7:h G7:h | C:h G7:h |";

constexpr const char* kQuestMelodyA =
    "E5:e G5 C6:q G5:e E5 G5:q | A5:q. G5:e E5:h | F5:e A5 C6:q A5:e F5 A5:q | B5:q. A5:e G5:h |"
    "E5:e G5 C6:q G5:e E5 G5:q | A5:e B5 C6 A5 E5:h | F5:q A5 G5 F5 | E5:q C5 r:h |";
constexpr const char* kQuestMelodyB =
    "A4:q C5:e E5 A5:q. G5:e | G5:q E5 B4:h | C5:q F5:e A5 C6:q. A5:e | G5:h E5 |"
    "F5:q. E5:e D5:q F5 | E5:q. D5:e C5:q A4 | A4:e C5 F5 A5 G5:q F5 | D5:q F5 G5 B4 |";
constexpr const char* kQuestHarmonyA =
    "C5:e E5 G5:q E5:e C5 E5:q | E5:q. E5:e C5:h | C5:e F5 A5:q F5:e C5 F5:q | G5:q. F5:e D5:h |"
    "C5:e E5 G5:q E5:e C5 E5:q | E5:e G5 A5 E5 C5:h | D5:q F5 B4 D5 | C5:q G4 r:h |";
constexpr const char* kQuestMelodyC =
    "C6:h. A5:q | B5:q. A5:e G5:h | G5:q B5 E6:h | C6:q. B5:e A5:h |"
    "F5:h A5 | G5:q. F5:e D5:h | E5:q G5 A5 C6 | B5:h G5:q F5 |";
constexpr const char* kQuestClarinetC =
    "F4:h A4 | G4:h B4 | B4:h G4 | A4:h E4 | D4:h F4 | D4:h B3 | C4:h E4 | D4:h F4 |";

// One bar of drums in eighth-note steps.
Line drumBar(int key, const char* steps) { return drumLine(key, steps, kTicksPerQuarter / 2, kQuestMetre); }

Line questDrums() {
  const Line groove = overlay(overlay(drumBar(ClosedHat, "xoxoxoxo"), drumBar(Kick, "o...o...")),
                              drumBar(SideStick, "..x...x."));
  const Line light = overlay(drumBar(ClosedHat, "x...x..."), drumBar(SideStick, "..o...o."));
  const Line shaken = overlay(groove, drumBar(Maracas, "oooooooo"));
  const Line bright = overlay(groove, drumBar(Tambourine, "..o...o."));
  const Line fill = overlay(drumBar(HighWood, "x.x.o.o."), drumBar(LowWood, ".x.x.ooX"));
  return repeat(groove, 8) + repeat(light, 7) + fill + repeat(shaken, 8) + repeat(bright, 7) + fill +
         repeat(groove, 8);
}

Piece questTheme() {
  const auto chordsA = parseChords(kQuestChordsA, kQuestMetre);
  const auto chordsB = parseChords(kQuestChordsB, kQuestMetre);
  const auto chordsC = parseChords(kQuestChordsC, kQuestMetre);
  const auto chordsLastA = parseChords(kQuestChordsLastA, kQuestMetre);
  const Line melodyA = parseNotes(kQuestMelodyA, kQuestMetre);

  const Line flute = melodyA + rest(8, kQuestMetre) + melodyA + parseNotes(kQuestMelodyC, kQuestMetre) + melodyA;
  const Line clarinet = rest(8, kQuestMetre) + parseNotes(kQuestMelodyB, kQuestMetre) +
                        parseNotes(kQuestHarmonyA, kQuestMetre) + parseNotes(kQuestClarinetC, kQuestMetre) +
                        rest(8, kQuestMetre);

  // Bass and plucked chords hop through A sections and relax in B.
  const char* bounce = "R:q F O F";
  const char* stroll = "R:h F";
  const char* offbeats = "r:e C r C r C r C";
  const char* gentle = "r:q C r C";
  const Line bass = accompany(chordsA, bounce, kQuestMetre, 40) + accompany(chordsB, stroll, kQuestMetre, 40) +
                    accompany(chordsA, bounce, kQuestMetre, 40) + accompany(chordsC, bounce, kQuestMetre, 40) +
                    accompany(chordsLastA, bounce, kQuestMetre, 40);
  const Line plucks = accompany(chordsA, offbeats, kQuestMetre, 55) + accompany(chordsB, gentle, kQuestMetre, 55) +
                      accompany(chordsA, offbeats, kQuestMetre, 55) + accompany(chordsC, offbeats, kQuestMetre, 55) +
                      accompany(chordsLastA, offbeats, kQuestMetre, 55);
  const char* ripple = "1:e 3 2 4 3 5 4 2";
  const Line marimba = rest(8, kQuestMetre) + accompany(chordsB, ripple, kQuestMetre, 60) +
                       accompany(chordsA, ripple, kQuestMetre, 60) + accompany(chordsC, ripple, kQuestMetre, 60) +
                       rest(8, kQuestMetre);

  Piece piece{"Music2.mid", "Ilvy's Mission: On the Road", 116, kQuestMetre, 40, true, {}};
  piece.voices = {
      {"Flute", 0, Flute, 88, 115, 60, 50, 0.9, flute},
      {"Clarinet", 1, Clarinet, 79, 103, 70, 50, 0.92, clarinet},
      {"Marimba", 2, Marimba, 66, 92, 88, 40, 0.9, marimba},
      {"Pizzicato", 3, Pizzicato, 64, 98, 40, 40, 0.6, plucks},
      {"Bass", 4, AcousticBass, 86, 115, 64, 20, 0.8, bass},
      {"Drums", 9, 0, 66, 92, 64, 30, 1.0, questDrums()},
  };
  return piece;
}

// ---------------------------------------------------------------------------------------------
// Music3.mid, the brass fanfare for a solved quest in worlds 1 and 4. C major, three bars.

constexpr const char* kBrassTrumpet =
    "G4:e. G4:s C5:e. C5:s E5:q G5 | A5:q. G5:e F5:q. G5:e | C6:w |";
constexpr const char* kBrassHorns =
    "E4+G4:e. E4+G4:s E4+G4:e. E4+G4:s E4+G4:q E4+G4+C5 | F4+A4+C5:h G4+B4+D5 | E4+G4+C5:w |";
constexpr const char* kBrassLow =
    "C3:e. C3:s C3:e. C3:s C3:q C3 | F2:h G2 | C2+C3:w |";
constexpr const char* kBrassStrings =
    "- | r:h G4:s A4 B4 C5 D5 E5 F5 G5 | C5+E5+G5+C6:w |";
constexpr const char* kBrassTimpani =
    "C3:e. C3:s C3:q r:h | G2:q G2 G2:e G2 G2 G2 | C3:s C3 C3 C3 C3 C3 C3 C3 C3:h |";

Piece brassFanfare() {
  constexpr int metre = 4;
  auto sixteenths = [](int key, const char* steps) { return drumLine(key, steps, kTicksPerQuarter / 4, metre); };
  const Line drums = overlay(overlay(sixteenths(Kick, "X.......x.......|x.......x.......|X...............|"),
                                     sixteenths(Snare, "................|........ooooxxxX|................|")),
                             sixteenths(Crash, "................|................|X...............|"));
  Piece piece{"Music3.mid", "Ilvy's Mission: Quest Solved", 132, metre, 3, false, {}};
  piece.voices = {
      {"Trumpet", 0, Trumpet, 90, 82, 64, 50, 0.9, parseNotes(kBrassTrumpet, metre)},
      {"Horns", 1, FrenchHorn, 79, 75, 48, 50, 0.9, parseNotes(kBrassHorns, metre)},
      {"Trombone", 2, Trombone, 81, 75, 80, 50, 0.9, parseNotes(kBrassLow, metre)},
      {"Strings", 3, Strings, 72, 68, 64, 60, 0.95, parseNotes(kBrassStrings, metre)},
      {"Timpani", 4, Timpani, 81, 75, 64, 40, 0.9, parseNotes(kBrassTimpani, metre)},
      {"Drums", 9, 0, 72, 68, 64, 40, 1.0, drums},
  };
  return piece;
}

// ---------------------------------------------------------------------------------------------
// Music4.mid, the sparkling fanfare for worlds 2, 3, 5 and 6. G major waltz time, four bars.

constexpr int kSparkleMetre = 3;
constexpr const char* kSparkleChords = "G | C:h D7:q | Em:h C:q | D7:q G:h |";
constexpr const char* kSparkleMelody = "G4:e B4 D5 G5 B5:q | C6:q. A5:e F#5:q | G5:q B5 C6 | A5:q G5:h |";

Piece sparkleFanfare() {
  const auto chords = parseChords(kSparkleChords, kSparkleMetre);
  const Line melody = parseNotes(kSparkleMelody, kSparkleMetre);
  const Line drums = overlay(drumLine(OpenTriangle, "x.. | x.. | x.. | xo. |", kTicksPerQuarter, kSparkleMetre),
                             drumLine(Crash, "... | ... | ... | .X. |", kTicksPerQuarter, kSparkleMetre));
  Piece piece{"Music4.mid", "Ilvy's Mission: Well Done", 132, kSparkleMetre, 4, false, {}};
  piece.voices = {
      {"Flute", 0, Flute, 86, 79, 56, 60, 0.9, melody},
      {"Glockenspiel", 1, Glockenspiel, 72, 64, 76, 70, 0.9, transpose(melody, 12)},
      {"Horns", 2, FrenchHorn, 68, 68, 48, 60, 0.95, accompany(chords, "C:q C C", kSparkleMetre, 55)},
      {"Strings", 3, Strings, 65, 64, 80, 70, 1.0, accompany(chords, "C:h.", kSparkleMetre, 62)},
      {"Bass", 4, Pizzicato, 81, 71, 64, 40, 0.7, accompany(chords, "R:q F R", kSparkleMetre, 43)},
      {"Drums", 9, 0, 63, 60, 64, 50, 1.0, drums},
  };
  return piece;
}

}  // namespace

std::vector<Piece> compositions() { return {titleTheme(), questTheme(), brassFanfare(), sparkleFanfare()}; }

}  // namespace soundgen
