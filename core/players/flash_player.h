#pragma once
// The animation control that stands in for the Flash player: it shows a looping animation
// from a file (animated GIF or WebP, or a still picture) transparently over what lies behind
// it, scaled so the whole movie fits the control with its aspect kept, centred, and playing
// as soon as it is loaded. A missing or unsupported file leaves it empty and transparent.
//
// The show keeps three of these running for a whole lesson over a full-screen board, so they
// are built to cost little:
// - setMovie() only remembers the file. A control on screen opens it right after its first
//   paint, so the window it decorates shows at once and the animation joins a moment later;
//   any question about the movie (frame count, frame rect, a tick...) opens it there and then.
// - Each frame is decoded once, at the control's size, the first time it is shown, and only
//   its visible parts are kept: the frame is cut into small tiles and only tiles holding
//   something are scaled and stored.
// - While decoding, each frame is compared with the one before it, tile by tile; a tick then
//   repaints only the tiles that changed, not everything the frames cover.
// - All controls step on one shared beat, frames due close together on the same repaint.
// - The timer sleeps while the control is hidden.

#include <QImage>
#include <QPoint>
#include <QRect>
#include <QRegion>
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
  // Where the current frame differs from the one before it in the loop: what a tick onto it
  // repaints. The whole control while that is not known yet.
  QRegion changedRegion() const;
  // How long the current frame stays, in milliseconds.
  int frameDelay() const;
  // True while the control's next step is booked: playing, more than one frame, and shown.
  bool isAnimating() const;
  // True while the movie is set but its file has not been opened yet.
  bool isLoadPending() const { return loadPending_; }
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
  // Opens the movie if setMovie() left it for later; false when there is nothing to show.
  bool ensureLoaded() const;
  // The open after the first paint: loads, then paints the first frame.
  void loadDeferred();
  // Makes sure the cache is for the current size and holds frame `index`.
  bool ensureFrame(int index) const;
  // Books the next step, or cancels it when the control should not run. Const: the movie may
  // be opened (and so start) by a question about it.
  void updateTimer() const;
  // The next frame and its repaint; false when there is nothing to step.
  bool advance();
  // The step the shared beat takes for the frame that fell due at `due`.
  void beatStep(qint64 due);
  friend class FlashBeat;

  QString movie_;
  bool playing_ = true;
  mutable bool loadPending_ = false;
  bool loadQueued_ = false;
  mutable Frames* frames_ = nullptr;
  mutable int decodes_ = 0;
};

}  // namespace kc
