#pragma once
// Small animation and sound files written by the tests themselves.

#include <QColor>
#include <QRect>
#include <QString>

#include <vector>

namespace kc::testing {

// One GIF frame: every pixel is `fill` (invalid colour = transparent) except `box`, painted
// `boxColour`. Delays are in hundredths of a second, as the format keeps them.
struct GifFrame {
  QColor fill;
  QRect box;
  QColor boxColour;
  int delayCs = 10;
};

// Writes an animated GIF of `width` × `height` with one frame per entry; each frame stands on
// its own (the previous one is cleared first). False when the file could not be written.
bool writeGif(const QString& path, int width, int height, const std::vector<GifFrame>& frames);

// Writes `seconds` of a 440 Hz tone as a mono MP3. False when the encoder failed.
bool writeMp3(const QString& path, double seconds);

}  // namespace kc::testing
