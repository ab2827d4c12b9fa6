#include "core/players/players.h"

#include "core/players/flash_player.h"
#include "core/players/media_player.h"

namespace kc {

MediaPlayer* QtPlayers::createMediaPlayer(QWidget* parent, bool visible) {
  auto* p = new SilentMediaPlayer(parent);
  p->setVisible(visible);
  return p;
}

FlashPlayer* QtPlayers::createFlashPlayer(QWidget* parent) { return new FlashPlayer(parent); }

MediaPlayer* SilentPlayers::createMediaPlayer(QWidget* parent, bool visible) {
  auto* p = new SilentMediaPlayer(parent);
  p->setVisible(visible);
  return p;
}

FlashPlayer* SilentPlayers::createFlashPlayer(QWidget* parent) { return new FlashPlayer(parent); }

}  // namespace kc
