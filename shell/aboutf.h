#pragma once
// The about box: one credits picture and a close picture. Opened from the menu, it returns to
// the menu however it is closed; each opening loads it afresh.

#include "core/program.h"

namespace kc {

class DragMover;
class PictureBox;

class Aboutf : public Window {
  Q_OBJECT
 public:
  explicit Aboutf(Program& program);
  void load() override;

  // Image2: unload the box and show the menu again.
  void closePictureClicked();

  PictureBox* picture() const { return image1_; }
  PictureBox* closeButton() const { return image2_; }

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void backToMenu();

  PictureBox* image1_ = nullptr;
  PictureBox* image2_ = nullptr;
  DragMover* drag_ = nullptr;
  bool leaving_ = false;
};

}  // namespace kc
