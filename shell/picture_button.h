#pragma once
// A button that shows a picture instead of a caption (the skins draw the captions into their
// pictures). Without a picture it draws a plain button with its fallback caption, so a
// window whose skin picture is missing still has usable buttons.

#include <QAbstractButton>
#include <QPixmap>

namespace kc {

class PictureButton : public QAbstractButton {
  Q_OBJECT
 public:
  // fallbackCaption: Unicode text shown only while there is no picture.
  explicit PictureButton(QWidget* parent = nullptr, QString fallbackCaption = {});

  void setPicture(const QPixmap& picture);
  const QPixmap& picture() const { return picture_; }
  bool hasPicture() const { return !picture_.isNull(); }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QPixmap picture_;
  QString fallback_;
};

// A picture that reports clicks (close pictures and similar).
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
