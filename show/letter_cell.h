#pragma once
// One letter cell of the board. The board holds 12 × 19 of them, so a cell is a small painted
// widget rather than a text box: it draws its box, its frame and either its letter (in the
// capitals font) or the mask "*".

#include <QChar>
#include <QString>
#include <QWidget>

#include <cstdint>

namespace kc {

class LetterCell : public QWidget {
  Q_OBJECT
 public:
  LetterCell(QWidget* parent, int row, int position);

  int row() const { return row_; }
  int position() const { return position_; }

  // The character code of the row text this cell shows (TCVN3).
  void setLetter(QChar code);
  QChar letter() const { return letter_; }

  // A masked cell shows "*" in place of its letter.
  void setMasked(bool masked);
  bool isMasked() const { return masked_; }

  // Colours in the stored encoding (red + 256 green + 65536 blue).
  void setBackColour(std::int32_t value);
  void setTextColour(std::int32_t value);
  std::int32_t backColour() const { return back_; }
  std::int32_t textColour() const { return text_; }

  // What the class sees in the cell: "*" while masked, else the letter as drawn.
  QString shownText() const;

 signals:
  void clicked(int position);

 protected:
  void paintEvent(QPaintEvent* e) override;
  void mousePressEvent(QMouseEvent* e) override;
  void mouseReleaseEvent(QMouseEvent* e) override;

 private:
  int row_;
  int position_;
  QChar letter_ = QChar(' ');
  QString drawn_;  // the letter decoded once, not on every paint
  bool masked_ = true;
  bool pressed_ = false;
  std::int32_t back_ = 0xFFFFFF;
  std::int32_t text_ = 0;
};

}  // namespace kc
