#include "tools/animations.h"

#include "tools/pictures.h"

#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <cmath>
#include <numbers>

namespace kc::tools::animations {
namespace {

constexpr double kPi = std::numbers::pi;
constexpr int kWide = 512, kHigh = 384;
// Every delivered animation steps at the same pace: the show runs three at once, and frames
// that fall due together cost one repaint of the window instead of three.
constexpr int kFrameMs = 120;

QImage blank(int w, int h) {
  QImage image(w, h, QImage::Format_ARGB32);
  image.fill(Qt::transparent);
  return image;
}

// Moving things travel on a conveyor: within a column they are `spacing` apart and each
// moves exactly `spacing` in one loop, so the last frame leads seamlessly into the first.
// Everything else about an item (sway, turn) depends on where it is, not on time.
struct Conveyor {
  double spacing;
  double length;  // the travelled height, a whole number of spacings
};

QPainterPath sparklePath(QPointF c, double size) {
  QPainterPath star;
  star.moveTo(c.x(), c.y() - size);
  star.quadTo(c, QPointF(c.x() + size, c.y()));
  star.quadTo(c, QPointF(c.x(), c.y() + size));
  star.quadTo(c, QPointF(c.x() - size, c.y()));
  star.quadTo(c, QPointF(c.x(), c.y() - size));
  return star;
}

Animation sparkles() {
  constexpr int kFrames = 10;
  Random random(31);
  struct Item {
    QPointF at;
    double size, phase;
    QColor colour;
  };
  const QColor colours[] = {QColor(255, 255, 255), QColor(255, 240, 150), QColor(180, 230, 255),
                            QColor(255, 190, 240)};
  std::vector<Item> items;
  for (int i = 0; i < 34; ++i) {
    items.push_back({QPointF(uniform(random, 10, kWide - 10), uniform(random, 10, kHigh - 10)),
                     uniform(random, 5, 13), uniform(random, 0, 1), colours[i % 4]});
  }
  Animation a{QStringLiteral("Lap lanh.gif"), {}, kFrameMs};
  for (int f = 0; f < kFrames; ++f) {
    QImage frame = blank(kWide, kHigh);
    QPainter p(&frame);
    smooth(p);
    p.setPen(Qt::NoPen);
    for (const Item& item : items) {
      const double t = std::sin(2 * kPi * (double(f) / kFrames + item.phase));
      const double size = item.size * (0.25 + 0.75 * std::max(0.0, t));
      if (size < 2.5) continue;
      p.setBrush(item.colour);
      p.drawPath(sparklePath(item.at, size));
      p.drawEllipse(item.at, size * 0.22, size * 0.22);
    }
    a.frames.push_back(frame);
  }
  return a;
}

Animation bubbles() {
  constexpr int kFrames = 12;
  const Conveyor conveyor{kHigh / 3.0, kHigh + kHigh / 3.0};
  Random random(32);
  struct Column {
    double x, radius, offset;
    QColor tint;
  };
  std::vector<Column> columns;
  const QColor tints[] = {QColor(160, 220, 255), QColor(200, 255, 230), QColor(255, 210, 240)};
  for (int i = 0; i < 9; ++i) {
    columns.push_back({40 + i * 54 + uniform(random, -12, 12), uniform(random, 7, 16),
                       uniform(random, 0, conveyor.spacing), tints[i % 3]});
  }
  Animation a{QStringLiteral("Bong bong.gif"), {}, kFrameMs};
  for (int f = 0; f < kFrames; ++f) {
    QImage frame = blank(kWide, kHigh);
    QPainter p(&frame);
    smooth(p);
    for (const Column& column : columns) {
      for (double k = 0; k < conveyor.length / conveyor.spacing; ++k) {
        // Rising: y decreases by one spacing per loop.
        double y = std::fmod(column.offset + k * conveyor.spacing - conveyor.spacing * f / kFrames +
                                 conveyor.length,
                             conveyor.length) -
                   conveyor.spacing / 2;
        const QPointF c(column.x + 10 * std::sin(y / 40), y);
        QRadialGradient g(c - QPointF(column.radius * 0.4, column.radius * 0.4),
                          column.radius * 1.4);
        g.setColorAt(0, QColor(255, 255, 255, 230));
        g.setColorAt(0.35, QColor(column.tint.red(), column.tint.green(), column.tint.blue(), 170));
        g.setColorAt(1, QColor(column.tint.red(), column.tint.green(), column.tint.blue(), 200));
        p.setPen(QPen(QColor(255, 255, 255, 220), 1.2));
        p.setBrush(g);
        p.drawEllipse(c, column.radius, column.radius);
      }
    }
    a.frames.push_back(frame);
  }
  return a;
}

// Falling things: petals turning as they fall, or confetti.
Animation falling(const QString& name, unsigned seed, bool petals) {
  constexpr int kFrames = 12;
  const Conveyor conveyor{kHigh / 3.0, kHigh + kHigh / 3.0};
  Random random(seed);
  struct Column {
    double x, size, offset, turn;
    QColor colour;
  };
  const QColor confetti[] = {QColor(255, 80, 80), QColor(255, 210, 50), QColor(80, 190, 255),
                             QColor(110, 220, 120), QColor(230, 120, 255)};
  std::vector<Column> columns;
  for (int i = 0; i < 11; ++i) {
    columns.push_back(
        {25 + i * 46 + uniform(random, -10, 10),
         petals ? uniform(random, 7, 12) : uniform(random, 4, 7),
         uniform(random, 0, conveyor.spacing), uniform(random, 0.6, 1.6),
         petals ? QColor(250, 160 + int(uniform(random, 0, 40)), 190) : confetti[i % 5]});
  }
  Animation a{name, {}, kFrameMs};
  for (int f = 0; f < kFrames; ++f) {
    QImage frame = blank(kWide, kHigh);
    QPainter p(&frame);
    smooth(p);
    for (const Column& column : columns) {
      for (double k = 0; k < conveyor.length / conveyor.spacing; ++k) {
        const double y =
            std::fmod(column.offset + k * conveyor.spacing + conveyor.spacing * f / kFrames,
                      conveyor.length) -
            conveyor.spacing / 2;
        const QPointF c(column.x + 14 * std::sin(y / 55 + column.turn), y);
        p.save();
        p.translate(c);
        p.rotate(y * column.turn);
        p.setPen(Qt::NoPen);
        if (petals) {
          QPainterPath petal;
          petal.moveTo(0, -column.size);
          petal.cubicTo(column.size, -column.size * 0.6, column.size * 0.8, column.size * 0.7, 0,
                        column.size);
          petal.cubicTo(-column.size * 0.8, column.size * 0.7, -column.size, -column.size * 0.6, 0,
                        -column.size);
          p.setBrush(column.colour);
          p.drawPath(petal);
          p.setBrush(column.colour.darker(120));
          p.drawEllipse(QPointF(0, column.size * 0.5), column.size * 0.15, column.size * 0.3);
        } else {
          // A strip of paper seen turning: its width follows the turn.
          const double w = column.size * 2 * std::abs(std::cos(y / 20));
          p.setBrush(column.colour);
          p.drawRect(
              QRectF(-std::max(1.5, w) / 2, -column.size, std::max(1.5, w), column.size * 2));
        }
        p.restore();
      }
    }
    a.frames.push_back(frame);
  }
  return a;
}

Animation flag() {
  constexpr int kFrames = 10;
  constexpr int kW = 350, kH = 250;
  // The flat flag, then each column of it shifted along a travelling wave and shaded by its
  // slope; the pole end stays still.
  const int fw = 200, fh = 134;
  QImage flat(fw, fh, QImage::Format_ARGB32);
  flat.fill(QColor(218, 37, 29));
  {
    QPainter p(&flat);
    smooth(p);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 221, 0));
    p.drawPath(starPath(QPointF(fw / 2.0, fh / 2.0), fh * 0.3, fh * 0.3 * 0.382));
  }
  Animation a{QStringLiteral("Co do sao vang.gif"), {}, kFrameMs};
  const double poleX = kW - 250, top = 40;
  for (int f = 0; f < kFrames; ++f) {
    QImage frame = blank(kW, kH);
    for (int x = 0; x < fw; ++x) {
      const double phase = 2 * kPi * (x / 120.0 - double(f) / kFrames);
      const double amplitude = 9.0 * x / fw;
      const double dy = amplitude * std::sin(phase);
      const double slope = std::cos(phase) * amplitude / 12;
      const double shade = 1.0 - 0.25 * slope;
      for (int y = 0; y < fh; ++y) {
        const int ty = int(std::lround(top + y + dy));
        if (ty < 0 || ty >= kH) continue;
        const QRgb c = flat.pixel(x, y);
        frame.setPixel(int(poleX) + 4 + x, ty,
                       qRgba(std::clamp(int(qRed(c) * shade), 0, 255),
                             std::clamp(int(qGreen(c) * shade), 0, 255),
                             std::clamp(int(qBlue(c) * shade), 0, 255), 255));
      }
    }
    QPainter p(&frame);
    smooth(p);
    QLinearGradient pole(poleX - 3, 0, poleX + 4, 0);
    pole.setColorAt(0, QColor(200, 200, 205));
    pole.setColorAt(1, QColor(110, 110, 120));
    p.setPen(Qt::NoPen);
    p.setBrush(pole);
    p.drawRect(QRectF(poleX - 3, top - 8, 7, kH - top));
    p.setBrush(QColor(240, 200, 60));
    p.drawEllipse(QPointF(poleX + 0.5, top - 12), 6, 6);
    a.frames.push_back(frame);
  }
  return a;
}

Animation balloons() {
  constexpr int kFrames = 10;
  constexpr int kW = 350, kH = 250;
  struct Balloon {
    QPointF at;
    double radius, phase;
    QColor colour;
  };
  const Balloon list[] = {{{150, 80}, 26, 0.0, QColor(235, 50, 60)},
                          {{205, 60}, 30, 0.3, QColor(255, 200, 40)},
                          {{260, 90}, 25, 0.6, QColor(60, 150, 240)},
                          {{305, 70}, 22, 0.8, QColor(80, 200, 110)}};
  Animation a{QStringLiteral("Bong bay.gif"), {}, kFrameMs};
  for (int f = 0; f < kFrames; ++f) {
    QImage frame = blank(kW, kH);
    QPainter p(&frame);
    smooth(p);
    const QPointF knot(235, 230);
    for (const Balloon& b : list) {
      const double t = 2 * kPi * (double(f) / kFrames + b.phase);
      const QPointF c = b.at + QPointF(4 * std::sin(t), 7 * std::cos(t));
      const QPointF bottom = c + QPointF(0, b.radius * 1.2);
      QPainterPath string;
      string.moveTo(bottom);
      string.quadTo((bottom + knot) / 2 + QPointF(8 * std::sin(t + 1), 0), knot);
      p.setPen(QPen(QColor(90, 90, 90), 1.2));
      p.setBrush(Qt::NoBrush);
      p.drawPath(string);
      QRadialGradient g(c - QPointF(b.radius * 0.35, b.radius * 0.45), b.radius * 1.5);
      g.setColorAt(0, b.colour.lighter(160));
      g.setColorAt(1, b.colour.darker(120));
      p.setPen(Qt::NoPen);
      p.setBrush(g);
      p.drawEllipse(c, b.radius, b.radius * 1.2);
      QPolygonF tie{bottom, bottom + QPointF(-4, 6), bottom + QPointF(4, 6)};
      p.setBrush(b.colour.darker(120));
      p.drawPolygon(tie);
    }
    a.frames.push_back(frame);
  }
  return a;
}

}  // namespace

std::vector<Animation> backgrounds() { return {sparkles(), bubbles()}; }

std::vector<Animation> overlays() {
  return {falling(QStringLiteral("Hoa dao roi.gif"), 33, true),
          falling(QStringLiteral("Kim tuyen.gif"), 34, false)};
}

std::vector<Animation> corners() { return {flag(), balloons()}; }

}  // namespace kc::tools::animations
