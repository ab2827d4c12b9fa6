#pragma once
// The animation control that stands in for the Flash player: it shows a looping animation
// from a file (animated GIF or WebP, or a still picture) transparently over what lies behind
// it, scaled so the whole movie fits the control with its aspect kept, centred, and playing
// as soon as it is loaded. A missing or unsupported file leaves it empty and transparent.
//
// The show keeps three of these running for a whole lesson, so they are built to cost little:
// each frame is decoded once, at the control's size, the first time it is shown, and kept
// cropped to its visible part; a tick repaints only where the old and the new frame lie; the
// timer sleeps while the control is hidden.

#include <QImage>
#include <QPoint>
#include <QRect>
#include <QString>
#include <QTimer>
#include <QWidget>

#include <memory>

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

  // Where the current frame's visible pixels lie in the control (empty when nothing shows).
  QRect frameRect() const;
  // How long the current frame stays, in milliseconds.
  int frameDelay() const;
  // True while the timer runs: playing, more than one frame, and shown.
  bool isAnimating() const { return timer_.isActive(); }
  // Frames decoded and scaled since the movie was set (each frame once per control size).
  int decodeCount() const { return decodes_; }
  // Bytes held by the cached frames.
  qint64 cacheBytes() const;

 protected:
  void paintEvent(QPaintEvent* e) override;
  void resizeEvent(QResizeEvent* e) override;
  void showEvent(QShowEvent* e) override;
  void hideEvent(QHideEvent* e) override;

 private:
  struct Frames;
  void rebuild();
  // Makes sure the cache is for the current size and holds frame `index`.
  bool ensureFrame(int index) const;
  void updateTimer();

  QString movie_;
  bool playing_ = true;
  Frames* frames_ = nullptr;
  QTimer timer_;
  mutable int decodes_ = 0;
};

}  // namespace kc
