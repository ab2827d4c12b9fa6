// The picture question window: when it opens, what it takes from the show, its band and its
// own clock, and closing it.

#include "core/players/media_player.h"
#include "core/text/vn_label.h"
#include "core/twips.h"
#include "core/window_names.h"
#include "core/picture_box.h"
#include "show/tests/show_fixture.h"

#include <QTimer>

namespace kc::testing {
namespace {

using PictureWindow = ShowTest;

TEST_F(PictureWindow, LoadedHiddenWhenTheGameStarts) {
  Form1* f = open(simplePuzzle(3));
  Picshow* w = picshow();
  ASSERT_NE(w, nullptr);
  EXPECT_FALSE(w->isVisible());
  EXPECT_EQ(w->num(), QStringLiteral("0"));
  EXPECT_EQ(w->path(), f->path());
  EXPECT_EQ(w->label2(), tp.folder());
  EXPECT_EQ(twips::rect(w).size(), QSize(15405, 11520));
  EXPECT_EQ(twips::rect(w).topLeft(), twips::centredOnScreen(15405, 11520));
  EXPECT_TRUE(w->windowFlags() & Qt::WindowStaysOnTopHint);
  EXPECT_TRUE(w->windowFlags() & Qt::FramelessWindowHint);
  EXPECT_EQ(twips::width(w->cauhoi()), 0);
  EXPECT_TRUE(w->timer(1)->isActive());
  // Its load started a count out of sight.
  EXPECT_TRUE(w->timer(3)->isActive());
}

TEST_F(PictureWindow, OpensOnlyForAQuestionWithAPicture) {
  struct Case {
    const char* name;
    QString picture;  // written beside the puzzle, or empty for none
    bool keyword;
    int row;
    bool opens;
    QString number;
  };
  const QList<Case> cases = {
      {"row 3 with image3.jpg", "image3.jpg", false, 3, true, "3"},
      {"a name in other letter case", "Image3.JPG", false, 3, true, "3"},
      {"row 3 without its picture", "image2.jpg", false, 3, false, ""},
      {"the keyword with image.jpg", "image.jpg", true, 0, true, ""},
      {"the keyword without image.jpg", "image1.jpg", true, 0, false, ""},
  };
  int n = 0;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const QString name = QStringLiteral("p%1.txt").arg(n++);
    const QString folder = tp.puzzleFolder() + QStringLiteral("/case%1").arg(n);
    TempProgram::writePicture(folder + "/" + c.picture, 320, 200, qRgb(0, 90, 200));
    writeFile(folder + "/" + name, eightBit(simplePuzzle(4).lines()));
    Form1* f = openPath(folder + "/" + name);
    if (c.keyword)
      click(f->chude());
    else
      click(f->rowLabel(c.row));
    Picshow* w = picshow();
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(w->isVisible(), c.opens);
    if (c.opens) {
      EXPECT_EQ(f->number(), c.number);
      EXPECT_EQ(w->num(), c.number);
      EXPECT_EQ(w->image1()->picture().size(), QSize(320, 200));
      EXPECT_EQ(twips::rect(w->image1()), QRect(0, 0, 320 * 15, 200 * 15));
      EXPECT_EQ(w->cauhoi()->codes(), f->cauhoi()->codes());
    } else {
      EXPECT_EQ(f->number(), QStringLiteral("Number"));
    }
    f->exitShow();
    settle();
  }
}

class PictureWindowOpen : public ShowTest {
 protected:
  void SetUp() override {
    PuzzleFixture p = simplePuzzle(3);
    p.questions[1] = QStringLiteral("Which river?");
    f = open(p);
    TempProgram::writePicture(tp.puzzleFolder() + "/image2.jpg", 200, 100, qRgb(200, 0, 0));
    click(f->rowLabel(2));
    w = picshow();
    ASSERT_NE(w, nullptr);
    ASSERT_TRUE(w->isVisible());
  }
  Form1* f = nullptr;
  Picshow* w = nullptr;
};

TEST_F(PictureWindowOpen, BandUnrollsOncePerLoad) {
  EXPECT_EQ(w->cauhoi()->codes(), QStringLiteral("Which river?"));
  EXPECT_EQ(twips::rect(w->image2()), QRect(0, 9480, 15375, 1020));
  int ticks = 0;
  while (w->timer(1)->isActive()) {
    w->timer1Tick();
    ++ticks;
    ASSERT_EQ(twips::width(w->cauhoi()), std::min(1000 * ticks, 15405));
    ASSERT_LE(ticks, 20);
  }
  EXPECT_EQ(ticks, 16);
  EXPECT_EQ(twips::rect(w->cauhoi()), QRect(-180, 9480, 15405, 1035));
  // A second question on the open window does not unroll it again.
  click(f->rowLabel(2));
  EXPECT_FALSE(w->timer(1)->isActive());
  EXPECT_EQ(twips::width(w->cauhoi()), 15405);

  // Closed by a click on the picture, it loads afresh for the next question.
  click(w->image1());
  settle();
  EXPECT_EQ(picshow(), nullptr);
  click(f->rowLabel(2));
  Picshow* again = picshow();
  ASSERT_NE(again, nullptr);
  EXPECT_TRUE(again->isVisible());
  EXPECT_TRUE(again->timer(1)->isActive());
  EXPECT_EQ(twips::width(again->cauhoi()), 0);
}

TEST_F(PictureWindowOpen, ClockDropsAndCountsWithoutEverShowingZero) {
  const int h = twips::height(w->clock());
  EXPECT_EQ(twips::top(w->clock()), -h);
  EXPECT_TRUE(w->clock()->isVisibleTo(w));
  EXPECT_FALSE(w->seclabel()->isVisibleTo(w));
  int ticks = 0;
  while (w->timer(3)->isActive()) {
    w->timer3Tick();
    ++ticks;
    if (w->timer(3)->isActive()) {
      ASSERT_EQ(twips::top(w->clock()), -h + 20 * ticks);
    }
    ASSERT_LE(ticks, 1000);
  }
  EXPECT_EQ(ticks, (h + 19) / 20);
  EXPECT_GE(twips::top(w->clock()), 0);
  EXPECT_LT(twips::top(w->clock()), 20);
  EXPECT_TRUE(w->seclabel()->isVisibleTo(w));
  EXPECT_EQ(twips::rect(w->seclabel()).topLeft(), QPoint(-50, 350));
  EXPECT_TRUE(w->timer(4)->isActive());

  QStringList seen;
  seen << w->seclabel()->codes();
  while (w->timer(4)->isActive()) {
    w->timer4Tick();
    if (w->seclabel()->isVisibleTo(w)) seen << w->seclabel()->codes();
    ASSERT_LE(seen.size(), 40);
  }
  QStringList expected;
  for (int s = 30; s >= 1; --s) expected << QString::number(s);
  EXPECT_EQ(seen, expected);
  EXPECT_FALSE(w->clock()->isVisibleTo(w));
  // The picture window never makes a sound.
  EXPECT_TRUE(f->pl2()->url().isEmpty());
}

TEST_F(PictureWindowOpen, NoClockWhenTheSettingIsOff) {
  tp.setSetting(6, QStringLiteral("Kh\u00abng d\u00f9ng"));
  click(w->image1());
  settle();
  click(f->rowLabel(2));
  Picshow* again = picshow();
  ASSERT_NE(again, nullptr);
  EXPECT_FALSE(again->clock()->isVisibleTo(again));
  EXPECT_FALSE(again->timer(3)->isActive());
  EXPECT_FALSE(again->image1()->picture().isNull());
  EXPECT_EQ(again->cauhoi()->codes(), QStringLiteral("Which river?"));
}

TEST_F(PictureWindowOpen, AClickBesideThePictureDoesNothing) {
  click(w->image2());
  click(w->cauhoi());
  settle();
  EXPECT_EQ(picshow(), w);
  EXPECT_TRUE(w->isVisible());
}

}  // namespace
}  // namespace kc::testing
