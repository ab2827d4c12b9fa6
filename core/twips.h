#pragma once
// Places and sizes are kept in twips, as the layouts were drawn: 15 twips to a pixel at 96
// dpi. This is the one place where twips become pixels.
//
// A widget placed with place() remembers its twips rectangle, so code that moves things by
// twips ("100 twips to the right, stop past 60") reads back exactly what it set, whatever
// rounding the pixels needed.

#include <QRect>

class QWidget;

namespace kc::twips {

inline constexpr int kPerPixel = 15;

// Nearest pixel, halves upward; correct for negative places too.
constexpr int toPixels(int twips) {
  const int shifted = twips + kPerPixel / 2;
  return shifted >= 0 ? shifted / kPerPixel : -((-shifted + kPerPixel - 1) / kPerPixel);
}
constexpr int fromPixels(int pixels) { return pixels * kPerPixel; }

// Edges are converted one by one, so neighbouring twips rectangles stay neighbours in pixels.
QRect toPixels(const QRect& twipsRect);

// Point size to pixel size at 96 dpi (the layouts assume it on every screen).
int pointsToPixels(double points);

void place(QWidget* w, const QRect& twipsRect);
inline void place(QWidget* w, int left, int top, int width, int height) {
  place(w, QRect(left, top, width, height));
}
// The twips rectangle last given to place(), or the pixel geometry in twips.
QRect rect(const QWidget* w);
void setLeft(QWidget* w, int left);
void setTop(QWidget* w, int top);
void setWidth(QWidget* w, int width);
void setHeight(QWidget* w, int height);
inline int left(const QWidget* w) { return rect(w).left(); }
inline int top(const QWidget* w) { return rect(w).top(); }
inline int width(const QWidget* w) { return rect(w).width(); }
inline int height(const QWidget* w) { return rect(w).height(); }

// Top-left of a window of the given twips size centred on the primary screen.
QPoint centredOnScreen(int widthTwips, int heightTwips);
// Screen size in twips (primary screen).
QSize screenSize();

}  // namespace kc::twips
