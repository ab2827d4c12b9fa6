#pragma once
// Keeps a second copy of the program from running for the same user: the first copy holds a
// lock file in the user's runtime folder for as long as it runs. A copy that dies leaves a
// stale lock, which the next start recognises (its process is gone) and takes over.

#include <QLockFile>
#include <QString>

#include <memory>

namespace kc {

class Services;

namespace single_instance {
// Shown by the copy that is refused.
inline constexpr QStringView kAlreadyRunning = u"Chuong trinh dang chay";
}  // namespace single_instance

class SingleInstance {
 public:
  // key names the lock; tests use their own so they never meet a running program.
  explicit SingleInstance(const QString& key = defaultKey());
  ~SingleInstance();

  // True when this copy now holds the lock (or already held it).
  bool acquire();
  bool holds() const { return held_; }
  const QString& lockPath() const { return path_; }

  // One key per user: two teachers logged in on one machine each get a menu.
  static QString defaultKey();

 private:
  QString path_;
  std::unique_ptr<QLockFile> lock_;
  bool held_ = false;
};

// The start-up check: true when this copy may go on; otherwise the message has been shown
// and the caller ends this copy.
bool claimSingleInstance(SingleInstance& instance, Services& services);

}  // namespace kc
