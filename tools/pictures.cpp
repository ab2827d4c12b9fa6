#include "tools/pictures.h"

#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>

#include <cmath>
#include <numbers>
#include <stdexcept>

namespace kc::tools {

double uniform(Random& random, double lo, double hi) {
  return std::uniform_real_distribution<double>(lo, hi)(random);
}

void saveJpeg(const QImage& image, const QString& path) {
  if (!image.convertToFormat(QImage::Format_RGB32).save(path, "JPG", 90)) {
    throw std::runtime_error("cannot write JPEG " + path.toStdString());
  }
}

void smooth(QPainter& p) {
  p.setRenderHint(QPainter::Antialiasing);
  p.setRenderHint(QPainter::TextAntialiasing);
  p.setRenderHint(QPainter::SmoothPixmapTransform);
}

QFont captionFont(double pixelSize, bool bold) {
  QFont font(QStringLiteral("Liberation Serif"));
  font.setStyleHint(QFont::Serif);
  font.setPixelSize(std::max(6, int(std::lround(pixelSize))));
  font.setBold(bold);
  return font;
}

void drawFittedText(QPainter& p, const QRectF& rect, const QString& text, double pixelSize,
                    const QColor& colour, const QColor& shadow) {
  QFont font = captionFont(pixelSize);
  while (font.pixelSize() > 7 && QFontMetricsF(font).horizontalAdvance(text) > rect.width()) {
    font.setPixelSize(font.pixelSize() - 1);
  }
  p.setFont(font);
  if (shadow.isValid()) {
    p.setPen(shadow);
    p.drawText(rect.translated(1, 1), Qt::AlignCenter, text);
  }
  p.setPen(colour);
  p.drawText(rect, Qt::AlignCenter, text);
}

QPainterPath starPath(QPointF centre, double outer, double inner, double rotation) {
  QPainterPath path;
  for (int i = 0; i < 10; ++i) {
    const double angle = (rotation + 36.0 * i) * std::numbers::pi / 180;
    const double r = (i % 2 == 0) ? outer : inner;
    const QPointF point = centre + QPointF(std::cos(angle) * r, std::sin(angle) * r);
    if (i == 0) {
      path.moveTo(point);
    } else {
      path.lineTo(point);
    }
  }
  path.closeSubpath();
  return path;
}

void drawGlyph(QPainter& p, const QRectF& box, Glyph glyph, const QColor& colour) {
  p.save();
  smooth(p);
  const double s = std::min(box.width(), box.height());
  const QPointF c = box.center();
  const QRectF sq(c.x() - s / 2, c.y() - s / 2, s, s);
  QPen pen(colour, std::max(1.5, s * 0.12), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
  p.setPen(pen);
  p.setBrush(Qt::NoBrush);
  auto at = [&](double fx, double fy) { return QPointF(sq.left() + fx * s, sq.top() + fy * s); };
  switch (glyph) {
    case Glyph::Folder: {
      QPainterPath path;
      path.moveTo(at(0.08, 0.25));
      path.lineTo(at(0.40, 0.25));
      path.lineTo(at(0.48, 0.35));
      path.lineTo(at(0.92, 0.35));
      path.lineTo(at(0.92, 0.82));
      path.lineTo(at(0.08, 0.82));
      path.closeSubpath();
      p.setBrush(QColor(colour.red(), colour.green(), colour.blue(), 90));
      p.drawPath(path);
      break;
    }
    case Glyph::Plus:
      p.drawLine(at(0.5, 0.15), at(0.5, 0.85));
      p.drawLine(at(0.15, 0.5), at(0.85, 0.5));
      break;
    case Glyph::Gear: {
      pen.setWidthF(s * 0.16);
      p.setPen(pen);
      for (int i = 0; i < 8; ++i) {
        const double a = i * std::numbers::pi / 4;
        p.drawLine(c + QPointF(std::cos(a), std::sin(a)) * s * 0.28,
                   c + QPointF(std::cos(a), std::sin(a)) * s * 0.44);
      }
      pen.setWidthF(s * 0.12);
      p.setPen(pen);
      p.drawEllipse(c, s * 0.26, s * 0.26);
      p.drawEllipse(c, s * 0.08, s * 0.08);
      break;
    }
    case Glyph::Info:
      p.drawEllipse(c, s * 0.42, s * 0.42);
      p.drawLine(at(0.5, 0.45), at(0.5, 0.75));
      p.setBrush(colour);
      p.drawEllipse(at(0.5, 0.28), s * 0.04, s * 0.04);
      break;
    case Glyph::Door:
      p.drawRect(QRectF(at(0.2, 0.1), at(0.62, 0.9)));
      p.drawLine(at(0.45, 0.5), at(0.9, 0.5));
      p.drawLine(at(0.9, 0.5), at(0.76, 0.36));
      p.drawLine(at(0.9, 0.5), at(0.76, 0.64));
      break;
    case Glyph::ArrowLeft:
      p.drawLine(at(0.15, 0.5), at(0.85, 0.5));
      p.drawLine(at(0.15, 0.5), at(0.42, 0.23));
      p.drawLine(at(0.15, 0.5), at(0.42, 0.77));
      break;
    case Glyph::Disk:
      p.drawRoundedRect(QRectF(at(0.12, 0.12), at(0.88, 0.88)), s * 0.06, s * 0.06);
      p.drawRect(QRectF(at(0.3, 0.12), at(0.7, 0.38)));
      p.drawRect(QRectF(at(0.25, 0.58), at(0.75, 0.88)));
      break;
    case Glyph::Picture: {
      p.drawRect(QRectF(at(0.1, 0.18), at(0.9, 0.82)));
      QPainterPath hills;
      hills.moveTo(at(0.12, 0.8));
      hills.lineTo(at(0.38, 0.48));
      hills.lineTo(at(0.55, 0.66));
      hills.lineTo(at(0.68, 0.54));
      hills.lineTo(at(0.88, 0.8));
      p.drawPath(hills);
      p.setBrush(colour);
      p.drawEllipse(at(0.7, 0.34), s * 0.06, s * 0.06);
      break;
    }
    case Glyph::Tick: {
      QPainterPath tick;
      tick.moveTo(at(0.12, 0.52));
      tick.lineTo(at(0.4, 0.8));
      tick.lineTo(at(0.9, 0.18));
      QPen outline(QColor(255, 255, 255), s * 0.3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
      p.setPen(outline);
      p.drawPath(tick);
      pen.setWidthF(s * 0.18);
      p.setPen(pen);
      p.drawPath(tick);
      break;
    }
    case Glyph::Cross: {
      QPen outline(QColor(255, 255, 255), s * 0.3, Qt::SolidLine, Qt::RoundCap);
      for (const QPen& cross : {outline, QPen(colour, s * 0.18, Qt::SolidLine, Qt::RoundCap)}) {
        p.setPen(cross);
        p.drawLine(at(0.2, 0.2), at(0.8, 0.8));
        p.drawLine(at(0.8, 0.2), at(0.2, 0.8));
      }
      break;
    }
  }
  p.restore();
}

void drawBlossom(QPainter& p, QPointF centre, double radius, double rotation, const QColor& petal,
                 const QColor& heart) {
  p.save();
  p.translate(centre);
  p.rotate(rotation);
  p.setPen(QPen(petal.darker(125), std::max(0.6, radius * 0.04)));
  QRadialGradient fill(QPointF(0, 0), radius);
  fill.setColorAt(0.0, petal.darker(115));
  fill.setColorAt(0.5, petal);
  fill.setColorAt(1.0, petal.lighter(112));
  p.setBrush(fill);
  for (int i = 0; i < 5; ++i) {
    p.save();
    p.rotate(72.0 * i);
    QPainterPath leaf;
    leaf.moveTo(0, 0);
    leaf.cubicTo(radius * 0.55, -radius * 0.25, radius * 1.05, -radius * 0.45, radius, 0);
    leaf.cubicTo(radius * 1.05, radius * 0.45, radius * 0.55, radius * 0.25, 0, 0);
    p.drawPath(leaf.translated(0, 0));
    p.restore();
  }
  p.setPen(QPen(heart, std::max(0.6, radius * 0.05)));
  for (int i = 0; i < 10; ++i) {
    const double a = i * std::numbers::pi / 5 + 0.3;
    const QPointF tip(std::cos(a) * radius * 0.45, std::sin(a) * radius * 0.45);
    p.drawLine(QPointF(0, 0), tip);
    p.setBrush(heart.lighter(140));
    p.drawEllipse(tip, radius * 0.06, radius * 0.06);
  }
  p.setBrush(heart);
  p.setPen(Qt::NoPen);
  p.drawEllipse(QPointF(0, 0), radius * 0.16, radius * 0.16);
  p.restore();
}

namespace pictures {
namespace {

constexpr int kWidth = 1024;
constexpr int kHeight = 768;

QImage canvas(int w, int h, QColor fill = Qt::white) {
  QImage image(w, h, QImage::Format_RGB32);
  image.fill(fill);
  return image;
}

void drawCloud(QPainter& p, QPointF at, double size, int alpha) {
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(255, 255, 255, alpha));
  QPainterPath cloud;
  cloud.setFillRule(Qt::WindingFill);  // the puffs overlap; their union is one cloud
  cloud.addEllipse(at, size, size * 0.55);
  cloud.addEllipse(at + QPointF(-size * 0.7, size * 0.12), size * 0.65, size * 0.4);
  cloud.addEllipse(at + QPointF(size * 0.75, size * 0.1), size * 0.7, size * 0.42);
  cloud.addEllipse(at + QPointF(size * 0.1, -size * 0.35), size * 0.55, size * 0.45);
  p.drawPath(cloud.simplified());
}

QImage sky() {
  QImage image = canvas(kWidth, kHeight);
  QPainter p(&image);
  smooth(p);
  QLinearGradient g(0, 0, 0, kHeight);
  g.setColorAt(0, QColor(40, 110, 200));
  g.setColorAt(0.7, QColor(140, 200, 245));
  g.setColorAt(1, QColor(215, 238, 252));
  p.fillRect(image.rect(), g);
  QRadialGradient sun(QPointF(850, 130), 160);
  sun.setColorAt(0, QColor(255, 250, 220, 255));
  sun.setColorAt(0.25, QColor(255, 240, 170, 200));
  sun.setColorAt(1, QColor(255, 240, 170, 0));
  p.fillRect(image.rect(), sun);
  Random random(11);
  for (int i = 0; i < 9; ++i) {
    drawCloud(p, QPointF(uniform(random, 40, 980), uniform(random, 80, 650)),
              uniform(random, 40, 95), int(uniform(random, 150, 230)));
  }
  return image;
}

QImage sea() {
  QImage image = canvas(kWidth, kHeight);
  QPainter p(&image);
  smooth(p);
  const double horizon = kHeight * 0.45;
  QLinearGradient air(0, 0, 0, horizon);
  air.setColorAt(0, QColor(255, 170, 110));
  air.setColorAt(1, QColor(255, 225, 170));
  p.fillRect(QRectF(0, 0, kWidth, horizon), air);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(255, 245, 200));
  p.drawEllipse(QPointF(kWidth * 0.3, horizon - 10), 70, 70);
  QLinearGradient water(0, horizon, 0, kHeight);
  water.setColorAt(0, QColor(40, 120, 170));
  water.setColorAt(1, QColor(10, 50, 100));
  p.fillRect(QRectF(0, horizon, kWidth, kHeight - horizon), water);
  Random random(12);
  for (int row = 0; row < 40; ++row) {
    const double y = horizon + 6 + row * row * 0.22;
    QPainterPath wave;
    const double phase = uniform(random, 0, 6.28);
    const double length = 30 + row * 3;
    wave.moveTo(0, y);
    for (double x = 0; x <= kWidth; x += 8) {
      wave.lineTo(x, y + std::sin(x / length + phase) * (1 + row * 0.12));
    }
    p.setPen(QPen(QColor(255, 255, 255, 30 + row), 1 + row * 0.05));
    p.setBrush(Qt::NoBrush);
    p.drawPath(wave);
  }
  // The sun's path on the water.
  for (int i = 0; i < 24; ++i) {
    const double y = horizon + 8 + i * 14;
    const double w = 30 + i * 6;
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 235, 180, 120 - i * 4));
    p.drawRoundedRect(QRectF(kWidth * 0.3 - w / 2 + uniform(random, -10, 10), y, w, 3), 2, 2);
  }
  return image;
}

QImage riceFields() {
  QImage image = canvas(kWidth, kHeight);
  QPainter p(&image);
  smooth(p);
  QLinearGradient air(0, 0, 0, kHeight * 0.5);
  air.setColorAt(0, QColor(120, 190, 240));
  air.setColorAt(1, QColor(230, 245, 250));
  p.fillRect(image.rect(), air);
  // Far mountains, then terraces in greens turning gold towards the front.
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(120, 150, 170));
  QPainterPath mountains;
  mountains.moveTo(0, 330);
  for (double x = 0; x <= kWidth; x += 16) {
    mountains.lineTo(x, 300 - 70 * std::sin(x / 170) - 40 * std::sin(x / 61 + 1));
  }
  mountains.lineTo(kWidth, kHeight);
  mountains.lineTo(0, kHeight);
  p.drawPath(mountains);
  const QColor bands[] = {QColor(90, 160, 70),  QColor(120, 180, 60), QColor(160, 195, 60),
                          QColor(200, 200, 70), QColor(225, 195, 70), QColor(235, 185, 60)};
  for (int i = 0; i < 6; ++i) {
    QPainterPath band;
    const double y0 = 330 + i * 75;
    band.moveTo(0, y0);
    for (double x = 0; x <= kWidth; x += 16) band.lineTo(x, y0 + 25 * std::sin(x / 140 + i));
    band.lineTo(kWidth, kHeight);
    band.lineTo(0, kHeight);
    p.setBrush(bands[i]);
    p.drawPath(band);
    p.setPen(QPen(bands[i].lighter(125), 2));
    p.setBrush(Qt::NoBrush);
    p.drawPath(band);
    p.setPen(Qt::NoPen);
  }
  Random random(13);
  p.setPen(QPen(QColor(240, 220, 120, 140), 1.2));
  for (int i = 0; i < 900; ++i) {
    const double x = uniform(random, 0, kWidth), y = uniform(random, 560, kHeight);
    p.drawLine(QPointF(x, y), QPointF(x + uniform(random, -3, 3), y - uniform(random, 6, 14)));
  }
  return image;
}

QImage notebook() {
  QImage image = canvas(kWidth, kHeight, QColor(252, 250, 240));
  QPainter p(&image);
  smooth(p);
  p.setPen(QPen(QColor(160, 190, 230), 1.5));
  for (int y = 90; y < kHeight; y += 32) p.drawLine(0, y, kWidth, y);
  p.setPen(QPen(QColor(230, 120, 130), 2));
  p.drawLine(110, 0, 110, kHeight);
  p.setBrush(QColor(230, 230, 225));
  p.setPen(QPen(QColor(190, 190, 180), 1));
  for (int y = 60; y < kHeight; y += 110) p.drawEllipse(QPointF(50, y), 14, 14);
  Random random(14);
  for (int i = 0; i < 14; ++i) {
    drawBlossom(p, QPointF(uniform(random, 140, 1000), uniform(random, 20, 750)),
                uniform(random, 10, 22), uniform(random, 0, 360), QColor(250, 200, 215, 160),
                QColor(200, 80, 110, 140));
  }
  return image;
}

QImage panel(QColor top, QColor bottom, QColor frame, unsigned seed) {
  QImage image = canvas(1024, 389);
  QPainter p(&image);
  smooth(p);
  QLinearGradient g(0, 0, 0, image.height());
  g.setColorAt(0, top);
  g.setColorAt(1, bottom);
  p.fillRect(image.rect(), g);
  Random random(seed);
  p.setPen(Qt::NoPen);
  for (int i = 0; i < 30; ++i) {
    p.setBrush(QColor(255, 255, 255, int(uniform(random, 20, 60))));
    const double r = uniform(random, 10, 60);
    p.drawEllipse(QPointF(uniform(random, 0, 1024), uniform(random, 0, 389)), r, r);
  }
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(frame, 6));
  p.drawRoundedRect(QRectF(8, 8, 1008, 373), 18, 18);
  p.setPen(QPen(frame.lighter(130), 2));
  p.drawRoundedRect(QRectF(18, 18, 988, 353), 12, 12);
  return image;
}

}  // namespace

std::vector<Named> wallpapers() {
  return {{QStringLiteral("Bau troi.jpg"), sky()},
          {QStringLiteral("Bien chieu.jpg"), sea()},
          {QStringLiteral("Dong lua.jpg"), riceFields()},
          {QStringLiteral("Trang vo.jpg"), notebook()}};
}

std::vector<Named> questionBackgrounds() {
  return {{QStringLiteral("Giay nga.jpg"),
           panel(QColor(255, 250, 232), QColor(245, 230, 195), QColor(170, 120, 60), 21)},
          {QStringLiteral("Xanh nhat.jpg"),
           panel(QColor(235, 246, 255), QColor(200, 225, 250), QColor(50, 100, 170), 22)},
          {QStringLiteral("Hong nhat.jpg"),
           panel(QColor(255, 240, 245), QColor(250, 215, 228), QColor(190, 70, 110), 23)}};
}

QImage clock() {
  QImage image(134, 128, QImage::Format_ARGB32);
  image.fill(Qt::transparent);
  QPainter p(&image);
  smooth(p);
  const QPointF c(67, 68);
  const double r = 56;
  // Bells and feet of an alarm clock.
  p.setPen(QPen(QColor(90, 20, 20), 2));
  p.setBrush(QColor(200, 40, 40));
  for (double side : {-1.0, 1.0}) {
    p.drawEllipse(c + QPointF(side * 40, -46), 17, 13);
    p.drawLine(c + QPointF(side * 38, 44), c + QPointF(side * 50, 58));
  }
  QRadialGradient rim(c - QPointF(15, 15), r * 1.4);
  rim.setColorAt(0, QColor(250, 90, 80));
  rim.setColorAt(1, QColor(150, 20, 20));
  p.setBrush(rim);
  p.drawEllipse(c, r, r);
  QRadialGradient face(c - QPointF(10, 10), r);
  face.setColorAt(0, QColor(255, 255, 255));
  face.setColorAt(1, QColor(235, 235, 225));
  p.setBrush(face);
  p.setPen(QPen(QColor(120, 30, 30), 1.5));
  p.drawEllipse(c, r - 8, r - 8);
  for (int i = 0; i < 60; ++i) {
    const double a = i * std::numbers::pi / 30;
    const QPointF dir(std::sin(a), -std::cos(a));
    const bool hour = i % 5 == 0;
    p.setPen(QPen(QColor(40, 40, 40), hour ? 2.5 : 1));
    p.drawLine(c + dir * (r - 11), c + dir * (r - (hour ? 19 : 14)));
  }
  p.setPen(QColor(30, 30, 30));
  p.setFont(captionFont(12));
  for (int h : {12, 3, 6, 9}) {
    const double a = h * std::numbers::pi / 6;
    const QPointF at = c + QPointF(std::sin(a), -std::cos(a)) * (r - 28);
    p.drawText(QRectF(at.x() - 10, at.y() - 8, 20, 16), Qt::AlignCenter, QString::number(h));
  }
  auto hand = [&](double turns, double length, double width, QColor colour) {
    const double a = turns * 2 * std::numbers::pi;
    p.setPen(QPen(colour, width, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(c, c + QPointF(std::sin(a), -std::cos(a)) * length);
  };
  hand(10.17 / 12, 24, 4, QColor(30, 30, 30));
  hand(2.0 / 12, 34, 3, QColor(30, 30, 30));
  hand(0.6, 38, 1.5, QColor(210, 30, 30));
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(200, 30, 30));
  p.drawEllipse(c, 4, 4);
  return image;
}

QImage minimisedWindow() {
  QImage image(47, 48, QImage::Format_ARGB32);
  image.fill(kColourKey);
  QPainter p(&image);
  // The outline is drawn without antialiasing: a pixel blended with the key colour would
  // not be keyed out and would show as a fringe.
  p.setRenderHint(QPainter::Antialiasing, false);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(150, 40, 40));
  p.drawRect(3, 3, 41, 42);
  QLinearGradient face(0, 5, 0, 43);
  face.setColorAt(0, QColor(255, 220, 120));
  face.setColorAt(1, QColor(230, 150, 50));
  p.setBrush(face);
  p.drawRect(5, 5, 37, 38);
  // A tiny crossword: three rows of cells, the keyword column in red.
  for (int row = 0; row < 3; ++row) {
    for (int col = 0; col < 4; ++col) {
      const int x = 8 + col * 8 + (row == 1 ? -4 : 0);
      const int y = 8 + row * 9;
      p.setBrush(col == 2 ? QColor(200, 30, 30) : QColor(255, 255, 255));
      p.setPen(QColor(90, 50, 20));
      p.drawRect(x, y, 7, 7);
    }
  }
  p.setRenderHint(QPainter::TextAntialiasing);
  p.setPen(QColor(120, 20, 20));
  p.setFont(captionFont(11));
  p.drawText(QRect(5, 33, 37, 11), Qt::AlignCenter, QStringLiteral("Ô chữ"));
  return image;
}

}  // namespace pictures
}  // namespace kc::tools
