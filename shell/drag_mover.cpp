#include "shell/drag_mover.h"

#include <QMouseEvent>
#include <QWindow>

namespace kc {

DragMover::DragMover(QWidget* handle) : QObject(handle), handle_(handle) {
  handle->installEventFilter(this);
}

bool DragMover::eventFilter(QObject* watched, QEvent* event) {
  if (watched != handle_ || !handle_) return false;
  QWidget* window = handle_->window();
  switch (event->type()) {
    case QEvent::MouseButtonPress: {
      auto* e = static_cast<QMouseEvent*>(event);
      if (e->button() != Qt::LeftButton) break;
      pressed_ = true;
      mode_ = Mode::None;
      pressGlobal_ = e->globalPosition().toPoint();
      windowAtPress_ = window->pos();
      break;
    }
    case QEvent::MouseMove: {
      auto* e = static_cast<QMouseEvent*>(event);
      if (!(e->buttons() & Qt::LeftButton)) {
        pressed_ = false;
        break;
      }
      if (!pressed_) {
        // A move with the button down that began elsewhere: start from here.
        pressed_ = true;
        mode_ = Mode::None;
        pressGlobal_ = e->globalPosition().toPoint();
        windowAtPress_ = window->pos();
      }
      if (mode_ == Mode::None) {
        QWindow* handle = window->windowHandle();
        mode_ = handle && handle->startSystemMove() ? Mode::System : Mode::Manual;
      }
      // Global positions: the handle itself moves with the window.
      if (mode_ == Mode::Manual)
        window->move(windowAtPress_ + (e->globalPosition().toPoint() - pressGlobal_));
      break;
    }
    case QEvent::MouseButtonRelease:
      if (static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) pressed_ = false;
      break;
    default:
      break;
  }
  return false;
}

}  // namespace kc
