#include "core/text/vn_line_edit.h"

#include "core/text/tcvn3.h"

#include <QMouseEvent>

namespace kc {

VnLineEdit::VnLineEdit(QWidget* parent, FontSpec font, Encoding encoding)
    : QLineEdit(parent), spec_(font), encoding_(encoding) {
  setFont(makeFont(spec_));
  setMouseTracking(true);
  connect(this, &QLineEdit::textEdited, this, &VnLineEdit::onEdited);
}

void VnLineEdit::setCodes(const QString& codes) {
  const bool changed = codes != codes_;
  codes_ = codes;
  const QString shown = kc::displayText(codes_, spec_.face);
  if (shown != text()) {
    const QSignalBlocker block(this);
    setText(shown);
  }
  if (changed) emit codesChanged(codes_);
}

void VnLineEdit::onEdited(const QString& unicode) {
  const QString codes =
      encoding_ == Encoding::Answer ? tcvn3::encodeAnswer(unicode) : tcvn3::encode(unicode);
  if (codes == codes_) return;
  codes_ = codes;
  emit codesChanged(codes_);
}

void VnLineEdit::mousePressEvent(QMouseEvent* e) {
  QLineEdit::mousePressEvent(e);
  emit clicked();
}

void VnLineEdit::mouseMoveEvent(QMouseEvent* e) {
  emit hovered();
  QLineEdit::mouseMoveEvent(e);
}

void VnLineEdit::enterEvent(QEnterEvent* e) {
  emit hovered();
  QLineEdit::enterEvent(e);
}

}  // namespace kc
