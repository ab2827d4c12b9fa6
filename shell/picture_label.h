#pragma once
// A picture that reports clicks (the about box's close picture).

#include <QPixmap>
#include <QWidget>

namespace kc {

class PictureLabel : public QWidget {
  Q_OBJECT
 public:
  explicit PictureLabel(QWidget* parent = nullptr);
  void setPicture(const QPixmap& picture);
  const QPixmap& picture() const { return picture_; }

 signals:
  void clicked();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  QPixmap picture_;
  bool pressedInside_ = false;
};

}  // namespace kc
