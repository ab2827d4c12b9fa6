#pragma once
// The program's sounds, synthesised: mono samples in -1..1 at kSampleRate.

#include <vector>

namespace kc::tools::sounds {

// Low enough to keep the three-minute tick small, high enough for a clear chime.
inline constexpr int kSampleRate = 22050;

// Tick-tock, one beat every half second, for `seconds` seconds.
std::vector<float> ticking(double seconds);
// A struck bell (the countdown's warning).
std::vector<float> bell();
// A short rising two-note blip (a row is chosen).
std::vector<float> chosen();
// A bright rising arpeggio of bell tones (right answer).
std::vector<float> chime();
// A low buzzer in two pulses (wrong answer).
std::vector<float> buzzer();

}  // namespace kc::tools::sounds
