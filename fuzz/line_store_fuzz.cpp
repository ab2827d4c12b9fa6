// Feeds arbitrary bytes to the line store as a file: every read must return or throw a
// LineStoreError, and a rewrite must keep the line count and every other line.

#include "core/line_store.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>

#include <cstdint>
#include <cstdlib>
#include <unistd.h>

namespace {

QString scratchPath() {
  static const QString path =
      QDir::tempPath() + QStringLiteral("/kelvora-fuzz-%1.txt").arg(::getpid());
  return path;
}

void writeBytes(const QString& path, const uint8_t* data, size_t size) {
  QFile f(path);
  if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate)) std::abort();
  f.write(reinterpret_cast<const char*>(data), qint64(size));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const QString path = scratchPath();
  writeBytes(path, data, size);
  try {
    const int count = kc::LineCount(path);
    QStringList before;
    for (int n : {-1, 0, 1, 2, 3, 48, count, count + 1}) {
      const QString line = kc::GetLine(path, n);
      if ((n < 1 || n > count) && !line.isEmpty()) std::abort();
    }
    for (int n = 1; n <= count && n <= 64; ++n) before << kc::GetLine(path, n);

    const int target = size > 0 ? 1 + data[0] % 8 : 1;
    const QString text = QString::fromLatin1(reinterpret_cast<const char*>(data),
                                             qsizetype(std::min<size_t>(size, 16)));
    kc::PutLine(path, target, text);
    if (kc::LineCount(path) != count) std::abort();  // a write never adds or removes lines
    for (int n = 1; n <= count && n <= 64; ++n) {
      const QString now = kc::GetLine(path, n);
      if (n != target && now != before[n - 1]) std::abort();
      if (n == target && (now.contains(QChar(0x0A)) || now.contains(QChar(0x0D)))) std::abort();
    }
  } catch (const kc::LineStoreError&) {
    // Overflow on huge inputs is a clean, reported outcome.
  }
  return 0;
}
