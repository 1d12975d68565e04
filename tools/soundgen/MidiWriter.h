// Writes Standard MIDI Files (format 1) for the game's General MIDI music player.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

namespace soundgen {

class MidiTrack {
 public:
  void trackName(std::uint32_t tick, std::string_view name);
  void tempo(std::uint32_t tick, double beatsPerMinute);
  void timeSignature(std::uint32_t tick, int numerator, int denominator);
  void programChange(std::uint32_t tick, int channel, int program);
  void controlChange(std::uint32_t tick, int channel, int controller, int value);
  // A note-on at `tick` and its note-off `length` ticks later.
  void note(std::uint32_t tick, std::uint32_t length, int channel, int key, int velocity);
  // The End of Track goes here unless a later event pushes it further. A looping piece sets
  // this to its exact length, so the player wraps around on the beat.
  void endAt(std::uint32_t tick);

  // The complete "MTrk" chunk, events in time order, ending with End of Track.
  std::vector<std::uint8_t> encode() const;

 private:
  // Events at the same tick are written note-offs first, then set-up, then note-ons, so a
  // repeated pitch is released before it is struck again.
  enum class Order { Meta, NoteOff, Setup, NoteOn };
  struct Event {
    std::uint32_t tick;
    Order order;
    std::vector<std::uint8_t> bytes;
  };
  void add(std::uint32_t tick, Order order, std::vector<std::uint8_t> bytes);

  std::vector<Event> events_;
  std::uint32_t end_ = 0;
};

// A format 1 file: header chunk and the tracks, the first one by convention the tempo map.
std::vector<std::uint8_t> encodeMidiFile(std::span<const MidiTrack> tracks, std::uint16_t ticksPerQuarter);

}  // namespace soundgen
