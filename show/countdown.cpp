#include "show/countdown.h"

#include "core/data_folder.h"
#include "core/numbers.h"
#include "core/players/media_player.h"
#include "core/steps.h"
#include "core/text/vn_label.h"
#include "core/timing.h"
#include "core/twips.h"

#include <QTimer>

namespace kc {

namespace {
// A timer already running keeps its phase: starting it again must not restart its second.
void ensureRunning(QTimer* t) {
  if (!t->isActive()) t->start();
}
}  // namespace

Countdown::Countdown(Kind kind, Settings settings, Parts parts)
    : kind_(kind), settings_(std::move(settings)), p_(parts) {
  tickingSound_ = resolvePath(settings_.programFolder(), data::kTickingSound);
  bellSound_ = resolvePath(settings_.programFolder(), data::kBellSound);
}

void Countdown::putClockAbove() {
  QRect r = twips::rect(p_.clock);
  r.moveTo(10, -r.height());
  twips::place(p_.clock, r);
}

bool Countdown::startSettingIs(double value) const {
  double v = -1;
  if (!step([&] { v = settings_.real(settings::kCountdownStart); })) return false;
  return v == value;
}

void Countdown::startTicking() {
  if (p_.ticking) p_.ticking->setUrl(tickingSound_);
}

void Countdown::start() {
  // "Kh«ng dïng" turns the clock off; a value that is not a whole number of seconds would
  // count into nonsense, so it turns it off too.
  const auto seconds = settings_.countdownSeconds();
  if (!seconds) return;
  if (!isShow()) p_.seconds->setCodes(QString::number(*seconds));
  putClockAbove();
  p_.clock->show();
  p_.seconds->hide();
  ensureRunning(p_.drop);
}

void Countdown::dropTick() {
  const int step = isShow() ? timing::kClockDropTwips : timing::kPictureClockDropTwips;
  twips::setTop(p_.clock, twips::top(p_.clock) + step);
  if (twips::top(p_.clock) < 0) return;
  p_.drop->stop();
  const auto seconds = settings_.countdownSeconds();
  if (!seconds) {
    // The setting was turned off while the clock was dropping: nothing to count.
    p_.clock->hide();
    return;
  }
  QRect r = twips::rect(p_.seconds);
  if (isShow()) {
    p_.seconds->setTextColour(0);
    r.moveTo(0, 400);
  } else {
    r.moveTo(-50, 350);
  }
  twips::place(p_.seconds, r);
  p_.seconds->show();
  p_.seconds->setCodes(QString::number(*seconds));
  if (!isShow()) {
    ensureRunning(p_.count);
  } else if (startSettingIs(1)) {
    ensureRunning(p_.count);
    startTicking();
  }
}

void Countdown::countTick() {
  const auto now = parseWhole(p_.seconds->codes());
  if (!now) {
    // Nothing to count down from: end the count at once rather than tick for ever.
    finish();
    return;
  }
  const int left = *now - 1;
  p_.seconds->setCodes(QString::number(left));
  if (isShow() && left == timing::kCountdownBellAt && p_.bell) p_.bell->setUrl(bellSound_);
  // At 0 or below: a count that skipped 0 must still end.
  if (left <= 0) finish();
}

void Countdown::finish() {
  p_.count->stop();
  p_.seconds->hide();
  p_.clock->hide();
  if (!isShow()) return;
  if (p_.ticking) p_.ticking->setUrl(QString());
  if (p_.bell) p_.bell->setUrl(QString());
  armed_ = QStringLiteral("0");
}

void Countdown::clickClock() {
  if (!isShow() || !startSettingIs(0)) return;
  startTicking();
  ensureRunning(p_.count);
}

void Countdown::clickSeconds() {
  if (!isShow()) return;
  if (armed_ == u"1") {
    if (running_ != u"0") {
      if (p_.ticking) p_.ticking->setUrl(QString());
      p_.count->stop();
      running_ = QStringLiteral("0");
    } else {
      startTicking();
      ensureRunning(p_.count);
      running_ = QStringLiteral("1");
    }
  }
  if (startSettingIs(0) && armed_ == u"0") {
    startTicking();
    ensureRunning(p_.count);
    armed_ = QStringLiteral("1");
  }
}

void Countdown::stopForVerdict(bool right) {
  if (p_.ticking) p_.ticking->setUrl(QString());
  putClockAbove();
  p_.clock->hide();
  p_.seconds->hide();
  p_.drop->stop();
  if (right) p_.count->stop();
}

}  // namespace kc
