#include "core/players/media_player.h"

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

}  // namespace kc
