// The menu on a real X server. Run normally, the test starts its own binary again under
// xvfb-run with the xcb platform and passes or fails with that run.

#include "shell/drag_mover.h"
#include "core/picture_box.h"
#include "shell/tests/shell_fixture.h"

#include <QGuiApplication>
#include <QMouseEvent>
#include <QProcess>
#include <QScreen>
#include <QStandardPaths>
#include <QTest>
#include <QWindow>

namespace kc::testing {
namespace {

constexpr char kChildVariable[] = "KELVORA_DISPLAY_CHILD";

bool runUnderXvfb(const char* testName) {
  const QString xvfb = QStandardPaths::findExecutable(QStringLiteral("xvfb-run"));
  if (xvfb.isEmpty()) return false;
  QProcess child;
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  env.insert(QString::fromLatin1(kChildVariable), QStringLiteral("1"));
  env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
  child.setProcessEnvironment(env);
  child.setProcessChannelMode(QProcess::MergedChannels);
  child.start(xvfb,
              {QStringLiteral("-a"), QStringLiteral("-s"), QStringLiteral("-screen 0 1280x1024x24"),
               QCoreApplication::applicationFilePath(),
               QStringLiteral("--gtest_filter=") + QString::fromLatin1(testName)});
  EXPECT_TRUE(child.waitForFinished(180000));
  const QByteArray output = child.readAll();
  EXPECT_EQ(child.exitStatus(), QProcess::NormalExit) << output.constData();
  EXPECT_EQ(child.exitCode(), 0) << output.constData();
  // The child must really have run the test, not skipped or filtered it away.
  EXPECT_TRUE(output.contains("[  PASSED  ] 1 test")) << output.constData();
  return true;
}

void expectNear(QRgb actual, QRgb expected, int tolerance = 24) {
  EXPECT_NEAR(qRed(actual), qRed(expected), tolerance);
  EXPECT_NEAR(qGreen(actual), qGreen(expected), tolerance);
  EXPECT_NEAR(qBlue(actual), qBlue(expected), tolerance);
}

TEST(MenuOnDisplay, MapsFadesInShowsItsSkinAndCanBeDragged) {
  if (!qEnvironmentVariableIsSet(kChildVariable)) {
    if (!runUnderXvfb("MenuOnDisplay.MapsFadesInShowsItsSkinAndCanBeDragged"))
      GTEST_SKIP() << "xvfb-run is not installed";
    return;
  }
  ASSERT_EQ(QGuiApplication::platformName(), QStringLiteral("xcb"));

  TempProgram tp;
  registerShellWindows(*tp.program);
  auto* m = static_cast<Menu*>(tp.program->show(windows::kMenu));
  ASSERT_NE(m, nullptr);
  ASSERT_TRUE(QTest::qWaitForWindowExposed(m));
  EXPECT_TRUE(m->windowFlags() & Qt::FramelessWindowHint);
  for (int i = 0; i < 18; ++i) m->fadeInTick();
  ASSERT_TRUE(m->button(5)->isVisible());
  EXPECT_NEAR(m->windowHandle()->opacity(), 1.0, 1e-6);
  QTest::qWait(200);

  // The pixels the X server holds for the window.
  const QImage shot = m->screen()->grabWindow(m->winId()).toImage();
  ASSERT_EQ(shot.size(), m->size() * m->devicePixelRatio());
  // TempProgram's "Brown" skin: open.jpg is red, out.jpg cyan, menu.jpg brown.
  const QPoint open = m->button(1)->geometry().center();
  const QPoint out = m->button(5)->geometry().center();
  expectNear(shot.pixel(open), qRgb(200, 0, 0));
  expectNear(shot.pixel(out), qRgb(0, 200, 200));
  expectNear(shot.pixel(QPoint(400, 240)), qRgb(120, 80, 40));

  // Dragging by the background: the window system moves it, or (without a window manager)
  // the window follows the mouse by hand.
  QWidget* image1 = m->background();
  const QPoint before = m->pos();
  const QPoint local(400, 230);
  const QPoint global = image1->mapToGlobal(local);
  const QPoint delta(40, 30);
  QMouseEvent press(QEvent::MouseButtonPress, local, local, global, Qt::LeftButton, Qt::LeftButton,
                    Qt::NoModifier);
  QCoreApplication::sendEvent(image1, &press);
  QMouseEvent move(QEvent::MouseMove, local + delta, local + delta, global + delta, Qt::NoButton,
                   Qt::LeftButton, Qt::NoModifier);
  QCoreApplication::sendEvent(image1, &move);
  QMouseEvent release(QEvent::MouseButtonRelease, local + delta, local + delta, global + delta,
                      Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
  QCoreApplication::sendEvent(image1, &release);
  QTest::qWait(100);
  EXPECT_NE(m->dragMover()->mode(), DragMover::Mode::None);
  if (m->dragMover()->mode() == DragMover::Mode::Manual) {
    // The X server confirms the move asynchronously.
    for (int waited = 0; m->pos() != before + delta && waited < 2000; waited += 50)
      QTest::qWait(50);
    EXPECT_EQ(m->pos(), before + delta);
  }
  EXPECT_TRUE(m->isVisible());
}

}  // namespace
}  // namespace kc::testing
