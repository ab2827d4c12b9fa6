#pragma once
// Pictures the show windows carry themselves rather than take from the Data folder.

#include <QPixmap>
#include <QString>

namespace kc {
class PictureBox;
}

namespace kc::builtin {

// The clock face used when "Clock.gif" cannot be loaded: 134 × 128 pixels.
QPixmap clockFace();
// Puts the clock picture (the file, or the built-in face when it cannot be loaded) into a clock
// control and parks the control just above the window's top edge, at left 10, ready to drop.
void loadClock(PictureBox* clock, const QString& clockFile);
// The side panel's background and handle: 230 × 50 pixels, with a grip at its left edge.
QPixmap sidePanel();

}  // namespace kc::builtin
