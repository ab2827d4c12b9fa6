#pragma once
// The crossword picture: a still copy of what the editor shows (topic, row numbers, letters,
// key cells shaded) on a white page that a teacher can print; the capture button writes the
// window's own pixels as a JPEG file.

#include "core/program.h"

#include <QImage>
#include <QString>

#include <array>
#include <cstdint>

class QLabel;
class QPushButton;
class QTimer;

namespace kc {

class CellLabel;
class VnLabel;
class VnLineEdit;

class Taoanh : public Window {
  Q_OBJECT
 public:
  static constexpr int kWidth = 12510;
  static constexpr int kHeight = 8970;
  static constexpr int kRows = 12;
  // Every position of a row is pictured, so no answer is cut off on paper: column 18 ends at
  // 12165 twips, inside the page.
  static constexpr int kCells = 18;
  static constexpr int kFirstLeft = 2490;
  static constexpr int kPitch = 540;
  static constexpr int kCellSize = 495;
  static constexpr std::array<int, kRows> kRowTops = {1170, 1770, 2370, 2970, 3630, 4290,
                                                      4890, 5550, 6210, 6810, 7470, 8070};
  static constexpr std::array<int, kRows> kNumberTops = {1170, 1770, 2400, 3000, 3660, 4320,
                                                         4950, 5580, 6210, 6900, 7500, 8130};
  static constexpr std::int32_t kKeyBack = 224 + 224 * 256 + 224 * 65536;
  static constexpr std::int32_t kWhite = 0xFFFFFF;
  static constexpr int kJpegQuality = 100;
  static const QString kFilter;
  static const QString kSavedMessage;

  explicit Taoanh(Program& program);
  void load() override;

  // Command1: ask for the file, then take the picture a moment later.
  void capture();
  // Timer1: takes the picture, writes it and closes the window.
  void tick();
  // The window's own pixels (the capture button is hidden by then).
  QImage chupAnh();
  // A click on the page: back to the editor.
  void closePage();

  QPushButton* captureButton() const { return command1_; }
  VnLineEdit* teacherLine() const { return text1_; }
  VnLabel* title() const { return title_; }
  VnLabel* rowNumber(int row) const { return numbers_.at(row - 1); }
  CellLabel* cell(int row, int k) const { return cells_.at(row - 1).at(k); }
  QTimer* timer() const { return timer1_; }
  QString targetPath() const;  // Label1
  const QImage& picture() const { return image1_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QPushButton* command1_ = nullptr;
  VnLineEdit* text1_ = nullptr;
  VnLabel* title_ = nullptr;
  std::array<VnLabel*, kRows> numbers_{};
  std::array<std::array<CellLabel*, kCells + 1>, kRows> cells_{};
  QLabel* image2_ = nullptr;
  QLabel* label1_ = nullptr;
  QImage image1_;
  QTimer* timer1_ = nullptr;
};

}  // namespace kc
