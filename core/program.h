#pragma once
// The program object: it knows the program folder, hands out the services and players, and
// owns the windows. Windows pass values by reading each other's fields; reading a window that
// is not loaded loads it first, which runs its load steps without showing it.

#include "core/data_folder.h"
#include "core/settings.h"

#include <QHash>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QWidget>

#include <functional>

namespace kc {

class Services;
class Players;
class Program;

// Base of every window: built by the program object, which then runs load().
class Window : public QWidget {
  Q_OBJECT
 public:
  Window(Program& program, QStringView name, QWidget* parent = nullptr);
  Program& program() const { return program_; }
  // The window's load steps; run once, right after construction, by the program object.
  virtual void load() {}

 private:
  Program& program_;
};

class Program : public QObject {
  Q_OBJECT
 public:
  Program(QString programFolder, Services& services, Players& players, QObject* parent = nullptr);
  ~Program() override;

  const QString& folder() const { return folder_; }
  // folder + a relative path written the old way ("\data\value\value.txt"), resolved.
  QString path(QStringView relative) const { return resolvePath(folder_, relative); }
  Settings settings() const { return Settings(folder_); }
  Services& services() const { return services_; }
  Players& players() const { return players_; }

  using Factory = std::function<Window*(Program&)>;
  void registerWindow(QStringView name, Factory factory);
  bool isRegistered(QStringView name) const;

  // The window, loaded first if it is not (nullptr only for a name nobody registered).
  Window* window(QStringView name);
  template <class T>
  T* window(QStringView name) {
    return qobject_cast<T*>(window(name));
  }
  // The window if it is loaded, else nullptr; never loads.
  Window* loaded(QStringView name) const;
  template <class T>
  T* loaded(QStringView name) const {
    return qobject_cast<T*>(loaded(name));
  }
  bool isLoaded(QStringView name) const { return loaded(name) != nullptr; }

  // Makes the window visible, loading it first when needed.
  Window* show(QStringView name);
  // Closes the window and discards its state; the next read loads it afresh.
  void unload(QStringView name);
  // Ends the program at once: every window closes, nothing is saved and nothing is asked.
  void end();
  bool hasEnded() const { return ended_; }

 signals:
  void ended();

 private:
  QString folder_;
  Services& services_;
  Players& players_;
  QHash<QString, Factory> factories_;
  QHash<QString, QPointer<Window>> windows_;
  bool ended_ = false;
};

}  // namespace kc
