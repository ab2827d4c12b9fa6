#include "core/twips.h"

#include <QWidget>

#include <gtest/gtest.h>

namespace kc::twips {
namespace {

TEST(Twips, PixelConversion) {
  struct Case {
    int twips, pixels;
  };
  for (const Case& c : {Case{0, 0}, Case{15, 1}, Case{7, 0}, Case{8, 1}, Case{15405, 1027},
                        Case{11520, 768}, Case{-2500, -167}, Case{-2400, -160}, Case{-7, 0},
                        Case{-8, -1}})
    EXPECT_EQ(toPixels(c.twips), c.pixels) << c.twips;
}

TEST(Twips, NeighbouringCellsStayNeighbours) {
  // Show cells are 550 twips (36.7 px) wide: converting edges keeps them touching.
  for (int k = 0; k < 17; ++k) {
    const QRect a = toPixels(QRect(4050 + 550 * k, 1860, 550, 630));
    const QRect b = toPixels(QRect(4050 + 550 * (k + 1), 1860, 550, 630));
    EXPECT_EQ(a.x() + a.width(), b.x()) << k;
  }
}

TEST(Twips, WidgetsRememberTheirTwips) {
  QWidget parent;
  QWidget child(&parent);
  place(&child, -2400, 1800, 2385, 7275);
  EXPECT_EQ(rect(&child), QRect(-2400, 1800, 2385, 7275));
  for (int i = 0; i < 24; ++i) setLeft(&child, left(&child) + 100);
  EXPECT_EQ(left(&child), 0);
  setWidth(&child, 1);
  EXPECT_EQ(width(&child), 1);
  child.move(10, 10);  // moved by someone else: pixels win
  EXPECT_EQ(left(&child), 150);
}

}  // namespace
}  // namespace kc::twips
