// The show's question clock: the drop, automatic and manual starts, the bell, the end, and
// what verdicts and new choices do to a running count.

#include "core/players/media_player.h"
#include "core/text/vn_label.h"
#include "core/twips.h"
#include "core/picture_box.h"
#include "show/tests/show_fixture.h"

#include <QSignalSpy>
#include <QTimer>

namespace kc::testing {
namespace {

class ClockTest : public ShowTest {
 protected:
  QString ticking() const { return tp.path(u"\\data\\value\\tiktok.mp3"); }
  QString bell() const { return tp.path(u"\\data\\value\\ding.mp3"); }
  // Drops the clock in; returns the number of ticks it took.
  int land(Form1* f) {
    int ticks = 0;
    while (f->timer(3)->isActive() && ticks < 1000) {
      f->timer3Tick();
      ++ticks;
    }
    return ticks;
  }
  // Counts down until the number shows `seconds`.
  void countTo(Form1* f, int seconds) {
    for (int i = 0; i < 1000 && f->seclabel()->codes() != QString::number(seconds); ++i)
      f->timer4Tick();
    ASSERT_EQ(f->seclabel()->codes(), QString::number(seconds));
  }
  bool clockShown(Form1* f) const { return f->clock()->isVisibleTo(f); }
  bool numberShown(Form1* f) const { return f->seclabel()->isVisibleTo(f); }
};

TEST_F(ClockTest, AutomaticCountRunsFromDropToBellToTheEnd) {
  Form1* f = open(simplePuzzle(3));
  const int h = twips::height(f->clock());
  EXPECT_EQ(h, 128 * 15);
  click(f->rowLabel(1));
  EXPECT_TRUE(clockShown(f));
  EXPECT_FALSE(numberShown(f));
  EXPECT_EQ(twips::left(f->clock()), 10);
  EXPECT_EQ(twips::top(f->clock()), -h);
  EXPECT_EQ(f->timer(3)->interval(), 15);
  for (int tick = 1; - h + 100 * tick < 0; ++tick) {
    f->timer3Tick();
    ASSERT_EQ(twips::top(f->clock()), -h + 100 * tick);
    ASSERT_FALSE(numberShown(f));
  }
  f->timer3Tick();
  EXPECT_EQ(twips::top(f->clock()), 80);  // the first top at 0 or below the edge
  EXPECT_FALSE(f->timer(3)->isActive());
  EXPECT_TRUE(numberShown(f));
  EXPECT_EQ(f->seclabel()->codes(), QStringLiteral("30"));
  EXPECT_EQ(twips::rect(f->seclabel()), QRect(0, 400, 1815, 1065));
  EXPECT_EQ(f->seclabel()->textColour(), 0);
  EXPECT_TRUE(f->timer(4)->isActive());
  EXPECT_EQ(f->timer(4)->interval(), 1000);
  EXPECT_EQ(f->pl1()->url(), ticking());

  QSignalSpy bells(f->pl2(), &MediaPlayer::urlSet);
  for (int s = 29; s >= 5; --s) {
    f->timer4Tick();
    ASSERT_EQ(f->seclabel()->codes(), QString::number(s));
  }
  ASSERT_EQ(bells.count(), 1);
  EXPECT_EQ(f->pl2()->url(), bell());
  for (int s = 4; s >= 1; --s) f->timer4Tick();
  EXPECT_TRUE(numberShown(f));
  EXPECT_TRUE(clockShown(f));
  f->timer4Tick();
  EXPECT_FALSE(numberShown(f));
  EXPECT_FALSE(clockShown(f));
  EXPECT_FALSE(f->timer(4)->isActive());
  EXPECT_TRUE(f->pl1()->url().isEmpty());
  EXPECT_TRUE(f->pl2()->url().isEmpty());
  EXPECT_EQ(f->label12(), QStringLiteral("0"));
}

TEST_F(ClockTest, NoClockWhenTheSettingIsOffOrNotWholeSeconds) {
  for (const QString& setting : {QStringLiteral("Kh\u00abng d\u00f9ng"), QStringLiteral("2.5"),
                                 QStringLiteral("abc"), QString()}) {
    SCOPED_TRACE(setting.toStdString());
    tp.setSetting(6, setting);
    Form1* f = open(simplePuzzle(3));
    click(f->rowLabel(1));
    EXPECT_FALSE(clockShown(f));
    EXPECT_FALSE(f->timer(3)->isActive());
    click(f->seclabel());
    click(f->clock());
    EXPECT_FALSE(f->timer(4)->isActive());
    EXPECT_TRUE(f->pl1()->url().isEmpty());
    f->exitShow();
    settle();
  }
}

TEST_F(ClockTest, ManualStartPauseAndResume) {
  tp.setSetting(10, QStringLiteral("0"));
  Form1* f = open(simplePuzzle(3));
  click(f->rowLabel(1));
  land(f);
  EXPECT_EQ(f->seclabel()->codes(), QStringLiteral("30"));
  EXPECT_FALSE(f->timer(4)->isActive());
  EXPECT_TRUE(f->pl1()->url().isEmpty());

  click(f->seclabel());  // start
  EXPECT_TRUE(f->timer(4)->isActive());
  EXPECT_EQ(f->pl1()->url(), ticking());
  EXPECT_EQ(f->label12(), QStringLiteral("1"));
  f->timer4Tick();
  f->timer4Tick();
  click(f->seclabel());  // pause
  EXPECT_FALSE(f->timer(4)->isActive());
  EXPECT_TRUE(f->pl1()->url().isEmpty());
  EXPECT_EQ(f->label13(), QStringLiteral("0"));
  EXPECT_EQ(f->seclabel()->codes(), QStringLiteral("28"));
  click(f->seclabel());  // resume
  EXPECT_TRUE(f->timer(4)->isActive());
  EXPECT_EQ(f->pl1()->url(), ticking());
  EXPECT_EQ(f->label13(), QStringLiteral("1"));
  f->timer4Tick();
  EXPECT_EQ(f->seclabel()->codes(), QStringLiteral("27"));

  // Armed stays armed after a right verdict: the next question's first click on the number
  // is taken as a pause of the stopped count, the second starts it.
  f->rightVerdict(1);
  click(f->rowLabel(2));
  land(f);
  click(f->seclabel());
  EXPECT_FALSE(f->timer(4)->isActive());
  EXPECT_EQ(f->label13(), QStringLiteral("0"));
  click(f->seclabel());
  EXPECT_TRUE(f->timer(4)->isActive());
}

TEST_F(ClockTest, ManualClockClickStartsAtOnce) {
  tp.setSetting(10, QStringLiteral("0"));
  Form1* f = open(simplePuzzle(3));
  click(f->rowLabel(1));
  land(f);
  click(f->clock());
  EXPECT_TRUE(f->timer(4)->isActive());
  EXPECT_EQ(f->pl1()->url(), ticking());
  EXPECT_EQ(f->label12(), QStringLiteral("0"));  // the clock leaves the flags alone
}

TEST_F(ClockTest, AutomaticModeIgnoresClicks) {
  Form1* f = open(simplePuzzle(3));
  click(f->rowLabel(1));
  land(f);
  for (int i = 0; i < 3; ++i) {
    click(f->seclabel());
    click(f->clock());
  }
  EXPECT_TRUE(f->timer(4)->isActive());
  EXPECT_EQ(f->label12(), QStringLiteral("0"));
  EXPECT_EQ(f->label13(), QStringLiteral("1"));
  EXPECT_EQ(f->pl1()->url(), ticking());
  f->timer4Tick();
  EXPECT_EQ(f->seclabel()->codes(), QStringLiteral("29"));
}

TEST_F(ClockTest, WrongVerdictLetsTheCountRunOnUnseen) {
  Form1* f = open(simplePuzzle(3));
  click(f->rowLabel(1));
  land(f);
  countTo(f, 12);
  QSignalSpy bells(f->pl2(), &MediaPlayer::urlSet);
  click(f->wrongButton(1));
  EXPECT_FALSE(clockShown(f));
  EXPECT_FALSE(numberShown(f));
  EXPECT_TRUE(f->pl1()->url().isEmpty());
  EXPECT_EQ(twips::top(f->clock()), -twips::height(f->clock()));
  EXPECT_TRUE(f->timer(4)->isActive());
  for (int i = 1; i <= 6; ++i) f->timer4Tick();
  EXPECT_EQ(bells.count(), 0);
  f->timer4Tick();  // seven seconds after the verdict
  EXPECT_EQ(bells.count(), 1);
  EXPECT_EQ(f->pl2()->url(), bell());
  for (int i = 0; i < 5; ++i) f->timer4Tick();
  EXPECT_FALSE(f->timer(4)->isActive());
  EXPECT_TRUE(f->pl2()->url().isEmpty());
}

TEST_F(ClockTest, RightVerdictStopsEverything) {
  Form1* f = open(simplePuzzle(3));
  for (bool landed : {false, true}) {
    SCOPED_TRACE(landed);
    click(f->rowLabel(1));
    if (landed) land(f);
    click(f->rightButton(1));
    EXPECT_FALSE(f->timer(3)->isActive());
    EXPECT_FALSE(f->timer(4)->isActive());
    EXPECT_FALSE(clockShown(f));
    EXPECT_FALSE(numberShown(f));
    EXPECT_TRUE(f->pl1()->url().isEmpty());
    EXPECT_EQ(twips::rect(f->clock()).topLeft(), QPoint(10, -twips::height(f->clock())));
  }
}

TEST_F(ClockTest, ANewChoiceDuringACountTakesOverWhenTheClockLands) {
  Form1* f = open(simplePuzzle(3));
  click(f->rowLabel(1));
  land(f);
  countTo(f, 20);
  click(f->rowLabel(2));
  EXPECT_FALSE(numberShown(f));
  EXPECT_TRUE(f->timer(4)->isActive());
  f->timer3Tick();
  f->timer4Tick();  // the old count goes on, unseen
  EXPECT_EQ(f->seclabel()->codes(), QStringLiteral("19"));
  EXPECT_FALSE(numberShown(f));
  land(f);
  EXPECT_TRUE(numberShown(f));
  EXPECT_TRUE(clockShown(f));
  EXPECT_EQ(f->seclabel()->codes(), QStringLiteral("30"));
  EXPECT_TRUE(f->timer(4)->isActive());
}

TEST_F(ClockTest, AnOldCountEndingDuringTheDropHidesTheClock) {
  Form1* f = open(simplePuzzle(3));
  click(f->rowLabel(1));
  land(f);
  countTo(f, 2);
  click(f->rowLabel(2));
  f->timer3Tick();
  f->timer4Tick();
  f->timer4Tick();
  EXPECT_FALSE(clockShown(f));
  EXPECT_FALSE(f->timer(4)->isActive());
  EXPECT_TRUE(f->timer(3)->isActive());
  land(f);
  EXPECT_FALSE(clockShown(f));  // it landed unseen
  EXPECT_TRUE(numberShown(f));
  EXPECT_EQ(f->seclabel()->codes(), QStringLiteral("30"));
  EXPECT_TRUE(f->timer(4)->isActive());
}

TEST_F(ClockTest, ACountThatMissesZeroStillEnds) {
  tp.setSetting(6, QStringLiteral("0"));
  Form1* f = open(simplePuzzle(3));
  click(f->rowLabel(1));
  land(f);
  EXPECT_EQ(f->seclabel()->codes(), QStringLiteral("0"));
  f->timer4Tick();
  EXPECT_FALSE(f->timer(4)->isActive());
  EXPECT_FALSE(numberShown(f));
  EXPECT_FALSE(clockShown(f));
}

}  // namespace
}  // namespace kc::testing
