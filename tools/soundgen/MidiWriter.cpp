#include "MidiWriter.h"

#include <algorithm>
#include <cmath>

namespace soundgen {

namespace {

std::uint8_t data7(int v) { return static_cast<std::uint8_t>(std::clamp(v, 0, 127)); }
std::uint8_t status(int kind, int channel) { return static_cast<std::uint8_t>(kind | (channel & 0x0f)); }

void putVarLen(std::vector<std::uint8_t>& out, std::uint32_t value) {
  std::uint8_t groups[5];
  int n = 0;
  do {
    groups[n++] = value & 0x7f;
    value >>= 7;
  } while (value);
  while (n > 1) out.push_back(groups[--n] | 0x80);
  out.push_back(groups[0]);
}

void putBigEndian(std::vector<std::uint8_t>& out, std::uint32_t value, int bytes) {
  for (int i = bytes - 1; i >= 0; --i) out.push_back((value >> (8 * i)) & 0xff);
}

}  // namespace

void MidiTrack::add(std::uint32_t tick, Order order, std::vector<std::uint8_t> bytes) {
  events_.push_back({tick, order, std::move(bytes)});
}

void MidiTrack::trackName(std::uint32_t tick, std::string_view name) {
  std::vector<std::uint8_t> bytes{0xff, 0x03};
  putVarLen(bytes, static_cast<std::uint32_t>(name.size()));
  bytes.insert(bytes.end(), name.begin(), name.end());
  add(tick, Order::Meta, std::move(bytes));
}

void MidiTrack::tempo(std::uint32_t tick, double beatsPerMinute) {
  const auto microsPerQuarter = static_cast<std::uint32_t>(std::lround(60'000'000.0 / beatsPerMinute));
  std::vector<std::uint8_t> bytes{0xff, 0x51, 0x03};
  putBigEndian(bytes, microsPerQuarter, 3);
  add(tick, Order::Meta, std::move(bytes));
}

void MidiTrack::timeSignature(std::uint32_t tick, int numerator, int denominator) {
  int power = 0;
  while ((1 << power) < denominator) ++power;
  add(tick, Order::Meta, {0xff, 0x58, 0x04, data7(numerator), data7(power), 24, 8});
}

void MidiTrack::programChange(std::uint32_t tick, int channel, int program) {
  add(tick, Order::Setup, {status(0xc0, channel), data7(program)});
}

void MidiTrack::controlChange(std::uint32_t tick, int channel, int controller, int value) {
  add(tick, Order::Setup, {status(0xb0, channel), data7(controller), data7(value)});
}

void MidiTrack::note(std::uint32_t tick, std::uint32_t length, int channel, int key, int velocity) {
  // Velocity 0 would read as a note-off; the quietest real note is 1.
  add(tick, Order::NoteOn, {status(0x90, channel), data7(key), static_cast<std::uint8_t>(std::clamp(velocity, 1, 127))});
  add(tick + std::max<std::uint32_t>(length, 1), Order::NoteOff, {status(0x80, channel), data7(key), 64});
}

void MidiTrack::endAt(std::uint32_t tick) { end_ = std::max(end_, tick); }

std::vector<std::uint8_t> MidiTrack::encode() const {
  std::vector<Event> sorted = events_;
  std::stable_sort(sorted.begin(), sorted.end(), [](const Event& a, const Event& b) {
    return a.tick != b.tick ? a.tick < b.tick : a.order < b.order;
  });
  std::vector<std::uint8_t> body;
  std::uint32_t now = 0;
  for (const Event& e : sorted) {
    putVarLen(body, e.tick - now);
    body.insert(body.end(), e.bytes.begin(), e.bytes.end());
    now = e.tick;
  }
  putVarLen(body, std::max(end_, now) - now);
  body.insert(body.end(), {0xff, 0x2f, 0x00});

  std::vector<std::uint8_t> chunk{'M', 'T', 'r', 'k'};
  putBigEndian(chunk, static_cast<std::uint32_t>(body.size()), 4);
  chunk.insert(chunk.end(), body.begin(), body.end());
  return chunk;
}

std::vector<std::uint8_t> encodeMidiFile(std::span<const MidiTrack> tracks, std::uint16_t ticksPerQuarter) {
  std::vector<std::uint8_t> out{'M', 'T', 'h', 'd'};
  putBigEndian(out, 6, 4);
  putBigEndian(out, 1, 2);  // format 1: simultaneous tracks
  putBigEndian(out, static_cast<std::uint32_t>(tracks.size()), 2);
  putBigEndian(out, ticksPerQuarter, 2);
  for (const MidiTrack& track : tracks) {
    const auto chunk = track.encode();
    out.insert(out.end(), chunk.begin(), chunk.end());
  }
  return out;
}

}  // namespace soundgen
