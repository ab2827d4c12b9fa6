#include "core/players/flash_player.h"

#include <QPainter>

namespace kc {

struct FlashPlayer::Frames {};

FlashPlayer::FlashPlayer(QWidget* parent) : QWidget(parent) {
  setAttribute(Qt::WA_TranslucentBackground);
  setAttribute(Qt::WA_TransparentForMouseEvents);
}

FlashPlayer::~FlashPlayer() { delete frames_; }

void FlashPlayer::setMovie(const QString& path) {
  movie_ = path;
  rebuild();
}

bool FlashPlayer::isEmpty() const { return frames_ == nullptr; }
int FlashPlayer::frameCount() const { return 0; }
int FlashPlayer::currentFrame() const { return 0; }
void FlashPlayer::setPlaying(bool playing) { playing_ = playing; }
void FlashPlayer::tick() {}
void FlashPlayer::paintEvent(QPaintEvent*) {}
void FlashPlayer::resizeEvent(QResizeEvent*) { rebuild(); }
void FlashPlayer::rebuild() {}

}  // namespace kc
