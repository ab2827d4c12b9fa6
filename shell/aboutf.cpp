#include "shell/aboutf.h"

#include "core/twips.h"
#include "core/window_names.h"
#include "shell/about_picture.h"
#include "shell/drag_mover.h"
#include "core/picture_box.h"

#include <QCloseEvent>

namespace kc {

namespace {
constexpr int kClientWidth = 9000;
constexpr int kClientHeight = 7500;
}  // namespace

Aboutf::Aboutf(Program& program) : Window(program, windows::kAbout) {
  setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
  setWindowTitle(QStringLiteral("Kelvora Crossword 6"));
  setFixedSize(twips::toPixels(kClientWidth), twips::toPixels(kClientHeight));

  image1_ = new PictureBox(this);
  image1_->setObjectName(QStringLiteral("Image1"));
  image1_->setCursor(Qt::ArrowCursor);
  twips::place(image1_, 0, 0, kClientWidth, kClientHeight);
  // The box has no frame: its picture is the handle to move it by.
  drag_ = new DragMover(image1_);

  image2_ = new PictureBox(this);
  image2_->setObjectName(QStringLiteral("Image2"));
  twips::place(image2_, 8685, 15, 300, 315);
  connect(image2_, &PictureBox::clicked, this, &Aboutf::closePictureClicked);
}

void Aboutf::load() {
  image1_->setPicture(QPixmap::fromImage(aboutPicture(image1_->size())));
  image2_->setPicture(QPixmap::fromImage(closePicture(image2_->size())));
  const QPoint centre = twips::centredOnScreen(kClientWidth, kClientHeight);
  move(twips::toPixels(centre.x()), twips::toPixels(centre.y()));
}

void Aboutf::closePictureClicked() { backToMenu(); }

void Aboutf::closeEvent(QCloseEvent* event) {
  event->accept();
  // Alt+F4 or the window manager: back to the menu as with the close picture, unless the
  // program is ending anyway.
  if (!program().hasEnded()) backToMenu();
}

void Aboutf::backToMenu() {
  if (leaving_) return;
  leaving_ = true;
  program().unload(windows::kAbout);
  program().show(windows::kMenu);
}

}  // namespace kc
