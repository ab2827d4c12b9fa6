#include "core/file_paths.h"

#include "core/data_folder.h"

#include <QDir>
#include <QFileInfo>

namespace kc {

namespace {
qsizetype lastSeparator(const QString& p) {
  return std::max(p.lastIndexOf(QDir::separator()), p.lastIndexOf(QLatin1Char('/')));
}
}  // namespace

QString GetFolderPath(const QString& p) {
  const qsizetype i = lastSeparator(p);
  return i < 0 ? QString() : p.left(i);
}

QString GetFileName(const QString& p) {
  const qsizetype i = std::max(lastSeparator(p), p.lastIndexOf(QLatin1Char('\\')));
  return i < 0 ? p : p.mid(i + 1);
}

bool FileExists(const QString& p) {
  if (p.isEmpty()) return false;
  QFileInfo info(p);
  return info.exists() && info.isFile();
}

QString CompanionPath(const QString& puzzlePath, const QString& name) {
  return resolvePath(GetFolderPath(puzzlePath), name);
}

}  // namespace kc
