#include "shell/picture_button.h"

#include <QMouseEvent>
#include <QPainter>

namespace kc {

PictureButton::PictureButton(QWidget* parent, QString fallbackCaption)
    : QAbstractButton(parent), fallback_(std::move(fallbackCaption)) {
  setFocusPolicy(Qt::NoFocus);
  setCursor(Qt::PointingHandCursor);
}

void PictureButton::setPicture(const QPixmap& picture) {
  picture_ = picture;
  update();
}

void PictureButton::paintEvent(QPaintEvent*) {
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

PictureLabel::PictureLabel(QWidget* parent) : QWidget(parent) {
  setCursor(Qt::PointingHandCursor);
}

void PictureLabel::setPicture(const QPixmap& picture) {
  picture_ = picture;
  update();
}

void PictureLabel::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.drawPixmap(0, 0, picture_);
}

void PictureLabel::mousePressEvent(QMouseEvent* e) {
  pressedInside_ = e->button() == Qt::LeftButton;
}

void PictureLabel::mouseReleaseEvent(QMouseEvent* e) {
  const bool click = pressedInside_ && e->button() == Qt::LeftButton && rect().contains(e->pos());
  pressedInside_ = false;
  if (click) emit clicked();
}

}  // namespace kc
