#pragma once
// Lets the user drag a whole window by one of its pictures. The window system's own move is
// used where it offers one (it follows the mouse even outside the window and respects the
// desktop's rules); elsewhere the window is moved by hand, following the mouse.

#include <QObject>
#include <QPoint>
#include <QPointer>
#include <QWidget>

namespace kc {

class DragMover : public QObject {
  Q_OBJECT
 public:
  enum class Mode { None, System, Manual };

  // Watches handle's mouse events; moves handle->window().
  explicit DragMover(QWidget* handle);

  // How the drag in progress (or the last one) is carried out.
  Mode mode() const { return mode_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QPointer<QWidget> handle_;
  Mode mode_ = Mode::None;
  bool pressed_ = false;
  QPoint pressGlobal_;
  QPoint windowAtPress_;
};

}  // namespace kc
