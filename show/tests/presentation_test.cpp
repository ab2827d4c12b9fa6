// Choosing a row or the keyword: the question, its two presentation styles step by step,
// hiding it, the hover highlight and the chosen-row sound.

#include "core/players/media_player.h"
#include "core/text/vn_label.h"
#include "core/twips.h"
#include "show/letter_cell.h"
#include "core/picture_box.h"
#include "show/tests/show_fixture.h"

#include <QSignalSpy>
#include <QTimer>

namespace kc::testing {
namespace {

using Presentation = ShowTest;

TEST_F(Presentation, ChoosingARowAsksItsQuestionWithTheChosenSound) {
  Form1* f = open(simplePuzzle(12));
  QSignalSpy sounds(f->media(), &MediaPlayer::urlSet);
  for (int r : {1, 2, 10, 12}) {
    SCOPED_TRACE(r);
    click(f->rowLabel(r));
    EXPECT_EQ(f->cauhoi()->codes(), QStringLiteral("Q%1").arg(r));
    EXPECT_EQ(f->cauhoi2()->codes(), QStringLiteral("Q%1").arg(r));
    EXPECT_EQ(f->media()->url(), tp.path(u"\\Data\\Temp\\Chose.mp3"));
  }
  // The same row twice plays the sound twice and restarts the clock.
  click(f->rowLabel(5));
  for (int i = 0; i < 5; ++i) f->timer3Tick();
  click(f->rowLabel(5));
  EXPECT_EQ(sounds.count(), 6);
  EXPECT_EQ(twips::top(f->clock()), -twips::height(f->clock()));
  EXPECT_FALSE(f->chude()->isBold());
}

TEST_F(Presentation, TheTopicAsksTheKeywordQuestionSilently) {
  PuzzleFixture p = simplePuzzle(3);
  p.keywordQuestion = QStringLiteral("What is the keyword?");
  Form1* f = open(p);
  click(f->chude());
  EXPECT_TRUE(f->chude()->isBold());
  EXPECT_EQ(f->cauhoi()->codes(), p.keywordQuestion);
  EXPECT_TRUE(f->media()->url().isEmpty());
  EXPECT_TRUE(f->clock()->isVisibleTo(f));
}

TEST_F(Presentation, FirstStyleSlidesTheStripInStepByStep) {
  Form1* f = open(simplePuzzle(3));
  click(f->rowLabel(2));
  ASSERT_TRUE(f->timer(1)->isActive());
  EXPECT_FALSE(f->timer(2)->isActive());
  EXPECT_EQ(f->timer(1)->interval(), 15);
  EXPECT_EQ(twips::left(f->image2()), -2400);
  EXPECT_EQ(twips::left(f->cauhoi()), -2400);
  for (int tick = 1; tick <= 24; ++tick) {
    f->timer1Tick();
    ASSERT_EQ(twips::left(f->image2()), -2400 + 100 * tick) << tick;
    ASSERT_EQ(twips::left(f->cauhoi()), -2400 + 100 * tick) << tick;
    ASSERT_TRUE(f->timer(1)->isActive()) << tick;
  }
  EXPECT_TRUE(f->image2()->isVisibleTo(f));
  EXPECT_TRUE(f->cauhoi()->isVisibleTo(f));
  f->timer1Tick();
  EXPECT_EQ(twips::left(f->image2()), 60);
  EXPECT_EQ(twips::left(f->cauhoi()), 100);
  EXPECT_FALSE(f->timer(1)->isActive());
  EXPECT_EQ(twips::top(f->image2()), 1620);
  EXPECT_EQ(twips::top(f->cauhoi()), 1800);

  // A new question starts from outside the window again.
  click(f->rowLabel(3));
  EXPECT_EQ(twips::left(f->image2()), -2400);
}

TEST_F(Presentation, OnlyExactlyStyle1SelectsTheStrip) {
  struct Case {
    QString setting;
    bool strip;
  };
  for (const Case& c :
       {Case{"Style1", true}, Case{"style1", false}, Case{"Style2", false}, Case{"", false}}) {
    SCOPED_TRACE(c.setting.toStdString());
    tp.setSetting(7, c.setting);
    Form1* f = open(simplePuzzle(3));
    click(f->rowLabel(1));
    EXPECT_EQ(f->timer(1)->isActive(), c.strip);
    EXPECT_EQ(f->timer(2)->isActive(), !c.strip);
    f->exitShow();
    settle();
  }
}

TEST_F(Presentation, SecondStyleUnrollsThePanelFromTheWidthItHas) {
  tp.setSetting(7, QStringLiteral("Style2"));
  enum class Before { First, Closed, LeftOpen };
  struct Case {
    const char* name;
    Before before;
    int startWidth;
  };
  for (const Case& c :
       {Case{"first showing", Before::First, 1575}, Case{"after a close", Before::Closed, 1},
        Case{"left open", Before::LeftOpen, 15405}}) {
    SCOPED_TRACE(c.name);
    Form1* f = open(simplePuzzle(3));
    if (c.before != Before::First) {
      click(f->rowLabel(1));
      while (f->timer(2)->isActive()) f->timer2Tick();
      if (c.before == Before::Closed) click(f->cauhoi2());
    }
    EXPECT_EQ(twips::width(f->frame2()), c.startWidth);
    click(f->rowLabel(2));
    int width = c.startWidth;
    int ticks = 0;
    while (f->timer(2)->isActive()) {
      f->timer2Tick();
      ++ticks;
      ASSERT_TRUE(f->frame2()->isVisibleTo(f));
      ASSERT_EQ(twips::left(f->frame2()), 0);
      ASSERT_EQ(twips::top(f->frame2()), 1920);
      width = std::min(width + 1000, 15405);
      ASSERT_EQ(twips::width(f->frame2()), width) << ticks;
      ASSERT_LE(ticks, 20);
    }
    EXPECT_EQ(ticks, c.startWidth == 15405 ? 1 : (15405 - c.startWidth) / 1000 + 1);
    EXPECT_EQ(twips::width(f->frame2()), 15405);
    EXPECT_EQ(twips::height(f->frame2()), 5835);
    EXPECT_EQ(twips::width(f->cauhoi2()), 15405 - 1500);
    EXPECT_TRUE(f->cauhoi2()->isVisibleTo(f));
    EXPECT_EQ(f->cauhoi2()->codes(), QStringLiteral("Q2"));
    f->exitShow();
    settle();
  }
}

TEST_F(Presentation, QuestionsHideWithoutStoppingTheClock) {
  Form1* f = open(simplePuzzle(3));
  struct Case {
    const char* name;
    QString style;
    std::function<void(Form1*)> hide;
    bool panel;
  };
  const QList<Case> cases = {
      {"click on the question", "Style1", [](Form1* f) { click(f->cauhoi()); }, false},
      {"right press on the background", "Style1", [](Form1* f) { rightPress(f->image1()); }, false},
      {"click on the panel text", "Style2", [](Form1* f) { click(f->cauhoi2()); }, true},
      {"click on the panel picture", "Style2", [](Form1* f) { click(f->image5()); }, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    tp.setSetting(7, c.style);
    click(f->rowLabel(1));
    while (f->timer(1)->isActive()) f->timer1Tick();
    while (f->timer(2)->isActive()) f->timer2Tick();
    c.hide(f);
    if (c.panel) {
      EXPECT_FALSE(f->frame2()->isVisibleTo(f));
      EXPECT_EQ(twips::width(f->frame2()), 1);
    } else {
      EXPECT_FALSE(f->image2()->isVisibleTo(f));
      EXPECT_FALSE(f->cauhoi()->isVisibleTo(f));
    }
    EXPECT_TRUE(f->timer(3)->isActive());
  }
  // A left press on the background hides nothing.
  tp.setSetting(7, QStringLiteral("Style1"));
  click(f->rowLabel(1));
  while (f->timer(1)->isActive()) f->timer1Tick();
  click(f->image1());
  EXPECT_TRUE(f->cauhoi()->isVisibleTo(f));
}

TEST_F(Presentation, HoverLightsUpAMaskedRowUntilLabel4) {
  Form1* f = open(simplePuzzle(3));
  hover(f->rowLabel(2));
  EXPECT_TRUE(f->rowLabel(2)->isBold());
  EXPECT_TRUE(f->rowLabel(2)->isUnderline());
  for (int k = 1; k <= 18; ++k) EXPECT_EQ(f->cell(2, k)->backColour(), 33023) << k;
  EXPECT_EQ(f->cell(1, 1)->backColour(), 16777215);

  // Label3 and the background only calm the labels down.
  hover(f->label3());
  EXPECT_FALSE(f->rowLabel(2)->isBold());
  EXPECT_EQ(f->cell(2, 1)->backColour(), 33023);
  hover(f->rowLabel(2));
  hover(f->image1());
  EXPECT_FALSE(f->rowLabel(2)->isBold());
  EXPECT_FALSE(f->rowLabel(2)->isUnderline());
  EXPECT_EQ(f->cell(2, 1)->backColour(), 33023);

  hover(f->label4());
  EXPECT_EQ(f->cell(2, 1)->backColour(), 16777215);
  EXPECT_EQ(f->cell(2, 1)->textColour(), 0);
  EXPECT_EQ(f->cell(2, 2)->backColour(), 255);  // the key cell
  EXPECT_EQ(f->cell(2, 2)->textColour(), 16777215);

  // A revealed row is not lit up.
  f->rightVerdict(3);
  hover(f->rowLabel(3));
  EXPECT_TRUE(f->rowLabel(3)->isBold());
  EXPECT_EQ(f->cell(3, 1)->backColour(), 16777215);

  hover(f->chude());
  EXPECT_TRUE(f->chude()->isBold());
  hover(f->image1());
  EXPECT_FALSE(f->chude()->isBold());
}

}  // namespace
}  // namespace kc::testing
