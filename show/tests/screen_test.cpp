// The board on a real screen: the show opened in a real window on an X server, its pixels
// read back from the screen.

#include "core/twips.h"
#include "show/letter_cell.h"
#include "show/tests/show_fixture.h"

#include <QGuiApplication>
#include <QScreen>
#include <QTest>

namespace kc::testing {
namespace {

using Screen = ShowTest;

QImage grab(QWidget* w) {
  QCoreApplication::processEvents();
  QTest::qWait(200);
  QScreen* s = w->screen();
  return s->grabWindow(0, w->x(), w->y(), w->width(), w->height()).toImage();
}

// Pixels of a cell's inside (its frame left out) that have the colour.
int countColour(const QImage& shot, const QRect& cellPx, QColor colour) {
  int n = 0;
  const QRect inside = cellPx.adjusted(2, 2, -2, -2);
  for (int y = inside.top(); y <= inside.bottom(); ++y)
    for (int x = inside.left(); x <= inside.right(); ++x) {
      const QColor c = shot.pixelColor(x, y);
      if (std::abs(c.red() - colour.red()) < 40 && std::abs(c.green() - colour.green()) < 40 &&
          std::abs(c.blue() - colour.blue()) < 40)
        ++n;
    }
  return n;
}

TEST_F(Screen, BoardCellsShowTheirColoursAndLetters) {
  if (QGuiApplication::platformName() != QStringLiteral("xcb"))
    GTEST_SKIP() << "needs an X server (run under xvfb-run)";
  tp.setSetting(1, QStringLiteral("16777215"));  // white cells
  tp.setSetting(2, QStringLiteral("0"));         // black letters
  tp.setSetting(4, QStringLiteral("255"));       // red key cells
  tp.setSetting(5, QStringLiteral("16777215"));  // white key letters
  PuzzleFixture p;
  p.rows = 3;
  p.answers = {"HANOI", "HUE", "VINH"};
  p.questions = {"a", "b", "c"};
  p.specials = {3, 2, 1};
  Form1* f = open(p);
  ASSERT_TRUE(QTest::qWaitForWindowExposed(f));

  const QRect masked = f->cell(1, 1)->geometry();
  const QRect key = f->cell(1, 3)->geometry();
  const int area = (masked.width() - 4) * (masked.height() - 4);
  QImage shot = grab(f);
  ASSERT_FALSE(shot.isNull());
  // Mostly box colour, with a small "*" in the letter colour.
  EXPECT_GT(countColour(shot, masked, Qt::white), area * 8 / 10);
  const int maskInk = countColour(shot, masked, Qt::black);
  EXPECT_GT(maskInk, 0);
  EXPECT_GT(countColour(shot, key, Qt::red), area * 8 / 10);
  EXPECT_GT(countColour(shot, key, Qt::white), 0);

  f->rightVerdict(1);
  shot = grab(f);
  // For a look by eye when a pixel check fails: KELVORA_SHOT=/tmp/board.png.
  if (const QString keep = qEnvironmentVariable("KELVORA_SHOT"); !keep.isEmpty()) shot.save(keep);
  // The revealed "H" has far more ink than the mask had; the box keeps its colour.
  const int letterInk = countColour(shot, masked, Qt::black);
  EXPECT_GT(letterInk, maskInk * 2);
  EXPECT_GT(countColour(shot, masked, Qt::white), area / 2);
  EXPECT_GT(countColour(shot, key, Qt::red), area / 2);
  // Row 2 is still masked: its first cell keeps the mask's little ink.
  EXPECT_LT(countColour(shot, f->cell(2, 1)->geometry(), Qt::black), letterInk);
}

}  // namespace
}  // namespace kc::testing
