#include "core/program.h"

#include <QCoreApplication>

namespace kc {

Window::Window(Program& program, QStringView name, QWidget* parent)
    : QWidget(parent), program_(program) {
  setObjectName(name.toString());
}

Program::Program(QString programFolder, Services& services, Players& players, QObject* parent)
    : QObject(parent), folder_(std::move(programFolder)), services_(services), players_(players) {}

Program::~Program() {
  const auto windows = windows_;
  windows_.clear();
  for (const auto& w : windows)
    if (w) delete w.data();
}

void Program::registerWindow(QStringView name, Factory factory) {
  factories_.insert(name.toString(), std::move(factory));
}

bool Program::isRegistered(QStringView name) const { return factories_.contains(name.toString()); }

Window* Program::loaded(QStringView name) const {
  const auto it = windows_.constFind(name.toString());
  return it == windows_.constEnd() ? nullptr : it->data();
}

Window* Program::window(QStringView name) {
  if (Window* w = loaded(name)) return w;
  const auto f = factories_.constFind(name.toString());
  if (f == factories_.constEnd()) return nullptr;
  Window* w = (*f)(*this);
  // Known before its load steps run, so a window read during them is this one.
  windows_.insert(name.toString(), w);
  const QString key = name.toString();
  connect(w, &QObject::destroyed, this, [this, key, w] {
    auto it = windows_.find(key);
    if (it != windows_.end() && (it->isNull() || it->data() == w)) windows_.erase(it);
  });
  w->load();
  return w;
}

Window* Program::show(QStringView name) {
  Window* w = window(name);
  if (w) w->show();
  return w;
}

void Program::unload(QStringView name) {
  auto it = windows_.find(name.toString());
  if (it == windows_.end()) return;
  QPointer<Window> w = *it;
  windows_.erase(it);
  if (!w) return;
  w->hide();
  // Unloading often starts in one of the window's own handlers: delete it once they return.
  w->deleteLater();
}

void Program::end() {
  if (ended_) return;
  ended_ = true;
  const auto names = windows_.keys();
  for (const QString& n : names) unload(n);
  emit ended();
}

}  // namespace kc
