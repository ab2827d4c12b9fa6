#include "core/players/flash_player.h"
#include "core/players/tests/media_fixtures.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QFile>
#include <QImage>
#include <QPaintEvent>
#include <QPushButton>
#include <QRegion>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <functional>

namespace kc {
namespace {

using testing::GifFrame;

const QColor kRed(255, 0, 0);
const QColor kGreen(0, 255, 0);
const QColor kBlue(0, 0, 255);
const QColor kYellow(255, 255, 0);

// Spins the event loop until `done` or the deadline.
bool waitFor(const std::function<bool()>& done, int ms = 2000) {
  QElapsedTimer clock;
  clock.start();
  while (!done() && clock.elapsed() < ms)
    QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
  return done();
}

class FlashPlayerTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(dir_.isValid());
    // 40 × 20, three frames: red, green, then a small blue box on nothing. Delays 50 ms, 10 ms
    // and none given.
    colours_ = dir_.filePath("colours.gif");
    ASSERT_TRUE(testing::writeGif(
        colours_, 40, 20,
        {{kRed, {}, {}, 5}, {kGreen, {}, {}, 1}, {QColor(), QRect(30, 5, 4, 4), kBlue, 0}}));
    // 100 × 100, a 5-pixel dot that jumps from the top left to the bottom right.
    dots_ = dir_.filePath("dots.gif");
    ASSERT_TRUE(testing::writeGif(
        dots_, 100, 100,
        {{QColor(), QRect(10, 10, 5, 5), kRed, 10}, {QColor(), QRect(80, 80, 5, 5), kRed, 10}}));
    // 60 × 30: the left half yellow, the right half transparent.
    still_ = dir_.filePath("still.png");
    QImage img(60, 30, QImage::Format_ARGB32);
    img.fill(Qt::transparent);
    for (int y = 0; y < 30; ++y)
      for (int x = 0; x < 30; ++x) img.setPixelColor(x, y, kYellow);
    ASSERT_TRUE(img.save(still_));
  }

  QString write(const QString& name, const QByteArray& bytes) {
    QFile f(dir_.filePath(name));
    EXPECT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
    return f.fileName();
  }

  static QImage grab(FlashPlayer& p) { return p.grab().toImage(); }
  static bool allTransparent(const QImage& img) {
    for (int y = 0; y < img.height(); ++y)
      for (int x = 0; x < img.width(); ++x)
        if (qAlpha(img.pixel(x, y)) != 0) return false;
    return true;
  }
  static QColor at(const QImage& img, int x, int y) { return img.pixelColor(x, y); }

  QTemporaryDir dir_;
  QString colours_, dots_, still_;
};

TEST_F(FlashPlayerTest, AnimatedGifLoadsWithItsFramesAndDelays) {
  FlashPlayer p;
  p.resize(200, 200);
  p.setMovie(colours_);
  EXPECT_EQ(p.movie(), colours_);
  EXPECT_FALSE(p.isEmpty());
  EXPECT_EQ(p.frameCount(), 3);
  EXPECT_EQ(p.currentFrame(), 0);
  EXPECT_TRUE(p.isPlaying());

  // 50 ms as written; 10 ms and none at all are shown for 100 ms, as browsers show such GIFs.
  const int expected[] = {50, 100, 100};
  for (int i = 0; i < 3; ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(p.currentFrame(), i);
    grab(p);  // the delay of a frame is known once it has been read
    EXPECT_EQ(p.frameDelay(), expected[i]);
    p.tick();
  }
}

TEST_F(FlashPlayerTest, TicksShowEachFrameAndLoop) {
  FlashPlayer p;
  p.resize(200, 200);
  p.setMovie(colours_);
  // The movie is 200 × 100 at (0, 50) in the control; the blue box of the last frame covers
  // (150, 75)–(169, 94).
  struct Step {
    int frame;
    QPoint point;
    QColor colour;  // invalid: transparent
  };
  const Step steps[] = {
      {0, {100, 100}, kRed}, {0, {5, 55}, kRed},    {1, {100, 100}, kGreen}, {2, {100, 100}, {}},
      {2, {160, 85}, kBlue}, {0, {100, 100}, kRed}, {1, {195, 145}, kGreen},
  };
  int frame = 0;
  for (const Step& s : steps) {
    SCOPED_TRACE(::testing::Message()
                 << "frame " << s.frame << " at " << s.point.x() << "," << s.point.y());
    while (frame != s.frame) {
      p.tick();
      frame = (frame + 1) % 3;
    }
    EXPECT_EQ(p.currentFrame(), s.frame);
    const QColor c = at(grab(p), s.point.x(), s.point.y());
    if (s.colour.isValid())
      EXPECT_EQ(c, s.colour);
    else
      EXPECT_EQ(c.alpha(), 0);
  }
}

TEST_F(FlashPlayerTest, ScalesToShowAllCentredWithTransparentBorders) {
  struct Case {
    QSize control;
    QRect movie;
  };
  const Case cases[] = {
      {{200, 200}, {0, 50, 200, 100}},                               // bands above and below
      {{400, 100}, {100, 0, 200, 100}},                              // bands left and right
      {{300, 90}, {60, 0, 180, 90}},    {{80, 40}, {0, 0, 80, 40}},  // fits exactly
      {{20, 20}, {0, 5, 20, 10}},                                    // smaller than the movie
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::Message() << c.control.width() << "x" << c.control.height());
    FlashPlayer p;
    p.resize(c.control);
    p.setMovie(colours_);
    const QImage img = grab(p);
    EXPECT_EQ(p.frameRect(), c.movie);
    const QRect m = c.movie;
    for (QPoint inside : {m.topLeft(), m.topRight(), m.bottomLeft(), m.bottomRight(), m.center()})
      EXPECT_EQ(at(img, inside.x(), inside.y()), kRed) << inside.x() << "," << inside.y();
    for (QPoint outside : {m.topLeft() - QPoint(1, 1), m.bottomRight() + QPoint(1, 1)}) {
      if (!img.rect().contains(outside)) continue;
      EXPECT_EQ(at(img, outside.x(), outside.y()).alpha(), 0) << outside.x() << "," << outside.y();
    }
  }
}

TEST_F(FlashPlayerTest, StillPictureShowsAndStaysPut) {
  QWidget parent;
  parent.resize(120, 60);
  auto* p = new FlashPlayer(&parent);
  p->setGeometry(0, 0, 120, 60);
  p->setMovie(still_);
  parent.show();
  EXPECT_FALSE(p->isEmpty());
  EXPECT_EQ(p->frameCount(), 1);
  EXPECT_FALSE(p->isAnimating());
  // Only the yellow half is kept and painted (smoothing may bleed a pixel past its edge).
  const QRect kept = p->frameRect();
  EXPECT_TRUE(kept.contains(QRect(0, 0, 60, 60))) << kept.width();
  EXPECT_LE(kept.width(), 61);
  p->tick();
  EXPECT_EQ(p->currentFrame(), 0);
  const QImage img = grab(*p);
  EXPECT_EQ(at(img, 30, 30), kYellow);
  EXPECT_EQ(at(img, 90, 30).alpha(), 0);
}

TEST_F(FlashPlayerTest, MissingOrUnsupportedMovieLeavesItEmptyAndTransparent) {
  const QString cases[] = {
      QString(),
      dir_.filePath("missing.gif"),
      write("Arrow.swf", QByteArray("FWS\x0a", 4) + QByteArray(200, '\x01')),
      write("broken.gif", QByteArray("GIF89a") + QByteArray(40, '\x7f')),
      write("notes.gif", "these are not pictures\n"),
      dir_.path(),  // a folder
  };
  for (const QString& path : cases) {
    SCOPED_TRACE(path.toStdString());
    QWidget parent;
    parent.resize(100, 100);
    auto* p = new FlashPlayer(&parent);
    p->setGeometry(0, 0, 100, 100);
    p->setMovie(colours_);  // something that played before must go
    p->setMovie(path);
    parent.show();
    EXPECT_EQ(p->movie(), path);
    EXPECT_TRUE(p->isEmpty());
    EXPECT_EQ(p->frameCount(), 0);
    EXPECT_FALSE(p->isAnimating());
    p->tick();
    EXPECT_TRUE(p->frameRect().isEmpty());
    EXPECT_TRUE(allTransparent(grab(*p)));
  }
}

TEST_F(FlashPlayerTest, NewMovieReplacesTheOld) {
  FlashPlayer p;
  p.resize(120, 60);
  p.setMovie(colours_);
  p.tick();
  EXPECT_EQ(at(grab(p), 10, 30), kGreen);

  p.setMovie(still_);
  EXPECT_EQ(p.frameCount(), 1);
  EXPECT_EQ(p.currentFrame(), 0);
  QImage img = grab(p);
  EXPECT_EQ(at(img, 10, 30), kYellow);
  EXPECT_EQ(at(img, 90, 30).alpha(), 0);

  p.setMovie(colours_);  // back again: from its first frame
  EXPECT_EQ(p.currentFrame(), 0);
  EXPECT_EQ(at(grab(p), 10, 30), kRed);
}

TEST_F(FlashPlayerTest, EachFrameIsDecodedOncePerSize) {
  // Shown, so resizes reach the control as they do in a window (a hidden widget gets them late).
  QWidget parent;
  parent.resize(400, 200);
  auto* p = new FlashPlayer(&parent);
  p->setGeometry(0, 0, 200, 200);
  p->setMovie(colours_);
  p->setPlaying(false);
  parent.show();
  for (int i = 0; i < 9; ++i) {  // three loops
    grab(*p);
    p->tick();
  }
  EXPECT_EQ(p->decodeCount(), 3);

  // Placing the control resizes it several times; nothing is decoded until it is painted.
  p->resize(300, 100);
  p->resize(250, 120);
  p->resize(400, 100);
  EXPECT_EQ(p->decodeCount(), 3);
  grab(*p);
  EXPECT_EQ(p->decodeCount(), 4);
  EXPECT_EQ(p->frameRect(), QRect(100, 0, 200, 100));
  for (int i = 0; i < 6; ++i) {
    p->tick();
    grab(*p);
  }
  EXPECT_EQ(p->decodeCount(), 6);
}

TEST_F(FlashPlayerTest, SparseFramesKeepOnlyTheirVisiblePart) {
  FlashPlayer p;
  p.resize(200, 200);
  p.setMovie(dots_);
  // The dot is 10 × 10 at (20, 20) after scaling; smoothing may bleed a pixel round it.
  const QRect first = p.frameRect();
  EXPECT_TRUE(first.contains(QRect(21, 21, 8, 8))) << first.x() << "," << first.width();
  EXPECT_TRUE(QRect(18, 18, 14, 14).contains(first)) << first.x() << "," << first.width();
  p.tick();
  const QRect second = p.frameRect();
  EXPECT_TRUE(QRect(158, 158, 14, 14).contains(second)) << second.x() << "," << second.width();
  // Two whole frames would be 2 × 160 000 bytes.
  EXPECT_GT(p.cacheBytes(), 0);
  EXPECT_LT(p.cacheBytes(), 2 * 14 * 14 * 4 + 1);
  EXPECT_EQ(at(grab(p), 165, 165), kRed);
  EXPECT_EQ(at(grab(p), 25, 25).alpha(), 0);
}

// Records the region every paint event of the watched widget asked for.
class PaintRecorder : public QObject {
 public:
  QRegion painted;
  bool eventFilter(QObject*, QEvent* e) override {
    if (e->type() == QEvent::Paint) painted += static_cast<QPaintEvent*>(e)->region();
    return false;
  }
};

TEST_F(FlashPlayerTest, TickRepaintsOnlyWhereTheFramesLie) {
  QWidget parent;
  parent.resize(200, 200);
  auto* p = new FlashPlayer(&parent);
  p->setGeometry(0, 0, 200, 200);
  p->setMovie(dots_);
  p->setPlaying(false);  // only our ticks move it
  PaintRecorder rec;
  p->installEventFilter(&rec);
  parent.show();
  ASSERT_TRUE(waitFor([&] { return !rec.painted.isEmpty(); }));  // the first, whole paint
  waitFor([] { return false; }, 100);
  rec.painted = QRegion();

  const QRect before = p->frameRect();
  p->tick();
  const QRect after = p->frameRect();
  ASSERT_TRUE(waitFor([&] { return !rec.painted.isEmpty(); }));
  // Both frames' places are repainted, and nothing else.
  EXPECT_TRUE(rec.painted.contains(before));
  EXPECT_TRUE(rec.painted.contains(after));
  EXPECT_TRUE(rec.painted.subtracted(QRegion(before).united(after)).isEmpty())
      << rec.painted.boundingRect().width();
}

TEST_F(FlashPlayerTest, TickRepaintsOnlyWhatChanged) {
  // A full red frame on which only a blue dot moves: the frames cover the whole control, the
  // change is two small places.
  const QString moving = dir_.filePath("moving.gif");
  ASSERT_TRUE(testing::writeGif(moving, 100, 100,
                                {{kRed, QRect(10, 10, 5, 5), kBlue, 10},
                                 {kRed, QRect(80, 80, 5, 5), kBlue, 10},
                                 {kRed, QRect(80, 80, 5, 5), kBlue, 10}}));
  QWidget parent;
  parent.resize(200, 200);
  auto* p = new FlashPlayer(&parent);
  p->setGeometry(0, 0, 200, 200);
  p->setMovie(moving);
  p->setPlaying(false);
  PaintRecorder rec;
  p->installEventFilter(&rec);
  parent.show();
  ASSERT_TRUE(waitFor([&] { return !p->isLoadPending() && !rec.painted.isEmpty(); }));
  waitFor([] { return false; }, 100);
  rec.painted = QRegion();

  p->tick();
  ASSERT_TRUE(waitFor([&] { return !rec.painted.isEmpty(); }));
  // Both places of the dot (20..29 and 160..169 at this scale), not the red between them.
  EXPECT_TRUE(rec.painted.contains(QRect(20, 20, 10, 10)));
  EXPECT_TRUE(rec.painted.contains(QRect(160, 160, 10, 10)));
  EXPECT_FALSE(rec.painted.contains(QRect(100, 100, 1, 1)));
  qint64 area = 0;
  for (const QRect& r : rec.painted) area += qint64(r.width()) * r.height();
  EXPECT_LT(area, 200 * 200 / 4);

  // A frame that repeats the one before changes nothing and repaints nothing.
  waitFor([] { return false; }, 50);
  rec.painted = QRegion();
  p->tick();
  EXPECT_EQ(p->currentFrame(), 2);
  EXPECT_TRUE(p->changedRegion().isEmpty());
  waitFor([] { return false; }, 100);
  EXPECT_TRUE(rec.painted.isEmpty()) << rec.painted.boundingRect().width();
}

TEST_F(FlashPlayerTest, ChangedRegionHoldsEveryPixelThatChanged) {
  // Every step of every loop, the wrap to the first frame included: outside the changed region
  // the new frame's pixels are exactly the old ones (smoothing spreads a change past its own
  // pixels, so a region cut to the changed pixels alone would leave stale edges on screen).
  const QString moving = dir_.filePath("moving.gif");
  ASSERT_TRUE(testing::writeGif(moving, 100, 100,
                                {{kRed, QRect(10, 10, 5, 5), kBlue, 10},
                                 {kRed, QRect(47, 47, 3, 3), kGreen, 10},
                                 {kRed, QRect(80, 80, 5, 5), kBlue, 10}}));
  struct Case {
    QString movie;
    QSize control;
  };
  const Case cases[] = {{moving, {200, 200}},
                        {moving, {130, 70}},
                        {dots_, {300, 300}},
                        {colours_, {200, 200}},
                        {moving, {60, 60}}};
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::Message() << c.movie.toStdString() << " " << c.control.width());
    FlashPlayer p;
    p.resize(c.control);
    p.setMovie(c.movie);
    QImage before = grab(p);
    for (int step = 0; step < 2 * p.frameCount(); ++step) {
      p.tick();
      const QImage after = grab(p);
      const QRegion changed = p.changedRegion();
      int stale = 0;
      for (int y = 0; y < after.height(); ++y)
        for (int x = 0; x < after.width(); ++x)
          if (!changed.contains(QPoint(x, y)) && after.pixel(x, y) != before.pixel(x, y)) ++stale;
      EXPECT_EQ(stale, 0) << "step " << step;
      before = after;
    }
  }
}

TEST_F(FlashPlayerTest, ShownControlOpensItsMovieRightAfterTheFirstPaint) {
  QWidget parent;
  parent.resize(200, 200);
  auto* p = new FlashPlayer(&parent);
  p->setGeometry(0, 0, 200, 200);
  p->setMovie(colours_);
  // What the window shows in front of the animation (painted after it): it must not wait for
  // the movie.
  auto* board = new QWidget(&parent);
  board->setGeometry(0, 150, 200, 50);
  struct FirstPaint : QObject {
    FlashPlayer* player;
    bool painted = false;
    bool movieWasPending = false;
    bool eventFilter(QObject*, QEvent* e) override {
      if (e->type() == QEvent::Paint && !painted) {
        painted = true;
        movieWasPending = player->isLoadPending();
      }
      return false;
    }
  } watch;
  watch.player = p;
  board->installEventFilter(&watch);
  EXPECT_TRUE(p->isLoadPending());
  parent.show();

  ASSERT_TRUE(waitFor([&] { return watch.painted && !p->isLoadPending(); }));
  EXPECT_TRUE(watch.movieWasPending);
  // Then it plays: the first frame on screen, the timer running.
  EXPECT_EQ(p->frameCount(), 3);
  EXPECT_TRUE(p->isAnimating());
  EXPECT_EQ(p->decodeCount(), 1);
  EXPECT_EQ(at(grab(*p), 100, 100), kRed);
}

TEST_F(FlashPlayerTest, QuestionsOpenAPendingMovieAtOnce) {
  // Each question about the movie, asked first thing after setMovie, sees it loaded.
  const std::function<void(FlashPlayer&)> questions[] = {
      [](FlashPlayer& p) { EXPECT_FALSE(p.isEmpty()); },
      [](FlashPlayer& p) { EXPECT_EQ(p.frameCount(), 3); },
      [](FlashPlayer& p) { EXPECT_EQ(p.frameRect(), QRect(0, 50, 200, 100)); },
      [](FlashPlayer& p) { EXPECT_EQ(p.frameDelay(), 50); },
      [](FlashPlayer& p) {
        p.tick();
        EXPECT_EQ(p.currentFrame(), 1);
      },
  };
  for (size_t i = 0; i < std::size(questions); ++i) {
    SCOPED_TRACE(i);
    FlashPlayer p;
    p.resize(200, 200);
    p.setMovie(colours_);
    ASSERT_TRUE(p.isLoadPending());
    questions[i](p);
    EXPECT_FALSE(p.isLoadPending());
  }
}

TEST_F(FlashPlayerTest, TimerRunsOnlyWhileShownAndPlaying) {
  QWidget parent;
  parent.resize(200, 200);
  auto* p = new FlashPlayer(&parent);
  p->setGeometry(0, 0, 200, 200);
  p->setMovie(colours_);
  EXPECT_FALSE(p->isAnimating());  // not shown yet

  parent.show();
  EXPECT_TRUE(p->isAnimating());
  // The real timer moves it on by itself.
  EXPECT_TRUE(waitFor([&] { return p->currentFrame() != 0; }));

  p->setPlaying(false);
  EXPECT_FALSE(p->isAnimating());
  p->setPlaying(true);
  EXPECT_TRUE(p->isAnimating());

  parent.hide();
  EXPECT_FALSE(p->isAnimating());
  parent.show();
  EXPECT_TRUE(p->isAnimating());
  p->hide();
  EXPECT_FALSE(p->isAnimating());
}

TEST_F(FlashPlayerTest, ClicksGoToWhatLiesBehind) {
  QWidget parent;
  parent.resize(200, 200);
  auto* button = new QPushButton(&parent);
  button->setGeometry(0, 0, 200, 200);
  auto* p = new FlashPlayer(&parent);
  p->setGeometry(0, 0, 200, 200);
  p->setMovie(colours_);
  p->raise();
  EXPECT_EQ(parent.childAt(100, 100), button);
}

}  // namespace
}  // namespace kc
