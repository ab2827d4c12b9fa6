#include "tools/text_file.h"

#include <QFile>

#include <stdexcept>

namespace kc::tools {

void writeEightBitLines(const QString& path, const QStringList& lines) {
  QByteArray bytes;
  for (const QString& line : lines) {
    for (QChar c : line) {
      if (c.unicode() > 0xFF) {
        throw std::runtime_error("code above 255 in a line of " + path.toStdString());
      }
      bytes.append(char(c.unicode()));
    }
    bytes.append("\r\n");
  }
  QFile file(path);
  if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size()) {
    throw std::runtime_error("cannot write " + path.toStdString());
  }
}

}  // namespace kc::tools
