#pragma once
// Makes the player controls for the windows. The program uses the real ones; tests may hand
// the windows silent media players that only record what they were given.

#include <QWidget>

namespace kc {

// Chooses the media engine before the first player exists: the GStreamer one, unless the
// environment already names another (the FFmpeg one aborts on machines without a sound device).
// main() calls it before the application object is made.
void preparePlayers();

class MediaPlayer;
class FlashPlayer;

class Players {
 public:
  virtual ~Players() = default;
  // visible: the control is shown to the teacher (full interface: play/pause, position, volume).
  virtual MediaPlayer* createMediaPlayer(QWidget* parent, bool visible = false) = 0;
  virtual FlashPlayer* createFlashPlayer(QWidget* parent) = 0;
};

// Qt Multimedia for sound and video, our own animation control for movies.
class QtPlayers : public Players {
 public:
  MediaPlayer* createMediaPlayer(QWidget* parent, bool visible = false) override;
  FlashPlayer* createFlashPlayer(QWidget* parent) override;
};

// Silent media players (they only record), real animation controls.
class SilentPlayers : public Players {
 public:
  MediaPlayer* createMediaPlayer(QWidget* parent, bool visible = false) override;
  FlashPlayer* createFlashPlayer(QWidget* parent) override;
};

}  // namespace kc
