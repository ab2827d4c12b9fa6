#pragma once
// Pictures the show windows carry themselves rather than take from the Data folder.

#include <QPixmap>

namespace kc::builtin {

// The clock face used when "Clock.gif" cannot be loaded: 134 × 128 pixels.
QPixmap clockFace();
// The side panel's background and handle: 230 × 50 pixels, with a grip at its left edge.
QPixmap sidePanel();

}  // namespace kc::builtin
