#pragma once
// The picture question window: the question's picture over the whole window, the question
// on a white band near the bottom, and a clock of its own. The show opens it for a question
// whose picture lies beside the puzzle file; a click on the picture closes it.

#include "core/program.h"
#include "show/countdown.h"

#include <QString>

#include <memory>

class QTimer;

namespace kc {

class PictureBox;
class VnLabel;

class Picshow : public Window {
  Q_OBJECT
 public:
  explicit Picshow(Program& program);
  ~Picshow() override;
  void load() override;

  // Takes the question number and text from the show, shows the picture, restarts the clock.
  void present();

  const QString& num() const { return num_; }
  const QString& path() const { return path_; }
  const QString& label2() const { return label2_; }

  VnLabel* cauhoi() const { return cauhoi_; }
  VnLabel* seclabel() const { return seclabel_; }
  PictureBox* image1() const { return image1_; }
  PictureBox* image2() const { return image2_; }
  PictureBox* clock() const { return clock_; }
  // n = 1 (band), 3 (clock drop), 4 (count).
  QTimer* timer(int n) const;

  void timer1Tick();
  void timer3Tick();
  void timer4Tick();
  // A click on the picture closes the window.
  void closeByPicture();

 private:
  void build();

  QString num_ = QStringLiteral("0");
  QString path_;
  QString label2_;
  VnLabel* cauhoi_ = nullptr;
  VnLabel* seclabel_ = nullptr;
  PictureBox* image1_ = nullptr;
  PictureBox* image2_ = nullptr;
  PictureBox* clock_ = nullptr;
  QTimer* timer1_ = nullptr;
  QTimer* timer3_ = nullptr;
  QTimer* timer4_ = nullptr;
  std::unique_ptr<Countdown> countdown_;
};

}  // namespace kc
