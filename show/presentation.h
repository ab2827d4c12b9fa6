#pragma once
// The step rules of the show's animations, as plain functions: one call is one timer tick.

namespace kc::presentation {

// The window's size in twips (1027 × 768 pixels).
inline constexpr int kWindowWidth = 15405;
inline constexpr int kWindowHeight = 11520;

// First style: the strip picture and the question slide in from the left.
inline constexpr int kStripStart = -2400;  // where both start
inline constexpr int kStripStep = 100;     // twips per tick
inline constexpr int kStripImageEnd = 60;  // where the strip picture stops
inline constexpr int kStripTextEnd = 100;  // where the question stops

struct Strip {
  int imageLeft;
  int textLeft;
  bool done;
};
constexpr Strip stripStep(int imageLeft, int textLeft) {
  imageLeft += kStripStep;
  textLeft += kStripStep;
  if (imageLeft > kStripImageEnd) return {kStripImageEnd, kStripTextEnd, true};
  return {imageLeft, textLeft, false};
}

// Second style: the panel unrolls across the window from whatever width it has.
inline constexpr int kPanelStep = 1000;
inline constexpr int kPanelFirstWidth = 1575;  // the width the panel is built with
inline constexpr int kPanelClosedWidth = 1;    // the width a closed panel is left at
inline constexpr int kPanelTextMargin = 1500;  // the question is this much narrower

struct Panel {
  int width;
  bool done;
};
constexpr Panel panelStep(int width, int windowWidth = kWindowWidth) {
  width += kPanelStep;
  if (width > windowWidth) return {windowWidth, true};
  return {width, false};
}

// The picture window's question band grows by the same step to the window's inner width.
constexpr Panel bandStep(int width, int innerWidth = kWindowWidth) {
  return panelStep(width, innerWidth);
}

}  // namespace kc::presentation
