#pragma once
// The looping animations: sparse drawings on a transparent ground, few frames, so that the
// show can run three of them at once for a whole lesson.

#include <QImage>
#include <QString>

#include <vector>

namespace kc::tools::animations {

struct Animation {
  QString fileName;
  std::vector<QImage> frames;  // ARGB32
  int delayMs;
};

// Full-window background animations (512 x 384, stretched by the show).
std::vector<Animation> backgrounds();
// Second full-window animations ("mouse-move" effects).
std::vector<Animation> overlays();
// Corner animations (350 x 250).
std::vector<Animation> corners();

}  // namespace kc::tools::animations
