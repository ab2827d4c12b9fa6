#include "core/data_folder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace kc {

QString executableFolder() { return QCoreApplication::applicationDirPath(); }

namespace {

// The entry of dir whose name equals name without regard to case, or name itself.
QString matchEntry(const QString& dir, const QString& name) {
  if (QFileInfo::exists(dir + QLatin1Char('/') + name)) return name;
  const QStringList entries =
      QDir(dir).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
  for (const QString& entry : entries)
    if (entry.compare(name, Qt::CaseInsensitive) == 0) return entry;
  return {};
}

}  // namespace

QString resolvePath(const QString& folder, QStringView relative) {
  QString path = folder;
  while (path.size() > 1 && path.endsWith(QLatin1Char('/'))) path.chop(1);
  bool onDisk = QFileInfo(path).isDir();
  qsizetype i = 0;
  const qsizetype n = relative.size();
  while (i < n) {
    while (i < n && (relative[i] == u'\\' || relative[i] == u'/')) ++i;
    qsizetype j = i;
    while (j < n && relative[j] != u'\\' && relative[j] != u'/') ++j;
    if (j == i) break;
    QString component = relative.mid(i, j - i).toString();
    if (onDisk) {
      const QString match = matchEntry(path, component);
      if (match.isEmpty()) {
        onDisk = false;
      } else {
        component = match;
      }
    }
    path += QLatin1Char('/') + component;
    if (onDisk && j < n) onDisk = QFileInfo(path).isDir();
    i = j;
  }
  // A trailing backslash names a folder: keep it, callers append file names.
  if (n > 0 && (relative[n - 1] == u'\\' || relative[n - 1] == u'/')) path += QLatin1Char('/');
  return QDir::toNativeSeparators(path);
}

}  // namespace kc
