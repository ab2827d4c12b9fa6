#pragma once
// The about box's pictures, painted when the box loads so that they are the program's own
// and stay sharp at the window's size.

#include <QImage>
#include <QSize>

namespace kc {

// The credits picture: program name, the Vietnamese title, credits and a small crossword.
QImage aboutPicture(QSize size);
// The close picture: a round red button with a white cross.
QImage closePicture(QSize size);

}  // namespace kc
