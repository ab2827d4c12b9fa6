#pragma once
// A letter cell of a crossword view: one code drawn in the capitals font, with a background
// and a text colour that the special-letter marking changes.

#include "core/text/vn_label.h"

#include <cstdint>

namespace kc {

class CellLabel : public VnLabel {
  Q_OBJECT
 public:
  CellLabel(QWidget* parent, FontSpec font);

  // Colours in the stored encoding (red + 256 green + 65536 blue).
  void setBackColour(std::int32_t value);
  std::int32_t backColour() const { return backColour_; }

 protected:
  void paintEvent(QPaintEvent* e) override;

 private:
  std::int32_t backColour_ = 0xFFFFFF;
};

}  // namespace kc
