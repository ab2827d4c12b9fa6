#pragma once
// The media player control: plays sounds, music and video clips by path. The windows use a
// very small surface of it: set the URL (the file starts from its beginning at once and
// whatever played is abandoned), set the empty URL (silence), show or hide it. A file that is
// missing or cannot be played leaves it silent and the caller is not told.

#include <QString>
#include <QWidget>

class QAudioOutput;
class QMediaPlayer;
class QSlider;
class QToolButton;
class QVideoWidget;

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

// The real player on Qt Multimedia. A shown instance carries a video area and the full set of
// controls (play/pause, position, volume); a hidden one is sound only. The playback engine is
// made on the first play, so the many players a window holds for occasional sounds cost
// nothing until they are used.
class QtMediaPlayer : public MediaPlayer {
  Q_OBJECT
 public:
  // withInterface: build the video area and the controls now (the instance is meant to be
  // shown); a hidden instance builds them when it is first shown.
  explicit QtMediaPlayer(QWidget* parent = nullptr, bool withInterface = false);
  // Stops what plays: a window that goes away takes its sound with it.
  ~QtMediaPlayer() override;

  // The engine once something has been played, else nullptr.
  QMediaPlayer* engine() const { return engine_; }
  bool hasInterface() const { return video_ != nullptr; }

 protected:
  void play(const QString& path) override;
  void stop() override;
  void showEvent(QShowEvent* e) override;

 private:
  void makeInterface();
  void makeEngine();
  void connectInterface();
  void updateButton();

  QMediaPlayer* engine_ = nullptr;
  QAudioOutput* audio_ = nullptr;
  QVideoWidget* video_ = nullptr;
  QToolButton* playPause_ = nullptr;
  QSlider* position_ = nullptr;
  QSlider* volume_ = nullptr;
};

}  // namespace kc
