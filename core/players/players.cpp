#include "core/players/players.h"

#include "core/players/flash_player.h"
#include "core/players/media_player.h"

#include <QtGlobal>

namespace kc {

void preparePlayers() {
  if (qEnvironmentVariableIsEmpty("QT_MEDIA_BACKEND")) qputenv("QT_MEDIA_BACKEND", "gstreamer");
}

MediaPlayer* QtPlayers::createMediaPlayer(QWidget* parent, bool visible) {
  // Harmless once the engine is chosen; it covers a program that forgot to call it in main().
  preparePlayers();
  auto* p = new QtMediaPlayer(parent, visible);
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
