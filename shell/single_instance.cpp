#include "shell/single_instance.h"

#include "core/services.h"

#include <QDir>
#include <QStandardPaths>

#include <unistd.h>

namespace kc {

SingleInstance::SingleInstance(const QString& key) {
  QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
  if (folder.isEmpty()) folder = QDir::tempPath();
  QDir().mkpath(folder);
  path_ = folder + QLatin1Char('/') + key + QStringLiteral(".lock");
  lock_ = std::make_unique<QLockFile>(path_);
  // The lock lives as long as the program: never call it stale because of its age, only
  // because its process is gone.
  lock_->setStaleLockTime(0);
}

SingleInstance::~SingleInstance() {
  if (held_) lock_->unlock();
}

bool SingleInstance::acquire() {
  if (!held_) held_ = lock_->tryLock(0);
  return held_;
}

QString SingleInstance::defaultKey() {
  return QStringLiteral("kelvora-crossword-%1").arg(static_cast<qulonglong>(::getuid()));
}

bool claimSingleInstance(SingleInstance& instance, Services& services) {
  if (instance.acquire()) return true;
  services.message(single_instance::kAlreadyRunning.toString(), MessageIcon::None);
  return false;
}

}  // namespace kc
