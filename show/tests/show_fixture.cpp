#include "show/tests/show_fixture.h"

#include "core/window_names.h"
#include "show/show_windows.h"

#include <QApplication>
#include <QMouseEvent>
#include <QTest>

namespace kc::testing {

ShowTest::ShowTest() {
  registerShowWindows(*tp.program);
  tp.program->registerWindow(windows::kMenu, [](Program& p) -> Window* {
    auto* w = new Window(p, windows::kMenu);
    w->setProperty("path", QString());
    return w;
  });
}

ShowTest::~ShowTest() { settle(); }

Form1* ShowTest::open(const PuzzleFixture& puzzle, const QString& fileName) {
  return openPath(tp.writePuzzle(fileName, puzzle));
}

Form1* ShowTest::openPath(const QString& path) {
  menu()->setProperty("path", path);
  return qobject_cast<Form1*>(tp.program->show(windows::kShow));
}

Form1* ShowTest::show() const { return tp.program->loaded<Form1>(windows::kShow); }
Picshow* ShowTest::picshow() const { return tp.program->loaded<Picshow>(windows::kPicture); }
Window* ShowTest::menu() const { return tp.program->window(windows::kMenu); }

void ShowTest::settle() {
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  QCoreApplication::processEvents();
}

PuzzleFixture simplePuzzle(int rows) {
  PuzzleFixture p;
  p.rows = rows;
  for (int r = 1; r <= rows; ++r) {
    p.answers << QStringLiteral("ROW%1ABC").arg(r);
    p.questions << QStringLiteral("Q%1").arg(r);
    p.specials << 2;
  }
  return p;
}

void click(QWidget* w) { QTest::mouseClick(w, Qt::LeftButton, {}, w->rect().center()); }

void rightPress(QWidget* w) { QTest::mousePress(w, Qt::RightButton, {}, w->rect().center()); }

void hover(QWidget* w) {
  const QPointF at = QPointF(w->rect().center());
  QMouseEvent move(QEvent::MouseMove, at, w->mapToGlobal(at), Qt::NoButton, Qt::NoButton,
                   Qt::NoModifier);
  QApplication::sendEvent(w, &move);
}

}  // namespace kc::testing
