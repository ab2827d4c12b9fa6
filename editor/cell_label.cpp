#include "editor/cell_label.h"

namespace kc {

CellLabel::CellLabel(QWidget* parent, FontSpec font) : VnLabel(parent, font) {
  setAlignment(Qt::AlignCenter);
  setBackColour(backColour_);
}

void CellLabel::setBackColour(std::int32_t value) {
  backColour_ = value;
  setOpaque(true, value);
}

}  // namespace kc
