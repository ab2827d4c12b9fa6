#pragma once
// GIF files from painted frames: one shared 256-colour palette (the most used colours), a
// transparent index for pixels that are less than half opaque, and for more than one frame
// an endless loop with each frame replacing the last (disposal to background).

#include <QColor>
#include <QImage>
#include <QString>

#include <vector>

namespace kc::tools {

struct GifOptions {
  int delayMs = 100;
  bool transparency = true;
  // Colours that must be kept exactly (a colour-key background, for one).
  std::vector<QRgb> exactColours;
};

// All frames must have the size of the first. Throws std::runtime_error on failure.
void writeGif(const QString& path, const std::vector<QImage>& frames, const GifOptions& options);

}  // namespace kc::tools
