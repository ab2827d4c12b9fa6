#include "tools/sounds.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace kc::tools::sounds {
namespace {

constexpr double kTwoPi = 2 * std::numbers::pi;

std::vector<float> silence(double seconds) {
  return std::vector<float>(size_t(seconds * kSampleRate), 0.0f);
}

// Adds a decaying sine from `start` seconds on.
void addTone(std::vector<float>& out, double start, double freq, double amplitude,
             double decayPerSecond, double length, double attack = 0.002) {
  const size_t first = size_t(start * kSampleRate);
  const size_t count = size_t(length * kSampleRate);
  for (size_t i = 0; i < count && first + i < out.size(); ++i) {
    const double t = double(i) / kSampleRate;
    const double envelope = std::min(1.0, t / attack) * std::exp(-decayPerSecond * t);
    out[first + i] += float(amplitude * envelope * std::sin(kTwoPi * freq * t));
  }
}

// A bell: inharmonic partials, the higher ones dying faster.
void addBell(std::vector<float>& out, double start, double freq, double amplitude, double length) {
  struct Partial {
    double ratio, level, decay;
  };
  constexpr Partial kPartials[] = {{1.0, 1.0, 1.6},  {2.0, 0.6, 2.4},   {2.76, 0.45, 3.2},
                                   {5.4, 0.25, 5.0}, {8.93, 0.12, 7.0}, {0.5, 0.3, 1.2}};
  for (const Partial& p : kPartials) {
    addTone(out, start, freq * p.ratio, amplitude * p.level, p.decay, length);
  }
}

void normalise(std::vector<float>& out, float peak) {
  float max = 0;
  for (float s : out) max = std::max(max, std::abs(s));
  if (max <= 0) return;
  for (float& s : out) s *= peak / max;
}

// Fades the last `seconds` out so that no sound ends on a click.
void fadeOut(std::vector<float>& out, double seconds) {
  const size_t n = std::min(out.size(), size_t(seconds * kSampleRate));
  for (size_t i = 0; i < n; ++i) out[out.size() - 1 - i] *= float(i) / float(n);
}

}  // namespace

std::vector<float> ticking(double seconds) {
  std::vector<float> out = silence(seconds);
  // One beat of each kind, copied along: a click of filtered noise over a short resonance.
  std::vector<float> tick(size_t(0.06 * kSampleRate)), tock(tick.size());
  unsigned noise = 12345;
  for (size_t i = 0; i < tick.size(); ++i) {
    const double t = double(i) / kSampleRate;
    noise = noise * 1103515245u + 12345u;
    const double n = (double((noise >> 16) & 0x7FFF) / 16384.0 - 1.0) * std::exp(-900 * t);
    tick[i] = float(0.35 * n + 0.8 * std::exp(-90 * t) * std::sin(kTwoPi * 2600 * t));
    tock[i] = float(0.30 * n + 0.8 * std::exp(-70 * t) * std::sin(kTwoPi * 1700 * t));
  }
  const size_t beat = kSampleRate / 2;
  for (size_t start = 0, k = 0; start < out.size(); start += beat, ++k) {
    const std::vector<float>& click = (k % 2 == 0) ? tick : tock;
    for (size_t i = 0; i < click.size() && start + i < out.size(); ++i) out[start + i] = click[i];
  }
  normalise(out, 0.7f);
  return out;
}

std::vector<float> bell() {
  std::vector<float> out = silence(2.6);
  addBell(out, 0.0, 880, 1.0, 2.6);
  normalise(out, 0.85f);
  fadeOut(out, 0.3);
  return out;
}

std::vector<float> chosen() {
  std::vector<float> out = silence(0.5);
  addTone(out, 0.00, 660, 0.8, 9, 0.25);
  addTone(out, 0.00, 1320, 0.25, 14, 0.2);
  addTone(out, 0.11, 990, 0.9, 8, 0.38);
  addTone(out, 0.11, 1980, 0.25, 12, 0.3);
  normalise(out, 0.8f);
  fadeOut(out, 0.05);
  return out;
}

std::vector<float> chime() {
  std::vector<float> out = silence(1.8);
  constexpr double kNotes[] = {1046.5, 1318.5, 1568.0, 2093.0};  // C6 E6 G6 C7
  for (int i = 0; i < 4; ++i) addBell(out, 0.09 * i, kNotes[i], 0.5, 1.8 - 0.09 * i);
  normalise(out, 0.85f);
  fadeOut(out, 0.25);
  return out;
}

std::vector<float> buzzer() {
  std::vector<float> out = silence(1.0);
  // A sawtooth near 110 Hz with a slight beat, built from its first harmonics so that it stays
  // below half the sample rate, in two pulses.
  for (int pulse = 0; pulse < 2; ++pulse) {
    const size_t first = size_t((0.05 + pulse * 0.45) * kSampleRate);
    const size_t count = size_t(0.38 * kSampleRate);
    for (size_t i = 0; i < count && first + i < out.size(); ++i) {
      const double t = double(i) / kSampleRate;
      const double envelope = std::min(1.0, t / 0.01) * std::min(1.0, (0.38 - t) / 0.03);
      double s = 0;
      for (int h = 1; h <= 24; ++h) {
        s += std::sin(kTwoPi * 110 * h * t) / h + 0.5 * std::sin(kTwoPi * 113 * h * t) / h;
      }
      out[first + i] = float(envelope * s);
    }
  }
  normalise(out, 0.8f);
  return out;
}

}  // namespace kc::tools::sounds
