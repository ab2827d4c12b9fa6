#include "core/text/vn_label.h"

#include "core/settings.h"

#include <QMouseEvent>

namespace kc {

VnLabel::VnLabel(QWidget* parent, FontSpec font) : QLabel(parent), spec_(font) {
  setAttribute(Qt::WA_TranslucentBackground);
  setAutoFillBackground(false);
  setMouseTracking(true);
  setTextFormat(Qt::PlainText);
  QLabel::setFont(makeFont(spec_));
  setTextColour(0);
}

void VnLabel::setCodes(const QString& codes) {
  codes_ = codes;
  setText(displayText(codes_, spec_.face));
}

void VnLabel::setFontSpec(const FontSpec& style) {
  spec_ = style;
  QLabel::setFont(makeFont(spec_));
  setText(displayText(codes_, spec_.face));
}

void VnLabel::setBold(bool bold) {
  if (spec_.bold == bold) return;
  spec_.bold = bold;
  QLabel::setFont(makeFont(spec_));
}

void VnLabel::setUnderline(bool underline) {
  if (spec_.underline == underline) return;
  spec_.underline = underline;
  QLabel::setFont(makeFont(spec_));
}

void VnLabel::setTextColour(std::int32_t value) {
  textColour_ = value;
  QPalette p = palette();
  p.setColor(QPalette::WindowText, colourFromValue(value));
  p.setColor(QPalette::Text, colourFromValue(value));
  setPalette(p);
}

void VnLabel::setOpaque(bool opaque, std::int32_t backColour) {
  setAttribute(Qt::WA_TranslucentBackground, !opaque);
  // Translucency also switched off the system background; an opaque label needs it back.
  setAttribute(Qt::WA_NoSystemBackground, !opaque);
  setAutoFillBackground(opaque);
  if (opaque) {
    QPalette p = palette();
    p.setColor(QPalette::Window, colourFromValue(backColour));
    setPalette(p);
  }
}

void VnLabel::mousePressEvent(QMouseEvent* e) {
  pressedInside_ = e->button() == Qt::LeftButton;
  emit pressed(e->button());
  QLabel::mousePressEvent(e);
}

void VnLabel::mouseReleaseEvent(QMouseEvent* e) {
  const bool click = pressedInside_ && e->button() == Qt::LeftButton && rect().contains(e->pos());
  pressedInside_ = false;
  QLabel::mouseReleaseEvent(e);
  if (click) emit clicked();
}

void VnLabel::mouseMoveEvent(QMouseEvent* e) {
  emit hovered();
  QLabel::mouseMoveEvent(e);
}

void VnLabel::enterEvent(QEnterEvent* e) {
  emit hovered();
  QLabel::enterEvent(e);
}

}  // namespace kc
