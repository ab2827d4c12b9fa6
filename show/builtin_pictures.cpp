#include "show/builtin_pictures.h"

#include "core/steps.h"
#include "core/twips.h"
#include "core/picture_box.h"

#include <QLinearGradient>
#include <QPainter>
#include <QtMath>

namespace kc::builtin {

QPixmap clockFace() {
  QPixmap pm(134, 128);
  pm.fill(Qt::transparent);
  QPainter p(&pm);
  p.setRenderHint(QPainter::Antialiasing);
  const QPointF c(67, 64);
  p.setPen(QPen(QColor(60, 40, 20), 6));
  p.setBrush(QColor(255, 250, 230));
  p.drawEllipse(c, 58, 58);
  p.setPen(QPen(QColor(60, 40, 20), 3));
  for (int h = 0; h < 12; ++h) {
    const double a = h * M_PI / 6;
    p.drawLine(c + QPointF(46 * std::sin(a), -46 * std::cos(a)),
               c + QPointF(52 * std::sin(a), -52 * std::cos(a)));
  }
  p.setPen(QPen(QColor(20, 20, 20), 5, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(c, c + QPointF(0, -40));
  p.setPen(QPen(QColor(180, 20, 20), 3, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(c, c + QPointF(30, 14));
  return pm;
}

QPixmap sidePanel() {
  QPixmap pm(230, 50);
  QPainter p(&pm);
  QLinearGradient g(0, 0, 0, 50);
  g.setColorAt(0, QColor(90, 60, 30));
  g.setColorAt(1, QColor(40, 25, 10));
  p.fillRect(pm.rect(), g);
  // The grip: the part that stays on screen while the panel is pulled in.
  p.fillRect(QRect(0, 0, 13, 50), QColor(200, 160, 80));
  p.setPen(QColor(60, 40, 20));
  for (int y = 12; y <= 36; y += 6) p.drawLine(3, y, 9, y);
  return pm;
}

void loadClock(PictureBox* clock, const QString& clockFile) {
  QPixmap pic;
  if (!step([&] { pic = loadPicture(clockFile); })) pic = clockFace();
  clock->setPicture(pic);
  const QSize own = clock->pictureTwips();
  twips::place(clock, 10, -own.height(), own.width(), own.height());
}

}  // namespace kc::builtin
