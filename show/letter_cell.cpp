#include "show/letter_cell.h"

#include "core/settings.h"
#include "core/text/fonts.h"

#include <QMouseEvent>
#include <QPainter>

namespace kc {

namespace {
const QFont& cellFont() {
  static const QFont font = makeFont(FontSpec{FontFace::VnTimeH, 21.75, true});
  return font;
}
const QString kMask = QStringLiteral("*");
}  // namespace

LetterCell::LetterCell(QWidget* parent, int row, int position)
    : QWidget(parent), row_(row), position_(position) {
  setObjectName(QStringLiteral("o%1").arg(row));
  setProperty("index", position);
  // The cell paints every pixel itself: nothing behind it needs drawing first.
  setAttribute(Qt::WA_OpaquePaintEvent);
  setCursor(Qt::PointingHandCursor);
  drawn_ = displayText(QStringView(&letter_, 1), FontFace::VnTimeH);
}

void LetterCell::setLetter(QChar code) {
  if (code == letter_) return;
  letter_ = code;
  drawn_ = displayText(QStringView(&letter_, 1), FontFace::VnTimeH);
  if (!masked_) update();
}

void LetterCell::setMasked(bool masked) {
  if (masked == masked_) return;
  masked_ = masked;
  update();
}

void LetterCell::setBackColour(std::int32_t value) {
  if (value == back_) return;
  back_ = value;
  update();
}

void LetterCell::setTextColour(std::int32_t value) {
  if (value == text_) return;
  text_ = value;
  update();
}

QString LetterCell::shownText() const { return masked_ ? kMask : drawn_; }

void LetterCell::paintEvent(QPaintEvent*) {
  QPainter p(this);
  const QRect r = rect();
  p.fillRect(r, colourFromValue(back_));
  // A sunken frame, as the old text-box cells had: dark on top and left, light below.
  p.setPen(QColor(64, 64, 64));
  p.drawLine(r.topLeft(), r.topRight());
  p.drawLine(r.topLeft(), r.bottomLeft());
  p.setPen(QColor(212, 208, 200));
  p.drawLine(r.bottomLeft(), r.bottomRight());
  p.drawLine(r.topRight(), r.bottomRight());
  p.setFont(cellFont());
  p.setPen(colourFromValue(text_));
  p.drawText(r, Qt::AlignCenter, shownText());
}

void LetterCell::mousePressEvent(QMouseEvent* e) {
  pressed_ = e->button() == Qt::LeftButton;
  QWidget::mousePressEvent(e);
}

void LetterCell::mouseReleaseEvent(QMouseEvent* e) {
  const bool click = pressed_ && e->button() == Qt::LeftButton && rect().contains(e->pos());
  pressed_ = false;
  QWidget::mouseReleaseEvent(e);
  if (click) emit clicked(position_);
}

}  // namespace kc
