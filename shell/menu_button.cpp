#include "shell/menu_button.h"

#include <QMouseEvent>
#include <QPainter>

namespace kc {

MenuButton::MenuButton(QWidget* parent, QString fallbackCaption)
    : QAbstractButton(parent), fallback_(std::move(fallbackCaption)) {
  setFocusPolicy(Qt::NoFocus);
  setCursor(Qt::PointingHandCursor);
}

void MenuButton::setPicture(const QPixmap& picture) {
  picture_ = picture;
  update();
}

void MenuButton::paintEvent(QPaintEvent*) {
  QPainter p(this);
  // Pressed buttons sink by a pixel, as the old picture buttons did.
  const QPoint sink = isDown() ? QPoint(1, 1) : QPoint();
  if (hasPicture()) {
    // Shown at its own size, centred: a skin picture made for the control fills it exactly.
    const QPoint at((width() - picture_.width()) / 2, (height() - picture_.height()) / 2);
    p.drawPixmap(at + sink, picture_);
    return;
  }
  QLinearGradient g(0, 0, 0, height());
  g.setColorAt(0, QColor(250, 244, 228));
  g.setColorAt(1, QColor(214, 196, 160));
  p.fillRect(rect(), g);
  p.setPen(QColor(120, 90, 50));
  p.drawRect(rect().adjusted(0, 0, -1, -1));
  p.setPen(QColor(60, 40, 20));
  p.drawText(rect().translated(sink), Qt::AlignCenter, fallback_);
}

}  // namespace kc
