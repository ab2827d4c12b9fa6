#include "shell/about_picture.h"

#include "core/text/fonts.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <iterator>

namespace kc {

namespace {

QFont serif(double points, bool bold = false, bool italic = false) {
  return makeFont(FontSpec{FontFace::VnTime, points, bold, italic});
}

// A few crossword rows with their keyword column, drawn as letter cells.
void drawCrossword(QPainter& p, QPoint origin, int cell) {
  struct Row {
    int shift;
    const char* letters;  // UTF-8, one letter a cell
  };
  // The highlighted column spells "HỌC" (to learn).
  const Row rows[] = {{2, "THẦY"}, {2, "HỌCSINH"}, {3, "CÔGIÁO"}};
  const int keyColumn = 3;
  p.setFont(serif(cell * 0.45, true));
  for (int r = 0; r < int(std::size(rows)); ++r) {
    const QString word = QString::fromUtf8(rows[r].letters);
    for (int k = 0; k < word.size(); ++k) {
      const int column = rows[r].shift + k;
      const QRect box(origin.x() + column * cell, origin.y() + r * cell, cell - 2, cell - 2);
      const bool key = column == keyColumn;
      p.setPen(QPen(QColor(90, 60, 30), 1));
      p.setBrush(key ? QColor(255, 214, 90) : QColor(255, 250, 240));
      p.drawRoundedRect(box, 3, 3);
      p.setPen(key ? QColor(150, 30, 20) : QColor(50, 40, 30));
      p.drawText(box, Qt::AlignCenter, word.mid(k, 1));
    }
  }
}

}  // namespace

QImage aboutPicture(QSize size) {
  QImage img(size, QImage::Format_RGB32);
  QPainter p(&img);
  p.setRenderHint(QPainter::Antialiasing);
  p.setRenderHint(QPainter::TextAntialiasing);
  const int w = size.width(), h = size.height();

  QLinearGradient sky(0, 0, 0, h);
  sky.setColorAt(0, QColor(30, 60, 110));
  sky.setColorAt(0.55, QColor(60, 110, 160));
  sky.setColorAt(1, QColor(235, 205, 150));
  p.fillRect(img.rect(), sky);

  // A soft sun behind the title.
  QRadialGradient sun(QPointF(w * 0.78, h * 0.18), w * 0.25);
  sun.setColorAt(0, QColor(255, 230, 160, 180));
  sun.setColorAt(1, QColor(255, 230, 160, 0));
  p.fillRect(img.rect(), sun);

  p.setPen(QColor(255, 255, 255));
  p.setFont(serif(30, true));
  p.drawText(QRect(0, h * 6 / 100, w, h / 8), Qt::AlignHCenter | Qt::AlignVCenter,
             QStringLiteral("Kelvora Crossword 6"));
  p.setPen(QColor(255, 226, 140));
  p.setFont(serif(22, false, true));
  p.drawText(QRect(0, h * 19 / 100, w, h / 10), Qt::AlignHCenter | Qt::AlignVCenter,
             QStringLiteral("Chương trình tạo ô chữ"));

  drawCrossword(p, QPoint(w / 2 - 5 * 34, h * 35 / 100), 34);

  p.setPen(QColor(40, 30, 20));
  p.setFont(serif(13));
  const QString credits = QStringLiteral(
      "Soạn và trình chiếu trò chơi ô chữ trong tiết học\n"
      "Dành tặng các thầy cô giáo và các em học sinh\n"
      "Phần mềm Tạo Ô Chữ – THPT Dalvorin\n"
      "Phiên bản 6 cho Linux, viết lại bằng C++ và Qt");
  p.drawText(QRect(w / 12, h * 63 / 100, w - w / 6, h * 30 / 100), Qt::AlignCenter, credits);

  p.setPen(QPen(QColor(255, 255, 255, 160), 2));
  p.setBrush(Qt::NoBrush);
  p.drawRect(img.rect().adjusted(1, 1, -2, -2));
  return img;
}

QImage closePicture(QSize size) {
  QImage img(size, QImage::Format_ARGB32_Premultiplied);
  img.fill(Qt::transparent);
  QPainter p(&img);
  p.setRenderHint(QPainter::Antialiasing);
  const QRectF r = QRectF(img.rect()).adjusted(1, 1, -1, -1);
  QRadialGradient g(r.center() - QPointF(r.width() / 5, r.height() / 5), r.width() * 0.7);
  g.setColorAt(0, QColor(255, 120, 110));
  g.setColorAt(1, QColor(180, 20, 20));
  p.setBrush(g);
  p.setPen(QPen(QColor(110, 10, 10), 1));
  p.drawEllipse(r);
  const qreal m = r.width() * 0.3;
  p.setPen(QPen(Qt::white, std::max<qreal>(2, r.width() / 8), Qt::SolidLine, Qt::RoundCap));
  p.drawLine(r.topLeft() + QPointF(m, m), r.bottomRight() - QPointF(m, m));
  p.drawLine(r.topRight() + QPointF(-m, m), r.bottomLeft() + QPointF(m, -m));
  return img;
}

}  // namespace kc
