#pragma once
// The animation control that stands in for the Flash player: it shows a looping animation
// from a file (animated GIF or WebP, or a still picture) transparently over what lies behind
// it, scaled so the whole movie fits the control with its aspect kept, centred, and playing
// as soon as it is loaded. A missing or unsupported file leaves it empty and transparent.

#include <QString>
#include <QWidget>

namespace kc {

class FlashPlayer : public QWidget {
  Q_OBJECT
 public:
  explicit FlashPlayer(QWidget* parent = nullptr);
  ~FlashPlayer() override;

  void setMovie(const QString& path);
  const QString& movie() const { return movie_; }
  // True when no animation is loaded (missing or unsupported file, or none set).
  bool isEmpty() const;
  int frameCount() const;
  int currentFrame() const;
  void setPlaying(bool playing);
  bool isPlaying() const { return playing_; }
  // One step of the animation: the next frame is shown (the real timer calls it).
  void tick();

 protected:
  void paintEvent(QPaintEvent* e) override;
  void resizeEvent(QResizeEvent* e) override;

 private:
  struct Frames;
  void rebuild();

  QString movie_;
  bool playing_ = true;
  Frames* frames_ = nullptr;
};

}  // namespace kc
