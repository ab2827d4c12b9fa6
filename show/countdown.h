#pragma once
// The question clock: a clock picture drops in from above the window's top edge, a number
// under it counts the seconds down once a second, and at the end both disappear. The show and
// the picture window each run one; they differ in the drop step, where the number stands, and
// in that only the show's clock has sounds, a manual start and the armed/running flags.
//
// The class works on the window's own controls and timers; the window's timer slots only call
// dropTick() and countTick(), so tests step the clock by calling them.

#include "core/settings.h"

#include <QPoint>
#include <QString>

class QTimer;
class QWidget;

namespace kc {

class MediaPlayer;
class VnLabel;

class Countdown {
 public:
  enum class Kind {
    Show,     // drop 100 twips a tick; settings line 10 chooses the start; ticking and bell
    Picture,  // drop 20 twips a tick; always starts when landed; silent
  };
  struct Parts {
    QWidget* clock = nullptr;
    VnLabel* seconds = nullptr;
    QTimer* drop = nullptr;          // Timer3
    QTimer* count = nullptr;         // Timer4
    MediaPlayer* ticking = nullptr;  // pl1 (show only)
    MediaPlayer* bell = nullptr;     // pl2 (show only)
  };

  Countdown(Kind kind, Settings settings, Parts parts);

  // A new question: the clock goes above the top edge and starts to drop. A count already
  // running is not stopped: it goes on, unseen, until the clock lands.
  void start();
  void dropTick();
  void countTick();

  // Show only: the clock starts the count in manual mode; the number starts, pauses and
  // resumes it.
  void clickClock();
  void clickSeconds();

  // What both verdicts do: clock back above the edge and hidden, number hidden, drop stopped,
  // ticking silenced. The right verdict also stops the count; the wrong one lets it run on.
  void stopForVerdict(bool right);

  // Hidden flags of the show, as text: "1" once the number started the count (armed), and
  // "1" running / "0" paused.
  const QString& armed() const { return armed_; }
  const QString& running() const { return running_; }

  // Where the clock waits before a drop: left 10, its whole height above the window.
  void putClockAbove();

 private:
  bool isShow() const { return kind_ == Kind::Show; }
  // Settings line 10 compared with a value; false when the line cannot be read as a number.
  bool startSettingIs(double value) const;
  void startTicking();
  void finish();

  Kind kind_;
  Settings settings_;
  Parts p_;
  QString tickingSound_;
  QString bellSound_;
  QString armed_ = QStringLiteral("0");
  QString running_ = QStringLiteral("1");
};

}  // namespace kc
