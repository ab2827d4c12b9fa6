#include "tools/skins.h"

#include "core/data_folder.h"
#include "tools/pictures.h"
#include "tools/text_file.h"

#include <QDir>
#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>

#include <cmath>
#include <numbers>
#include <stdexcept>

namespace kc::tools {
namespace {

constexpr double kPi = std::numbers::pi;

QColor alpha(QColor c, int a) {
  c.setAlpha(a);
  return c;
}

// ---- motifs -------------------------------------------------------------------------------
// Each draws over the backdrop gradient; density scales how many elements fill the area
// (1 for the show's background, less where text or buttons sit on top).

int countFor(const QRectF& r, double perMegapixel, double density) {
  return std::max(1, int(std::lround(r.width() * r.height() / 1e6 * perMegapixel * density)));
}

void wood(QPainter& p, const QRectF& r, const SkinLook& s, double density, Random& random) {
  const int lines = int(r.height() / 5);
  for (int i = 0; i < lines; ++i) {
    const double y0 = r.top() + i * 5 + uniform(random, -2, 2);
    const double phase = uniform(random, 0, 6.28), length = uniform(random, 90, 260);
    QPainterPath grain;
    grain.moveTo(r.left(), y0);
    for (double x = r.left(); x <= r.right() + 8; x += 8) {
      grain.lineTo(x,
                   y0 + 3 * std::sin((x + phase * 40) / length) + 1.5 * std::sin(x / 37 + phase));
    }
    p.setPen(QPen(alpha(i % 3 ? s.ink : s.ink2, int(uniform(random, 25, 70))),
                  uniform(random, 0.6, 2.2)));
    p.setBrush(Qt::NoBrush);
    p.drawPath(grain);
  }
  const int knots = countFor(r, 6, density);
  for (int k = 0; k < knots; ++k) {
    const QPointF c(uniform(random, r.left(), r.right()), uniform(random, r.top(), r.bottom()));
    const double w = uniform(random, 14, 30);
    for (int ring = 0; ring < 5; ++ring) {
      p.setPen(QPen(alpha(s.ink2, 70 - ring * 10), 1.3));
      p.drawEllipse(c, w * (1 + ring * 0.6), w * (0.35 + ring * 0.25));
    }
  }
}

void leaves(QPainter& p, const QRectF& r, const SkinLook& s, double density, Random& random) {
  const int count = countFor(r, 110, density);
  for (int i = 0; i < count; ++i) {
    const QPointF c(uniform(random, r.left(), r.right()), uniform(random, r.top(), r.bottom()));
    const double len = uniform(random, 18, 55);
    p.save();
    p.translate(c);
    p.rotate(uniform(random, 0, 360));
    QPainterPath leaf;
    leaf.moveTo(-len / 2, 0);
    leaf.quadTo(0, -len * 0.38, len / 2, 0);
    leaf.quadTo(0, len * 0.38, -len / 2, 0);
    const QColor colour = alpha(i % 2 ? s.ink : s.ink2, int(uniform(random, 50, 130)));
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawPath(leaf);
    p.setPen(QPen(alpha(colour.lighter(150), colour.alpha()), 1));
    p.drawLine(QPointF(-len / 2, 0), QPointF(len / 2, 0));
    p.restore();
  }
}

void sparkle(QPainter& p, QPointF c, double size, const QColor& colour) {
  QPainterPath star;
  star.moveTo(c.x(), c.y() - size);
  star.quadTo(c, QPointF(c.x() + size, c.y()));
  star.quadTo(c, QPointF(c.x(), c.y() + size));
  star.quadTo(c, QPointF(c.x() - size, c.y()));
  star.quadTo(c, QPointF(c.x(), c.y() - size));
  p.setPen(Qt::NoPen);
  p.setBrush(colour);
  p.drawPath(star);
}

void bokeh(QPainter& p, const QRectF& r, const SkinLook& s, double density, Random& random) {
  const int count = countFor(r, 60, density);
  for (int i = 0; i < count; ++i) {
    const QPointF c(uniform(random, r.left(), r.right()), uniform(random, r.top(), r.bottom()));
    const double radius = uniform(random, 10, 70);
    QRadialGradient g(c, radius);
    const QColor colour = i % 2 ? s.ink : s.ink2;
    g.setColorAt(0, alpha(colour, int(uniform(random, 40, 100))));
    g.setColorAt(0.8, alpha(colour, 30));
    g.setColorAt(1, alpha(colour, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawEllipse(c, radius, radius);
  }
  for (int i = 0; i < count; ++i) {
    sparkle(p, QPointF(uniform(random, r.left(), r.right()), uniform(random, r.top(), r.bottom())),
            uniform(random, 3, 9), QColor(255, 255, 255, int(uniform(random, 120, 230))));
  }
}

void fireworks(QPainter& p, const QRectF& r, const SkinLook& s, double density, Random& random) {
  const int stars = countFor(r, 500, density);
  p.setPen(Qt::NoPen);
  for (int i = 0; i < stars; ++i) {
    p.setBrush(QColor(255, 255, 255, int(uniform(random, 60, 220))));
    const double d = uniform(random, 0.5, 1.6);
    p.drawEllipse(
        QPointF(uniform(random, r.left(), r.right()), uniform(random, r.top(), r.bottom())), d, d);
  }
  const QColor colours[] = {QColor(255, 80, 80),   QColor(255, 210, 60),  QColor(90, 200, 255),
                            QColor(120, 255, 140), QColor(240, 120, 255), s.ink};
  const int bursts = countFor(r, 9, density);
  for (int b = 0; b < bursts; ++b) {
    const QPointF c(uniform(random, r.left(), r.right()),
                    uniform(random, r.top(), r.top() + r.height() * 0.75));
    const double radius = uniform(random, 30, 110) * std::min(1.0, r.height() / 400);
    const QColor colour = colours[b % 6];
    const int rays = 26;
    for (int i = 0; i < rays; ++i) {
      const double a = 2 * kPi * i / rays + uniform(random, -0.05, 0.05);
      const QPointF dir(std::cos(a), std::sin(a) + 0.08);
      QLinearGradient g(c, c + dir * radius);
      g.setColorAt(0, alpha(colour, 0));
      g.setColorAt(1, alpha(colour, 220));
      p.setPen(QPen(QBrush(g), 1.8, Qt::SolidLine, Qt::RoundCap));
      p.drawLine(c + dir * radius * 0.25, c + dir * radius);
      p.setPen(Qt::NoPen);
      p.setBrush(colour.lighter(130));
      p.drawEllipse(c + dir * radius, 2.2, 2.2);
    }
    QRadialGradient glow(c, radius * 0.5);
    glow.setColorAt(0, alpha(colour.lighter(160), 140));
    glow.setColorAt(1, alpha(colour, 0));
    p.setBrush(glow);
    p.drawEllipse(c, radius * 0.5, radius * 0.5);
  }
}

void hexagon(QPainter& p, QPointF c, double radius) {
  QPolygonF hex;
  for (int i = 0; i < 6; ++i) {
    const double a = kPi / 3 * i + kPi / 6;
    hex << c + QPointF(std::cos(a), std::sin(a)) * radius;
  }
  p.drawPolygon(hex);
}

void molecules(QPainter& p, const QRectF& r, const SkinLook& s, double density, Random& random) {
  // A faint hexagonal lattice, then benzene rings and ball-and-stick molecules.
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(alpha(s.ink, 28), 1));
  const double side = 26;
  for (double y = r.top(); y < r.bottom() + side; y += side * 1.5) {
    const int row = int((y - r.top()) / (side * 1.5));
    for (double x = r.left() + (row % 2) * side * 0.866; x < r.right() + side; x += side * 1.732) {
      hexagon(p, QPointF(x, y), side);
    }
  }
  const int rings = countFor(r, 14, density);
  for (int i = 0; i < rings; ++i) {
    const QPointF c(uniform(random, r.left(), r.right()), uniform(random, r.top(), r.bottom()));
    const double radius = uniform(random, 16, 34);
    p.setPen(QPen(alpha(s.ink2, 170), 2.2));
    hexagon(p, c, radius);
    p.drawEllipse(c, radius * 0.55, radius * 0.55);
  }
  const QColor atoms[] = {QColor(230, 60, 50), QColor(245, 245, 245), QColor(60, 60, 70),
                          QColor(70, 120, 240), QColor(250, 200, 40)};
  const int count = countFor(r, 16, density);
  for (int m = 0; m < count; ++m) {
    const QPointF c(uniform(random, r.left(), r.right()), uniform(random, r.top(), r.bottom()));
    const int bonds = int(uniform(random, 2, 5));
    const double start = uniform(random, 0, 2 * kPi);
    std::vector<QPointF> ends;
    for (int b = 0; b < bonds; ++b) {
      const double a = start + 2 * kPi * b / bonds;
      ends.push_back(c + QPointF(std::cos(a), std::sin(a)) * uniform(random, 22, 34));
    }
    p.setPen(QPen(alpha(QColor(230, 240, 240), 200), 3));
    for (const QPointF& e : ends) p.drawLine(c, e);
    auto ball = [&](QPointF at, double radius, QColor colour) {
      QRadialGradient g(at - QPointF(radius * 0.35, radius * 0.35), radius * 1.3);
      g.setColorAt(0, colour.lighter(170));
      g.setColorAt(1, colour.darker(140));
      p.setPen(Qt::NoPen);
      p.setBrush(g);
      p.drawEllipse(at, radius, radius);
    };
    ball(c, uniform(random, 9, 13), atoms[m % 5]);
    for (size_t b = 0; b < ends.size(); ++b) ball(ends[b], 6.5, atoms[(m + b + 1) % 5]);
  }
}

// The bronze drum: concentric rings with a star at its heart, sun rays around.
void drum(QPainter& p, const QRectF& r, const SkinLook& s, double density, Random& random) {
  const QPointF c =
      density >= 1 ? r.center() : QPointF(r.right() - r.height() * 0.45, r.center().y());
  const double radius = (density >= 1 ? 0.62 : 0.75) * std::min(r.width(), r.height());
  p.setPen(Qt::NoPen);
  for (int i = 0; i < 32; ++i) {
    const double a0 = 2 * kPi * i / 32, a1 = a0 + kPi / 32;
    QPainterPath ray;
    ray.moveTo(c);
    ray.lineTo(c + QPointF(std::cos(a0), std::sin(a0)) * radius * 3);
    ray.lineTo(c + QPointF(std::cos(a1), std::sin(a1)) * radius * 3);
    ray.closeSubpath();
    p.setBrush(alpha(s.ink2, 18));
    p.drawPath(ray);
  }
  p.setBrush(Qt::NoBrush);
  for (int ring = 1; ring <= 9; ++ring) {
    const double rr = radius * ring / 9.0;
    p.setPen(QPen(alpha(s.ink, ring % 3 == 0 ? 90 : 45), ring % 3 == 0 ? 2.5 : 1.2));
    p.drawEllipse(c, rr, rr);
    if (ring % 3 == 2) {
      // A band of small marks between rings, as on the drum's face.
      const int marks = 12 * ring;
      for (int k = 0; k < marks; ++k) {
        const double a = 2 * kPi * k / marks;
        const QPointF dir(std::cos(a), std::sin(a));
        p.drawLine(c + dir * (rr + 3), c + dir * (rr + radius / 9 - 3));
      }
    }
  }
  const double starRadius = radius * 0.2;
  QRadialGradient glow(c, starRadius * 2.2);
  glow.setColorAt(0, alpha(s.ink, 120));
  glow.setColorAt(1, alpha(s.ink, 0));
  p.setPen(Qt::NoPen);
  p.setBrush(glow);
  p.drawEllipse(c, starRadius * 2.2, starRadius * 2.2);
  p.setBrush(QColor(255, 221, 0));
  p.drawPath(starPath(c, starRadius, starRadius * 0.382));
  for (int i = 0; i < countFor(r, 20, density); ++i) {
    const QPointF at(uniform(random, r.left(), r.right()), uniform(random, r.top(), r.bottom()));
    p.setBrush(alpha(QColor(255, 221, 0), int(uniform(random, 60, 140))));
    p.drawPath(starPath(at, uniform(random, 4, 9), 2));
  }
}

void branch(QPainter& p, QPointF from, double angle, double length, double width, int depth,
            Random& random, std::vector<QPointF>& tips) {
  const QPointF to = from + QPointF(std::cos(angle), std::sin(angle)) * length;
  const QPointF bend =
      (from + to) / 2 + QPointF(uniform(random, -1, 1), uniform(random, -1, 1)) * length * 0.15;
  QPainterPath path;
  path.moveTo(from);
  path.quadTo(bend, to);
  p.setPen(QPen(QColor(85, 50, 35), width, Qt::SolidLine, Qt::RoundCap));
  p.setBrush(Qt::NoBrush);
  p.drawPath(path);
  for (double t = 0.3; t < 1.0; t += 0.25) tips.push_back(path.pointAtPercent(t));
  tips.push_back(to);
  if (depth == 0) return;
  branch(p, to, angle + uniform(random, 0.2, 0.6), length * 0.7, width * 0.65, depth - 1, random,
         tips);
  branch(p, to, angle - uniform(random, 0.2, 0.6), length * 0.65, width * 0.65, depth - 1, random,
         tips);
  if (depth > 1) {
    branch(p, path.pointAtPercent(0.5), angle + uniform(random, -0.9, 0.9), length * 0.5,
           width * 0.5, depth - 2, random, tips);
  }
}

void blossoms(QPainter& p, const QRectF& r, const SkinLook& s, double density, Random& random) {
  std::vector<QPointF> tips;
  const double scale = std::min(r.width(), r.height()) / 768.0;
  const double size = std::max(0.45, scale);
  // Branches reach in from the top-left and the bottom-right corners, leaving the middle free.
  branch(p, r.topLeft() + QPointF(-10, r.height() * 0.12), 0.25, 260 * size, 13 * size, 3, random,
         tips);
  if (density >= 0.6) {
    branch(p, r.bottomRight() + QPointF(10, -r.height() * 0.1), kPi + 0.3, 230 * size, 12 * size, 3,
           random, tips);
  }
  for (const QPointF& tip : tips) {
    const int n = int(uniform(random, 1, 3));
    for (int k = 0; k < n; ++k) {
      const QPointF at = tip + QPointF(uniform(random, -14, 14), uniform(random, -14, 14)) * size;
      drawBlossom(p, at, uniform(random, 9, 17) * size, uniform(random, 0, 72), s.ink, s.ink2);
    }
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(120, 160, 70, 200));
    p.drawEllipse(tip + QPointF(6, 5) * size, 5 * size, 2.5 * size);
  }
  for (int i = 0; i < countFor(r, 40, density); ++i) {
    const QPointF at(uniform(random, r.left(), r.right()), uniform(random, r.top(), r.bottom()));
    p.save();
    p.translate(at);
    p.rotate(uniform(random, 0, 360));
    p.setBrush(alpha(s.ink, int(uniform(random, 110, 200))));
    p.drawEllipse(QPointF(0, 0), 7 * size, 4 * size);
    p.restore();
  }
}

void chalk(QPainter& p, const QRectF& r, const SkinLook& s, double density, Random& random) {
  // Smudges of wiped chalk, then a few doodles near the edges.
  for (int i = 0; i < countFor(r, 90, 1.0); ++i) {
    const QPointF at(uniform(random, r.left(), r.right()), uniform(random, r.top(), r.bottom()));
    QRadialGradient g(at, uniform(random, 30, 120));
    g.setColorAt(0, QColor(255, 255, 255, int(uniform(random, 6, 18))));
    g.setColorAt(1, QColor(255, 255, 255, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawEllipse(at, 130, 60);
  }
  for (int i = 0; i < countFor(r, 300, 1.0); ++i) {
    const QPointF at(uniform(random, r.left(), r.right()), uniform(random, r.top(), r.bottom()));
    p.setPen(QPen(QColor(255, 255, 255, int(uniform(random, 8, 25))), uniform(random, 1, 3)));
    p.drawLine(at, at + QPointF(uniform(random, -40, 40), uniform(random, -6, 6)));
  }
  if (density < 0.5) return;
  const double k = std::min(1.0, r.height() / 768.0) * (density >= 1 ? 1 : 0.7);
  p.setPen(alpha(s.ink, 150));
  p.setFont(captionFont(34 * k, false));
  const QPointF tl = r.topLeft();
  p.drawText(tl + QPointF(r.width() - 330 * k, 70 * k), QStringLiteral("a² + b² = c²"));
  p.drawText(tl + QPointF(40 * k, r.height() - 60 * k), QStringLiteral("π ≈ 3,14"));
  p.setFont(captionFont(28 * k, false));
  p.drawText(tl + QPointF(r.width() - 260 * k, r.height() - 70 * k), QStringLiteral("H₂O"));
  p.setPen(QPen(alpha(s.ink, 140), 2.5 * k));
  p.setBrush(Qt::NoBrush);
  const QPointF t = tl + QPointF(70 * k, 60 * k);
  p.drawPolygon(
      QPolygonF{t + QPointF(0, 110 * k), t + QPointF(140 * k, 110 * k), t + QPointF(0, 0)});
  p.drawRect(QRectF(t + QPointF(0, 95 * k), QSizeF(15 * k, 15 * k)));
  p.setPen(QPen(alpha(s.ink2, 150), 2.5 * k));
  p.drawEllipse(tl + QPointF(r.width() - 120 * k, r.height() / 2), 55 * k, 55 * k);
  p.drawLine(tl + QPointF(r.width() - 120 * k, r.height() / 2),
             tl + QPointF(r.width() - 65 * k, r.height() / 2));
}

void chalkFrame(QPainter& p, const QRectF& r, double width) {
  QLinearGradient wood(r.topLeft(), r.bottomLeft());
  wood.setColorAt(0, QColor(150, 100, 55));
  wood.setColorAt(1, QColor(105, 65, 35));
  QPainterPath frame;
  frame.addRect(r);
  frame.addRect(r.adjusted(width, width, -width, -width));
  p.setPen(QPen(QColor(70, 40, 20), 1));
  p.setBrush(wood);
  p.drawPath(frame);
}

void tiles(QPainter& p, const QRectF& r, const SkinLook& s, double density, Random& random) {
  const QColor colours[] = {QColor(0, 164, 164), QColor(0, 120, 215), QColor(232, 17, 35),
                            QColor(255, 140, 0), QColor(0, 138, 0),   QColor(180, 0, 158),
                            QColor(0, 99, 177),  QColor(76, 74, 72),  QColor(227, 0, 140)};
  const double cell = std::clamp(r.height() / 6, 30.0, 120.0);
  const double gap = cell * 0.07;
  const int cols = int(r.width() / cell) + 1, rows = int(r.height() / cell) + 1;
  for (int y = 0; y < rows; ++y) {
    for (int x = 0; x < cols; ++x) {
      // The menu's title sits along the top, so only the full background gets a top row.
      const bool edge = (y == 0 && density >= 1) || y == rows - 1 || x >= cols - 2;
      if (uniform(random, 0, 1) > (edge ? 0.8 : 0.35 * density)) continue;
      const bool wide = uniform(random, 0, 1) < 0.3 && x + 1 < cols;
      const QRectF tile(r.left() + x * cell + gap, r.top() + y * cell + gap,
                        (wide ? 2 : 1) * cell - 2 * gap, cell - 2 * gap);
      QColor colour = colours[int(uniform(random, 0, 9))];
      colour.setAlpha(edge ? 235 : 90);
      p.setPen(Qt::NoPen);
      p.setBrush(colour);
      p.drawRect(tile);
      if (edge && uniform(random, 0, 1) < 0.5) {
        const Glyph glyphs[] = {Glyph::Folder, Glyph::Gear, Glyph::Info, Glyph::Picture,
                                Glyph::Disk};
        drawGlyph(p,
                  QRectF(tile.center() - QPointF(cell * 0.17, cell * 0.17),
                         QSizeF(cell * 0.34, cell * 0.34)),
                  glyphs[int(uniform(random, 0, 5))], QColor(255, 255, 255, 220));
      }
      if (wide) ++x;
    }
  }
}

void waves(QPainter& p, const QRectF& r, const SkinLook& s, double density, Random& random) {
  const QColor colours[] = {QColor(255, 200, 210), QColor(190, 220, 255), QColor(200, 240, 210),
                            QColor(255, 235, 180), QColor(220, 200, 250)};
  for (int i = 0; i < 5; ++i) {
    QPainterPath wave;
    const double y0 = r.top() + r.height() * (0.45 + 0.11 * i);
    const double length = uniform(random, 90, 200), phase = uniform(random, 0, 6.28);
    wave.moveTo(r.left(), y0);
    for (double x = r.left(); x <= r.right() + 10; x += 10) {
      wave.lineTo(x, y0 + r.height() * 0.05 * std::sin(x / length + phase));
    }
    wave.lineTo(r.right() + 10, r.bottom());
    wave.lineTo(r.left(), r.bottom());
    p.setPen(QPen(alpha(colours[i].darker(110), 160), 1.5));
    p.setBrush(alpha(colours[i], 140));
    p.drawPath(wave);
  }
  for (int i = 0; i < countFor(r, 30, density); ++i) {
    const QPointF at(uniform(random, r.left(), r.right()), uniform(random, r.top(), r.bottom()));
    const double radius = uniform(random, 8, 40);
    p.setPen(Qt::NoPen);
    p.setBrush(alpha(colours[i % 5].darker(105), 150));
    p.drawEllipse(at, radius, radius);
  }
}

void paintBackdrop(QPainter& p, const QRectF& r, const SkinLook& s, double density, unsigned seed) {
  Random random(seed);
  QLinearGradient g(r.topLeft(), r.bottomRight() * 0.3 + r.bottomLeft() * 0.7);
  g.setColorAt(0, s.top);
  g.setColorAt(1, s.bottom);
  p.fillRect(r, g);
  p.save();
  p.setClipRect(r);
  switch (s.motif) {
    case Motif::Wood:
      wood(p, r, s, density, random);
      break;
    case Motif::Leaves:
      leaves(p, r, s, density, random);
      break;
    case Motif::Bokeh:
      bokeh(p, r, s, density, random);
      break;
    case Motif::Fireworks:
      fireworks(p, r, s, density, random);
      break;
    case Motif::Molecules:
      molecules(p, r, s, density, random);
      break;
    case Motif::Drum:
      drum(p, r, s, density, random);
      break;
    case Motif::Blossoms:
      blossoms(p, r, s, density, random);
      break;
    case Motif::Chalk:
      chalk(p, r, s, density, random);
      break;
    case Motif::Tiles:
      tiles(p, r, s, density, random);
      break;
    case Motif::Waves:
      waves(p, r, s, density, random);
      break;
  }
  p.restore();
  // A soft vignette keeps the middle, where the board and the questions go, calm.
  if (s.motif != Motif::Tiles) {
    QRadialGradient vignette(r.center(), std::hypot(r.width(), r.height()) / 2);
    vignette.setColorAt(0.55, QColor(0, 0, 0, 0));
    vignette.setColorAt(1, QColor(0, 0, 0, 60));
    p.fillRect(r, vignette);
  }
}

// ---- pictures of a skin -------------------------------------------------------------------

QImage canvas(int w, int h) {
  QImage image(w, h, QImage::Format_RGB32);
  image.fill(Qt::black);
  return image;
}

// The button face: fills the whole picture (a JPEG has no transparency), the border just
// inside so that it shows at the control's edges.
void paintFace(QPainter& p, const QRectF& r, const SkinLook& s) {
  p.fillRect(r, s.bottom);
  const QRectF face = r.adjusted(1, 1, -1, -1);
  const double radius = s.flat ? 0 : std::min(8.0, r.height() * 0.28);
  QLinearGradient g(face.topLeft(), face.bottomLeft());
  g.setColorAt(0, s.face1);
  g.setColorAt(1, s.face2);
  p.setPen(QPen(s.edge, s.flat ? 0 : 1.5));
  if (s.flat) p.setPen(Qt::NoPen);
  p.setBrush(g);
  p.drawRoundedRect(face, radius, radius);
  if (!s.flat) {
    QLinearGradient gloss(face.topLeft(), QPointF(face.left(), face.center().y()));
    gloss.setColorAt(0, QColor(255, 255, 255, 90));
    gloss.setColorAt(1, QColor(255, 255, 255, 10));
    p.setPen(Qt::NoPen);
    p.setBrush(gloss);
    p.drawRoundedRect(face.adjusted(2, 2, -2, -face.height() / 2), radius * 0.8, radius * 0.8);
  }
}

QImage button(const SkinLook& s, int w, int h, const QString& caption, Glyph glyph) {
  QImage image = canvas(w, h);
  QPainter p(&image);
  smooth(p);
  const QRectF r(0, 0, w, h);
  paintFace(p, r, s);
  const double icon = h * 0.6;
  drawGlyph(p, QRectF(h * 0.25, (h - icon) / 2, icon, icon), glyph, s.caption);
  const QColor shadow =
      s.caption.lightness() > 128 ? QColor(0, 0, 0, 110) : QColor(255, 255, 255, 110);
  drawFittedText(p, QRectF(h * 0.25 + icon + 2, 0, w - (h * 0.25 + icon + 2) - 6, h), caption,
                 h * 0.5, s.caption, shadow);
  return image;
}

QImage verdict(const SkinLook& s, int w, int h, Glyph glyph, const QColor& colour) {
  QImage image = canvas(w, h);
  QPainter p(&image);
  smooth(p);
  paintFace(p, QRectF(0, 0, w, h), s);
  const double size = h * 0.8;
  drawGlyph(p, QRectF((w - size) / 2, (h - size) / 2, size, size), glyph, colour);
  return image;
}

QImage exitSign(const SkinLook& s, int w, int h) {
  QImage image = canvas(w, h);
  QPainter p(&image);
  smooth(p);
  paintFace(p, QRectF(0, 0, w, h), s);
  // A green exit sign: a running figure leaving through a door.
  const QRectF sign(4, 4, w - 8, h - 8);
  p.setPen(QPen(QColor(255, 255, 255), 1.2));
  p.setBrush(QColor(0, 150, 70));
  p.drawRoundedRect(sign, 3, 3);
  p.setBrush(QColor(255, 255, 255));
  p.setPen(Qt::NoPen);
  const QRectF door(sign.right() - sign.width() * 0.36, sign.top() + 3, sign.width() * 0.26,
                    sign.height() - 6);
  p.drawRect(door);
  p.setBrush(QColor(0, 150, 70));
  p.drawRect(door.adjusted(2, 2, -2, 0));
  p.setBrush(QColor(255, 255, 255));
  const QPointF head(sign.left() + sign.width() * 0.34, sign.top() + sign.height() * 0.22);
  p.drawEllipse(head, 2.6, 2.6);
  QPen limb(QColor(255, 255, 255), 2.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
  p.setPen(limb);
  const QPointF hip = head + QPointF(-2, 10);
  p.drawLine(head + QPointF(0, 3), hip);
  p.drawLine(hip, hip + QPointF(6, 5));
  p.drawLine(hip, hip + QPointF(-5, 6));
  p.drawLine(head + QPointF(-0.5, 6), head + QPointF(7, 5));
  p.drawLine(head + QPointF(-0.5, 6), head + QPointF(-7, 9));
  return image;
}

QImage backdrop(const SkinLook& s, int w, int h, double density, unsigned seed) {
  QImage image = canvas(w, h);
  QPainter p(&image);
  smooth(p);
  paintBackdrop(p, QRectF(0, 0, w, h), s, density, seed);
  if (s.motif == Motif::Chalk) chalkFrame(p, QRectF(0, 0, w, h), std::max(8.0, h / 40.0));
  return image;
}

QImage strip(const SkinLook& s, int w, int h, unsigned seed) {
  QImage image = backdrop(s, w, h, 0.5, seed);
  QPainter p(&image);
  smooth(p);
  // A calm veil over the motif: the question is written on this strip.
  p.fillRect(image.rect(), alpha(s.top, 150));
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(s.edge, 3));
  p.drawRoundedRect(QRectF(4, 4, w - 8, h - 8), 10, 10);
  p.setPen(QPen(alpha(s.edge, 140), 1));
  p.drawRoundedRect(QRectF(9, 9, w - 18, h - 18), 7, 7);
  return image;
}

QColor rgb(int r, int g, int b) { return QColor(r, g, b); }

}  // namespace

QString storedColour(const QColor& colour) {
  return QString::number(colour.red() + 256 * colour.green() + 65536 * colour.blue());
}

const std::vector<SkinLook>& skinLooks() {
  // Each palette pairs a backdrop with colours that read on it: line 2 of the colour file is
  // also the menu's title colour, so it must stand out against the menu picture as well as
  // against the cell background.
  static const std::vector<SkinLook> looks = {
      {u"Brown",
       rgb(120, 74, 40),
       rgb(70, 40, 20),
       rgb(232, 196, 140),
       rgb(176, 118, 60),
       rgb(90, 50, 20),
       rgb(60, 30, 10),
       rgb(50, 25, 8),
       rgb(150, 95, 50),
       Motif::Wood,
       false,
       {rgb(120, 72, 36), rgb(255, 236, 200), rgb(200, 150, 90), rgb(232, 172, 60),
        rgb(60, 30, 10)}},
      {u"Green",
       rgb(40, 130, 70),
       rgb(10, 70, 35),
       rgb(170, 230, 140),
       rgb(60, 150, 70),
       rgb(20, 80, 30),
       rgb(10, 50, 20),
       rgb(150, 220, 110),
       rgb(220, 240, 120),
       Motif::Leaves,
       false,
       {rgb(30, 110, 60), rgb(255, 255, 255), rgb(150, 220, 110), rgb(250, 220, 80),
        rgb(20, 60, 30)}},
      {u"Violet",
       rgb(120, 70, 180),
       rgb(50, 20, 90),
       rgb(220, 190, 250),
       rgb(140, 90, 200),
       rgb(70, 30, 110),
       rgb(40, 10, 70),
       rgb(240, 170, 255),
       rgb(170, 200, 255),
       Motif::Bokeh,
       false,
       {rgb(90, 50, 140), rgb(255, 240, 255), rgb(200, 160, 240), rgb(255, 200, 90),
        rgb(60, 20, 80)}},
      {u"Firework",
       rgb(20, 30, 80),
       rgb(2, 4, 20),
       rgb(70, 90, 170),
       rgb(20, 30, 90),
       rgb(255, 210, 90),
       rgb(255, 235, 150),
       rgb(255, 120, 200),
       rgb(255, 220, 120),
       Motif::Fireworks,
       false,
       {rgb(20, 30, 80), rgb(255, 230, 120), rgb(90, 200, 255), rgb(220, 40, 60),
        rgb(255, 255, 255)}},
      {u"Chemistry",
       rgb(0, 110, 130),
       rgb(0, 45, 60),
       rgb(160, 235, 240),
       rgb(30, 140, 160),
       rgb(0, 60, 80),
       rgb(0, 40, 55),
       rgb(180, 255, 250),
       rgb(200, 255, 250),
       Motif::Molecules,
       false,
       {rgb(0, 90, 110), rgb(200, 255, 250), rgb(120, 220, 230), rgb(255, 150, 40),
        rgb(20, 20, 40)}},
      {u"VietNam",
       rgb(218, 37, 29),
       rgb(140, 0, 10),
       rgb(255, 230, 90),
       rgb(240, 180, 0),
       rgb(150, 0, 0),
       rgb(150, 0, 0),
       rgb(255, 221, 0),
       rgb(255, 200, 60),
       Motif::Drum,
       false,
       {rgb(170, 0, 20), rgb(255, 221, 0), rgb(255, 120, 80), rgb(255, 205, 0), rgb(170, 0, 0)}},
      {u"Hoadao",
       rgb(255, 244, 236),
       rgb(250, 208, 220),
       rgb(255, 225, 235),
       rgb(240, 150, 180),
       rgb(190, 60, 100),
       rgb(130, 20, 60),
       rgb(245, 140, 175),
       rgb(200, 40, 90),
       Motif::Blossoms,
       false,
       {rgb(255, 228, 236), rgb(150, 20, 70), rgb(245, 140, 175), rgb(200, 40, 90),
        rgb(255, 255, 255)}},
      {u"BlackBoard",
       rgb(46, 84, 60),
       rgb(24, 50, 34),
       rgb(60, 100, 72),
       rgb(36, 70, 48),
       rgb(230, 230, 215),
       rgb(245, 245, 235),
       rgb(245, 245, 235),
       rgb(250, 230, 140),
       Motif::Chalk,
       false,
       {rgb(40, 75, 55), rgb(240, 240, 230), rgb(200, 220, 200), rgb(250, 230, 140),
        rgb(40, 60, 45)}},
      {u"Win8",
       rgb(20, 60, 130),
       rgb(10, 30, 80),
       rgb(0, 120, 215),
       rgb(0, 120, 215),
       rgb(0, 120, 215),
       rgb(255, 255, 255),
       rgb(255, 255, 255),
       rgb(255, 255, 255),
       Motif::Tiles,
       true,
       {rgb(0, 120, 215), rgb(255, 255, 255), rgb(0, 164, 164), rgb(255, 140, 0),
        rgb(255, 255, 255)}},
      {u"Gentlycolor",
       rgb(246, 248, 255),
       rgb(225, 232, 250),
       rgb(255, 255, 255),
       rgb(210, 225, 245),
       rgb(130, 150, 190),
       rgb(50, 60, 90),
       rgb(200, 210, 240),
       rgb(255, 210, 220),
       Motif::Waves,
       false,
       {rgb(255, 250, 235), rgb(50, 60, 90), rgb(200, 220, 240), rgb(170, 210, 240),
        rgb(30, 40, 80)}},
  };
  return looks;
}

void writeSkin(const QString& folder, const SkinLook& s) {
  const QDir dir(folder);
  const unsigned seed = unsigned(qHash(s.name.toString()));
  auto save = [&](QStringView file, const QImage& image) {
    saveJpeg(image, dir.filePath(file.mid(1).toString()));  // the names start with '\'
  };
  namespace skin = kc::data::skin;
  // Sizes in pixels are the controls' sizes in twips / 15.
  {
    // The menu picture: the motif kept away from the button column and the titles.
    QImage menu = backdrop(s, 625, 268, 0.7, seed);
    save(skin::kMenu, menu);
  }
  save(skin::kOpen, button(s, 197, 41, QStringLiteral("Mở ô chữ"), Glyph::Folder));
  save(skin::kNew, button(s, 197, 41, QStringLiteral("Tạo ô chữ mới"), Glyph::Plus));
  save(skin::kSetup, button(s, 197, 45, QStringLiteral("Cài đặt"), Glyph::Gear));
  save(skin::kAbout, button(s, 197, 45, QStringLiteral("Giới thiệu"), Glyph::Info));
  save(skin::kOut, button(s, 197, 45, QStringLiteral("Thoát"), Glyph::Door));
  save(skin::kRight, verdict(s, 41, 33, Glyph::Tick, QColor(20, 160, 50)));
  save(skin::kWrong, verdict(s, 41, 33, Glyph::Cross, QColor(215, 25, 25)));
  save(skin::kExit, exitSign(s, 41, 33));
  save(skin::kBackground, backdrop(s, 1024, 768, 1.0, seed + 1));
  save(skin::kStrip, strip(s, 177, 503, seed + 2));
  save(skin::kBack, button(s, 195, 45, QStringLiteral("Trở lại"), Glyph::ArrowLeft));
  save(skin::kSave, button(s, 219, 45, QStringLiteral("Lưu thành"), Glyph::Disk));
  save(skin::kEdit, button(s, 221, 45, QStringLiteral("Mở ô chữ"), Glyph::Folder));
  save(skin::kPrint, button(s, 154, 39, QStringLiteral("Tạo ảnh"), Glyph::Picture));
  QStringList colours;
  for (const QColor& c : s.colours) colours << storedColour(c);
  writeEightBitLines(dir.filePath(skin::kColours.mid(1).toString()), colours);
}

}  // namespace kc::tools
