#include "core/players/media_player.h"

#include <QAudioOutput>
#include <QBoxLayout>
#include <QFileInfo>
#include <QMediaPlayer>
#include <QSlider>
#include <QStyle>
#include <QToolButton>
#include <QUrl>
#include <QVideoWidget>

namespace kc {

MediaPlayer::MediaPlayer(QWidget* parent) : QWidget(parent) {}

void MediaPlayer::setUrl(const QString& path) {
  url_ = path;
  if (path.isEmpty())
    stop();
  else
    play(path);
  emit urlSet(path);
}

QtMediaPlayer::QtMediaPlayer(QWidget* parent, bool withInterface) : MediaPlayer(parent) {
  if (withInterface) makeInterface();
}

void QtMediaPlayer::showEvent(QShowEvent* e) {
  if (!video_) makeInterface();
  MediaPlayer::showEvent(e);
}

void QtMediaPlayer::makeInterface() {
  video_ = new QVideoWidget(this);
  playPause_ = new QToolButton(this);
  playPause_->setAutoRaise(true);
  position_ = new QSlider(Qt::Horizontal, this);
  position_->setRange(0, 0);
  volume_ = new QSlider(Qt::Horizontal, this);
  volume_->setRange(0, 100);
  volume_->setValue(100);
  volume_->setMaximumWidth(80);
  volume_->setToolTip(QStringLiteral("Volume"));
  updateButton();

  auto* bar = new QHBoxLayout;
  bar->setContentsMargins(2, 0, 2, 2);
  bar->addWidget(playPause_);
  bar->addWidget(position_, 1);
  bar->addWidget(volume_);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  layout->addWidget(video_, 1);
  layout->addLayout(bar);
  // Built from showEvent the parts would otherwise stay hidden: children made while their parent
  // is being shown are not shown with it.
  for (QWidget* w : {static_cast<QWidget*>(video_), static_cast<QWidget*>(playPause_),
                     static_cast<QWidget*>(position_), static_cast<QWidget*>(volume_)})
    w->show();

  connect(playPause_, &QToolButton::clicked, this, [this] {
    if (!engine_ || engine_->source().isEmpty()) return;
    if (engine_->playbackState() == QMediaPlayer::PlayingState)
      engine_->pause();
    else
      engine_->play();
  });
  connect(position_, &QSlider::sliderMoved, this, [this](int ms) {
    if (engine_) engine_->setPosition(ms);
  });
  connect(volume_, &QSlider::valueChanged, this, [this](int v) {
    if (audio_) audio_->setVolume(v / 100.0f);
  });
  if (engine_) connectInterface();
}

QtMediaPlayer::~QtMediaPlayer() {
  // The engine is a child and would go with us anyway, but only after the widget parts; stop it
  // first so no sound outlives the window, even for a moment.
  if (engine_) {
    engine_->stop();
    engine_->setSource(QUrl());
  }
}

void QtMediaPlayer::makeEngine() {
  engine_ = new QMediaPlayer(this);
  audio_ = new QAudioOutput(this);
  if (volume_) audio_->setVolume(volume_->value() / 100.0f);
  engine_->setAudioOutput(audio_);

  // A file that cannot be played is silence, not a message: whatever the engine reports as an
  // error just leaves it stopped.
  connect(engine_, &QMediaPlayer::errorOccurred, this, [this] { engine_->stop(); });
  if (video_) connectInterface();
}

void QtMediaPlayer::connectInterface() {
  engine_->setVideoOutput(video_);
  connect(engine_, &QMediaPlayer::playbackStateChanged, this, [this] { updateButton(); });
  connect(engine_, &QMediaPlayer::durationChanged, this,
          [this](qint64 ms) { position_->setRange(0, int(qMin<qint64>(ms, INT_MAX))); });
  connect(engine_, &QMediaPlayer::positionChanged, this, [this](qint64 ms) {
    if (!position_->isSliderDown()) position_->setValue(int(qMin<qint64>(ms, INT_MAX)));
  });
  updateButton();
}

void QtMediaPlayer::play(const QString& path) {
  // A missing file never reaches the engine: there is nothing to play, and handing it over would
  // only raise an error somebody would have to ignore.
  if (!QFileInfo(path).isFile()) {
    stop();
    return;
  }
  if (!engine_) makeEngine();
  // Stopping first rewinds, so handing over the same file again starts it from its beginning
  // (the engine does not reload a source it already holds).
  engine_->stop();
  engine_->setSource(QUrl::fromLocalFile(QFileInfo(path).absoluteFilePath()));
  engine_->play();
}

void QtMediaPlayer::stop() {
  if (!engine_) return;
  engine_->stop();
  engine_->setSource(QUrl());
  if (position_) position_->setRange(0, 0);
}

void QtMediaPlayer::updateButton() {
  if (!playPause_) return;
  const bool playing = engine_ && engine_->playbackState() == QMediaPlayer::PlayingState;
  playPause_->setIcon(
      style()->standardIcon(playing ? QStyle::SP_MediaPause : QStyle::SP_MediaPlay));
  playPause_->setToolTip(playing ? QStringLiteral("Pause") : QStringLiteral("Play"));
}

}  // namespace kc
