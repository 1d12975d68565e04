// Small building blocks for the sound effects: oscillators, noise, envelopes, filters and mixing.
// Everything works on float buffers at kSampleRate and is deterministic, so every build writes
// the same files.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "WaveWriter.h"

namespace soundgen {

using Buffer = std::vector<float>;

inline constexpr double kPi = 3.14159265358979323846;

int samplesFor(double seconds);
inline double timeAt(std::size_t index) { return static_cast<double>(index) / kSampleRate; }

// White noise in [-1, 1] from a fixed seed.
class Noise {
 public:
  explicit Noise(std::uint32_t seed = 0x1234567u) : state_(seed ? seed : 1u) {}
  float next();
  // Uniform in [lo, hi), for scattering events in time or pitch.
  double uniform(double lo, double hi);

 private:
  std::uint32_t state_;
};

enum class Wave { Sine, Triangle, Square, Saw };

// Keeps its phase between calls, so pitch sweeps stay continuous. Square, saw and triangle are
// summed from harmonics below Nyquist: at 22050 Hz naive shapes alias audibly.
class Oscillator {
 public:
  float next(double hz, Wave wave = Wave::Sine);

 private:
  double phase_ = 0.0;  // in cycles, [0, 1)
};

// Rises linearly over `attack`, then falls exponentially with time constant `tau`.
float attackDecay(double t, double attack, double tau);
// Linear attack, flat hold, linear release to zero at `length`.
float attackHoldRelease(double t, double attack, double length, double release);
// Ramps the first and last samples to zero so no effect starts or stops with a click.
void fadeEdges(Buffer& buffer, double fadeInSeconds, double fadeOutSeconds);

class OnePoleLowPass {
 public:
  explicit OnePoleLowPass(double cutoffHz) { setCutoff(cutoffHz); }
  void setCutoff(double hz);
  float process(float x);

 private:
  float a_ = 0.0f;
  float z_ = 0.0f;
};

// Second-order section after the well-known audio-EQ cookbook formulas.
class Biquad {
 public:
  static Biquad lowPass(double hz, double q);
  static Biquad highPass(double hz, double q);
  static Biquad bandPass(double hz, double q);  // 0 dB peak gain
  float process(float x);

 private:
  double b0_ = 1, b1_ = 0, b2_ = 0, a1_ = 0, a2_ = 0;
  double x1_ = 0, x2_ = 0, y1_ = 0, y2_ = 0;
};

// One decaying partial of a struck object.
struct Mode {
  double hz;
  double gain;
  double decaySeconds;  // time constant of the exponential decay
};
// Sum of decaying sine partials, with soft edges: clay, metal and glass differ in their partials.
Buffer strike(std::span<const Mode> modes, double seconds);

// Adds `source` × gain into `target` starting at `atSeconds`, growing the target if needed.
void mixInto(Buffer& target, const Buffer& source, double atSeconds, float gain = 1.0f);
// Scales so the largest sample sits at `peakDb` dBFS. A silent buffer is left alone.
void normalize(Buffer& buffer, double peakDb);
double peakOf(const Buffer& buffer);

}  // namespace soundgen
