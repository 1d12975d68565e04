#include "Effects.h"

#include <array>
#include <cmath>

namespace soundgen {

namespace {

// A short burst of filtered noise: the "tick" that makes a hit sound like contact.
Buffer noiseBurst(std::uint32_t seed, Biquad filter, double tau, double seconds) {
  Noise noise(seed);
  Buffer out(samplesFor(seconds));
  for (std::size_t i = 0; i < out.size(); ++i)
    out[i] = filter.process(noise.next()) * attackDecay(timeAt(i), 0.0008, tau);
  return out;
}

// The hero bumps into something: a low thud with a rattling buzz on top.
Buffer vibrate() {
  constexpr double length = 0.42;
  Buffer out(samplesFor(length));
  Oscillator body, buzz;
  OnePoleLowPass buzzTone(1100.0), thumpTone(280.0);
  Noise noise(7);
  for (std::size_t i = 0; i < out.size(); ++i) {
    const double t = timeAt(i);
    const float thud = body.next(52.0 + 70.0 * std::exp(-t / 0.045)) * attackDecay(t, 0.003, 0.13);
    // Shaken at 30 Hz, like something rattling against a table.
    const double shake = 0.55 + 0.45 * std::sin(2.0 * kPi * 30.0 * t);
    const float rattle = buzzTone.process(buzz.next(74.0, Wave::Square)) * static_cast<float>(shake) *
                         attackHoldRelease(t, 0.01, length, 0.22);
    const float knock = thumpTone.process(noise.next()) * attackDecay(t, 0.001, 0.025);
    out[i] = thud + 0.5f * rattle + 2.5f * knock;
  }
  return out;
}

// A teleporter: a rising, trembling chord with sparks flying off it.
Buffer teleport() {
  constexpr double length = 0.9;
  Buffer out(samplesFor(length));
  std::array<Oscillator, 4> voices;
  constexpr std::array<double, 4> ratios{1.0, 1.006, 0.995, 1.5};
  constexpr std::array<float, 4> gains{0.5f, 0.35f, 0.35f, 0.25f};
  for (std::size_t i = 0; i < out.size(); ++i) {
    const double t = timeAt(i);
    const double rise = t / length;
    const double hz = 240.0 * std::pow(6.0, rise);
    // The tremble speeds up as the warp builds.
    const double shimmer = 0.7 + 0.3 * std::sin(2.0 * kPi * (9.0 + 14.0 * rise) * t);
    float sum = 0.0f;
    for (std::size_t v = 0; v < voices.size(); ++v) sum += gains[v] * voices[v].next(hz * ratios[v], Wave::Triangle);
    out[i] = sum * static_cast<float>(shimmer) * attackHoldRelease(t, 0.1, length, 0.32);
  }
  Noise scatter(99);
  for (int k = 0; k < 14; ++k) {
    const double at = 0.08 + 0.62 * k / 14.0 + scatter.uniform(0.0, 0.04);
    const double hz = 1800.0 + 2600.0 * at / length + scatter.uniform(-200.0, 200.0);
    const std::array<Mode, 2> spark{{{hz, 1.0, 0.035}, {hz * 2.01, 0.3, 0.02}}};
    mixInto(out, strike(spark, 0.15), at, 0.12f);
  }
  out.resize(samplesFor(length));
  return out;
}

// A clay vase breaks: a crack, a short dull ring, then shards landing.
Buffer pot() {
  constexpr double length = 0.6;
  Buffer out(samplesFor(length));
  mixInto(out, noiseBurst(3, Biquad::bandPass(2400.0, 0.9), 0.012, 0.1), 0.0, 1.4f);
  // Fired clay rings briefly and with inharmonic partials.
  constexpr std::array<Mode, 5> clay{{{230, 0.6, 0.05}, {640, 1.0, 0.045}, {1150, 0.55, 0.035},
                                       {1810, 0.35, 0.025}, {2680, 0.2, 0.018}}};
  mixInto(out, strike(clay, 0.3), 0.002, 0.8f);
  Noise scatter(42);
  double at = 0.05;
  for (int k = 0; k < 10; ++k) {
    at += scatter.uniform(0.015, 0.045);
    const double hz = scatter.uniform(2200.0, 4800.0);
    const std::array<Mode, 2> shard{{{hz, 1.0, scatter.uniform(0.012, 0.025)}, {hz * 1.73, 0.4, 0.01}}};
    const float gain = static_cast<float>(0.45 * std::exp(-k / 4.0));
    mixInto(out, strike(shard, 0.12), at, gain);
    mixInto(out, noiseBurst(100 + k, Biquad::bandPass(hz, 1.2), 0.004, 0.03), at, gain);
  }
  out.resize(samplesFor(length));
  return out;
}

// Picking something up: a quick bright two-note blip, the second a fifth higher.
Buffer pick() {
  constexpr double length = 0.18;
  Buffer out(samplesFor(length));
  Oscillator lowSoft, lowEdge, highSoft, highEdge;
  for (std::size_t i = 0; i < out.size(); ++i) {
    const double t = timeAt(i);
    const float first = (0.7f * lowSoft.next(1046.5, Wave::Triangle) + 0.15f * lowEdge.next(1046.5, Wave::Square)) *
                        attackHoldRelease(t, 0.003, 0.065, 0.02);
    const float second = (0.7f * highSoft.next(1568.0, Wave::Triangle) + 0.15f * highEdge.next(1568.0, Wave::Square)) *
                         attackDecay(t - 0.055, 0.003, 0.04);
    out[i] = first + second;
  }
  return out;
}

// A hammer smashes a block or machine: a heavy thump, crunching grit, a metal ring, debris.
Buffer smash() {
  constexpr double length = 0.65;
  Buffer out(samplesFor(length));
  Oscillator thump;
  Noise grit(11);
  OnePoleLowPass gritTone(6000.0);
  float held = 0.0f;
  int holdLeft = 0;
  for (std::size_t i = 0; i < out.size(); ++i) {
    const double t = timeAt(i);
    const float low = thump.next(45.0 + 120.0 * std::exp(-t / 0.03)) * attackDecay(t, 0.002, 0.09);
    // Sample-and-hold noise sounds grainy, like material crumbling.
    if (--holdLeft <= 0) {
      held = grit.next();
      holdLeft = 1 + static_cast<int>(grit.uniform(0.0, 6.0));
    }
    gritTone.setCutoff(500.0 + 6000.0 * std::exp(-t / 0.07));
    const float crunch = gritTone.process(held) * attackDecay(t, 0.001, 0.09);
    out[i] = 1.1f * low + 1.2f * crunch;
  }
  constexpr std::array<Mode, 4> metal{{{340, 0.35, 0.12}, {775, 0.25, 0.09}, {1210, 0.18, 0.07}, {1985, 0.12, 0.05}}};
  mixInto(out, strike(metal, 0.5), 0.003, 0.6f);
  Noise scatter(5);
  double at = 0.07;
  for (int k = 0; k < 7; ++k) {
    at += scatter.uniform(0.03, 0.07);
    const float gain = static_cast<float>(0.5 * std::exp(-k / 3.0));
    mixInto(out, noiseBurst(200 + k, Biquad::bandPass(scatter.uniform(1200.0, 3200.0), 1.5), 0.008, 0.05), at, gain);
  }
  out.resize(samplesFor(length));
  return out;
}

// A key turns in a lock: a small click, the ring on the key jingles, then the bolt slides back.
Buffer key() {
  constexpr double length = 0.55;
  Buffer out(samplesFor(length));
  mixInto(out, noiseBurst(21, Biquad::highPass(3000.0, 0.7), 0.004, 0.04), 0.0, 0.8f);
  constexpr std::array<Mode, 3> tip{{{3150, 0.5, 0.03}, {4720, 0.3, 0.02}, {6100, 0.15, 0.012}}};
  mixInto(out, strike(tip, 0.15), 0.0, 0.7f);
  constexpr std::array<Mode, 2> ringA{{{2637, 0.35, 0.09}, {3951, 0.2, 0.05}}};
  constexpr std::array<Mode, 2> ringB{{{2349, 0.35, 0.09}, {3520, 0.2, 0.05}}};
  mixInto(out, strike(ringA, 0.3), 0.06, 0.6f);
  mixInto(out, strike(ringB, 0.3), 0.12, 0.5f);
  mixInto(out, noiseBurst(22, Biquad::bandPass(1300.0, 1.0), 0.008, 0.06), 0.25, 1.0f);
  constexpr std::array<Mode, 4> bolt{{{180, 0.5, 0.04}, {820, 0.6, 0.04}, {1650, 0.35, 0.03}, {2480, 0.2, 0.02}}};
  mixInto(out, strike(bolt, 0.25), 0.251, 0.9f);
  out.resize(samplesFor(length));
  return out;
}

// A coin: two quick metallic pings, the second higher and longer.
Buffer coin() {
  constexpr double length = 0.5;
  Buffer out(samplesFor(length));
  constexpr std::array<Mode, 3> first{{{988, 1.0, 0.05}, {988 * 2.41, 0.3, 0.03}, {988 * 4.1, 0.12, 0.02}}};
  constexpr std::array<Mode, 3> second{{{1319, 1.0, 0.16}, {1319 * 2.76, 0.3, 0.07}, {1319 * 5.4, 0.1, 0.03}}};
  mixInto(out, strike(first, 0.3), 0.0, 0.7f);
  mixInto(out, noiseBurst(31, Biquad::bandPass(6000.0, 1.0), 0.002, 0.02), 0.0, 0.3f);
  mixInto(out, strike(second, 0.43), 0.07, 1.0f);
  mixInto(out, noiseBurst(32, Biquad::bandPass(7000.0, 1.0), 0.002, 0.02), 0.07, 0.3f);
  out.resize(samplesFor(length));
  return out;
}

constexpr std::array<Effect, 7> kEffects{{
    {"Vibrate.wav", vibrate},
    {"Teleport.wav", teleport},
    {"Pot.wav", pot},
    {"Pick.wav", pick},
    {"Smash.wav", smash},
    {"Key.wav", key},
    {"Coin.wav", coin},
}};

}  // namespace

std::span<const Effect> effects() { return kEffects; }

Buffer renderEffect(const Effect& effect) {
  Buffer buffer = effect.render();
  fadeEdges(buffer, 0.002, 0.03);
  normalize(buffer, kEffectPeakDb);
  return buffer;
}

}  // namespace soundgen
