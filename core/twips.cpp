#include "core/twips.h"

#include <QGuiApplication>
#include <QScreen>
#include <QVariant>
#include <QWidget>

#include <cmath>

namespace kc::twips {

namespace {
constexpr const char* kProperty = "kelvoraTwips";
}

QRect toPixels(const QRect& r) {
  const int l = toPixels(r.x());
  const int t = toPixels(r.y());
  const int rr = toPixels(r.x() + r.width());
  const int b = toPixels(r.y() + r.height());
  return QRect(l, t, std::max(0, rr - l), std::max(0, b - t));
}

int pointsToPixels(double points) { return int(std::lround(points * 96.0 / 72.0)); }

void place(QWidget* w, const QRect& r) {
  w->setProperty(kProperty, r);
  const QRect px = toPixels(r);
  if (w->isWindow()) {
    w->move(px.topLeft());
    w->resize(px.size());
  } else {
    w->setGeometry(px);
  }
}

QRect rect(const QWidget* w) {
  const QVariant v = w->property(kProperty);
  const QRect px = w->isWindow() ? QRect(w->pos(), w->size()) : w->geometry();
  if (v.isValid()) {
    const QRect r = v.toRect();
    // Trust the stored twips only while the widget still sits where they put it.
    if (toPixels(r) == px) return r;
  }
  return QRect(fromPixels(px.x()), fromPixels(px.y()), fromPixels(px.width()),
               fromPixels(px.height()));
}

void setLeft(QWidget* w, int left) {
  QRect r = rect(w);
  r.moveLeft(left);
  place(w, r);
}
void setTop(QWidget* w, int top) {
  QRect r = rect(w);
  r.moveTop(top);
  place(w, r);
}
void setWidth(QWidget* w, int width) {
  QRect r = rect(w);
  r.setWidth(width);
  place(w, r);
}
void setHeight(QWidget* w, int height) {
  QRect r = rect(w);
  r.setHeight(height);
  place(w, r);
}

QSize screenSize() {
  const QScreen* s = QGuiApplication::primaryScreen();
  const QSize px = s ? s->geometry().size() : QSize(1024, 768);
  return QSize(fromPixels(px.width()), fromPixels(px.height()));
}

QPoint centredOnScreen(int widthTwips, int heightTwips) {
  const QSize s = screenSize();
  return QPoint((s.width() - widthTwips) / 2, (s.height() - heightTwips) / 2);
}

}  // namespace kc::twips
