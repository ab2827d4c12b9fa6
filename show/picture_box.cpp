#include "show/picture_box.h"

#include "core/twips.h"

#include <QImageReader>
#include <QMouseEvent>
#include <QPainter>

#include <utility>

namespace kc {

PictureError::PictureError(const QString& path)
    : std::runtime_error("picture cannot be loaded: " + path.toStdString()) {}

QPixmap loadPicture(const QString& path) {
  QImageReader reader(path);
  // The content decides: a ".jpg" that is really a PNG still loads, as it did before.
  reader.setDecideFormatFromContent(true);
  QImage image = reader.read();
  if (image.isNull()) throw PictureError(path);
  return QPixmap::fromImage(std::move(image));
}

QPixmap stretched(const QPixmap& picture, const QSize& size) {
  if (picture.isNull() || size.isEmpty()) return {};
  if (picture.size() == size) return picture;
  // Bilinear filtering is smooth enough up to halving and several times cheaper than the
  // area-averaging scaler (the show stretches a full-screen background as it opens); pictures
  // shrunk further need the averaging, or fine lines would break up.
  if (size.width() * 2 < picture.width() || size.height() * 2 < picture.height())
    return picture.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
  QImage out(
      size, picture.hasAlphaChannel() ? QImage::Format_ARGB32_Premultiplied : QImage::Format_RGB32);
  out.fill(Qt::transparent);
  {
    QPainter p(&out);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.setCompositionMode(QPainter::CompositionMode_Source);
    p.drawPixmap(QRect(QPoint(), size), picture);
  }
  return QPixmap::fromImage(std::move(out));
}

PictureBox::PictureBox(QWidget* parent, Fit fit) : QWidget(parent), fit_(fit) {
  setMouseTracking(true);
}

void PictureBox::load(const QString& path) {
  setPicture(loadPicture(path));
  file_ = path;
}

void PictureBox::setPicture(const QPixmap& picture) {
  picture_ = picture;
  scaled_ = QPixmap();
  file_.clear();
  // A stretched picture without transparency covers the whole box: nothing behind it needs
  // painting first (the show's background lies under every animation update).
  if (fit_ == Fit::Stretch)
    setAttribute(Qt::WA_OpaquePaintEvent, !picture_.isNull() && !picture_.hasAlphaChannel());
  update();
}

QSize PictureBox::pictureTwips() const {
  return QSize(twips::fromPixels(picture_.width()), twips::fromPixels(picture_.height()));
}

void PictureBox::paintEvent(QPaintEvent* e) {
  if (picture_.isNull()) return;
  QPainter p(this);
  if (fit_ == Fit::OwnSize) {
    p.drawPixmap(0, 0, picture_);
    return;
  }
  if (scaled_.size() != size()) scaled_ = stretched(picture_, size());
  // Rectangle by rectangle: under animations the region is many small tiles spread over the
  // whole box, and its bounding rectangle would copy (and blend) the whole box each time.
  for (const QRect& r : e->region()) p.drawPixmap(r, scaled_, r);
}

void PictureBox::resizeEvent(QResizeEvent* e) {
  scaled_ = QPixmap();
  QWidget::resizeEvent(e);
}

void PictureBox::mousePressEvent(QMouseEvent* e) {
  pressedInside_ = e->button() == Qt::LeftButton;
  emit pressed(e->button());
  QWidget::mousePressEvent(e);
}

void PictureBox::mouseReleaseEvent(QMouseEvent* e) {
  const bool click = pressedInside_ && e->button() == Qt::LeftButton && rect().contains(e->pos());
  pressedInside_ = false;
  QWidget::mouseReleaseEvent(e);
  if (click) emit clicked();
}

void PictureBox::mouseMoveEvent(QMouseEvent* e) {
  emit hovered();
  QWidget::mouseMoveEvent(e);
}

PictureButton::PictureButton(QWidget* parent) : QAbstractButton(parent) {
  setCursor(Qt::PointingHandCursor);
  setFocusPolicy(Qt::NoFocus);
  setAttribute(Qt::WA_OpaquePaintEvent);
}

void PictureButton::load(const QString& path) {
  setPicture(loadPicture(path));
  file_ = path;
}

void PictureButton::setPicture(const QPixmap& picture) {
  picture_ = picture;
  file_.clear();
  update();
}

void PictureButton::setBackground(const QColor& colour) {
  background_ = colour;
  update();
}

void PictureButton::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.fillRect(rect(), background_);
  if (picture_.isNull()) return;
  const QPoint at((width() - picture_.width()) / 2 + (isDown() ? 1 : 0),
                  (height() - picture_.height()) / 2 + (isDown() ? 1 : 0));
  p.drawPixmap(at, picture_);
}

}  // namespace kc
