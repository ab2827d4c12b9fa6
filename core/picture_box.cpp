#include "core/picture_box.h"

#include "core/twips.h"

#include <QImageReader>
#include <QLinearGradient>
#include <QMouseEvent>
#include <QPainter>

#include <utility>

namespace kc {

PictureError::PictureError(const QString& path)
    : std::runtime_error("picture cannot be loaded: " + path.toStdString()) {}

namespace {

QImage readImage(const QString& path) {
  QImageReader reader(path);
  // The content decides: a ".jpg" that is really a PNG still loads, as it did before.
  reader.setDecideFormatFromContent(true);
  return reader.read();
}

}  // namespace

PicturePrefetch::~PicturePrefetch() {
  if (work_.valid()) work_.wait();
}

void PicturePrefetch::start(const QStringList& paths) {
  if (work_.valid()) work_.wait();
  ready_.clear();
  work_ = std::async(std::launch::async, [paths] {
    QHash<QString, QImage> images;
    for (const QString& p : paths) images.insert(p, readImage(p));
    return images;
  });
}

std::optional<QImage> PicturePrefetch::take(const QString& path) {
  if (work_.valid()) ready_ = work_.get();
  auto it = ready_.find(path);
  if (it == ready_.end()) return std::nullopt;
  QImage image = std::move(*it);
  ready_.erase(it);
  return image;
}

QPixmap loadPicture(const QString& path, PicturePrefetch* prefetch) {
  std::optional<QImage> early = prefetch ? prefetch->take(path) : std::nullopt;
  QImage image = early ? std::move(*early) : readImage(path);
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

void PictureBox::load(const QString& path, PicturePrefetch* prefetch) {
  setPicture(loadPicture(path, prefetch));
  file_ = path;
}

void PictureBox::loadWhenShown(const QString& path) {
  QImageReader reader(path);
  reader.setDecideFormatFromContent(true);
  const QSize size = reader.size();
  if (!reader.canRead() || !size.isValid() || size.isEmpty()) throw PictureError(path);
  setPicture(QPixmap());
  file_ = path;
  pending_ = path;
  pendingSize_ = size;
}

void PictureBox::decodePending() const {
  if (pending_.isEmpty()) return;
  const QString path = std::exchange(pending_, QString());
  // Checked when it was loaded; a file spoilt since then leaves the box empty.
  try {
    picture_ = loadPicture(path);
  } catch (const PictureError&) {
    picture_ = QPixmap();
  }
}

const QPixmap& PictureBox::picture() const {
  decodePending();
  return picture_;
}

void PictureBox::setPicture(const QPixmap& picture) {
  pending_.clear();
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
  const QSize px = pending_.isEmpty() ? picture_.size() : pendingSize_;
  return QSize(twips::fromPixels(px.width()), twips::fromPixels(px.height()));
}

void PictureBox::paintEvent(QPaintEvent* e) {
  decodePending();
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

PictureButton::PictureButton(QWidget* parent, QString fallbackCaption)
    : QAbstractButton(parent), fallback_(std::move(fallbackCaption)) {
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
  // Pressed buttons sink by a pixel, as the old picture buttons did.
  const QPoint sink = isDown() ? QPoint(1, 1) : QPoint();
  if (picture_.isNull() && !fallback_.isEmpty()) {
    QLinearGradient g(0, 0, 0, height());
    g.setColorAt(0, QColor(250, 244, 228));
    g.setColorAt(1, QColor(214, 196, 160));
    p.fillRect(rect(), g);
    p.setPen(QColor(120, 90, 50));
    p.drawRect(rect().adjusted(0, 0, -1, -1));
    p.setPen(QColor(60, 40, 20));
    p.drawText(rect().translated(sink), Qt::AlignCenter, fallback_);
    return;
  }
  p.fillRect(rect(), background_);
  if (picture_.isNull()) return;
  // Shown at its own size, centred: a skin picture made for the control fills it exactly.
  const QPoint at((width() - picture_.width()) / 2, (height() - picture_.height()) / 2);
  p.drawPixmap(at + sink, picture_);
}

}  // namespace kc
