#include "shell/aboutf.h"
#include "core/twips.h"
#include "core/picture_box.h"
#include "shell/tests/shell_fixture.h"

#include <QPointer>
#include <QTest>

#include <functional>

namespace kc::testing {
namespace {

using AboutfTest = ShellTest;

TEST_F(AboutfTest, AboutCommandShowsTheBoxCentredAndHidesTheMenu) {
  Menu* m = menu();
  m->show();
  m->button(4)->click();
  auto* about = program().loaded<Aboutf>(windows::kAbout);
  ASSERT_NE(about, nullptr);
  EXPECT_TRUE(about->isVisible());
  EXPECT_FALSE(m->isVisible());
  EXPECT_EQ(about->size(), QSize(600, 500));
  const QPoint centre = twips::centredOnScreen(9000, 7500);
  EXPECT_EQ(about->pos(), QPoint(twips::toPixels(centre.x()), twips::toPixels(centre.y())));
  EXPECT_EQ(about->closeButton()->geometry(), twips::toPixels(QRect(8685, 15, 300, 315)));
}

// However the box is closed, the menu comes back and the next About loads a fresh box.
TEST_F(AboutfTest, ClosingTheBoxShowsTheMenuAgain) {
  const std::pair<const char*, std::function<void(Aboutf*)>> ways[] = {
      {"close picture",
       [](Aboutf* a) { QTest::mouseClick(a->closeButton(), Qt::LeftButton, {}, QPoint(10, 10)); }},
      {"window close (Alt+F4)", [](Aboutf* a) { EXPECT_TRUE(a->close()); }},
  };
  Menu* m = menu();
  for (const auto& [name, close] : ways) {
    SCOPED_TRACE(name);
    m->show();
    m->button(4)->click();
    QPointer<Aboutf> about = program().loaded<Aboutf>(windows::kAbout);
    ASSERT_TRUE(about);
    ASSERT_FALSE(m->isVisible());
    close(about);
    EXPECT_TRUE(m->isVisible());
    EXPECT_FALSE(program().isLoaded(windows::kAbout));
    runDeferredDeletes();
    EXPECT_TRUE(about.isNull());
  }
  // A click elsewhere on the box does not close it.
  m->button(4)->click();
  auto* about = program().loaded<Aboutf>(windows::kAbout);
  ASSERT_NE(about, nullptr);
  QTest::mouseClick(about->picture(), Qt::LeftButton, {}, QPoint(300, 250));
  EXPECT_TRUE(program().isLoaded(windows::kAbout));
  EXPECT_FALSE(m->isVisible());
}

TEST_F(AboutfTest, ProgramEndClosesTheBoxWithoutBringingTheMenuBack) {
  Menu* m = menu();
  m->button(4)->click();
  QPointer<Aboutf> about = program().loaded<Aboutf>(windows::kAbout);
  program().end();
  runDeferredDeletes();
  EXPECT_TRUE(about.isNull());
  EXPECT_FALSE(program().isLoaded(windows::kMenu));
  Q_UNUSED(m);
}

}  // namespace
}  // namespace kc::testing
