#include "shell/picture_label.h"

#include <QMouseEvent>
#include <QPainter>

namespace kc {

PictureLabel::PictureLabel(QWidget* parent) : QWidget(parent) { setCursor(Qt::PointingHandCursor); }

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
