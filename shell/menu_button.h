#pragma once
// The menu's buttons: a button that shows a picture instead of a caption (the skins draw the
// captions into their pictures). Without a picture it draws a plain button with its fallback
// caption, so a window whose skin picture is missing still has usable buttons.

#include <QAbstractButton>
#include <QPixmap>

namespace kc {

class MenuButton : public QAbstractButton {
  Q_OBJECT
 public:
  // fallbackCaption: Unicode text shown only while there is no picture.
  explicit MenuButton(QWidget* parent = nullptr, QString fallbackCaption = {});

  void setPicture(const QPixmap& picture);
  const QPixmap& picture() const { return picture_; }
  bool hasPicture() const { return !picture_.isNull(); }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QPixmap picture_;
  QString fallback_;
};

}  // namespace kc
