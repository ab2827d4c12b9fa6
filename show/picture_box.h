#pragma once
// Picture controls of the show windows: a picture box (shown at its own size or stretched over
// the control) and a picture button. Both load by path; a picture that cannot be loaded
// throws, so the step-by-step load routines skip that step and keep what was there.

#include <QAbstractButton>
#include <QPixmap>
#include <QString>
#include <QWidget>

#include <stdexcept>

namespace kc {

class PictureError : public std::runtime_error {
 public:
  explicit PictureError(const QString& path);
};

// Loads a picture file (JPEG, GIF first frame, BMP, PNG); throws PictureError on failure.
QPixmap loadPicture(const QString& path);

// The picture stretched to `size`, smoothed (null for a null picture or an empty size).
QPixmap stretched(const QPixmap& picture, const QSize& size);

class PictureBox : public QWidget {
  Q_OBJECT
 public:
  enum class Fit { OwnSize, Stretch };
  explicit PictureBox(QWidget* parent = nullptr, Fit fit = Fit::OwnSize);

  // Loads the file into the box; throws PictureError and keeps the old picture on failure.
  void load(const QString& path);
  void setPicture(const QPixmap& picture);
  const QPixmap& picture() const { return picture_; }
  const QString& file() const { return file_; }
  Fit fit() const { return fit_; }
  // The picture's own size in twips (0 × 0 when empty).
  QSize pictureTwips() const;

 signals:
  void clicked();
  void pressed(Qt::MouseButton button);
  void hovered();

 protected:
  void paintEvent(QPaintEvent* e) override;
  void resizeEvent(QResizeEvent* e) override;
  void mousePressEvent(QMouseEvent* e) override;
  void mouseReleaseEvent(QMouseEvent* e) override;
  void mouseMoveEvent(QMouseEvent* e) override;

 private:
  QPixmap picture_;
  QPixmap scaled_;  // a stretched picture is scaled once per size, not on every paint
  QString file_;
  Fit fit_;
  bool pressedInside_ = false;
};

// A button that shows a picture centred on a plain background (black unless told).
class PictureButton : public QAbstractButton {
  Q_OBJECT
 public:
  explicit PictureButton(QWidget* parent = nullptr);
  void load(const QString& path);
  void setPicture(const QPixmap& picture);
  const QPixmap& picture() const { return picture_; }
  const QString& file() const { return file_; }
  void setBackground(const QColor& colour);

  QSize sizeHint() const override { return size(); }

 protected:
  void paintEvent(QPaintEvent* e) override;

 private:
  QPixmap picture_;
  QString file_;
  QColor background_ = Qt::black;
};

}  // namespace kc
