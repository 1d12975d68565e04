#include "Synth.h"

#include <algorithm>
#include <cmath>

namespace soundgen {

int samplesFor(double seconds) { return static_cast<int>(std::lround(seconds * kSampleRate)); }

float Noise::next() {
  // xorshift32: cheap, and the same sequence on every machine.
  state_ ^= state_ << 13;
  state_ ^= state_ >> 17;
  state_ ^= state_ << 5;
  return static_cast<float>(state_ / 2147483647.5 - 1.0);
}

double Noise::uniform(double lo, double hi) { return lo + (hi - lo) * (next() * 0.5 + 0.5); }

float Oscillator::next(double hz, Wave wave) {
  const double nyquist = kSampleRate / 2.0;
  const double angle = 2.0 * kPi * phase_;
  double value = 0.0;
  switch (wave) {
    case Wave::Sine:
      value = std::sin(angle);
      break;
    case Wave::Square:
      for (int k = 1; k < 40 && k * hz < nyquist; k += 2) value += std::sin(k * angle) / k;
      value *= 4.0 / kPi;
      break;
    case Wave::Saw:
      for (int k = 1; k < 40 && k * hz < nyquist; ++k) value += std::sin(k * angle) / k;
      value *= 2.0 / kPi;
      break;
    case Wave::Triangle:
      for (int k = 1, sign = 1; k < 40 && k * hz < nyquist; k += 2, sign = -sign)
        value += sign * std::sin(k * angle) / (k * k);
      value *= 8.0 / (kPi * kPi);
      break;
  }
  phase_ += hz / kSampleRate;
  phase_ -= std::floor(phase_);
  return static_cast<float>(value);
}

float attackDecay(double t, double attack, double tau) {
  if (t < 0.0) return 0.0f;
  if (t < attack) return static_cast<float>(t / attack);
  return static_cast<float>(std::exp(-(t - attack) / tau));
}

float attackHoldRelease(double t, double attack, double length, double release) {
  if (t < 0.0 || t >= length) return 0.0f;
  if (t < attack) return static_cast<float>(t / attack);
  if (t > length - release) return static_cast<float>((length - t) / release);
  return 1.0f;
}

void fadeEdges(Buffer& buffer, double fadeInSeconds, double fadeOutSeconds) {
  const auto n = buffer.size();
  const auto in = std::min<std::size_t>(n, samplesFor(fadeInSeconds));
  const auto out = std::min<std::size_t>(n, samplesFor(fadeOutSeconds));
  for (std::size_t i = 0; i < in; ++i) buffer[i] *= static_cast<float>(i) / in;
  for (std::size_t i = 0; i < out; ++i) buffer[n - 1 - i] *= static_cast<float>(i) / out;
}

void OnePoleLowPass::setCutoff(double hz) {
  a_ = static_cast<float>(1.0 - std::exp(-2.0 * kPi * hz / kSampleRate));
}

float OnePoleLowPass::process(float x) {
  z_ += a_ * (x - z_);
  return z_;
}

namespace {

struct CookbookTerms {
  double cosw, alpha;
};

CookbookTerms terms(double hz, double q) {
  const double w = 2.0 * kPi * std::min(hz, kSampleRate * 0.45) / kSampleRate;
  return {std::cos(w), std::sin(w) / (2.0 * q)};
}

}  // namespace

Biquad Biquad::lowPass(double hz, double q) {
  const auto [c, alpha] = terms(hz, q);
  const double a0 = 1 + alpha;
  Biquad f;
  f.b0_ = (1 - c) / 2 / a0;
  f.b1_ = (1 - c) / a0;
  f.b2_ = f.b0_;
  f.a1_ = -2 * c / a0;
  f.a2_ = (1 - alpha) / a0;
  return f;
}

Biquad Biquad::highPass(double hz, double q) {
  const auto [c, alpha] = terms(hz, q);
  const double a0 = 1 + alpha;
  Biquad f;
  f.b0_ = (1 + c) / 2 / a0;
  f.b1_ = -(1 + c) / a0;
  f.b2_ = f.b0_;
  f.a1_ = -2 * c / a0;
  f.a2_ = (1 - alpha) / a0;
  return f;
}

Biquad Biquad::bandPass(double hz, double q) {
  const auto [c, alpha] = terms(hz, q);
  const double a0 = 1 + alpha;
  Biquad f;
  f.b0_ = alpha / a0;
  f.b1_ = 0;
  f.b2_ = -alpha / a0;
  f.a1_ = -2 * c / a0;
  f.a2_ = (1 - alpha) / a0;
  return f;
}

float Biquad::process(float x) {
  const double y = b0_ * x + b1_ * x1_ + b2_ * x2_ - a1_ * y1_ - a2_ * y2_;
  x2_ = x1_;
  x1_ = x;
  y2_ = y1_;
  y1_ = y;
  return static_cast<float>(y);
}

Buffer strike(std::span<const Mode> modes, double seconds) {
  Buffer out(samplesFor(seconds), 0.0f);
  for (const Mode& m : modes) {
    if (m.hz >= kSampleRate / 2.0) continue;
    const double w = 2.0 * kPi * m.hz / kSampleRate;
    for (std::size_t i = 0; i < out.size(); ++i)
      out[i] += static_cast<float>(m.gain * std::exp(-timeAt(i) / m.decaySeconds) * std::sin(w * i));
  }
  // A millisecond of attack keeps the strike from spraying clicks across the spectrum, and the
  // tail is faded so cutting the buffer short is silent.
  fadeEdges(out, 0.001, std::min(0.015, seconds / 4));
  return out;
}

void mixInto(Buffer& target, const Buffer& source, double atSeconds, float gain) {
  const std::size_t start = samplesFor(atSeconds);
  if (target.size() < start + source.size()) target.resize(start + source.size(), 0.0f);
  for (std::size_t i = 0; i < source.size(); ++i) target[start + i] += gain * source[i];
}

double peakOf(const Buffer& buffer) {
  double peak = 0.0;
  for (float s : buffer) peak = std::max(peak, static_cast<double>(std::fabs(s)));
  return peak;
}

void normalize(Buffer& buffer, double peakDb) {
  const double peak = peakOf(buffer);
  if (peak <= 0.0) return;
  const auto gain = static_cast<float>(std::pow(10.0, peakDb / 20.0) / peak);
  for (float& s : buffer) s *= gain;
}

}  // namespace soundgen
