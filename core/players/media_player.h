#pragma once
// The media player control: plays sounds, music and video clips by path. The windows use a
// very small surface of it: set the URL (the file starts from its beginning at once and
// whatever played is abandoned), set the empty URL (silence), show or hide it. A file that is
// missing or cannot be played leaves it silent and the caller is not told.

#include <QString>
#include <QWidget>

namespace kc {

class MediaPlayer : public QWidget {
  Q_OBJECT
 public:
  explicit MediaPlayer(QWidget* parent = nullptr);

  void setUrl(const QString& path);
  // The last path handed over ("" after a stop).
  const QString& url() const { return url_; }

 signals:
  // Every hand-over, even of the same path again.
  void urlSet(const QString& path);

 protected:
  virtual void play(const QString& path) = 0;
  virtual void stop() = 0;

 private:
  QString url_;
};

// A player that only remembers what it was given; it makes no sound.
class SilentMediaPlayer : public MediaPlayer {
  Q_OBJECT
 public:
  using MediaPlayer::MediaPlayer;

 protected:
  void play(const QString&) override {}
  void stop() override {}
};

}  // namespace kc
