#pragma once
// Picture controls of the windows: a picture box (shown at its own size or stretched over the
// control) and a picture button. Both load by path; a picture that cannot be loaded
// throws, so the step-by-step load routines skip that step and keep what was there.

#include <QAbstractButton>
#include <QHash>
#include <QImage>
#include <QStringList>
#include <QPixmap>
#include <QString>
#include <QWidget>

#include <future>
#include <optional>
#include <stdexcept>

namespace kc {

class PictureError : public std::runtime_error {
 public:
  explicit PictureError(const QString& path);
};

// Decodes picture files on a worker thread while a window builds its controls, so the large
// background is ready when the load steps reach it. Only the decoding moves: the load steps
// still run in their order on the interface thread and take the results from here.
class PicturePrefetch {
 public:
  PicturePrefetch() = default;
  ~PicturePrefetch();
  PicturePrefetch(const PicturePrefetch&) = delete;
  PicturePrefetch& operator=(const PicturePrefetch&) = delete;

  void start(const QStringList& paths);
  // The decoded picture of a path given to start() (null when it did not decode), or nullopt
  // for a path that was not prefetched. Each path is handed out once.
  std::optional<QImage> take(const QString& path);

 private:
  std::future<QHash<QString, QImage>> work_;
  QHash<QString, QImage> ready_;
};

// Loads a picture file (JPEG, GIF first frame, BMP, PNG); throws PictureError on failure.
QPixmap loadPicture(const QString& path, PicturePrefetch* prefetch = nullptr);

// The picture stretched to `size`, smoothed (null for a null picture or an empty size).
QPixmap stretched(const QPixmap& picture, const QSize& size);

class PictureBox : public QWidget {
  Q_OBJECT
 public:
  enum class Fit { OwnSize, Stretch };
  explicit PictureBox(QWidget* parent = nullptr, Fit fit = Fit::OwnSize);

  // Loads the file into the box; throws PictureError and keeps the old picture on failure.
  void load(const QString& path, PicturePrefetch* prefetch = nullptr);
  // Checks the file and reads its size now, but decodes it only when it is first drawn or
  // asked for: a picture that starts hidden (the question panel's) costs nothing while the
  // board opens. Throws PictureError, keeping the old picture, when the file cannot be read.
  void loadWhenShown(const QString& path);
  void setPicture(const QPixmap& picture);
  const QPixmap& picture() const;
  const QString& file() const { return file_; }
  Fit fit() const { return fit_; }
  bool isDecodePending() const { return !pending_.isEmpty(); }
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
  void decodePending() const;

  mutable QPixmap picture_;
  QPixmap scaled_;  // a stretched picture is scaled once per size, not on every paint
  QString file_;
  mutable QString pending_;  // a file checked by loadWhenShown() and not decoded yet
  QSize pendingSize_;
  Fit fit_;
  bool pressedInside_ = false;
};

// A button that shows a picture centred on a plain background (black unless told). Without a
// picture it draws a plain button with its fallback caption (Unicode), if it has one, so a
// window whose skin picture is missing still has usable buttons.
class PictureButton : public QAbstractButton {
  Q_OBJECT
 public:
  explicit PictureButton(QWidget* parent = nullptr, QString fallbackCaption = {});
  bool hasPicture() const { return !picture_.isNull(); }
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
  QString fallback_;
  QColor background_ = Qt::black;
};

}  // namespace kc
