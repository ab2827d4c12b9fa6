#include "editor/cell_label.h"

#include "core/settings.h"

#include <QPainter>

namespace kc {

CellLabel::CellLabel(QWidget* parent, FontSpec font) : VnLabel(parent, font) {
  setAlignment(Qt::AlignCenter);
  setBackColour(backColour_);
}

void CellLabel::setBackColour(std::int32_t value) {
  backColour_ = value;
  update();
}

void CellLabel::paintEvent(QPaintEvent* e) {
  // The cell paints its own box: a label made opaque after being transparent is not filled
  // reliably in every rendering path (a window picture among them).
  {
    QPainter p(this);
    p.fillRect(rect(), colourFromValue(backColour_));
  }
  VnLabel::paintEvent(e);
}

}  // namespace kc
