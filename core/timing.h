#pragma once
// Every timer period and animation step of the program, in one place.
//
// Periods the old program set to 1 ms meant "as often as the system timer fires", which was
// about every 15 ms; they run at 15 ms here, so each animation keeps its sequence of
// positions and its speed.

namespace kc::timing {

inline constexpr int kFastTickMs = 15;  // question slide-in, panel unroll, clock drop

inline constexpr int kMenuFadeMs = 40;  // menu fade-in and fade-out
inline constexpr int kMenuFadeStep = 15;  // alpha added or taken per fade tick

inline constexpr int kCountdownMs = 1000;        // one second of a countdown
inline constexpr int kCountdownBellAt = 5;       // the warning bell rings at this count
inline constexpr int kClockDropTwips = 100;      // show clock: twips per drop tick
inline constexpr int kPictureClockDropTwips = 20;  // picture window clock: twips per tick
inline constexpr int kBandUnrollTwips = 1000;    // picture window band: growth per tick
inline constexpr int kStripStepTwips = 100;      // question strip: twips per tick
inline constexpr int kPanelStepTwips = 1000;     // question panel: growth per tick

inline constexpr int kMinimisedOnTopMs = 50;  // minimised window keeps itself on top
inline constexpr int kSnapshotDelayMs = 1000;  // wait before the crossword picture is taken

}  // namespace kc::timing
